#include "front_end.h"

#include "help_page.h"
#include "printer.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QUrl>
#include <QWindow>

using namespace morvane::forms;

FrontEnd::FrontEnd()
    : m_program(*this, LanguageFromEnvironment([](const char* name) { return qgetenv(name).toStdString(); }))
{
    qApp->installEventFilter(this);
    InstallAccessibleInterfaces();
    // Qt would end the program with the main window, as the dialogs are tool windows.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // The program's own notion of activation: a return from another application passes
    // through no focus window, which is not reported.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        for (const Window* window : m_windows) {
            if (focused && window && window->windowHandle() == focused)
                m_program.activated(window->description());
        }
    });
}

// Qt's own texts show only in its menus and dialogs: its translations (Debian:
// qt6-translations-l10n, named as the catalogues are; without them Qt speaks English) are
// read when the first is asked for, not before the first frame.
void FrontEnd::speakQtsLanguage()
{
    qApp->removeEventFilter(this); // once read, nothing is left to watch for
    const std::string_view catalogue = NameOf(m_program.localized().language()).catalogue;
    if (m_qtTexts.isEmpty() && !catalogue.empty()
        && m_qtTexts.load(QStringLiteral("qt_") + FromUtf8(catalogue), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTexts);
}

bool FrontEnd::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu)
        speakQtsLanguage();
    return QObject::eventFilter(watched, event);
}

// The windows have no owner, so nothing else deletes those still open.
FrontEnd::~FrontEnd()
{
    qDeleteAll(m_windows);
}

ShownWindow& FrontEnd::open(const WindowDescription& window, ShownWindow* around)
{
    auto* made = new Window(window, m_program);
    m_windows.removeAll(nullptr); // the closed ones, gone
    m_windows.append(made);
    if (window.kind == WindowKind::Main)
        m_screenReader = new ScreenReader(made);
    const auto* centre = static_cast<Window*>(around);
    const bool onIt = centre && centre->isVisible();
    if (onIt && window.placement == Placement::Beside) {
        // The frame the window system adds, taken to be as wide as the main window's.
        const QRect beside = centre->frameGeometry();
        const QSize frame = made->size() + beside.size() - centre->size();
        const QRect screen = centre->screen()->availableGeometry();
        const PixelRect place = PlaceBeside({beside.x(), beside.y(), beside.width(), beside.height()}, frame.width(),
                                            frame.height(), {screen.x(), screen.y(), screen.width(), screen.height()});
        made->move(place.left, place.top);
        return *made;
    }
    const QRect area = onIt ? centre->geometry() : made->screen()->availableGeometry();
    made->move(area.center() - made->rect().center());
    return *made;
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

// Qt's print dialog, whose "Print to file" gives a PDF, for the active window.
void FrontEnd::print(const std::function<Drawing(double width, double height)>& sheet)
{
    speakQtsLanguage();
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() == QDialog::Accepted)
        PrintSheet(printer, sheet, m_program.localized().language());
}

void FrontEnd::copy(std::string_view text)
{
    QGuiApplication::clipboard()->setText(FromUtf8(text));
}

std::string FrontEnd::today() const
{
    return QDate::currentDate().toString(Qt::ISODate).toStdString();
}
