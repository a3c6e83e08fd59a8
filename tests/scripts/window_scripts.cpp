#include "window_scripts.h"

namespace {

// One script a paragraph: its name, a colon, then its steps; a line that goes on indents.
// First the texts that the scripts name in braces, each after "= " with its leading blank:
// the three messages, the default tip, the empty reading, the reading of 81 Male without
// its tip, and that tip.
constexpr std::string_view kScripts = R"(
{A} = "Please enter last two digits of your birth year. For example, enter 81 if birth year is 1981, enter 00 if 2000."

{B} = "Please enter digits only, ranging from 00 to 99. No alphbatic characters."

{C} = "Please select your sex either male or female."

{tip} =  Never put water, plants or things representing them in your bed-room.

{none} = ||||||||||||||||||{tip}

{81} =  1| KAN| Water| South-East| Winter| Rooster/Cock| Black, dark blue| East| South| North| South-East| South-West|
  North-West| North-East| West| Lakes, aquarium, ponds| Water| Ox, snake or rooster|

{water} =  Put paintings of water, aquarium or things representing water in the south east direction of your home or
  office.

{said81} = Kua number : 1. Group : KAN. Element : Water. Sheng Ch'i : South-East. Best season : Winter. Chinese year :
  Rooster/Cock. Lucky color : Black, dark blue. Lucky object : Lakes, aquarium, ponds. Lucky for/in : Water.
  Best partners : Ox, snake or rooster. Good Directions. Health : East. Romance/Love : South. Mentors/Career : North.
  Success : South-East. Bad Directions. Total Loss : South-West. 6 Killings : North-West. 5 Ghosts North-East.
  Unlucky : West. Tips.{water}

start: expect centred; expect focus Text1; expect Combo1 Select; expect reading {none}

a reading, and one over it: year 81; sex Male; click Command1; expect reading {81}{water}; expect spoken {said81};
  year 79; key Alt+C;
  expect Label23 " Goat"; expect Label18 " 3"

a typed sex follows the element shown: year 79; sex Male; click Command1; sex male; year 81; click Command1;
  expect Label18 " "; expect Label22 " Spring"; expect Label23 " Rooster/Cock"; click Command5; year 81; sex male;
  click Command1; expect Label22 ""; expect Label39 "{tip}"

empty year, told by the message alone: year 81; sex Male; click Command1; year; click Command1;
  expect open Dialog1 {A}; expect spoken {said81}; expect Text1 "";
  expect reading {81}{water}; okay Dialog1; expect focus Text1; expect reading {81}{tip}

letters before no sex: year 81; sex Male; click Command1; year ab; sex Select; click Command1; expect open Dialog1 {B};
  expect Text1 ""; expect reading {81}{water}; okay Dialog1; expect focus Text1; expect reading {81}{tip}

no sex: year 81; sex Male; click Command1; year 79; sex Select; click Command1; expect open Dialog1 {C};
  expect Text1 79; expect reading {81}{water}; okay Dialog1; expect focus Combo1; expect reading {81}{tip}

the window works while the message is open, and reuses it: move; click Command1; activate Form1; year 81; sex Female;
  click Command1; expect Label18 " 8"; expect open Dialog1 {A}; sex Select; click Command1; expect open Dialog1 {C};
  expect active Dialog1; expect centred Dialog1

the message closes by Return, Space or Alt+K, not by Esc: click Command1; key Esc; expect open Dialog1; key Return;
  expect closed Dialog1; click Command1; key Space; expect closed Dialog1; click Command1; key Alt+K;
  expect closed Dialog1

About closes by Return, Space or Alt+K, not by Esc: click Command3; key Esc; expect open Dialog; key Return;
  expect closed Dialog; click Command3; key Space; expect closed Dialog; click Command3; key Alt+K; expect closed Dialog

one About dialog, centred on the main window; its okay returns to the year box and tip, not to a closed Form1: year 81;
  sex Male; click Command1; move; click Command3; activate Form1; key Alt+B; expect open Dialog; expect centred Dialog;
  expect active Dialog; okay Dialog; expect focus Text1; expect reading {81}{tip}; click Command3; close Dialog;
  expect active Form1; click Command3; close Form1; okay Dialog; expect closed Dialog; expect closed Form1

the default tip comes back from the program's own dialogs only: year 81; sex Male; click Command1; leave;
  expect Label39 "{water}"; year ab; click Command1; expect active Dialog1; expect Label39 "{water}"; okay Dialog1;
  expect Label39 "{tip}"

reset empties the values and the inputs, silently: year 81; sex Male; click Command1; key Alt+R;
  expect spoken {said81}; expect reading {none};
  expect Text1 ""; expect Combo1 Select; expect focus Text1; expect Label35 "Lucky for/in :"

Enter and Esc in the inputs and a click on the banner press nothing: year 81; sex Male; key Return; key Esc;
  click Text1; key Enter; key Esc; click Command2; expect Label18 ""; expect closed Dialog1; expect closed Dialog

Tab goes round, Shift+Tab back: year 81; sex Female; key Tab; expect focus Command3; key Tab; expect focus Command5;
  key Tab; expect focus Command1; key Return; expect Label18 " 8"; key Tab; expect focus Command4; key Tab;
  expect focus Text1; key Shift+Tab; key Shift+Tab; key Shift+Tab; key Shift+Tab; key Shift+Tab; expect focus Combo1

the year box holds two characters of any kind: year 197; expect Text1 19; year; paste 1979; expect Text1 19; year ab;
  expect Text1 ab

the sex box keeps what is typed, or picks from its list: sex male; key Return; expect Combo1 male; key Down;
  expect Combo1 Male; key Down; expect Combo1 Female

help and the web link: key Alt+H; expect opened index.htm; click Label40;
  expect opened https://www.orrindale.example
)";

std::string Unquoted(std::string_view text)
{
    if (text.size() > 1 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return std::string(text);
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::vector<std::string> Split(std::string_view text, std::string_view separator)
{
    std::vector<std::string> parts;
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
        parts.emplace_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    parts.emplace_back(text);
    return parts;
}

} // namespace

std::vector<Script> WindowScripts()
{
    std::vector<Script> scripts;
    std::vector<std::pair<std::string, std::string>> texts; // {name}, text
    std::string_view rest = kScripts.substr(1); // after the opening line break
    for (std::string paragraph : Split(rest.substr(0, rest.size() - 1), "\n\n")) {
        for (const auto& [name, text] : texts)
            ReplaceAll(paragraph, name, text);
        ReplaceAll(paragraph, "\n  ", " ");
        if (paragraph.starts_with('{')) {
            const std::size_t equals = paragraph.find(" = ");
            texts.emplace_back(paragraph.substr(0, equals), paragraph.substr(equals + 3));
        } else {
            const std::size_t colon = paragraph.find(": ");
            scripts.push_back({paragraph.substr(0, colon), Split(std::string_view(paragraph).substr(colon + 2), "; ")});
        }
    }
    return scripts;
}

Step ParseStep(std::string_view step)
{
    const std::size_t blank = step.find(' ');
    if (blank == std::string_view::npos)
        return {std::string(step), {}};
    return {std::string(step.substr(0, blank)), Unquoted(step.substr(blank + 1))};
}
