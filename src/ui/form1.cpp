#include "form1.h"

#include "accessible_factory.h"
#include "announcement.h"
#include "classic_font.h"
#include "dialog.h"
#include "dialog1.h"
#include "fixed_label.h"
#include "form1_layout.h"
#include "help_page.h"
#include "maker.h"
#include "picture.h"
#include "reading.h"
#include "spoken_reading.h"
#include "twips.h"
#include "window_palette.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QUrl>
#include <QWindow>

static_assert(kReadingLabels.size() == morvane::kReadingEntryCount);

namespace {

QString FromEngine(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetTextColor(QWidget* widget, QColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

QGroupBox* AddFrame(QWidget* parent, const char* name, const QString& title, QRect geometry, QStyle* style)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QLatin1StringView(name));
    frame->setGeometry(geometry);
    frame->setStyle(style);
    return frame;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1StringView(name));
    button->setGeometry(geometry);
    button->setAutoDefault(true); // Enter presses the focused button, never another one
    return button;
}

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
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    InstallAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" Morvane 1.5"));
    setFixedSize(TwipsRect(0, 0, 7170, 6660).size());
    setFont(ClassicFont());
    setPalette(WindowPalette());
    setAutoFillBackground(true);

    createInputs();
    createButtons();
    createLabels();
    describeForScreenReaders();
    m_announcement = new Announcement(this);
    chainTabOrder();
    Text1->setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        CentreOn(this, screen->availableGeometry());
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Form1::onFocusWindowChanged);
}

// The dialogs have no owner, so nothing else deletes one that is still open.
Form1::~Form1()
{
    delete m_messageDialog;
    delete m_aboutDialog;
}

void Form1::createInputs()
{
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(TwipsRect(3600, 840, 495, 285));
    Text1->setMaxLength(2);
    Text1->setToolTip(QStringLiteral("For example, enter 79 if birth year is 1979, enter 01 if it is 2001."));

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(TwipsRect(2880, 1200, 1215, 360));
    Combo1->setEditable(true);
    // What the user types stays as typed: no completion, no case folding, no new items.
    Combo1->setCompleter(nullptr);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->addItems({QStringLiteral("Male"), QStringLiteral("Female")});
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QStringLiteral("Select"));
}

void Form1::createButtons()
{
    Command2 = AddButton(this, "Command2", QString(), TwipsRect(120, 120, 6975, 615));
    Command2->setFlat(true);
    Command2->setAutoDefault(false);
    Command2->setFocusPolicy(Qt::NoFocus);
    Command2->setIcon(ScalablePicture("banner", devicePixelRatio()));
    Command2->setIconSize(QSize(290, 31));
    QPalette paleYellow = Command2->palette();
    paleYellow.setColor(QPalette::Button, QColor(255, 255, 128));
    Command2->setPalette(paleYellow);
    Command2->setAutoFillBackground(true);

    Command1 = AddButton(this, "Command1", QStringLiteral("&Calculate"), TwipsRect(4440, 840, 1215, 375));
    Command3 = AddButton(this, "Command3", QStringLiteral("A&bout"), TwipsRect(6000, 840, 1095, 375));
    Command5 = AddButton(this, "Command5", QStringLiteral("&Reset"), TwipsRect(4440, 1320, 1215, 375));
    Command4 = AddButton(this, "Command4", QStringLiteral("&Help"), TwipsRect(6000, 1320, 1095, 375));
    Command3->setToolTip(QStringLiteral("About this software and Orrindale"));
    Command5->setToolTip(QStringLiteral("Resets all fields"));

    connect(Command1, &QPushButton::clicked, this, &Form1::calculate);
    connect(Command3, &QPushButton::clicked, this, &Form1::showAbout);
    connect(Command4, &QPushButton::clicked, this, &Form1::openHelp);
    connect(Command5, &QPushButton::clicked, this, &Form1::reset);
}

void Form1::createLabels()
{
    // The Windows style draws the etched frame line through the caption, where the
    // layout expects it; the labels inside keep the application's style.
    QStyle* etched = QStyleFactory::create(QStringLiteral("Windows"));
    etched->setParent(this);
    std::array<QWidget*, 4> containers{this}; // indexed by LabelContainer
    for (const FrameLayout& frame : kFrameLayouts) {
        containers[static_cast<std::size_t>(frame.container)] =
            AddFrame(this, frame.name, QString::fromUtf8(frame.caption),
                     TwipsRect(frame.left, frame.top, frame.width, frame.height), etched);
    }

    for (const LabelLayout& layout : kLabelLayouts) {
        m_labels[static_cast<std::size_t>(layout.number)] = AddFixedLabel(
            containers[static_cast<std::size_t>(layout.container)], QStringLiteral("Label%1").arg(layout.number),
            QString::fromUtf8(layout.caption), TwipsRect(layout.left, layout.top, layout.width, layout.height));
    }

    QFont large = ClassicFont(24); // 18 points
    label(kKuaNumberLabel)->setFont(large);
    SetTextColor(label(kKuaNumberLabel), Qt::red);
    for (const int number : {10, 11, 12, 13})
        SetTextColor(label(number), Qt::black);
    SetTextColor(label(kTipLabel), QColor(0, 128, 0));

    QLabel* link = label(kWebLinkLabel);
    QFont italic = ClassicFont();
    italic.setItalic(true);
    link->setFont(italic);
    SetTextColor(link, QColor(0, 0, 255));
    link->setCursor(HandCursor(devicePixelRatio()));
    link->installEventFilter(this);
}

// Names and descriptions for screen readers. Each value label keeps its own text as what
// is read, and its caption label, as its buddy, gives it the labelled-by relation, so that
// a reader announces "Element : Water". Nothing drawn changes.
void Form1::describeForScreenReaders()
{
    for (const CaptionedValue& pair : kCaptionedValues)
        label(pair.caption)->setBuddy(label(pair.value));
    label(1)->setBuddy(Text1);
    label(2)->setBuddy(Combo1);

    Text1->setAccessibleName(QStringLiteral("Last two digits of your birth year"));
    Combo1->setAccessibleName(QStringLiteral("Your sex"));
    Command1->setAccessibleName(QStringLiteral("Calculate"));
    Command2->setAccessibleName(QStringLiteral("Morvane"));
    Command3->setAccessibleName(QStringLiteral("About"));
    Command4->setAccessibleName(QStringLiteral("Help"));
    Command5->setAccessibleName(QStringLiteral("Reset"));
    for (QWidget* described :
         {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Command3), static_cast<QWidget*>(Command5)})
        described->setAccessibleDescription(described->toolTip());
    label(kWebLinkLabel)->setAccessibleDescription(QStringLiteral("Opens the maker's web site"));
}

void Form1::chainTabOrder()
{
    QWidget* const order[] = {Text1, Combo1, Command3, Command5, Command1, Command4};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QLabel* Form1::label(int number) const
{
    return m_labels[static_cast<std::size_t>(number)];
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == label(kWebLinkLabel) && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && label(kWebLinkLabel)->rect().contains(mouse->position().toPoint()))
            openWebSite();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::calculate()
{
    const std::string year = Text1->text().toStdString();
    const std::string sex = Combo1->currentText().toStdString();
    const std::string element = label(kElementLabel)->text().toStdString();
    const std::string separator = QLocale().decimalPoint().toStdString();
    const auto result = morvane::Calculate({year, sex}, element, separator);

    if (const auto* failure = std::get_if<morvane::InputFailure>(&result)) {
        if (failure->clearsYear)
            Text1->clear();
        (failure->focus == morvane::InputBox::Year ? static_cast<QWidget*>(Text1) : Combo1)->setFocus();
        showMessage(FromEngine(failure->message));
        return;
    }

    const auto& reading = std::get<morvane::KuaReading>(result);
    label(kKuaNumberLabel)->setText(QString::fromStdString(reading.kuaNumber));
    for (std::size_t entry = 0; entry < reading.entries.size(); ++entry) {
        if (const std::optional<std::string_view> text = reading.entries[entry])
            label(kReadingLabels[entry])->setText(FromEngine(*text));
    }
    m_announcement->announce(
        QString::fromStdString(SpokenReading([this](int number) { return label(number)->text().toStdString(); })));
}

void Form1::reset()
{
    Text1->clear();
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QStringLiteral("Select"));
    for (const int number : kResetLabels)
        label(number)->clear();
    showDefaultTip();
    Text1->setFocus();
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
    QDesktopServices::openUrl(HelpPageUrl(QDir::currentPath(), QCoreApplication::applicationDirPath()));
}

void Form1::openWebSite()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerWebAddress)));
}

void Form1::showDefaultTip()
{
    label(kTipLabel)->setText(QString::fromLatin1(kDefaultTip));
}

void Form1::showMessage(const QString& message)
{
    if (!m_messageDialog) {
        m_messageDialog = new Dialog1;
        adoptDialog(m_messageDialog);
    }
    m_messageDialog->setMessage(message);
    ShowInFront(m_messageDialog);
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
    Text1->setFocus();
}

// A closing dialog hands the activation back to the main window, as the window system
// does on most desktops; doing it here makes it so on every one.
void Form1::activateAfterDialog()
{
    if (isVisible() && !isMinimized())
        activateWindow();
}

// The program's own notion of activation: Form1 becoming its active window, first on
// show and then on every return from one of its dialogs, but not on a return from
// another application (the focus window passes through null then, which is ignored).
void Form1::onFocusWindowChanged(QWindow* window)
{
    if (!window)
        return;
    const bool isForm1 = window == windowHandle();
    if (isForm1 && !m_wasActiveWindow)
        showDefaultTip();
    m_wasActiveWindow = isForm1;
}
