#pragma once

// Drives the Qt windows as a person does, one step of the shared window scripts at a time,
// and checks what they show (tests/scripts/window_scripts.h says what each step does).
#include "form1.h"
#include "window_scripts.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>

inline QStringList Steps(const Script& script)
{
    QStringList steps;
    for (const std::string& step : script.steps)
        steps << QString::fromStdString(step);
    return steps;
}

inline QWidget* OpenWindow(const QString& name)
{
    const QWidgetList all = QApplication::topLevelWidgets();
    const auto open = std::ranges::find_if(all, [&](QWidget* w) { return w->objectName() == name && w->isVisible(); });
    return open == all.end() ? nullptr : *open;
}

// What screen readers were told without a focus move, oldest first: each notification as
// it is shown.
inline QStringList& Announcements()
{
    static QStringList told;
    return told;
}

inline void RecordAnnouncement(QAccessibleEvent* event)
{
    QAccessibleInterface* told = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && told && told->role() == QAccessible::Notification)
        Announcements() << told->text(QAccessible::Name);
}

class WindowScript : public QObject {
    Q_OBJECT

public:
    WindowScript()
    {
        // As when a screen reader runs; the offscreen platform has no bridge to one.
        QAccessible::installUpdateHandler(RecordAnnouncement);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        Announcements().clear();
        for (const char* scheme : {"file", "https"})
            QDesktopServices::setUrlHandler(scheme, this, "record");
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }

    void run(const QStringList& steps)
    {
        for (qsizetype i = 0; i < steps.size() && !QTest::currentTestFailed(); ++i)
            step(steps[i]);
    }

    void step(const QString& step)
    {
        const Step parsed = ParseStep(step.toStdString());
        const QString verb = QString::fromStdString(parsed.verb), arg = QString::fromStdString(parsed.argument);
        QWidget* const window = OpenWindow(arg);
        QWidget* const focus = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        if (verb == "year" || verb == "sex") {
            QLineEdit* box =
                verb == "sex" ? form.findChild<QComboBox*>()->lineEdit() : form.findChild<QLineEdit*>("Text1");
            click(box);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Backspace);
            for (qsizetype i = 0; i < arg.size(); i += arg.at(i).isHighSurrogate() ? 2 : 1) // as a keyboard types
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, arg.mid(i, arg.at(i).isHighSurrogate() ? 2 : 1),
                                    {});
        } else if (verb == "paste" || verb == "key") {
            if (verb == "paste")
                QApplication::clipboard()->setText(arg);
            const QKeyCombination key =
                verb == "key" ? QKeySequence::fromString(arg)[0] : Qt::ControlModifier | Qt::Key_V;
            QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        } else if (verb == "click" || (verb == "okay" && window)) {
            click(verb == "click" ? form.findChild<QWidget*>(arg) : window->findChild<QPushButton*>("Command1"));
        } else if (window && (verb == "close" || verb == "activate")) {
            verb == "close" ? (void)window->close() : window->activateWindow();
        } else if (verb == "move") {
            form.move(form.screen()->availableGeometry().topLeft());
        } else if (verb == "leave") { // what the window system reports when another program takes over
            QWindowSystemInterface::handleWindowActivated(nullptr);
            QWindowSystemInterface::handleWindowActivated(form.windowHandle());
            QWindowSystemInterface::flushWindowSystemEvents();
        } else if (verb == "expect") {
            expect(arg.section(' ', 0, 0), arg.section(' ', 1));
        }
        QCoreApplication::processEvents(); // what the event loop does between two inputs
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // What the main window shows: a label's or an input's text, the reading, or the name of
    // the focused control or of the active window (the sex box stands for its line edit).
    QString shown(const QString& what) const
    {
        QStringList reading;
        for (const std::string_view label : kReadingOrder)
            reading << form.findChild<QLabel*>(QString::fromUtf8(label.data(), std::ssize(label)))->text();
        const QWidget* w = what == "active" ? QApplication::activeWindow()
            : what == "focus"               ? QApplication::focusWidget()
                                            : form.findChild<QWidget*>(what);
        w = w && w->objectName().isEmpty() ? w->parentWidget() : w;
        if (what == "reading" || what == "focus" || what == "active")
            return what == "reading" ? reading.join('|') : w ? w->objectName() : QString();
        return w->property(what == "Combo1" ? "currentText" : "text").toString();
    }

    Form1 form;
    QList<QUrl> opened;

private slots:
    void record(const QUrl& url) { opened << url; }

private:
    static QString Unquoted(const QString& text)
    {
        return text.size() > 1 && text.startsWith('"') && text.endsWith('"') ? text.mid(1, text.size() - 2) : text;
    }

    // A click makes its window the active one first, as the window system does.
    static void click(QWidget* widget)
    {
        widget->window()->activateWindow();
        QCoreApplication::processEvents();
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    void expect(const QString& what, const QString& text)
    {
        const QString name = text.section(' ', 0, 0);
        if (what == "open") {
            QTRY_VERIFY2(OpenWindow(name), qPrintable(text));
            QCOMPARE(std::ranges::count(QApplication::topLevelWidgets(), name, &QObject::objectName), 1);
            if (text.contains(' '))
                QCOMPARE(OpenWindow(name)->findChild<QLabel*>("Label1")->text(), Unquoted(text.section(' ', 1)));
        } else if (what == "closed") {
            QTRY_VERIFY2(!OpenWindow(name), qPrintable(text));
        } else if (what == "opened") {
            QTRY_VERIFY(!opened.isEmpty());
            const QUrl url = opened.takeFirst();
            QVERIFY2(url.toString().endsWith(text) && (!url.isLocalFile() || QFileInfo(url.toLocalFile()).isFile()),
                     qPrintable(url.toString()));
        } else if (what == "spoken") {
            QCOMPARE(std::exchange(Announcements(), {}).join('\n'), Unquoted(text));
        } else if (what == "centred") { // give or take the frame the window system adds
            const QWidget* window = name.isEmpty() ? &form : OpenWindow(name);
            const QRect area = name.isEmpty() ? form.screen()->availableGeometry() : form.geometry();
            QVERIFY2(window && (window->geometry().center() - area.center()).manhattanLength() <= 8, qPrintable(text));
        } else {
            QTRY_COMPARE(shown(what), Unquoted(text));
        }
    }
};
