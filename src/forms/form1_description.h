#pragma once

// The main window, Form1: every control with its text, place and look, what screen
// readers are told of it, what pressing it does and which part of the reading it shows;
// and the controls and texts the program names.
#include "input_check.h"
#include "reading.h"
#include "release_facts.h"
#include "window_description.h"
#include "window_menu.h"

#include <array>

namespace morvane::forms {

inline constexpr std::string_view kYearBox = "Text1";
inline constexpr std::string_view kSexBox = "Combo1";

// What the sex box shows: the prompt, then the items of its list.
inline constexpr auto kSexTexts = std::to_array<std::string_view>({kSexPrompt, "Male", "Female"});
inline constexpr auto kSexItems = std::span(kSexTexts).subspan<1>();
inline constexpr std::string_view kDefaultTip =
    " Never put water, plants or things representing them in your bed-room.";

inline constexpr std::string_view kYearTip = "For example, enter 79 if birth year is 1979, enter 01 if it is 2001.";
inline constexpr std::string_view kResetTip = "Resets all fields";
inline constexpr std::string_view kAboutTip = "About this software and {maker}";

// Each caption comes just before the control it names, and the controls that take the
// focus stand in their Tab order: year, sex, About, Reset, Calculate, Help. A caption
// names its control for screen readers; a value label says which part of the reading it
// shows.
// clang-format off
inline constexpr auto kForm1Controls = [] {
using enum ControlKind;
return std::to_array<Control>({
    {Banner,   "Command2", "",                                           { 120,  120, 6975,  615},
     {.face = {255, 255, 128}, .picture = {"banner", 290, 31}, .spokenName = "{product}"}},
    {Label,    "Label1",   "Enter last two digits of your birth year :", { 120,  840, 3375,  255}, {.names = kYearBox}},
    {TextBox,  kYearBox,   "",                                           {3600,  840,  495,  285},
     {.maxLength = 2, .tip = kYearTip, .spokenName = "Last two digits of your birth year", .spokenDescription = kYearTip}},
    {Label,    "Label2",   "Select your sex :",                          { 120, 1200, 1575,  255}, {.names = kSexBox}},
    {ComboBox, kSexBox,    kSexPrompt,                                   {2880, 1200, 1215,  360},
     {.items = kSexItems, .spokenName = "Your sex"}},
    {Button,   "Command3", "A&bout",                                     {6000,  840, 1095,  375},
     {.tip = kAboutTip, .spokenName = "About", .spokenDescription = kAboutTip, .command = Command::About}},
    {Button,   "Command5", "&Reset",                                     {4440, 1320, 1215,  375},
     {.tip = kResetTip, .spokenName = "Reset", .spokenDescription = kResetTip, .command = Command::Reset}},
    {Button,   "Command1", "&Calculate",                                 {4440,  840, 1215,  375},
     {.spokenName = "Calculate", .command = Command::Calculate}},
    {Button,   "Command4", "&Help",                                      {6000, 1320, 1095,  375},
     {.spokenName = "Help", .command = Command::Help}},

    // General results: caption, then value
    {Label, "Label3",  "Kua number :",    { 120, 1680, 1215, 255}, {.names = "Label18"}},
    {Label, "Label18", "",                {1560, 1560,  495, 375}, {.shows = ReadingEntry::KuaNumber, .font = {.points = 18}, .ink = {255, 0, 0}}},
    {Label, "Label4",  "Group :",         { 120, 2040,  735, 255}, {.names = "Label19"}},
    {Label, "Label19", "",                {1440, 2040, 1095, 255}, {.shows = ReadingEntry::Group}},
    {Label, "Label5",  "Element :",       { 120, 2400,  855, 255}, {.names = "Label20"}},
    {Label, "Label20", "",                {1440, 2400, 1215, 255}, {.shows = ReadingEntry::Element}},
    {Label, "Label6",  "Sheng Ch'i :",    { 120, 2760, 1335, 255}, {.names = "Label21"}},
    {Label, "Label21", "",                {1440, 2760, 1455, 255}, {.shows = ReadingEntry::ShengChi}},
    {Label, "Label7",  "Best season :",   { 120, 3120, 1335, 255}, {.names = "Label22"}},
    {Label, "Label22", "",                {1440, 3120, 1215, 255}, {.shows = ReadingEntry::BestSeason}},
    {Label, "Label8",  "Chinese year :",  { 120, 3480, 1335, 255}, {.names = "Label23"}},
    {Label, "Label23", "",                {1440, 3480, 1335, 255}, {.shows = ReadingEntry::ChineseYear}},
    // Lucky color is as wide as its neighbours, so that " White, silver, gold" fits.
    {Label, "Label9",  "Lucky color :",   { 120, 3840, 1215, 255}, {.names = "Label24"}},
    {Label, "Label24", "",                {1440, 3840, 2295, 255}, {.shows = ReadingEntry::LuckyColor}},
    {Label, "Label33", "Lucky object :",  { 120, 4200, 1335, 255}, {.names = "Label34"}},
    {Label, "Label34", "",                {1440, 4200, 2295, 255}, {.shows = ReadingEntry::LuckyObject}},
    {Label, "Label35", "Lucky for/in :",  { 120, 4560, 1215, 255}, {.names = "Label36"}},
    {Label, "Label36", "",                {1440, 4560, 1335, 255}, {.shows = ReadingEntry::LuckyFor, .context = "lucky for"}},
    {Label, "Label37", "Best partners :", { 120, 4920, 1335, 255}, {.names = "Label38"}},
    {Label, "Label38", "",                {1440, 4920, 2295, 255}, {.shows = ReadingEntry::BestPartners}},

    {Frame, "Frame2",  "Good Directions",  {4080, 1800, 3015, 1815}},
    {Label, "Label10", "Health :",         { 120,  360,  735,  255}, {.container = "Frame2", .names = "Label25"}},
    {Label, "Label25", "",                 {1680,  360, 1215,  255}, {.shows = ReadingEntry::Health, .container = "Frame2"}},
    {Label, "Label11", "Romance/Love :",   { 120,  720, 1575,  255}, {.container = "Frame2", .names = "Label26"}},
    {Label, "Label26", "",                 {1680,  720, 1215,  255}, {.shows = ReadingEntry::RomanceLove, .container = "Frame2"}},
    {Label, "Label12", "Mentors/Career :", { 120, 1080, 1575,  255}, {.container = "Frame2", .names = "Label27"}},
    {Label, "Label27", "",                 {1680, 1080, 1215,  255}, {.shows = ReadingEntry::MentorsCareer, .container = "Frame2"}},
    {Label, "Label13", "Success :",        { 120, 1440,  975,  255}, {.container = "Frame2", .names = "Label28"}},
    {Label, "Label28", "",                 {1680, 1440, 1215,  255}, {.shows = ReadingEntry::Success, .container = "Frame2"}},

    {Frame, "Frame1",  "Bad Directions",   {4080, 3600, 3015, 1815}},
    {Label, "Label14", "Total Loss :",     { 120,  360, 1095,  255}, {.container = "Frame1", .names = "Label29"}},
    {Label, "Label29", "",                 {1440,  360, 1455,  255}, {.shows = ReadingEntry::TotalLoss, .container = "Frame1"}},
    {Label, "Label15", "6 Killings :",     { 120,  720, 1095,  255}, {.container = "Frame1", .names = "Label30"}},
    {Label, "Label30", "",                 {1440,  720, 1455,  255}, {.shows = ReadingEntry::SixKillings, .container = "Frame1"}},
    {Label, "Label16", "5 Ghosts",         { 120, 1080, 1095,  255}, {.container = "Frame1", .names = "Label31"}},
    {Label, "Label31", "",                 {1440, 1080, 1455,  255}, {.shows = ReadingEntry::FiveGhosts, .container = "Frame1"}},
    {Label, "Label17", "Unlucky :",        { 120, 1440,  975,  255}, {.container = "Frame1", .names = "Label32"}},
    {Label, "Label32", "",                 {1440, 1440, 1455,  255}, {.shows = ReadingEntry::Unlucky, .container = "Frame1"}},

    {Frame, "Frame3",  "Tips",             { 120, 5400, 6975,  975}},
    {Label, "Label39", "",                 { 120,  360, 6735,  495}, {.shows = ReadingEntry::Tip, .container = "Frame3", .ink = {0, 128, 0}}},

    {Link,  "Label40", kMakerWebAddress,   {3480, 6360, 3615,  255},
     {.font = {.italic = true}, .ink = {0, 0, 255}, .spokenDescription = "Opens the maker's web site",
      .command = Command::WebSite}},
});
}();
// clang-format on

// The title's version is the system's own text, not the release's.
inline constexpr WindowDescription kForm1{
    "Form1", " {product} 1.5", 7170, 6660, WindowKind::Main, kForm1Controls, {}, kWindowMenu};

inline constexpr std::string_view kElementLabel = LabelShowing(kForm1, ReadingEntry::Element);
inline constexpr std::string_view kTipLabel = LabelShowing(kForm1, ReadingEntry::Tip);

static_assert(IsWhole(kForm1) && ShowsTheReading(kForm1));

} // namespace morvane::forms
