#include "reading.h"

#include "engine_text.h"
#include "reading_oracle.h"
#include "zodiac_table.h"

#include <QTest>

using namespace morvane;
using morvane::oracle::KuaByDigitSum;

namespace {

QString Q(std::optional<std::string_view> text)
{
    return text ? FromEngine(*text) : QStringLiteral("<absent>");
}

std::variant<InputFailure, KuaReading> Run(const QString& year, const QString& sex, const QString& caption = {},
                                           const QString& separator = ".")
{
    const std::string yearText = year.toStdString();
    const std::string sexText = sex.toStdString();
    return Calculate({yearText, sexText}, caption.toStdString(), separator.toStdString());
}

KuaReading ReadingOf(const std::variant<InputFailure, KuaReading>& result)
{
    if (const auto* failure = std::get_if<InputFailure>(&result))
        qWarning() << "unexpected failure:" << Q(failure->message);
    return std::get_if<KuaReading>(&result) ? std::get<KuaReading>(result) : KuaReading{};
}

constexpr ReadingEntry kKuaKeyed[] = {
    ReadingEntry::Group,     ReadingEntry::Element,     ReadingEntry::ShengChi,      ReadingEntry::LuckyFor,
    ReadingEntry::Health,    ReadingEntry::RomanceLove, ReadingEntry::MentorsCareer, ReadingEntry::Success,
    ReadingEntry::TotalLoss, ReadingEntry::SixKillings, ReadingEntry::FiveGhosts,    ReadingEntry::Unlucky,
};
constexpr ReadingEntry kElementKeyed[] = {ReadingEntry::BestSeason, ReadingEntry::LuckyColor, ReadingEntry::LuckyObject,
                                          ReadingEntry::Tip};

} // namespace

Q_DECLARE_METATYPE(InputBox)

class CalculateTest : public QObject {
    Q_OBJECT

private slots:
    void shouldReadEveryYearTextCompletely()
    {
        QStringList years;
        for (int year = 0; year <= 99; ++year)
            years << QString::asprintf("%02d", year);
        for (int year = 0; year <= 9; ++year)
            years << QString::number(year);
        for (const QString& year : years) {
            for (const bool male : {true, false}) {
                const KuaReading reading = ReadingOf(Run(year, male ? "Male" : "Female"));
                const int kua = KuaByDigitSum(year.toInt(), male);
                QVERIFY2(kua != 5, qPrintable(year));
                QCOMPARE(QString::fromStdString(reading.kuaNumber), " " + QString::number(kua));
                for (const std::optional<std::string_view>& entry : reading.entries)
                    QVERIFY2(entry.has_value(), qPrintable(year));
                QCOMPARE(Q(reading.at(ReadingEntry::ChineseYear)), Q(kAnimals[year.toInt() % 12]));
            }
        }
    }

    void shouldGiveWholeReadings_data()
    {
        // clang-format off
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QStringList>("expected"); // Kua number, then every entry in order

        QTest::newRow("81 male is 1, Water, Rooster") << "81" << "Male"
            << QStringList{" 1", " KAN", " Water", " South-East", " Winter", " Rooster/Cock", " Ox, snake or rooster",
                           " Black, dark blue", " Lakes, aquarium, ponds", " Water", " East", " South", " North",
                           " South-East", " South-West", " North-West", " North-East", " West",
                           " Put paintings of water, aquarium or things representing water in the south east "
                           "direction of your home or office."};
        QTest::newRow("-5 male is 6 with no zodiac row") << "-5" << "Male"
            << QStringList{" 6", " CHIEN", " Metal", " West", " Autumn", "<absent>", "<absent>",
                           " White, silver, gold", " Metal chimes, metallic ", " Mentors", " North-East",
                           " South-West", " North-West", " West", " South", " North", " East", " South-East",
                           " Put 6 - rod metal windchimes, coins in the west direction of your home or office."};
        // clang-format on
    }

    void shouldGiveWholeReadings()
    {
        QFETCH(QString, year);
        QFETCH(QString, sex);
        QFETCH(QStringList, expected);
        const KuaReading reading = ReadingOf(Run(year, sex, " Fire"));
        QStringList actual{QString::fromStdString(reading.kuaNumber)};
        for (const std::optional<std::string_view>& entry : reading.entries)
            actual << Q(entry);
        QCOMPARE(actual, expected);
    }

    void shouldReadSpellingsOfOneYearAlike()
    {
        const KuaReading eight = ReadingOf(Run("8", "Female"));
        for (const char* year : {"08", " 8", "8 ", "+8", "8.", "08.0"}) {
            const KuaReading reading = ReadingOf(Run(year, "Female"));
            QCOMPARE(reading.kuaNumber, eight.kuaNumber);
            QCOMPARE(reading.entries, eight.entries);
        }
    }

    void shouldRejectInput_data()
    {
        // clang-format off
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("message");
        QTest::addColumn<InputBox>("focus");
        QTest::addColumn<bool>("clearsYear");

        const QString a = Q(kEmptyYearMessage);
        const QString b = Q(kBadYearMessage);
        const QString c = Q(kNoSexMessage);

        // Failure A comes first
        QTest::newRow("empty year") << "" << "Male" << a << InputBox::Year << false;
        QTest::newRow("empty year before no sex") << "" << "Select" << a << InputBox::Year << false;

        // Failure B comes before the sex check
        QTest::newRow("letters") << "ab" << "Male" << b << InputBox::Year << true;
        QTest::newRow("letters before no sex") << "ab" << "Select" << b << InputBox::Year << true;
        QTest::newRow("one blank") << " " << "Male" << b << InputBox::Year << true;
        QTest::newRow("lone minus") << "-" << "Female" << b << InputBox::Year << true;
        QTest::newRow("lone point") << "." << "Female" << b << InputBox::Year << true;
        QTest::newRow("digit and letter") << "8a" << "Male" << b << InputBox::Year << true;
        QTest::newRow("exponent") << "1e1" << "Male" << b << InputBox::Year << true;
        QTest::newRow("nan") << "nan" << "Male" << b << InputBox::Year << true;
        QTest::newRow("three digits") << "100" << "Male" << b << InputBox::Year << true;
        QTest::newRow("just above 99") << "99.5" << "Male" << b << InputBox::Year << true;

        // Failure C only for the exact initial text
        QTest::newRow("no sex chosen") << "81" << "Select" << c << InputBox::Sex << false;
        // clang-format on
    }

    void shouldRejectInput()
    {
        QFETCH(QString, year);
        QFETCH(QString, sex);
        QFETCH(QString, message);
        QFETCH(InputBox, focus);
        QFETCH(bool, clearsYear);
        const auto result = Run(year, sex);
        QVERIFY(std::holds_alternative<InputFailure>(result));
        const InputFailure failure = std::get<InputFailure>(result);
        QCOMPARE(Q(failure.message), message);
        QCOMPARE(failure.focus, focus);
        QCOMPARE(failure.clearsYear, clearsYear);
    }

    void shouldKeepKuaEntriesAbsentForOtherSexTexts_data()
    {
        // clang-format off
        QTest::addColumn<QString>("sex");
        QTest::newRow("lower case") << "male";
        QTest::newRow("capitals") << "MALE";
        QTest::newRow("trailing blank") << "Male ";
        QTest::newRow("empty") << "";
        QTest::newRow("select in lower case") << "select";
        // clang-format on
    }

    void shouldKeepKuaEntriesAbsentForOtherSexTexts()
    {
        QFETCH(QString, sex);
        const KuaReading reading = ReadingOf(Run("81", sex, " Fire"));
        QCOMPARE(reading.kuaNumber, std::string(" "));
        for (const ReadingEntry entry : kKuaKeyed)
            QVERIFY(!reading.at(entry));
        QCOMPARE(Q(reading.at(ReadingEntry::ChineseYear)), QStringLiteral(" Rooster/Cock"));
        QCOMPARE(Q(reading.at(ReadingEntry::BestPartners)), QStringLiteral(" Ox, snake or rooster"));
        QCOMPARE(Q(reading.at(ReadingEntry::BestSeason)), QStringLiteral(" Summer"));
    }

    // Without a row of its own, a reading follows whatever element the window still shows.
    void shouldFollowTheShownElementWhenKuaHasNoRow_data()
    {
        // clang-format off
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("kuaNumber");
        QTest::addColumn<QString>("season"); // "<absent>" when no element row matches

        QTest::newRow("stale Fire, unknown sex") << "81" << "male" << " Fire" << " " << " Summer";
        QTest::newRow("empty caption, unknown sex") << "81" << "male" << "" << " " << "<absent>";
        QTest::newRow("caption without blank") << "81" << "male" << "Fire" << " " << "<absent>";
        QTest::newRow("-5 female is 0") << "-5" << "Female" << " Wood" << " 0" << " Spring";
        QTest::newRow("-9 male is 10") << "-9" << "Male" << " Metal" << " 10" << " Autumn";
        QTest::newRow("-9 female is -4") << "-9" << "Female" << " Water" << " -4" << " Winter";
        QTest::newRow(".5 male is 0.95") << ".5" << "Male" << " Earth" << " 0.95" << " ------";
        QTest::newRow(".5 female is 5.5") << ".5" << "Female" << "" << " 5.5" << "<absent>";
        QTest::newRow("own row wins over a stale one") << "81" << "Male" << " Fire" << " 1" << " Winter";
        // clang-format on
    }

    void shouldFollowTheShownElementWhenKuaHasNoRow()
    {
        QFETCH(QString, year);
        QFETCH(QString, sex);
        QFETCH(QString, caption);
        QFETCH(QString, kuaNumber);
        QFETCH(QString, season);
        const KuaReading reading = ReadingOf(Run(year, sex, caption));
        QCOMPARE(QString::fromStdString(reading.kuaNumber), kuaNumber);
        QCOMPARE(Q(reading.at(ReadingEntry::BestSeason)), season);
        for (const ReadingEntry entry : kElementKeyed)
            QCOMPARE(reading.at(entry).has_value(), season != "<absent>");
    }

    void shouldLeaveZodiacAbsentForNegativeAndFractionalYears()
    {
        for (const char* year : {"-5", "-9", ".5", "5.5", "-0.5"}) {
            const KuaReading reading = ReadingOf(Run(year, "Male"));
            QVERIFY2(!reading.at(ReadingEntry::ChineseYear) && !reading.at(ReadingEntry::BestPartners), year);
        }
    }

    void shouldUseTheLocaleSeparator()
    {
        const KuaReading reading = ReadingOf(Run(",5", "Male", {}, ","));
        QCOMPARE(reading.kuaNumber, std::string(" 0,95"));
    }
};

QTEST_APPLESS_MAIN(CalculateTest)
#include "calculate_test.moc"
