#include "direction_table.h"
#include "element_table.h"
#include "engine_text.h"
#include "kua_table.h"
#include "zodiac_table.h"

#include <QTest>

#include <algorithm>
#include <set>

using namespace morvane;

namespace {

bool HoldsEachDirectionOnce(std::vector<std::string_view> column)
{
    std::ranges::sort(column);
    std::vector<std::string_view> all(kDirections.begin(), kDirections.end());
    std::ranges::sort(all);
    return column == all;
}

// A Kua number's home is the direction of its own trigram, its Mentors/Career heading.
const DirectionRow* RowWithHome(std::string_view direction)
{
    for (const DirectionRow& row : kDirectionTable) {
        if (row.at(Heading::MentorsCareer) == direction)
            return &row;
    }
    return nullptr;
}

std::vector<std::string_view> AllTableTexts()
{
    std::vector<std::string_view> texts(kDirections.begin(), kDirections.end());
    for (const KuaRow& row : kKuaTable)
        texts.insert(texts.end(), {row.group, row.element, row.shengChi, row.luckyFor});
    for (const ElementRow& row : kElementTable)
        texts.insert(texts.end(), {row.element, row.bestSeason, row.luckyColor, row.luckyObject, row.tip});
    texts.insert(texts.end(), kAnimals.begin(), kAnimals.end());
    texts.insert(texts.end(), kPartners.begin(), kPartners.end());
    return texts;
}

} // namespace

class TablesTest : public QObject {
    Q_OBJECT

private slots:
    void shouldKeyKuaAndDirectionTablesByTheEightKuaNumbers()
    {
        for (const double kua : {1, 2, 3, 4, 6, 7, 8, 9}) {
            QVERIFY(FindKuaRow(kua));
            QVERIFY(FindDirectionRow(kua));
        }
        for (const double kua : {0.0, 5.0, 10.0, -1.0, 1.5, 0.95})
            QVERIFY2(!FindKuaRow(kua) && !FindDirectionRow(kua), qPrintable(QString::number(kua)));
    }

    void shouldHoldEachDirectionOncePerRow()
    {
        for (const DirectionRow& row : kDirectionTable)
            QVERIFY2(HoldsEachDirectionOnce({row.byHeading.begin(), row.byHeading.end()}),
                     qPrintable(QString::number(row.kua)));
    }

    void shouldHoldEachDirectionOncePerColumn()
    {
        for (std::size_t heading = 0; heading < 8; ++heading) {
            std::vector<std::string_view> column;
            for (const DirectionRow& row : kDirectionTable)
                column.push_back(row.byHeading[heading]);
            QVERIFY2(HoldsEachDirectionOnce(column), qPrintable(QString::number(heading)));
        }
    }

    void shouldMatchShengChiWithSuccess()
    {
        std::vector<std::string_view> shengChi;
        for (const KuaRow& row : kKuaTable) {
            QCOMPARE(FromEngine(row.shengChi), FromEngine(FindDirectionRow(row.kua)->at(Heading::Success)));
            shengChi.push_back(row.shengChi);
        }
        QVERIFY(HoldsEachDirectionOnce(shengChi));
    }

    // When a heading of Kua a points to the home of Kua b, the same heading of b points
    // back to the home of a: the eight relations of the trigrams are mutual.
    void shouldKeepRelationsMutual()
    {
        for (const DirectionRow& a : kDirectionTable) {
            for (std::size_t heading = 0; heading < 8; ++heading) {
                const DirectionRow* b = RowWithHome(a.byHeading[heading]);
                QVERIFY(b);
                QCOMPARE(FromEngine(b->byHeading[heading]), FromEngine(a.at(Heading::MentorsCareer)));
            }
        }
    }

    void shouldShareElementsAmongTrigramsAndKeyTheElementTable()
    {
        std::set<std::string_view> groups;
        std::set<std::string_view> elements;
        std::set<std::string_view> luckyFor;
        for (const KuaRow& row : kKuaTable) {
            groups.insert(row.group);
            elements.insert(row.element);
            luckyFor.insert(row.luckyFor);
            QVERIFY(FindElementRow(row.element));
        }
        QCOMPARE(groups.size(), 8u);
        QCOMPARE(luckyFor.size(), 8u);
        QCOMPARE(elements.size(), kElementTable.size());
        QCOMPARE(FromEngine(FindKuaRow(1)->luckyFor), FromEngine(FindKuaRow(1)->element));
    }

    void shouldFindElementsByExactText_data()
    {
        // clang-format off
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("found");
        QTest::newRow("exact") << " Water" << true;
        QTest::newRow("without leading blank") << "Water" << false;
        QTest::newRow("other case") << " water" << false;
        QTest::newRow("trailing blank") << " Water " << false;
        QTest::newRow("two leading blanks") << "  Water" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("a direction") << " North" << false;
        // clang-format on
    }

    void shouldFindElementsByExactText()
    {
        QFETCH(QString, caption);
        QFETCH(bool, found);
        QCOMPARE(FindElementRow(caption.toStdString()) != nullptr, found);
    }

    void shouldPairEachAnimalWithItsTrine()
    {
        for (int r = 0; r < 12; ++r) {
            const std::optional<ZodiacRow> row = FindZodiacRow(r);
            QVERIFY(row);
            QCOMPARE(FromEngine(row->animal), FromEngine(kAnimals[r]));
            QCOMPARE(FromEngine(row->partners), FromEngine(FindZodiacRow(r % 4)->partners));
            const QString animal = FromEngine(row->animal).trimmed().section('/', 0, 0).toLower();
            QVERIFY2(FromEngine(row->partners).toLower().contains(animal), qPrintable(animal));
        }
    }

    void shouldReduceYearsByTwelves_data()
    {
        // clang-format off
        QTest::addColumn<double>("year");
        QTest::addColumn<QString>("animal");
        QTest::newRow("00") << 0.0 << " Rat";
        QTest::newRow("negative zero") << -0.0 << " Rat";
        QTest::newRow("11") << 11.0 << " Pig";
        QTest::newRow("12 after one subtraction") << 12.0 << " Rat";
        QTest::newRow("23") << 23.0 << " Pig";
        QTest::newRow("24 after two") << 24.0 << " Rat";
        QTest::newRow("79") << 79.0 << " Goat";
        QTest::newRow("81") << 81.0 << " Rooster/Cock";
        QTest::newRow("99 after eight") << 99.0 << " Rabbit";
        // clang-format on
    }

    void shouldReduceYearsByTwelves()
    {
        QFETCH(double, year);
        QFETCH(QString, animal);
        QCOMPARE(FromEngine(FindZodiacRow(year).value_or(ZodiacRow{}).animal), animal);
    }

    void shouldHaveNoZodiacRowForNegativeOrFractionalYears()
    {
        for (const double year : {-5.0, -12.0, 0.5, 12.5, 98.7, -1e300})
            QVERIFY2(!FindZodiacRow(year), qPrintable(QString::number(year)));
    }

    void shouldBeginEveryTextWithExactlyOneBlank()
    {
        for (const std::string_view text : AllTableTexts())
            QVERIFY2(text.size() > 1 && text[0] == ' ' && text[1] != ' ', qPrintable(FromEngine(text)));
    }

    void shouldKeepTheOddTextsByteForByte()
    {
        QCOMPARE(FromEngine(FindElementRow(kMetal)->luckyObject), QStringLiteral(" Metal chimes, metallic "));
        QCOMPARE(FindElementRow(kMetal)->luckyObject.size(), 24u);
        QCOMPARE(FromEngine(FindElementRow(kEarth)->bestSeason), QStringLiteral(" ------"));
        QVERIFY(FindElementRow(kFire)->tip.starts_with(" Pu bright things,"));
        QCOMPARE(FromEngine(FindZodiacRow(9)->animal), QStringLiteral(" Rooster/Cock"));
        QCOMPARE(FromEngine(FindZodiacRow(9)->partners), QStringLiteral(" Ox, snake or rooster"));
        QCOMPARE(FromEngine(kEarth), QStringLiteral(" Earth"));
    }
};

QTEST_APPLESS_MAIN(TablesTest)
#include "tables_test.moc"
