#include "front_end.h"

#include "help_page.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QUrl>
#include <QWindow>

using namespace morvane::forms;

FrontEnd::FrontEnd()
{
    InstallAccessibleInterfaces();
    // Qt would end the program with the main window, as the dialogs are tool windows.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // The program's own notion of activation: a return from another application passes
    // through no focus window, which is not reported.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        for (const auto& [description, window] : m_windows) {
            if (focused && window && window->windowHandle() == focused)
                m_program.activated(*description);
        }
    });
}

// The windows have no owner, so nothing else deletes those still open.
FrontEnd::~FrontEnd()
{
    for (const auto& [description, window] : m_windows)
        delete window;
}

void FrontEnd::open(const WindowDescription& window, const WindowDescription* around)
{
    auto* made = new Window(window, m_program);
    delete m_windows[&window]; // one closed but not yet deleted
    m_windows[&window] = made;
    if (window.kind == WindowKind::Main)
        m_screenReader = new ScreenReader(made);
    const Window* centre = around ? shown(*around) : nullptr;
    const QRect area = centre ? centre->geometry() : made->screen()->availableGeometry();
    made->move(area.center() - made->rect().center());
    made->show();
}

void FrontEnd::activate(const WindowDescription& window)
{
    Window* made = shown(window);
    if (!made || made->isMinimized() || made->isActiveWindow())
        return;
    made->raise();
    made->activateWindow();
}

void FrontEnd::close(const WindowDescription& window)
{
    if (Window* made = shown(window))
        made->close();
}

std::string FrontEnd::text(const WindowDescription& window, std::string_view control) const
{
    const QWidget* widget = shown(window)->control(control);
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText().toStdString();
    return widget->property("text").toString().toStdString();
}

void FrontEnd::setText(const WindowDescription& window, std::string_view control, std::string_view text)
{
    QWidget* widget = shown(window)->control(control);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(-1);
        combo->setEditText(FromUtf8(text));
        return;
    }
    widget->setProperty("text", FromUtf8(text));
}

void FrontEnd::moveFocus(const WindowDescription& window, std::string_view control)
{
    shown(window)->control(control)->setFocus();
}

void FrontEnd::openAddress(std::string_view address)
{
    QDesktopServices::openUrl(QUrl(FromUtf8(address)));
}

void FrontEnd::openPage(std::string_view fileName)
{
    const QString name = FromUtf8(fileName);
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/morvane/" + name);
    const QString page = HelpPage(QDir::current().absoluteFilePath(name), installed,
                                  [](const QString& path) { return QFileInfo(path).isFile(); });
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

void FrontEnd::announce(std::string_view text)
{
    if (m_screenReader)
        m_screenReader->announce(FromUtf8(text));
}

std::string FrontEnd::decimalSeparator() const
{
    return QLocale().decimalPoint().toStdString();
}

void FrontEnd::quit()
{
    QCoreApplication::quit();
}

Window* FrontEnd::shown(const WindowDescription& window) const
{
    const auto made = m_windows.find(&window);
    return made != m_windows.end() && made->second && made->second->isVisible() ? made->second.data() : nullptr;
}
