#include "number_text.h"

#include <QTest>

#include <cmath>
#include <limits>

using morvane::NumberText;
using morvane::ReadNumber;

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void shouldReadNumbers_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<double>("value");

        // Plain digits and the blanks around them
        QTest::newRow("one digit") << "8" << "." << 8.0;
        QTest::newRow("leading zero") << "08" << "." << 8.0;
        QTest::newRow("blank before") << " 8" << "." << 8.0;
        QTest::newRow("blank after") << "8 " << "." << 8.0;
        QTest::newRow("tab and blanks") << "\t 8  " << "." << 8.0;
        QTest::newRow("double zero") << "00" << "." << 0.0;
        QTest::newRow("three digits") << "100" << "." << 100.0;

        // Sign and decimal separator
        QTest::newRow("plus sign") << "+8" << "." << 8.0;
        QTest::newRow("minus sign") << "-5" << "." << -5.0;
        QTest::newRow("leading point") << ".5" << "." << 0.5;
        QTest::newRow("trailing point") << "5." << "." << 5.0;
        QTest::newRow("point always works") << "1.5" << "," << 1.5;
        QTest::newRow("locale comma") << ",5" << "," << 0.5;
        QTest::newRow("multi-byte locale separator") << QString::fromUtf8("1\u066b5") << QString::fromUtf8("\u066b")
                                                      << 1.5;

        // Lengths no box allows but the engine must still read right
        QTest::newRow("-1e300 in digits") << "-1" + QString(300, '0') << "." << -1e300;
        QTest::newRow("below smallest double is zero") << "0." + QString(400, '0') + "1" << "." << 0.0;
        // clang-format on
    }

    void shouldReadNumbers()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(double, value);
        QCOMPARE(ReadNumber(text.toStdString(), separator.toStdString()), std::optional<double>(value));
    }

    void shouldReadDenormalsAsNonZero()
    {
        const std::optional<double> value = ReadNumber("0." + std::string(320, '0') + "1", ".");
        QVERIFY(value.has_value());
        QVERIFY(*value > 0.0 && *value < std::numeric_limits<double>::min());
    }

    void shouldRejectWhatIsNoNumber_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");

        QTest::newRow("empty") << "" << ".";
        QTest::newRow("one blank") << " " << ".";
        QTest::newRow("lone minus") << "-" << ".";
        QTest::newRow("lone plus") << "+" << ".";
        QTest::newRow("lone point") << "." << ".";
        QTest::newRow("sign and point") << "-." << ".";
        QTest::newRow("letters") << "ab" << ".";
        QTest::newRow("digit then letter") << "8a" << ".";
        QTest::newRow("letter then digit") << "a8" << ".";
        QTest::newRow("exponent") << "1e1" << ".";
        QTest::newRow("nan") << "nan" << ".";
        QTest::newRow("inf") << "inf" << ".";
        QTest::newRow("hexadecimal") << "0x1" << ".";
        QTest::newRow("inner blank") << "1 2" << ".";
        QTest::newRow("blank after sign") << "- 5" << ".";
        QTest::newRow("two signs") << "+-5" << ".";
        QTest::newRow("sign at the end") << "5-" << ".";
        QTest::newRow("two points") << "1.2.3" << ".";
        QTest::newRow("point and locale comma") << "1.5,5" << ",";
        QTest::newRow("comma where the locale has none") << "1,5" << ".";
        QTest::newRow("thousands grouping") << "1,000" << ".";
        QTest::newRow("arabic-indic digit") << QString::fromUtf8("\u0668") << ".";
        QTest::newRow("full-width digit") << QString::fromUtf8("\uff18") << ".";
        QTest::newRow("no-break space") << QString::fromUtf8("8\u00a0") << ".";
        QTest::newRow("NUL inside") << QString(QChar(u'8')) + QChar(0) << ".";
        QTest::newRow("beyond the largest double") << "-1" + QString(400, '0') << ".";
        // clang-format on
    }

    void shouldRejectWhatIsNoNumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QCOMPARE(ReadNumber(text.toStdString(), separator.toStdString()), std::nullopt);
    }

    void shouldWriteShortestText_data()
    {
        // clang-format off
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");

        QTest::newRow("digit") << 8.0 << "." << "8";
        QTest::newRow("zero") << 0.0 << "." << "0";
        QTest::newRow("negative zero") << -0.0 << "." << "0";
        QTest::newRow("two digits") << 15.0 << "." << "15";
        QTest::newRow("negative") << -20.0 << "." << "-20";
        QTest::newRow("fraction from arithmetic") << 9.5 / 10 << "." << "0.95";
        QTest::newRow("locale comma") << 9.5 / 10 << "," << "0,95";
        QTest::newRow("huge") << 1e299 << "." << "1e+299";
        // clang-format on
    }

    void shouldWriteShortestText()
    {
        QFETCH(double, value);
        QFETCH(QString, separator);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(NumberText(value, separator.toStdString())), text);
    }

    // Every text the engine writes must read back as the same number.
    void shouldReadBackWhatItWrites()
    {
        for (const double value : {0.95, -4.0, 1.05, 5.5, 123456.789, 1.0 / 3.0}) {
            for (const char* separator : {".", ","})
                QCOMPARE(ReadNumber(NumberText(value, separator), separator), std::optional<double>(value));
        }
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "number_text_test.moc"
