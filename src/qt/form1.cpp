#include "form1.h"

#include "accessible_factory.h"
#include "announcement.h"
#include "dialog.h"
#include "dialog1.h"
#include "form1_description.h"
#include "help_page.h"
#include "picture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QWindow>

using namespace morvane::forms;

namespace {

void CentreOn(QWidget* window, const QRect& area)
{
    window->move(area.center() - window->rect().center());
}

// Shows a dialog, or brings the open one to the front, and makes it the active window.
void ShowInFront(QWidget* dialog)
{
    if (dialog->isVisible())
        dialog->raise();
    else
        dialog->show();
    dialog->activateWindow();
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent)
{
    InstallAccessibleInterfaces();
    m_controls = BuildWindow(this, kForm1);
    decorate();
    describeForScreenReaders();
    m_announcement = new Announcement(this);
    connectCommands();
    m_controls.at(kYearBox)->setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        CentreOn(this, screen->availableGeometry());
    // The program's own notion of activation: a return from another application passes
    // through no focus window, which is not reported.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
        if (window)
            m_behaviour.windowActivated(window == windowHandle());
    });
}

// The dialogs have no owner, so nothing else deletes one that is still open.
Form1::~Form1()
{
    delete m_messageDialog;
    delete m_aboutDialog;
}

void Form1::decorate()
{
    static_cast<QLineEdit*>(m_controls.at(kYearBox))->setMaxLength(kYearLength);
    for (const ControlTip& tip : kForm1Tips)
        m_controls.at(tip.name)->setToolTip(FromUtf8(tip.tip));

    auto* banner = static_cast<QPushButton*>(m_controls.at(kBanner));
    banner->setIcon(ScalablePicture(kBannerPicture, devicePixelRatio()));
    banner->setIconSize(QSize(kBannerPictureWidth, kBannerPictureHeight));
    QPalette face = banner->palette();
    face.setColor(QPalette::Button, QColor(kBannerFace.red, kBannerFace.green, kBannerFace.blue));
    banner->setPalette(face);
    banner->setAutoFillBackground(true);

    QLabel* link = label(kWebLinkLabel);
    link->setCursor(HandCursor(devicePixelRatio()));
    link->installEventFilter(this);
}

// Each value label keeps its own text as what is read, and its caption label, as its
// buddy, gives it the labelled-by relation, so that a reader announces "Element : Water".
void Form1::describeForScreenReaders()
{
    for (const CaptionOf& caption : kForm1Captions)
        label(caption.caption)->setBuddy(m_controls.at(caption.control));
    for (const ScreenReaderText& said : kForm1ScreenReaderTexts) {
        QWidget* control = m_controls.at(said.name);
        control->setAccessibleName(FromUtf8(said.accessibleName));
        control->setAccessibleDescription(FromUtf8(said.description));
    }
}

void Form1::connectCommands()
{
    const auto button = [this](std::string_view name) { return static_cast<QPushButton*>(m_controls.at(name)); };
    connect(button(kCalculateButton), &QPushButton::clicked, this, &Form1::calculate);
    connect(button(kAboutButton), &QPushButton::clicked, this, &Form1::showAbout);
    connect(button(kHelpButton), &QPushButton::clicked, this, &Form1::openHelp);
    connect(button(kResetButton), &QPushButton::clicked, this, &Form1::reset);
}

QLabel* Form1::label(std::string_view name) const
{
    return static_cast<QLabel*>(m_controls.at(name));
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    QLabel* link = label(kWebLinkLabel);
    if (watched == link && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint()))
            openWebSite();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::calculate()
{
    m_behaviour.calculate();
}

void Form1::reset()
{
    m_behaviour.reset();
}

void Form1::showAbout()
{
    if (!m_aboutDialog) {
        m_aboutDialog = new Dialog;
        connect(m_aboutDialog, &Dialog::okayPressed, this, &Form1::returnFromAbout);
        adoptDialog(m_aboutDialog);
    }
    ShowInFront(m_aboutDialog);
}

void Form1::openHelp()
{
    const QString name = FromUtf8(kHelpPageName);
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/morvane/" + name);
    const QString page = HelpPage(QDir::current().absoluteFilePath(name), installed,
                                  [](const QString& path) { return QFileInfo(path).isFile(); });
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

void Form1::openWebSite()
{
    QDesktopServices::openUrl(QUrl(FromUtf8(kMakerWebAddress)));
}

std::string Form1::text(std::string_view control) const
{
    const QWidget* widget = m_controls.at(control);
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText().toStdString();
    return widget->property("text").toString().toStdString();
}

void Form1::setText(std::string_view control, std::string_view text)
{
    QWidget* widget = m_controls.at(control);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(-1);
        combo->setEditText(FromUtf8(text));
        return;
    }
    widget->setProperty("text", FromUtf8(text));
}

void Form1::moveFocus(std::string_view control)
{
    m_controls.at(control)->setFocus();
}

void Form1::showMessage(std::string_view message)
{
    if (!m_messageDialog) {
        m_messageDialog = new Dialog1;
        adoptDialog(m_messageDialog);
    }
    m_messageDialog->setMessage(FromUtf8(message));
    ShowInFront(m_messageDialog);
}

void Form1::announce(std::string_view text)
{
    m_announcement->announce(FromUtf8(text));
}

std::string Form1::decimalSeparator() const
{
    return QLocale().decimalPoint().toStdString();
}

// A new dialog opens centred on the main window (on the screen once that is closed) and
// hands the activation back when it closes.
void Form1::adoptDialog(QDialog* dialog)
{
    connect(dialog, &QDialog::finished, this, &Form1::activateAfterDialog);
    CentreOn(dialog, isVisible() ? geometry() : dialog->screen()->availableGeometry());
}

// About's O&kay puts the focus in the year box, but never brings back a closed window.
void Form1::returnFromAbout()
{
    if (!isVisible())
        return;
    activateWindow();
    m_controls.at(kYearBox)->setFocus();
}

// A closing dialog hands the activation back to the main window, as the window system
// does on most desktops; doing it here makes it so on every one.
void Form1::activateAfterDialog()
{
    if (isVisible() && !isMinimized())
        activateWindow();
}
