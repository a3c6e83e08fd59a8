#include "qt_driver.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>

namespace {

constexpr const char* kSchemes[] = {"file", "https"}; // what the browser is asked to open

// What screen readers were told without a focus move, oldest first: each notification as
// it is shown.
std::vector<std::string> g_announcements;

void RecordAnnouncement(QAccessibleEvent* event)
{
    QAccessibleInterface* told = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && told && told->role() == QAccessible::Notification)
        g_announcements.push_back(told->text(QAccessible::Name).toStdString());
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

void TypeInto(QLineEdit* box, const QString& text)
{
    Click(box);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    for (qsizetype i = 0; i < text.size(); i += text.at(i).isHighSurrogate() ? 2 : 1) // as a keyboard types
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1), {});
}

QWidget* Control(std::string_view window, std::string_view name)
{
    QWidget* open = OpenWindow(window);
    return open ? open->findChild<QWidget*>(FromUtf8(name)) : nullptr;
}

// The sex box stands for its line edit, which has no name.
std::string NameOf(const QWidget* widget)
{
    widget = widget && widget->objectName().isEmpty() ? widget->parentWidget() : widget;
    return widget ? widget->objectName().toStdString() : std::string();
}

} // namespace

QWidget* OpenWindow(std::string_view name)
{
    const QWidgetList all = QApplication::topLevelWidgets();
    const auto open =
        std::ranges::find_if(all, [&](QWidget* w) { return w->objectName() == FromUtf8(name) && w->isVisible(); });
    return open == all.end() ? nullptr : *open;
}

QtDriver::QtDriver()
{
    // As when a screen reader runs; the offscreen platform has no bridge to one.
    QAccessible::installUpdateHandler(RecordAnnouncement);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    g_announcements.clear();
    for (const char* scheme : kSchemes)
        QDesktopServices::setUrlHandler(scheme, this, "record");
    qApp->installEventFilter(this);
    m_frontEnd.start();
    if (!QTest::qWaitForWindowActive(OpenWindow("Form1")))
        qWarning("the main window did not become active");
}

QtDriver::~QtDriver()
{
    for (const char* scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

// Notes that the program asked to end, and keeps the test's own event loop going.
bool QtDriver::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != qApp || event->type() != QEvent::Quit)
        return false;
    m_ended = true;
    return true;
}

void QtDriver::act(const std::string& verb, const std::string& argument)
{
    if (m_ended)
        return;
    QTimer::singleShot(0, this, [&] {
        actNow(verb, argument);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    });
    QCoreApplication::exec();
}

void QtDriver::actNow(const std::string& verb, const std::string& argument)
{
    QWidget* const window = OpenWindow(argument);
    QWidget* const focus = QApplication::focusWidget() ? QApplication::focusWidget() : OpenWindow("Form1");
    const QString text = FromUtf8(argument);
    if (verb == "year" || verb == "sex") {
        QWidget* box = Control("Form1", verb == "year" ? "Text1" : "Combo1");
        if (auto* combo = qobject_cast<QComboBox*>(box))
            box = combo->lineEdit();
        if (box)
            TypeInto(static_cast<QLineEdit*>(box), text);
    } else if ((verb == "paste" || verb == "key") && focus) {
        if (verb == "paste")
            QApplication::clipboard()->setText(text);
        const QKeyCombination key =
            verb == "key" ? QKeySequence::fromString(text)[0] : Qt::ControlModifier | Qt::Key_V;
        QTest::keyClick(focus, key.key(), key.keyboardModifiers());
    } else if (verb == "click" || (verb == "okay" && window)) {
        Click(verb == "click" ? Control("Form1", argument) : window->findChild<QWidget*>("Command1"));
    } else if (window && (verb == "close" || verb == "activate")) {
        verb == "close" ? (void)window->close() : window->activateWindow();
    } else if (verb == "move" && OpenWindow("Form1")) {
        OpenWindow("Form1")->move(OpenWindow("Form1")->screen()->availableGeometry().topLeft());
    } else if (verb == "leave" && OpenWindow("Form1")) { // what the window system reports when another program takes over
        QWindowSystemInterface::handleWindowActivated(nullptr);
        QWindowSystemInterface::handleWindowActivated(OpenWindow("Form1")->windowHandle());
        QWindowSystemInterface::flushWindowSystemEvents();
    }
}

std::string QtDriver::text(std::string_view window, std::string_view name) const
{
    const QWidget* shown = Control(window, name);
    const char* property = qobject_cast<const QComboBox*>(shown) ? "currentText" : "text";
    return shown ? shown->property(property).toString().toStdString() : std::string();
}

std::string QtDriver::focus() const
{
    return NameOf(QApplication::focusWidget());
}

std::string QtDriver::active() const
{
    return NameOf(QApplication::activeWindow());
}

int QtDriver::windowCount(std::string_view window, bool shownOnly) const
{
    return static_cast<int>(std::ranges::count_if(QApplication::topLevelWidgets(), [&](const QWidget* w) {
        return w->objectName() == FromUtf8(window) && (w->isVisible() || !shownOnly);
    }));
}

std::optional<Point> QtDriver::centre(std::string_view window) const
{
    const QWidget* open = OpenWindow(window.empty() ? "Form1" : window);
    if (!open)
        return std::nullopt;
    const QPoint centre = window.empty() ? open->screen()->availableGeometry().center() : open->geometry().center();
    return Point{centre.x(), centre.y()};
}

std::vector<std::string> QtDriver::takeSpoken()
{
    return std::exchange(g_announcements, {});
}

bool QtDriver::isFile(const std::string& opened) const
{
    return QFileInfo(QUrl(FromUtf8(opened)).toLocalFile()).isFile();
}

void QtDriver::settle()
{
    QCoreApplication::processEvents(); // what the event loop does between two inputs
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
