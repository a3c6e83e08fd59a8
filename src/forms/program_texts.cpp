#include "program_texts.h"

#include "direction_table.h"
#include "kua_table.h"
#include "program.h"
#include "spoken_reading.h"
#include "zodiac_table.h"

#include <algorithm>

namespace morvane::forms {

std::vector<ProgramText> ProgramTexts()
{
    std::vector<ProgramText> texts;
    const auto add = [&texts](std::string_view text, std::string where, std::string_view context = {}) {
        const auto listed = [&](const ProgramText& other) { return other.text == text && other.context == context; };
        if (!text.empty() && IsTranslated(text) && std::ranges::none_of(texts, listed))
            texts.push_back({text, std::move(where), context});
    };
    const std::string_view luckyFor = ControlNamed(kForm1, LabelShowing(kForm1, ReadingEntry::LuckyFor)).traits.context;
    for (const WindowDescription* window : kWindows) {
        const std::string name(window->name);
        add(window->title, name + ", its title");
        add(window->spokenName, name + ", what screen readers call it");
        for (const MenuItem& item : window->menu)
            add(item.text, name + ", its context menu");
        for (const Control& control : window->controls) {
            const std::string where = name + " " + std::string(control.name);
            add(control.text, where);
            for (const std::string_view item : control.traits.items)
                add(item, where + ", in its list");
            add(control.traits.tip, where + ", its tip");
            add(control.traits.spokenName, where + ", what screen readers call it");
            add(control.traits.spokenDescription, where + ", what screen readers add");
        }
    }
    for (const std::string_view message : {kEmptyYearMessage, kBadYearMessage, kNoSexMessage})
        add(message, "Dialog1 Label1, a message");
    add(kDefaultTip, "Form1 Label39, the tip before a reading");
    add(kSentenceEnd, "between two sentences of what screen readers are told of a reading");
    for (const std::string_view element : kElements)
        add(element, "Form1 Label20, an element");
    for (const std::string_view direction : kDirections)
        add(direction, "Form1, a direction");
    for (const KuaRow& row : kKuaTable) {
        add(row.group, "Form1 Label19, a group (trigram)");
        add(row.luckyFor, "Form1 Label36, what a person is lucky for or in", luckyFor);
    }
    for (const ElementRow& row : kElementTable) {
        add(row.bestSeason, "Form1 Label22, a season");
        add(row.luckyColor, "Form1 Label24, lucky colours");
        add(row.luckyObject, "Form1 Label34, lucky objects");
        add(row.tip, "Form1 Label39, a tip");
    }
    for (const std::string_view animal : kAnimals)
        add(animal, "Form1 Label23, an animal of the Chinese years");
    for (const std::string_view partners : kPartners)
        add(partners, "Form1 Label38, best partners");
    for (const Star& star : kStars)
        add(star.meaning, "Compass List1, what a direction's star stands for");
    add(kGoodMark, "Compass Picture1, the mark of a good direction's sector");
    add(kBadMark, "Compass Picture1, the mark of a bad direction's sector");
    add(kGood, "Compass List1, a good direction");
    add(kBad, "Compass List1, a bad direction");
    add(kEastGroup, "Compass Picture1, the group of Kua numbers 1, 3, 4 and 9");
    add(kWestGroup, "Compass Picture1, the group of Kua numbers 2, 6, 7 and 8");
    add(kNorthAtTheTop, "Compass Picture1, under the compass");
    add(kSouthAtTheTop, "Compass Picture1, under the compass");
    add(kCompassEmpty, "Compass Picture1 and List1, before any reading");
    add(kVersionLine, "the printed sheet, under the product's name");
    add(kPrintedLine, "the printed sheet, the day it is printed on, as 2026-12-08");
    add(kCompassLine, "Compass List1, a line: {direction}, {star} and {verdict} as shown, {meaning} as above");
    return texts;
}

} // namespace morvane::forms
