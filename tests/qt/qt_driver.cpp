#include "qt_driver.h"

#include "front_end.h"
#include "window.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <private/qfont_p.h>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>

using namespace morvane::forms;

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

// A click in the middle of the control, on whatever is drawn there (the sex box's line
// edit); it makes its window the active one first, as the window system does.
void Click(QWidget* widget)
{
    if (!widget)
        return;
    widget->window()->activateWindow();
    QCoreApplication::processEvents();
    QWidget* under = widget->childAt(widget->rect().center());
    QTest::mouseClick(under ? under : widget, Qt::LeftButton, {},
                      (under ? under : widget)->mapFrom(widget, widget->rect().center()));
}

void PressOnFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    if (QWidget* focus = QApplication::focusWidget())
        QTest::keyClick(focus, key, modifiers);
}

Qt::Key QtKey(const Key& key)
{
    constexpr std::pair<Key::Name, Qt::Key> kKeys[] = {{Key::Tab, Qt::Key_Tab},       {Key::Enter, Qt::Key_Return},
                                                       {Key::Escape, Qt::Key_Escape}, {Key::Space, Qt::Key_Space},
                                                       {Key::Down, Qt::Key_Down},     {Key::Menu, Qt::Key_Menu}};
    if (key.name == Key::Function)
        return static_cast<Qt::Key>(Qt::Key_F1 + key.function - 1);
    const auto named = std::ranges::find(kKeys, key.name, &std::pair<Key::Name, Qt::Key>::first);
    return named == std::end(kKeys) ? static_cast<Qt::Key>(key.character) : named->second; // letters: their codes
}

// The menu key, as the window system turns it into a request for the focused control's
// context menu.
void PressMenuKey()
{
    if (QWidget* focus = QApplication::focusWidget()) {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), focus->mapToGlobal(QPoint()));
        QApplication::sendEvent(focus, &request);
    }
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
    explicit QtDriver(Language language)
    {
        const std::string_view catalogue = NameOf(language).catalogue;
        qputenv("LC_ALL", catalogue.empty() ? "C.UTF-8" : QByteArray(catalogue.data(), catalogue.size()) + ".UTF-8");
        qunsetenv("LANGUAGE");
        // As when a screen reader runs; the offscreen platform has no bridge to one.
        QAccessible::installUpdateHandler(RecordAnnouncement);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        Announcements().clear();
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(scheme, this, "record");
        qApp->installEventFilter(this);
        QFontCache::instance()->clear(); // as in a new process: no fonts matched for another language
        m_frontEnd = std::make_unique<FrontEnd>(); // once the locale is set
        m_frontEnd->start();
        if (!QTest::qWaitForWindowActive(OpenWindow("Form1")))
            qWarning("the main window did not become active");
    }

    ~QtDriver() override
    {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    void click(std::string_view window, std::string_view control) override
    {
        inLoop([=] { Click(Control(window, FromUtf8(control))); });
    }
    void rightClick(std::string_view window, std::string_view control) override
    {
        inLoop([=] {
            QWidget* widget = Control(window, FromUtf8(control));
            if (!widget)
                return;
            widget->window()->activateWindow();
            QCoreApplication::processEvents();
            QWidget* target = widget->childAt(widget->rect().center());
            target = target ? target : widget;
            const QPoint at = target->mapFrom(widget, widget->rect().center());
            QTest::mouseClick(target, Qt::RightButton, {}, at);
            // What the window system makes of the click, as Qt's window does.
            QContextMenuEvent request(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
            QApplication::sendEvent(target, &request);
        });
    }
    // A click on the item where the program's menu is open; any other menu, closed.
    void chooseMenuItem(std::size_t item) override
    {
        inLoop([=] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            if (!qobject_cast<Window*>(menu->parentWidget()) || item >= static_cast<std::size_t>(menu->actions().size())) {
                menu->close();
                return;
            }
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(menu->actions()[static_cast<qsizetype>(item)]).center());
        });
    }
    void press(const Key& key) override
    {
        inLoop([=] {
            if (key.name == Key::Menu)
                return PressMenuKey();
            PressOnFocus(QtKey(key),
                         (key.alt ? Qt::AltModifier : Qt::NoModifier) | (key.shift ? Qt::ShiftModifier : Qt::NoModifier)
                             | (key.ctrl ? Qt::ControlModifier : Qt::NoModifier));
        });
    }
    void type(std::string_view text) override // as typed, a character at a time
    {
        inLoop([text = FromUtf8(text)] {
            for (const QChar character : text)
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, character, {});
        });
    }
    void paste(std::string_view text) override
    {
        inLoop([text = FromUtf8(text)] {
            QApplication::clipboard()->setText(text);
            PressOnFocus(Qt::Key_V, Qt::ControlModifier);
        });
    }
    void erase() override
    {
        inLoop([] {
            PressOnFocus(Qt::Key_A, Qt::ControlModifier);
            PressOnFocus(Qt::Key_Backspace);
        });
    }
    void close(std::string_view window) override
    {
        inWindow(window, [](QWidget* open) { open->close(); });
    }
    void activate(std::string_view window) override { inWindow(window, &QWidget::activateWindow); }
    // What the window system reports when another program takes over, and then gives back.
    void leaveAndReturn() override
    {
        inWindow("Form1", [](QWidget* form1) {
            QWindowSystemInterface::handleWindowActivated(nullptr);
            QWindowSystemInterface::handleWindowActivated(form1->windowHandle());
            QWindowSystemInterface::flushWindowSystemEvents();
        });
    }
    void moveToCorner(std::string_view window) override
    {
        inWindow(window, [](QWidget* open) { open->move(open->screen()->availableGeometry().topLeft()); });
    }

    std::string text(std::string_view window, std::string_view control) const override
    {
        const auto* open = static_cast<const Window*>(OpenWindow(window));
        return open ? open->text(control) : std::string();
    }
    std::string focus() const override { return NameOf(QApplication::focusWidget()); }
    std::string active() const override { return NameOf(QApplication::activeWindow()); }
    std::vector<ScreenPoint> centres(std::string_view window) const override
    {
        const auto centreOf = [](const QRect& area) { return ScreenPoint{area.center().x(), area.center().y()}; };
        if (window.empty())
            return {centreOf(QGuiApplication::primaryScreen()->availableGeometry())};
        std::vector<ScreenPoint> centres;
        for (const QWidget* shown : QApplication::topLevelWidgets()) {
            if (shown->isVisible() && shown->objectName() == FromUtf8(window))
                centres.push_back(centreOf(shown->geometry()));
        }
        return centres;
    }
    std::vector<std::string> takeOpened() override { return std::exchange(m_opened, {}); }
    std::vector<std::string> takeSpoken() override { return std::exchange(Announcements(), {}); }
    std::string clipboard() const override { return QApplication::clipboard()->text().toStdString(); }
    bool exists(const std::string& page) const override { return QFileInfo(QString::fromStdString(page)).isFile(); }
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

    const FrontEnd& frontEnd() const { return *m_frontEnd; }

    Q_INVOKABLE void record(const QUrl& url)
    {
        m_opened.push_back((url.isLocalFile() ? url.toLocalFile() : url.toString()).toStdString());
    }

private:
    // Inside the event loop, which Qt ends where the program asks to end.
    void inLoop(const std::function<void()>& action)
    {
        if (m_ended)
            return;
        QTimer::singleShot(0, this, [&] {
            action();
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        });
        QCoreApplication::exec();
    }

    void inWindow(std::string_view name, const std::function<void(QWidget*)>& action)
    {
        inLoop([&] {
            if (QWidget* open = OpenWindow(name))
                action(open);
        });
    }

    std::unique_ptr<FrontEnd> m_frontEnd;
    std::vector<std::string> m_opened;
    bool m_ended = false;
};

} // namespace

std::unique_ptr<FrontEndDriver> StartQtProgram(Language language)
{
    return std::make_unique<QtDriver>(language);
}

const Program& ProgramOf(const FrontEndDriver& driver)
{
    return static_cast<const QtDriver&>(driver).frontEnd().program();
}

QWidget* OpenWindow(std::string_view name)
{
    const QWidgetList all = QApplication::topLevelWidgets();
    const auto open =
        std::ranges::find_if(all, [&](QWidget* w) { return w->objectName() == FromUtf8(name) && w->isVisible(); });
    return open == all.end() ? nullptr : *open;
}

#include "qt_driver.moc"
