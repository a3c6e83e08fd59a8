// The floor for kestrin's start-up: a bare Qt Widgets form with the widgets of its main
// window, in about the same places, and nothing more: a line edit, an editable combo box
// with two items, five push buttons (the banner's flat, without its picture), three group
// boxes and 40 labels, 23 on the window and 8, 8 and 1 in the boxes, with the texts
// kestrin's main window starts with, in the language the environment names, as kestrin
// picks it. No fonts, palettes, styles or pictures of its own. The line edit lays out its
// text as it is made, so this form, like kestrin, loads the font database before its
// first frame.
#include "form1_description.h"
#include "localized.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

using namespace morvane::forms;

namespace {

const Localized kLocalized(LanguageFromEnvironment([](const char* name) { return qgetenv(name).toStdString(); }));

// The text of the main window's control, as kestrin starts with it.
QString Text(std::string_view control)
{
    const std::string_view text = ControlNamed(kLocalized.window(kForm1), control).text;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The texts of the main window's labels, in their order.
QString LabelText(int number)
{
    std::vector<std::string_view> labels;
    for (const Control& control : kForm1.controls) {
        if (control.kind == ControlKind::Label || control.kind == ControlKind::Link)
            labels.push_back(control.name);
    }
    return Text(labels.at(static_cast<std::size_t>(number - 1)));
}

void AddLabel(QWidget* parent, int number, QRect geometry)
{
    auto* label = new QLabel(LabelText(number), parent);
    label->setGeometry(geometry);
}

// Adds `rows` rows of a caption label and a value label, 24 pixels apart from `top` down.
int AddLabelRows(QWidget* parent, int number, int rows, int top, int valueLeft)
{
    for (int row = 0; row < rows; ++row) {
        AddLabel(parent, number++, QRect(8, top + row * 24, valueLeft - 16, 17));
        AddLabel(parent, number++, QRect(valueLeft, top + row * 24, 81, 17));
    }
    return number;
}

QGroupBox* AddGroupBox(QWidget* parent, const QString& title, QRect geometry)
{
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(geometry);
    return box;
}

void AddButton(QWidget* parent, const QString& caption, QRect geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
}

void AddInputs(QWidget* window)
{
    auto* year = new QLineEdit(window);
    year->setGeometry(240, 56, 33, 19);
    auto* sex = new QComboBox(window);
    sex->setGeometry(192, 80, 81, 24);
    sex->setEditable(true);
    for (const std::string_view item : ControlNamed(kLocalized.window(kForm1), kSexBox).traits.items)
        sex->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    sex->setEditText(Text(kSexBox));
}

void AddButtons(QWidget* window)
{
    auto* banner = new QPushButton(window);
    banner->setGeometry(8, 8, 465, 41);
    banner->setFlat(true);
    AddButton(window, Text("Command1"), QRect(296, 56, 81, 25));
    AddButton(window, Text("Command3"), QRect(400, 56, 73, 25));
    AddButton(window, Text("Command5"), QRect(296, 88, 81, 25));
    AddButton(window, Text("Command4"), QRect(400, 88, 73, 25));
}

void AddLabels(QWidget* window)
{
    AddLabel(window, 1, QRect(8, 56, 225, 17));
    AddLabel(window, 2, QRect(8, 80, 105, 17));
    int number = AddLabelRows(window, 3, 10, 112, 96);
    number = AddLabelRows(AddGroupBox(window, Text("Frame2"), QRect(272, 120, 201, 121)), number, 4, 24, 112);
    number = AddLabelRows(AddGroupBox(window, Text("Frame1"), QRect(272, 240, 201, 121)), number, 4, 24, 96);
    AddLabel(AddGroupBox(window, Text("Frame3"), QRect(8, 360, 465, 65)), number++, QRect(8, 24, 449, 33));
    AddLabel(window, number, QRect(232, 424, 241, 17));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral(" Baseline 1.5"));
    window.setFixedSize(478, 444);
    AddInputs(&window);
    AddButtons(&window);
    AddLabels(&window);
    window.show();
    return QApplication::exec();
}
