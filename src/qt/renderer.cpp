#include "renderer.h"

#include "canvas.h"
#include "colours.h"
#include "fonts.h"
#include "pictures.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

using namespace morvane::forms;

namespace {

QWidget* MakeLabel(const Control& control, QWidget* parent)
{
    auto* label = new QLabel(FromUtf8(control.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    if (control.kind == ControlKind::Link)
        label->setCursor(HandCursor(parent->devicePixelRatio()));
    return label;
}

QWidget* MakeTextBox(const Control& control, QWidget* parent)
{
    auto* box = new QLineEdit(FromUtf8(control.text), parent);
    if (control.traits.maxLength > 0)
        box->setMaxLength(control.traits.maxLength);
    return box;
}

QWidget* MakeComboBox(const Control& control, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    // What the user types stays as typed: no completion, no case folding, no new items.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string_view item : control.traits.items)
        combo->addItem(FromUtf8(item));
    combo->setCurrentIndex(-1);
    combo->setEditText(FromUtf8(control.text));
    return combo;
}

QWidget* MakeButton(const Control& control, QWidget* parent)
{
    auto* button = new QPushButton(FromUtf8(control.text), parent);
    button->setPalette(WindowPalette());
    button->setAutoDefault(true); // Enter presses the focused button, never another one
    return button;
}

// A picture on a pale face that takes no focus.
QWidget* MakeBanner(const Control& control, QWidget* parent)
{
    auto* banner = new QPushButton(parent);
    const Picture& picture = control.traits.picture;
    banner->setFlat(true);
    banner->setFocusPolicy(Qt::NoFocus);
    banner->setIcon(ScalablePicture(picture.name, parent->devicePixelRatio()));
    banner->setIconSize(QSize(picture.width, picture.height));
    QPalette face = banner->palette();
    face.setColor(QPalette::Button,
                  QColor(control.traits.face.red, control.traits.face.green, control.traits.face.blue));
    banner->setPalette(face);
    banner->setAutoFillBackground(true);
    return banner;
}

// The Windows style draws the etched frame line through the caption, where the layout
// expects it; the labels inside keep the application's style. Orca's flat review reads
// text only from objects that offer it, and a frame offers its caption only as its name:
// a label of the caption, drawn in no colour over the caption the frame draws, offers it
// there, just above the rows it heads, as high as its text needs (a Chinese one, drawn
// from a fallback font, a pixel more).
QWidget* MakeFrame(const Control& control, QWidget* parent)
{
    auto* frame = new QGroupBox(FromUtf8(control.text), parent);
    QStyle* etched = parent->window()->findChild<QStyle*>();
    if (!etched) {
        etched = QStyleFactory::create(QStringLiteral("Windows"));
        etched->setParent(parent->window());
    }
    frame->setStyle(etched);
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    auto* caption = new QLabel(frame->title(), frame);
    const QRect area = etched->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    caption->setGeometry(area.x(), area.y(), area.width(), std::max(area.height(), caption->sizeHint().height()));
    QPalette unseen = caption->palette();
    unseen.setColor(QPalette::WindowText, Qt::transparent);
    caption->setPalette(unseen);
    return frame;
}

// Lines that a screen reader reads one by one; the program fills it.
QWidget* MakeList(QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setPalette(WindowPalette());
    list->setWordWrap(true);
    return list;
}

QWidget* MakeOption(const Control& control, QWidget* parent)
{
    auto* option = new QRadioButton(FromUtf8(control.text), parent); // exclusive among its window's
    option->setChecked(control.traits.chosen);
    return option;
}

QWidget* Make(const Control& control, QWidget* parent, Language language)
{
    switch (control.kind) {
    case ControlKind::Label:
    case ControlKind::Link:
        return MakeLabel(control, parent);
    case ControlKind::Frame:
        return MakeFrame(control, parent);
    case ControlKind::TextBox:
        return MakeTextBox(control, parent);
    case ControlKind::ComboBox:
        return MakeComboBox(control, parent);
    case ControlKind::Button:
        return MakeButton(control, parent);
    case ControlKind::Banner:
        return MakeBanner(control, parent);
    case ControlKind::Canvas:
        return new Canvas(language, parent);
    case ControlKind::List:
        return MakeList(parent);
    case ControlKind::Option:
        return MakeOption(control, parent);
    }
    return nullptr;
}

// What is the same for every kind: name, place, look, tip and what screen readers are told.
void Describe(QWidget* widget, const Control& control, Language language)
{
    const ControlTraits& traits = control.traits;
    widget->setObjectName(FromUtf8(control.name));
    const PixelRect place = TwipsToPixels(control.place);
    widget->setGeometry(place.left, place.top, place.width, place.height);
    if (traits.font != Font{})
        widget->setFont(ClassicFont(traits.font, language));
    if (traits.ink != kBlack) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, QColor(traits.ink.red, traits.ink.green, traits.ink.blue));
        widget->setPalette(palette);
    }
    widget->setToolTip(FromUtf8(traits.tip));
    widget->setAccessibleName(FromUtf8(traits.spokenName));
    widget->setAccessibleDescription(FromUtf8(traits.spokenDescription));
}

} // namespace

Controls Render(QWidget* window, const WindowDescription& description, Language language)
{
    constexpr Qt::WindowFlags kFixedTitleBar =
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    window->setWindowFlags(description.kind == WindowKind::Main
                               ? Qt::Window | kFixedTitleBar | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                               : Qt::Tool | kFixedTitleBar); // a tool window has no task-bar button
    window->setObjectName(FromUtf8(description.name));
    window->setWindowTitle(FromUtf8(description.title));
    window->setAccessibleName(FromUtf8(description.spokenName));
    window->setFixedSize(TwipsToPixels(description.width), TwipsToPixels(description.height));
    window->setFont(ClassicFont({}, language));
    window->setPalette(WindowPalette());
    window->setAutoFillBackground(true);

    Controls controls;
    for (const Control& control : description.controls) {
        QWidget* parent = control.traits.container.empty() ? window : controls.at(control.traits.container);
        QWidget* widget = Make(control, parent, language);
        Describe(widget, control, language);
        controls.emplace(control.name, widget);
    }
    // A caption label is its control's buddy, which gives screen readers the labelled-by
    // relation: a reader announces "Element : Water".
    for (const Control& control : description.controls) {
        if (!control.traits.names.empty())
            static_cast<QLabel*>(controls.at(control.name))->setBuddy(controls.at(control.traits.names));
    }
    return controls;
}
