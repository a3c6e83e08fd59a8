#pragma once

// What must hold in the windows whatever the user has done: one dialog of each kind at
// most, never more than two characters in the year box, the sex box's two items, and in
// every value label only a text a reading can put there.
#include "window_driver.h"

#include <QRegularExpression>
#include <QSet>

class WindowInvariants {
public:
    explicit WindowInvariants(const Form1* form)
        : m_form(form)
    {
        const QMap<int, QStringList> texts = ReadingTextsByLabel();
        for (auto it = texts.begin(); it != texts.end(); ++it) {
            m_allowed[it.key()] = QSet<QString>(it.value().begin(), it.value().end());
            if (it.key() != kTipLabel)
                m_allowed[it.key()] << QString(); // empty until the first reading or after Reset
        }
    }

    // What is wrong, or an empty string when everything holds.
    QString violation() const
    {
        QStringList wrong;
        for (const char* name : {"Dialog", "Dialog1"}) {
            const int live = LiveWindowCount(name);
            if (live > 1 || live != OpenWindowCount(name))
                wrong << QString("%1 live and %2 open %3").arg(live).arg(OpenWindowCount(name)).arg(name);
        }
        const QString year = Child<QLineEdit>(m_form, "Text1")->text();
        if (year.size() > 2)
            wrong << QString("Text1 holds \"%1\"").arg(year);
        if (Child<QComboBox>(m_form, "Combo1")->count() != 2)
            wrong << "Combo1 has gained or lost items";
        for (int number = 18; number <= 39; ++number) {
            const QString text = labelText(number);
            if (!m_allowed.contains(number) && number != kKuaNumberLabel)
                continue;
            if (number == kKuaNumberLabel ? !IsKuaNumberText(text) : !m_allowed[number].contains(text))
                wrong << QString("Label%1 shows \"%2\"").arg(number).arg(text);
        }
        return wrong.join("; ");
    }

private:
    // Top-level widgets of that name not yet deleted, shown or not.
    static int LiveWindowCount(const char* name)
    {
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            count += window->objectName() == QLatin1StringView(name);
        return count;
    }

    // Empty, or a blank followed by nothing or by a number as the engine writes it.
    static bool IsKuaNumberText(const QString& text)
    {
        static const QRegularExpression kuaNumber("^( (-?[0-9]+(\\.[0-9]+)?)?)?$");
        return kuaNumber.match(text).hasMatch();
    }

    QString labelText(int number) const { return Child<QLabel>(m_form, QString("Label%1").arg(number))->text(); }

    const Form1* m_form;
    QMap<int, QSet<QString>> m_allowed; // by label number
};
