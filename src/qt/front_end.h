#pragma once

#include "platform.h"
#include "program.h"
#include "screen_reader.h"
#include "window.h"

#include <QObject>
#include <QPointer>
#include <QTranslator>

// The Qt front end: lends the program Qt's windows, made from their descriptions, and
// Qt's services (the browser, screen readers, the locale), and reports to it each
// activation of one of its windows. The program, not Qt, decides when it ends.
class FrontEnd : public QObject, private morvane::forms::Platform {
    Q_OBJECT

public:
    FrontEnd();
    ~FrontEnd() override;

    // Opens the main window, as the program starts.
    void start() { m_program.start(); }

    const morvane::forms::Program& program() const { return m_program; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void speakQtsLanguage();

    // Platform
    morvane::forms::ShownWindow& open(const morvane::forms::WindowDescription& window,
                                      morvane::forms::ShownWindow* around) override;
    void openAddress(std::string_view address) override;
    void openPage(std::string_view fileName) override;
    void announce(std::string_view text) override;
    std::string decimalSeparator() const override;
    void quit() override;
    void print(const std::function<morvane::forms::Drawing(double width, double height)>& sheet) override;
    void copy(std::string_view text) override;
    std::string today() const override;

    morvane::forms::Program m_program; // in the language the environment names, as gettext picks it
    QTranslator m_qtTexts; // Qt's own, its menus' and dialogs', in that language, once one is asked for
    QList<QPointer<Window>> m_windows; // each deletes itself when closed
    QPointer<ScreenReader> m_screenReader;
};
