#pragma once

// Drives the Qt windows as a person does, one step of the shared window scripts at a time
// (tests/scripts/window_scripts.h says what each step does), offscreen.
#include "form1.h"
#include "script_player.h"
#include "window_scripts.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>

inline QWidget* OpenWindow(std::string_view name)
{
    const QWidgetList all = QApplication::topLevelWidgets();
    const auto open =
        std::ranges::find_if(all, [&](QWidget* w) { return w->objectName() == FromUtf8(name) && w->isVisible(); });
    return open == all.end() ? nullptr : *open;
}

// What screen readers were told without a focus move, oldest first: each notification as
// it is shown.
inline std::vector<std::string>& Announcements()
{
    static std::vector<std::string> told;
    return told;
}

inline void RecordAnnouncement(QAccessibleEvent* event)
{
    QAccessibleInterface* told = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && told && told->role() == QAccessible::Notification)
        Announcements().push_back(told->text(QAccessible::Name).toStdString());
}

class WindowScript : public QObject, private FrontEndDriver {
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

    void run(const std::vector<std::string>& steps)
    {
        for (const std::string& step : steps) {
            if (const std::optional<std::string> wrong = player.play(step))
                QFAIL(qPrintable(FromUtf8(step + ": " + *wrong)));
        }
    }

    Form1 form;
    ScriptPlayer player{*this};

private slots:
    void record(const QUrl& url) { m_opened.push_back(url.toString().toStdString()); }

private:
    // A click makes its window the active one first, as the window system does.
    static void Click(QWidget* widget)
    {
        widget->window()->activateWindow();
        QCoreApplication::processEvents();
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    QWidget* control(std::string_view window, std::string_view name) const
    {
        QWidget* open = OpenWindow(window);
        return open ? open->findChild<QWidget*>(FromUtf8(name)) : nullptr;
    }

    void act(const std::string& verb, const std::string& argument) override
    {
        QWidget* const window = OpenWindow(argument);
        QWidget* const focus = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        const QString text = FromUtf8(argument);
        if (verb == "year" || verb == "sex") {
            QLineEdit* box =
                verb == "sex" ? form.findChild<QComboBox*>()->lineEdit() : form.findChild<QLineEdit*>("Text1");
            Click(box);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Backspace);
            for (qsizetype i = 0; i < text.size(); i += text.at(i).isHighSurrogate() ? 2 : 1) // as a keyboard types
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown,
                                    text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1), {});
        } else if (verb == "paste" || verb == "key") {
            if (verb == "paste")
                QApplication::clipboard()->setText(text);
            const QKeyCombination key =
                verb == "key" ? QKeySequence::fromString(text)[0] : Qt::ControlModifier | Qt::Key_V;
            QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        } else if (verb == "click" || (verb == "okay" && window)) {
            Click(verb == "click" ? form.findChild<QWidget*>(text) : window->findChild<QWidget*>("Command1"));
        } else if (window && (verb == "close" || verb == "activate")) {
            verb == "close" ? (void)window->close() : window->activateWindow();
        } else if (verb == "move") {
            form.move(form.screen()->availableGeometry().topLeft());
        } else if (verb == "leave") { // what the window system reports when another program takes over
            QWindowSystemInterface::handleWindowActivated(nullptr);
            QWindowSystemInterface::handleWindowActivated(form.windowHandle());
            QWindowSystemInterface::flushWindowSystemEvents();
        }
    }

    std::string text(std::string_view window, std::string_view name) const override
    {
        const QWidget* shown = control(window, name);
        const char* property = qobject_cast<const QComboBox*>(shown) ? "currentText" : "text";
        return shown ? shown->property(property).toString().toStdString() : std::string();
    }

    // The sex box stands for its line edit, which has no name.
    std::string focus() const override { return NameOf(QApplication::focusWidget()); }
    std::string active() const override { return NameOf(QApplication::activeWindow()); }

    static std::string NameOf(const QWidget* widget)
    {
        widget = widget && widget->objectName().isEmpty() ? widget->parentWidget() : widget;
        return widget ? widget->objectName().toStdString() : std::string();
    }

    int windowCount(std::string_view window, bool shownOnly) const override
    {
        return static_cast<int>(std::ranges::count_if(QApplication::topLevelWidgets(), [&](const QWidget* w) {
            return w->objectName() == FromUtf8(window) && (w->isVisible() || !shownOnly);
        }));
    }

    std::optional<Point> centre(std::string_view window) const override
    {
        const QWidget* open = OpenWindow(window);
        const QRect area = window.empty() ? form.screen()->availableGeometry() : open ? open->geometry() : QRect();
        return area.isValid() ? std::optional(Point{area.center().x(), area.center().y()}) : std::nullopt;
    }

    std::vector<std::string> takeOpened() override { return std::exchange(m_opened, {}); }
    std::vector<std::string> takeSpoken() override { return std::exchange(Announcements(), {}); }
    bool isFile(const std::string& opened) const override
    {
        return QFileInfo(QUrl(FromUtf8(opened)).toLocalFile()).isFile();
    }

    void settle() override
    {
        QCoreApplication::processEvents(); // what the event loop does between two inputs
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::vector<std::string> m_opened;
};
