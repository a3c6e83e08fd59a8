#include "dialog.h"

#include "classic_font.h"
#include "fixed_label.h"
#include "maker.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>

Dialog::Dialog()
    : FixedDialog(QStringLiteral(" About"), TwipsRect(0, 0, 6030, 2610).size())
{
    setObjectName(QStringLiteral("Dialog"));

    QLabel* title =
        AddFixedLabel(this, QStringLiteral("Label1"), QStringLiteral("Morvane"), TwipsRect(1320, 120, 3495, 375));
    QFont titleFont = ClassicFont(16); // 12 points
    titleFont.setBold(true);
    title->setFont(titleFont);
    QPalette navy = title->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    title->setPalette(navy);
    // Orca counts only texts of three words or more among a dialog's texts, so the title
    // is heard with the dialog's name: " About Morvane".
    setAccessibleName(windowTitle() + QLatin1Char(' ') + title->text());

    QLabel* notice = AddFixedLabel(this, QStringLiteral("Label2"),
                                   QStringLiteral("Copyright \u00a9 2026 %1").arg(QLatin1StringView(kMakerName)),
                                   TwipsRect(1200, 600, 3495, 255));
    QFont bold = ClassicFont();
    bold.setBold(true);
    notice->setFont(bold);

    AddFixedLabel(
        this, QStringLiteral("Label3"),
        QStringLiteral("Morvane is free software under the MIT License: you may use, copy, change and pass it on, "
                       "free of charge or for a fee, provided the copyright notice and the licence go with every "
                       "copy. It comes with no warranty of any kind."),
        TwipsRect(120, 960, 5895, 975));

    QPushButton* okay = addOkayButton(TwipsRect(2280, 2040, 1455, 375));
    connect(okay, &QPushButton::clicked, this, [this] {
        emit okayPressed();
        close();
    });
}
