#pragma once

#include "described_window.h"
#include "fixed_dialog.h"
#include "form1_behaviour.h"
#include "form1_view.h"
#include "screen_reader.h"

// The main window: makes its controls from the shared description, routes their events
// to the shared behaviour and lends it Windows' services: texts, focus, the message
// dialog, screen readers, the browser. It also keeps the two dialogs, each made afresh
// when it opens, and ends the program when the last of the three windows has closed.
class Form1 : public DescribedWindow, private morvane::forms::Form1View {
public:
    Form1();
    ~Form1() override;

    // Opens the window centred on the screen's work area.
    void open();

private:
    // DescribedWindow
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void commanded(std::string_view control, WORD notification) override;
    void activated() override;
    void closed() override;

    // Form1View
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    void moveFocus(std::string_view control) override;
    void showMessage(std::string_view message) override;
    void announce(std::string_view text) override;
    std::string decimalSeparator() const override;

    void decorate();
    void describeForScreenReaders();
    void showDialog(FixedDialog& dialog);
    void openHelp() const;
    void returnFromAbout();
    void windowClosed();
    RECT dialogArea() const;

    morvane::forms::Form1Behaviour m_behaviour{*this};
    ScreenReaderAnnotations m_annotations;
    HWND m_hiddenOwner = nullptr; // owns the dialogs, so that they have no task-bar button
    HWND m_announcement = nullptr; // the live region that tells screen readers the reading
    HWND m_tooltips = nullptr;
    HCURSOR m_hand = nullptr;
    FixedDialog m_message;
    FixedDialog m_about;
};
