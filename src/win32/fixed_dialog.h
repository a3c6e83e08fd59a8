#pragma once

#include "described_window.h"

#include <functional>

// One of the program's two dialogs, made afresh each time it opens: modeless, with no
// task-bar button, closed by its O&kay button (after `okay`, if set), its close button or
// Alt+F4; Esc closes nothing. Its O&kay button, its only control that takes the focus,
// has it whenever it is active.
class FixedDialog : public DescribedWindow {
public:
    struct Reports {
        std::function<void()> okay; // O&kay was pressed; the dialog closes next
        std::function<void()> activated;
        std::function<void()> closed;
    };

    FixedDialog(const morvane::forms::WindowDescription& description, Reports reports);

    // Opens the dialog centred on `area` if it is closed, and makes it the active window.
    // Owned by a hidden window, it has no task-bar button and stays free of the main window.
    void show(HWND hiddenOwner, const RECT& area);

private:
    void commanded(std::string_view control, WORD notification) override;
    void activated() override;
    void closed() override;

    Reports m_reports;
};
