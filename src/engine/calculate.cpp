#include "reading.h"

#include "kua_number.h"
#include "kua_table.h"
#include "number_text.h"
#include "table_lookup.h"
#include "zodiac_table.h"

namespace morvane {
namespace {

void AddKuaRow(KuaReading& reading, const KuaRow& row) noexcept
{
    reading.set(ReadingEntry::Group, row.group);
    reading.set(ReadingEntry::Element, row.element);
    reading.set(ReadingEntry::ShengChi, row.shengChi);
    reading.set(ReadingEntry::LuckyFor, row.luckyFor);
}

void AddElementRow(KuaReading& reading, const ElementRow& row) noexcept
{
    reading.set(ReadingEntry::BestSeason, row.bestSeason);
    reading.set(ReadingEntry::LuckyColor, row.luckyColor);
    reading.set(ReadingEntry::LuckyObject, row.luckyObject);
    reading.set(ReadingEntry::Tip, row.tip);
}

void AddDirectionRow(KuaReading& reading, const DirectionRow& row) noexcept
{
    reading.set(ReadingEntry::Health, row.health);
    reading.set(ReadingEntry::RomanceLove, row.romanceLove);
    reading.set(ReadingEntry::MentorsCareer, row.mentorsCareer);
    reading.set(ReadingEntry::Success, row.success);
    reading.set(ReadingEntry::TotalLoss, row.totalLoss);
    reading.set(ReadingEntry::SixKillings, row.sixKillings);
    reading.set(ReadingEntry::FiveGhosts, row.fiveGhosts);
    reading.set(ReadingEntry::Unlucky, row.unlucky);
}

KuaReading Read(double year, std::string_view sex, std::string_view elementCaption,
                std::string_view decimalSeparator) noexcept
{
    KuaReading reading;
    const std::optional<double> kua = ComputeKua(year, sex);
    reading.setKuaNumber(" " + (kua ? NumberText(*kua, decimalSeparator) : std::string()));

    const KuaRow* kuaRow = kua ? FindRow(kKuaTable, *kua, &KuaRow::kua) : nullptr;
    if (kuaRow)
        AddKuaRow(reading, *kuaRow);
    // The element label is read back as the key, so this reading's element wins when it
    // has one, and the element shown before stands otherwise.
    if (const ElementRow* elementRow =
            FindRow(kElementTable, kuaRow ? kuaRow->element : elementCaption, &ElementRow::element))
        AddElementRow(reading, *elementRow);
    if (const std::optional<ZodiacRow> zodiac = FindZodiacRow(year)) {
        reading.set(ReadingEntry::ChineseYear, zodiac->animal);
        reading.set(ReadingEntry::BestPartners, zodiac->partners);
    }
    if (const DirectionRow* directionRow = kua ? FindRow(kDirectionTable, *kua, &DirectionRow::kua) : nullptr)
        AddDirectionRow(reading, *directionRow);
    return reading;
}

} // namespace

std::variant<InputFailure, KuaReading> Calculate(const BirthInput& input, std::string_view elementCaption,
                                                 std::string_view decimalSeparator) noexcept
{
    const std::variant<InputFailure, double> checked = CheckInput(input, decimalSeparator);
    if (const auto* failure = std::get_if<InputFailure>(&checked))
        return *failure;
    return Read(std::get<double>(checked), input.sexText, elementCaption, decimalSeparator);
}

} // namespace morvane
