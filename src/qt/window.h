#pragma once

#include "platform.h"
#include "program.h"
#include "renderer.h"

#include <QWidget>

// One of the program's windows, made from its description, of a fixed size and white,
// without an owner; it deletes itself when closed. It reports to the program what happens
// to it: a button pressed (by a click, Enter or Space on it, or its access key), an option
// chosen, the link clicked, a command of its context menu or its shortcut, Esc, the window
// closed. Its context menu opens on a right click or the menu key anywhere but in an input,
// which has its own.
class Window : public QWidget, public morvane::forms::ShownWindow {
    Q_OBJECT

public:
    Window(const morvane::forms::WindowDescription& description, morvane::forms::Program& program);

    const morvane::forms::WindowDescription& description() const { return m_description; }

    // ShownWindow
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    void setDrawing(std::string_view control, const morvane::forms::Drawing& drawing) override;
    void moveFocus(std::string_view control) override { m_controls.at(control)->setFocus(); }
    void activate() override;
    void close() override { QWidget::close(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMenu(const QPoint& at);

    const morvane::forms::WindowDescription& m_description;
    morvane::forms::Program& m_program;
    Controls m_controls;
    QList<QAction*> m_menu; // its items, whose shortcuts work anywhere in the window
};
