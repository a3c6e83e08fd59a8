// The printed sheet as Windows prints it: drawn onto an enhanced metafile's device
// context, the path a printer takes, for a reading of 81 Male; the text its records hold
// is every row of the reading, the compass's directions and the tip.
#include "compass.h"
#include "direction_table.h"
#include "form1_description.h"
#include "printer.h"
#include "reading_sheet.h"
#include "text.h"

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::forms;

namespace {

int CALLBACK ReadText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM text)
{
    if (record->iType == EMR_EXTTEXTOUTW) {
        const auto* written = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* characters = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record)
                                                                  + written->emrtext.offString);
        *reinterpret_cast<std::string*>(text) += Utf8(std::wstring_view(characters, written->emrtext.nChars)) + ' ';
    }
    return 1;
}

TEST(Sheet, ShouldPrintEveryRowAsText)
{
    const Localized english(Language::English);
    const auto reading = std::get<KuaReading>(Calculate({"81", "Male"}, ""));
    ShownReading shown{};
    for (const ReadingEntry entry : kReadingEntries)
        shown[static_cast<std::size_t>(entry)] = std::string(reading.at(entry).value_or(""));
    const auto rows = ReadingRows(english.window(kForm1), [&](std::string_view label) {
        return shown[static_cast<std::size_t>(*ControlNamed(kForm1, label).traits.shows)];
    });
    const SheetMaker sheet = [&](double width, double height) {
        return ReadingSheet(rows, {{}, "2026-12-08"}, CompassDrawing(shown, Orientation::NorthUp, english), width, height,
                            english);
    };
    const RECT a4{0, 0, 21000, 29700}; // in hundredths of a millimetre
    HDC metafile = CreateEnhMetaFileW(nullptr, nullptr, &a4, nullptr);
    DrawSheet(metafile, sheet, Language::English, 96, {794, 1123}, {});
    HENHMETAFILE drawn = CloseEnhMetaFile(metafile);
    std::string text;
    EnumEnhMetaFile(nullptr, drawn, ReadText, &text, nullptr);
    DeleteEnhMetaFile(drawn);
    std::string expected = ReadingText({}, rows);
    for (const std::string_view direction : kDirections)
        expected += std::string(direction);
    for (std::size_t at = 0; at < expected.size();) {
        const std::size_t end = std::min(expected.find_first_of(" \n", at), expected.size());
        const std::string word = expected.substr(at, end - at);
        EXPECT_NE(text.find(word), std::string::npos) << word;
        at = end + 1;
    }
}

} // namespace
