#pragma once

// A user who does one random thing at a time to the program's windows, repeatably for a
// given seed: clicks every control, types and pastes any characters into the inputs,
// moves the focus, presses Enter, Esc and the access keys, closes and activates windows.
#include "window_driver.h"

#include <QClipboard>
#include <QRandomGenerator>

#include <functional>
#include <utility>
#include <vector>

class RandomUser {
public:
    RandomUser(Form1* form, quint32 seed)
        : m_form(form)
        , m_random(seed)
    {
    }

    // Does one thing and says what, to replay a failure by.
    QString act()
    {
        const std::vector<std::pair<int, std::function<QString()>>> actions{
            {6, [this] { return clickButton(); }},
            {3, [this] { return clickLabel(); }},
            {8, [this] { return type(year(), randomText(1 + pick(3))); }},
            {5, [this] { return replace(year(), QString::number(pick(100)).rightJustified(2, '0')); }},
            {6, [this] { return type(sexBox(), randomText(1 + pick(3))); }},
            {4, [this] { return replace(sexBox(), pickOf(kSexWords)); }},
            {4, [this] { return clearInput(); }},
            {2, [this] { return paste(); }},
            {2, [this] { return chooseSex(); }},
            {4, [this] { return pressKey(pick(2) ? Qt::Key_Tab : Qt::Key_Backtab); }},
            {3,
             [this] {
                 return pressKey(pickOf({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}));
             }},
            {5, [this] { return pressAccessKey(); }},
            {3, [this] { return pressOkay(); }},
            {2, [this] { return closeDialog(); }},
            {3, [this] { return activateWindow(); }},
        };
        int total = 0;
        for (const auto& action : actions)
            total += action.first;
        int roll = pick(total);
        for (const auto& [weight, action] : actions) {
            if (roll < weight)
                return action();
            roll -= weight;
        }
        return {};
    }

private:
    inline static const QStringList kCharacters{"0", "1", "2",      "3",      "4",      "5",          "6",     "7",
                                                "8", "9", "a",      "Z",      "x",      " ",          "+",     "-",
                                                ".", ",", "\u00e9", "\u00df", "\u4e2d", "\U0001F600", "\u0663"};
    inline static const QStringList kSexWords{"Male", "Female", "male", "FEMALE", "Select", "M"};

    int pick(int count) { return static_cast<int>(m_random.bounded(static_cast<quint32>(count))); }

    template <class T> T pickOf(std::initializer_list<T> items)
    {
        return *(items.begin() + pick(static_cast<int>(items.size())));
    }
    QString pickOf(const QStringList& items) { return items.at(pick(static_cast<int>(items.size()))); }

    QString randomText(int length)
    {
        QString text;
        for (int i = 0; i < length; ++i)
            text += pickOf(kCharacters);
        return text;
    }

    QLineEdit* year() const { return Child<QLineEdit>(m_form, "Text1"); }
    QLineEdit* sexBox() const { return Child<QComboBox>(m_form, "Combo1")->lineEdit(); }

    // Where the keyboard goes: the focused widget of the active window.
    QWidget* keyboardTarget() const
    {
        if (QWidget* focused = QApplication::focusWidget())
            return focused;
        return QApplication::activeWindow() ? QApplication::activeWindow() : m_form;
    }

    QList<QWidget*> openDialogs() const
    {
        QList<QWidget*> open;
        for (const char* name : {"Dialog", "Dialog1"}) {
            if (QWidget* dialog = OpenWindow(name))
                open << dialog;
        }
        return open;
    }

    // A click on a window makes it the active one first, as the window system does.
    static void click(QWidget* widget)
    {
        widget->window()->activateWindow();
        QCoreApplication::processEvents();
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    QString clickButton()
    {
        const int number = 1 + pick(5);
        click(Child<QPushButton>(m_form, QString("Command%1").arg(number)));
        return QString("click Command%1").arg(number);
    }

    QString clickLabel()
    {
        const int number = 1 + pick(40);
        click(Child<QLabel>(m_form, QString("Label%1").arg(number)));
        return QString("click Label%1").arg(number);
    }

    // Each character comes as one key press carrying its text, as a keyboard or an input
    // method delivers it; characters outside the BMP stay whole.
    QString type(QLineEdit* input, const QString& text)
    {
        click(input);
        for (int i = 0; i < text.size(); ++i) {
            const int length = text.at(i).isHighSurrogate() ? 2 : 1;
            const QString character = text.mid(i, length);
            const QChar first = character.at(0);
            const Qt::Key key = first.unicode() < 0x80 ? Qt::Key(first.toUpper().unicode()) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, input, key, character, Qt::NoModifier);
            i += length - 1;
        }
        return QString("type \"%1\" into %2")
            .arg(text, input->parentWidget()->objectName() == "Combo1" ? "Combo1" : "Text1");
    }

    // Types over what the box held, so that many readings succeed.
    QString replace(QLineEdit* input, const QString& text)
    {
        click(input);
        QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
        return type(input, text);
    }

    QString clearInput()
    {
        QLineEdit* input = pick(2) ? year() : sexBox();
        click(input);
        QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(input, Qt::Key_Backspace);
        return "clear an input";
    }

    QString paste()
    {
        const QString text = randomText(20 + pick(400));
        QApplication::clipboard()->setText(text);
        QLineEdit* input = pick(2) ? year() : sexBox();
        click(input);
        QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
        return QString("paste %1 characters").arg(text.size());
    }

    QString chooseSex()
    {
        QComboBox* combo = Child<QComboBox>(m_form, "Combo1");
        click(combo->lineEdit());
        const Qt::Key key = pick(2) ? Qt::Key_Down : Qt::Key_Up;
        QTest::keyClick(combo, key);
        return key == Qt::Key_Down ? "Down in Combo1" : "Up in Combo1";
    }

    QString pressKey(Qt::Key key)
    {
        QWidget* target = keyboardTarget();
        QTest::keyClick(target, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        return QString("key %1 on %2").arg(QKeySequence(key).toString(), target->objectName());
    }

    // The click an access key makes lands about 100 ms later, among the following actions.
    QString pressAccessKey()
    {
        const Qt::Key key = pickOf({Qt::Key_C, Qt::Key_B, Qt::Key_H, Qt::Key_R, Qt::Key_K});
        QWidget* target = keyboardTarget();
        QTest::keyClick(target, key, Qt::AltModifier);
        return QString("Alt+%1 on %2").arg(QKeySequence(key).toString(), target->objectName());
    }

    QString pressOkay()
    {
        const QList<QWidget*> open = openDialogs();
        if (open.isEmpty())
            return "O&kay with no dialog open";
        QWidget* dialog = open.at(pick(static_cast<int>(open.size())));
        click(Child<QPushButton>(dialog, "Command1"));
        return "O&kay on " + dialog->objectName();
    }

    // QWidget::close() stands in for the close button of the title bar.
    QString closeDialog()
    {
        const QList<QWidget*> open = openDialogs();
        if (open.isEmpty())
            return "close with no dialog open";
        QWidget* dialog = open.at(pick(static_cast<int>(open.size())));
        dialog->close();
        return "close " + dialog->objectName();
    }

    QString activateWindow()
    {
        QList<QWidget*> windows = openDialogs();
        windows << m_form;
        QWidget* window = windows.at(pick(static_cast<int>(windows.size())));
        window->activateWindow();
        return "activate " + window->objectName();
    }

    Form1* m_form;
    QRandomGenerator m_random;
};
