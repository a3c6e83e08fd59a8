#include "kua_number.h"
#include "reading_oracle.h"

#include <QTest>

#include <cmath>
#include <limits>

using morvane::ComputeKua;
using morvane::oracle::KuaByDigitSum;

class KuaNumberTest : public QObject {
    Q_OBJECT

private slots:
    void shouldAgreeWithDigitSumTableForEveryYear()
    {
        for (int year = 0; year <= 99; ++year) {
            for (const bool male : {true, false}) {
                const std::optional<double> kua = ComputeKua(year, male ? "Male" : "Female");
                QVERIFY2(kua.has_value(), qPrintable(QString::number(year)));
                QCOMPARE(*kua, KuaByDigitSum(year, male));
            }
        }
    }

    void shouldGiveTellingRows_data()
    {
        // clang-format off
        QTest::addColumn<double>("year");
        QTest::addColumn<double>("male");
        QTest::addColumn<double>("female");

        QTest::newRow("00 has fixed values") << 0.0 << 1.0 << 2.0;
        QTest::newRow("negative zero is zero") << -0.0 << 1.0 << 2.0;
        QTest::newRow("01") << 1.0 << 9.0 << 6.0;
        QTest::newRow("05 replaces 5 and reduces 10") << 5.0 << 2.0 << 1.0;
        QTest::newRow("09 reduces 14 to 5 then 8") << 9.0 << 1.0 << 8.0;
        QTest::newRow("10 sums to 1") << 10.0 << 9.0 << 6.0;
        QTest::newRow("14") << 14.0 << 2.0 << 1.0;
        QTest::newRow("19 sums to 10 then 1") << 19.0 << 9.0 << 6.0;
        QTest::newRow("28 sums to 10 then 1") << 28.0 << 9.0 << 6.0;
        QTest::newRow("45") << 45.0 << 1.0 << 8.0;
        QTest::newRow("50") << 50.0 << 2.0 << 1.0;
        QTest::newRow("79 sums to 16 then 7") << 79.0 << 3.0 << 3.0;
        QTest::newRow("81") << 81.0 << 1.0 << 8.0;
        QTest::newRow("99 loops twice") << 99.0 << 1.0 << 8.0;

        // Values the checks let through without being one or two digits.
        QTest::newRow("-5: 15 reduced once, 0") << -5.0 << 6.0 << 0.0;
        QTest::newRow("-9: 19 reduced once to 10, -4") << -9.0 << 10.0 << -4.0;
        QTest::newRow(".5: Whole(9.5) is 10, so 0.95; 5.5") << 0.5 << 0.95 << 5.5;
        QTest::newRow("-0.5: 10.5 rounds to even 10, so 1.05") << -0.5 << 1.05 << 4.5;
        // clang-format on
    }

    void shouldGiveTellingRows()
    {
        QFETCH(double, year);
        QFETCH(double, male);
        QFETCH(double, female);
        QCOMPARE(ComputeKua(year, "Male"), std::optional<double>(male));
        QCOMPARE(ComputeKua(year, "Female"), std::optional<double>(female));
    }

    void shouldGiveNoValueForAnyOtherSexText_data()
    {
        // clang-format off
        QTest::addColumn<QString>("sex");
        QTest::newRow("lower case") << "male";
        QTest::newRow("capitals") << "MALE";
        QTest::newRow("trailing blank") << "Male ";
        QTest::newRow("leading blank") << " Female";
        QTest::newRow("empty") << "";
        QTest::newRow("initial combo text") << "Select";
        // clang-format on
    }

    void shouldGiveNoValueForAnyOtherSexText()
    {
        QFETCH(QString, sex);
        const std::string text = sex.toStdString();
        for (const double year : {0.0, 5.0, 81.0, -5.0, 0.5})
            QVERIFY2(!ComputeKua(year, text).has_value(), qPrintable(QString::number(year)));
    }

    // Fractions above 9 shrink towards 9 pass by pass; the loop must end for each of them
    // and leave a result between 0 and 10.
    void shouldEndForEveryFractionUpTo99()
    {
        std::vector<double> years;
        for (int i = 1; i <= 90'000; ++i)
            years.push_back(9.0 + i * 0.001);
        for (int whole = 9; whole <= 99; ++whole) {
            for (const double at : {whole - 0.5, double(whole), whole + 0.5}) {
                years.push_back(std::nextafter(at, 0.0));
                years.push_back(std::nextafter(at, 100.0));
            }
        }
        for (const double year : years) {
            for (const char* sex : {"Male", "Female"}) {
                const double kua = ComputeKua(year, sex).value_or(-1);
                QVERIFY2(kua > 0 && kua < 10, qPrintable(QString::number(year, 'g', 17)));
            }
        }
    }

    void shouldStayFiniteForExtremeValues_data()
    {
        // clang-format off
        QTest::addColumn<double>("year");
        QTest::newRow("-1e300") << -1e300;
        QTest::newRow("lowest double") << std::numeric_limits<double>::lowest();
        QTest::newRow("-2^53 - 2") << -9007199254740994.0;
        QTest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min();
        QTest::newRow("negative denormal") << -std::numeric_limits<double>::denorm_min();
        // clang-format on
    }

    void shouldStayFiniteForExtremeValues()
    {
        QFETCH(double, year);
        for (const char* sex : {"Male", "Female"}) {
            const std::optional<double> kua = ComputeKua(year, sex);
            QVERIFY(kua.has_value());
            QVERIFY(std::isfinite(*kua));
        }
    }
};

QTEST_APPLESS_MAIN(KuaNumberTest)
#include "kua_number_test.moc"
