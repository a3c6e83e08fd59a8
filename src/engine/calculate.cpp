#include "reading.h"

#include "kua_number.h"
#include "kua_table.h"
#include "number_text.h"
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
    constexpr auto first = static_cast<std::size_t>(ReadingEntry::Health);
    for (std::size_t heading = 0; heading < row.byHeading.size(); ++heading)
        reading.set(static_cast<ReadingEntry>(first + heading), row.byHeading[heading]);
}

KuaReading Read(double year, std::string_view sex, std::string_view elementCaption,
                std::string_view decimalSeparator) noexcept
{
    KuaReading reading;
    const std::optional<double> kua = ComputeKua(year, sex);
    reading.kuaNumber = " " + (kua ? NumberText(*kua, decimalSeparator) : std::string());

    const KuaRow* kuaRow = kua ? FindKuaRow(*kua) : nullptr;
    if (kuaRow)
        AddKuaRow(reading, *kuaRow);
    // The element label is read back as the key, so this reading's element wins when it
    // has one, and the element shown before stands otherwise.
    if (const ElementRow* elementRow = FindElementRow(kuaRow ? kuaRow->element : elementCaption))
        AddElementRow(reading, *elementRow);
    if (const std::optional<ZodiacRow> zodiac = FindZodiacRow(year)) {
        reading.set(ReadingEntry::ChineseYear, zodiac->animal);
        reading.set(ReadingEntry::BestPartners, zodiac->partners);
    }
    if (const DirectionRow* directionRow = kua ? FindDirectionRow(*kua) : nullptr)
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
