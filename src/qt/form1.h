#pragma once

#include "controls.h"
#include "form1_behaviour.h"
#include "form1_view.h"

#include <QPointer>
#include <QWidget>

class Announcement;
class Dialog;
class Dialog1;
class QDialog;
class QLabel;
class QWindow;

// The main window: makes its controls from the shared description, routes their events
// to the shared behaviour and lends it Qt's services: texts, focus, the message dialog,
// screen readers, the browser.
class Form1 : public QWidget, private morvane::forms::Form1View {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

public slots:
    void calculate();
    void reset();
    void showAbout();
    void openHelp();
    void openWebSite();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Form1View
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    void moveFocus(std::string_view control) override;
    void showMessage(std::string_view message) override;
    void announce(std::string_view text) override;
    std::string decimalSeparator() const override;

    void decorate();
    void describeForScreenReaders();
    void connectCommands();
    void adoptDialog(QDialog* dialog);
    void returnFromAbout();
    void activateAfterDialog();
    QLabel* label(std::string_view name) const;

    Controls m_controls;
    Announcement* m_announcement = nullptr; // tells screen readers the reading
    morvane::forms::Form1Behaviour m_behaviour{*this};

    // The dialogs are windows of their own, without an owner, that delete themselves when
    // closed; the pointers clear then, so the next use creates a fresh one.
    QPointer<Dialog1> m_messageDialog;
    QPointer<Dialog> m_aboutDialog;
};
