#include "controls.h"

#include "classic_font.h"
#include "twips.h"
#include "window_palette.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

using namespace morvane::forms;

namespace {

QWidget* MakeLabel(const Control& control, QWidget* parent)
{
    auto* label = new QLabel(FromUtf8(control.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QWidget* MakeComboBox(const Control& control, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    // What the user types stays as typed: no completion, no case folding, no new items.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string_view item : control.items)
        combo->addItem(FromUtf8(item));
    combo->setCurrentIndex(-1);
    combo->setEditText(FromUtf8(control.text));
    return combo;
}

QWidget* MakeButton(const Control& control, QWidget* parent)
{
    auto* button = new QPushButton(FromUtf8(control.text), parent);
    if (control.kind == ControlKind::Banner) {
        button->setFlat(true);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    }
    button->setAutoDefault(true); // Enter presses the focused button, never another one
    return button;
}

QWidget* MakeControl(const Control& control, QWidget* parent, QStyle* etched)
{
    switch (control.kind) {
    case ControlKind::Label:
        return MakeLabel(control, parent);
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(FromUtf8(control.text), parent);
        frame->setStyle(etched);
        return frame;
    }
    case ControlKind::TextBox:
        return new QLineEdit(FromUtf8(control.text), parent);
    case ControlKind::ComboBox:
        return MakeComboBox(control, parent);
    case ControlKind::Button:
    case ControlKind::Banner:
        return MakeButton(control, parent);
    }
    return nullptr;
}

void ApplyLook(QWidget* widget, const ControlLook& look)
{
    widget->setFont(ClassicFont(look.font));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(look.ink.red, look.ink.green, look.ink.blue));
    widget->setPalette(palette);
}

} // namespace

Controls AddControls(QWidget* window, const WindowDescription& description)
{
    // The Windows style draws the etched frame line through the caption, where the layout
    // expects it; the labels inside keep the application's style.
    QStyle* etched = nullptr;
    Controls controls;
    for (const Control& control : description.controls) {
        if (control.kind == ControlKind::Frame && !etched) {
            etched = QStyleFactory::create(QStringLiteral("Windows"));
            etched->setParent(window);
        }
        QWidget* parent = control.container.empty() ? window : controls.at(control.container);
        QWidget* widget = MakeControl(control, parent, etched);
        widget->setObjectName(FromUtf8(control.name));
        widget->setGeometry(TwipsRect(control.place));
        controls.emplace(control.name, widget);
    }
    for (const ControlLook& look : description.looks)
        ApplyLook(controls.at(look.name), look);
    return controls;
}

Controls BuildWindow(QWidget* window, const WindowDescription& description)
{
    constexpr Qt::WindowFlags kFixedTitleBar = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    window->setWindowFlags(description.kind == WindowKind::Main
                               ? Qt::Window | kFixedTitleBar | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                               : Qt::Tool | kFixedTitleBar); // a tool window has no task-bar button
    window->setObjectName(FromUtf8(description.name));
    window->setWindowTitle(FromUtf8(description.title));
    window->setAccessibleName(FromUtf8(description.screenReaderName));
    window->setFixedSize(ClientSize(description));
    window->setFont(ClassicFont());
    window->setPalette(WindowPalette());
    window->setAutoFillBackground(true);
    return AddControls(window, description);
}
