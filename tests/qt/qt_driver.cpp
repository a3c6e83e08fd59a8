#include "qt_driver.h"

#include "front_end.h"
#include "window.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>

namespace {

constexpr const char* kSchemes[] = {"file", "https"}; // what the browser is asked to open

// What screen readers were told without a focus move, oldest first: each notification as
// it is shown.
std::vector<std::string>& Announcements()
{
    static std::vector<std::string> told;
    return told;
}

void RecordAnnouncement(QAccessibleEvent* event)
{
    QAccessibleInterface* told = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && told && told->role() == QAccessible::Notification)
        Announcements().push_back(told->text(QAccessible::Name).toStdString());
}

// A click makes its window the active one first, as the window system does.
void Click(QWidget* widget)
{
    if (!widget)
        return;
    widget->window()->activateWindow();
    QCoreApplication::processEvents();
    QTest::mouseClick(widget, Qt::LeftButton);
}

QWidget* Control(std::string_view window, const QString& name)
{
    QWidget* open = OpenWindow(window);
    return open ? open->findChild<QWidget*>(name) : nullptr;
}

// The sex box stands for its line edit, which has no name.
std::string NameOf(const QWidget* widget)
{
    widget = widget && widget->objectName().isEmpty() ? widget->parentWidget() : widget;
    return widget ? widget->objectName().toStdString() : std::string();
}

class QtDriver : public QObject, public FrontEndDriver {
    Q_OBJECT

public:
    QtDriver()
    {
        // As when a screen reader runs; the offscreen platform has no bridge to one.
        QAccessible::installUpdateHandler(RecordAnnouncement);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        Announcements().clear();
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(scheme, this, "record");
        qApp->installEventFilter(this);
        m_frontEnd.start();
        if (!QTest::qWaitForWindowActive(OpenWindow("Form1")))
            qWarning("the main window did not become active");
    }

    ~QtDriver() override
    {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    // Each inside the event loop, which Qt ends where the program asks to end.
    void act(const std::string& verb, const std::string& argument) override
    {
        if (m_ended)
            return;
        QTimer::singleShot(0, this, [&] {
            actNow(verb, FromUtf8(argument));
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        });
        QCoreApplication::exec();
    }

    std::string text(std::string_view window, std::string_view control) const override
    {
        const auto* open = static_cast<const Window*>(OpenWindow(window));
        return open ? open->text(control) : std::string();
    }
    std::string focus() const override { return NameOf(QApplication::focusWidget()); }
    std::string active() const override { return NameOf(QApplication::activeWindow()); }
    int count(std::string_view window) const override
    {
        return static_cast<int>(
            std::ranges::count(QApplication::topLevelWidgets(), FromUtf8(window), &QObject::objectName));
    }
    std::optional<Point> centre(std::string_view window) const override
    {
        const QWidget* open = OpenWindow(window.empty() ? "Form1" : window);
        const QPoint centre = !open ? QPoint()
            : window.empty()        ? open->screen()->availableGeometry().center()
                                    : open->geometry().center();
        return open ? std::optional(Point{centre.x(), centre.y()}) : std::nullopt;
    }
    std::vector<std::string> takeOpened() override { return std::exchange(m_opened, {}); }
    std::vector<std::string> takeSpoken() override { return std::exchange(Announcements(), {}); }
    bool ended() const override { return m_ended; }
    void settle() override
    {
        QCoreApplication::processEvents(); // what the event loop does between two inputs
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Notes that the program asked to end, and keeps the test's own event loop going.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        m_ended = m_ended || (watched == qApp && event->type() == QEvent::Quit);
        return watched == qApp && event->type() == QEvent::Quit;
    }

    Q_INVOKABLE void record(const QUrl& url)
    {
        m_opened.push_back((url.isLocalFile() ? url.toLocalFile() : url.toString()).toStdString());
    }

private:
    void actNow(const std::string& verb, const QString& argument)
    {
        QWidget* const window = OpenWindow(argument.toStdString());
        QWidget* const form1 = OpenWindow("Form1");
        QWidget* const focus = QApplication::focusWidget();
        if ((verb == "year" || verb == "sex") && form1) {
            QWidget* control = Control("Form1", verb == "year" ? "Text1" : "Combo1");
            auto* box =
                verb == "year" ? static_cast<QLineEdit*>(control) : static_cast<QComboBox*>(control)->lineEdit();
            Click(box);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Backspace);
            for (qsizetype i = 0; i < argument.size(); i += argument.at(i).isHighSurrogate() ? 2 : 1)
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown,
                                    argument.mid(i, argument.at(i).isHighSurrogate() ? 2 : 1), {}); // as typed
        } else if ((verb == "paste" || verb == "key") && focus) {
            if (verb == "paste")
                QApplication::clipboard()->setText(argument);
            const QKeyCombination key =
                verb == "key" ? QKeySequence::fromString(argument)[0] : Qt::ControlModifier | Qt::Key_V;
            QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        } else if (verb == "click" || (verb == "okay" && window)) {
            Click(verb == "click" ? Control("Form1", argument) : window->findChild<QWidget*>("Command1"));
        } else if ((verb == "close" || verb == "activate") && window) {
            verb == "close" ? (void)window->close() : window->activateWindow();
        } else if (verb == "move" && form1) {
            form1->move(form1->screen()->availableGeometry().topLeft());
        } else if (verb == "leave" && form1) { // what the window system reports when another program takes over
            QWindowSystemInterface::handleWindowActivated(nullptr);
            QWindowSystemInterface::handleWindowActivated(form1->windowHandle());
            QWindowSystemInterface::flushWindowSystemEvents();
        }
    }

    FrontEnd m_frontEnd;
    std::vector<std::string> m_opened;
    bool m_ended = false;
};

} // namespace

std::unique_ptr<FrontEndDriver> StartQtProgram()
{
    return std::make_unique<QtDriver>();
}

QWidget* OpenWindow(std::string_view name)
{
    const QWidgetList all = QApplication::topLevelWidgets();
    const auto open =
        std::ranges::find_if(all, [&](QWidget* w) { return w->objectName() == FromUtf8(name) && w->isVisible(); });
    return open == all.end() ? nullptr : *open;
}

#include "qt_driver.moc"
