#pragma once

// The main window, Form1: every control with its text and place, how some of them look,
// what screen readers are told of them, and which labels a reading, Reset and the
// activation write.
#include "maker.h"
#include "window_description.h"

#include <array>

namespace morvane::forms {

inline constexpr std::string_view kYearBox = "Text1";
inline constexpr std::string_view kSexBox = "Combo1";
inline constexpr std::string_view kCalculateButton = "Command1";
inline constexpr std::string_view kBanner = "Command2";
inline constexpr std::string_view kAboutButton = "Command3";
inline constexpr std::string_view kHelpButton = "Command4";
inline constexpr std::string_view kResetButton = "Command5";
inline constexpr std::string_view kKuaNumberLabel = "Label18";
inline constexpr std::string_view kElementLabel = "Label20";
inline constexpr std::string_view kTipLabel = "Label39";
inline constexpr std::string_view kWebLinkLabel = "Label40";

inline constexpr int kYearLength = 2; // characters the year box holds
inline constexpr std::string_view kSexPrompt = "Select"; // the sex box's text at start, not an item
inline constexpr std::array<std::string_view, 2> kSexItems{"Male", "Female"};
inline constexpr std::string_view kDefaultTip =
    " Never put water, plants or things representing them in your bed-room.";

inline constexpr std::string_view kYearTip = "For example, enter 79 if birth year is 1979, enter 01 if it is 2001.";
inline constexpr std::string_view kAboutTip = "About this software and Orrindale";
inline constexpr std::string_view kResetTip = "Resets all fields";

using enum ControlKind;

// Each caption comes just before the control it names, and the controls that take the
// focus stand in their Tab order: year, sex, About, Reset, Calculate, Help.
// clang-format off
inline constexpr std::array<Control, 50> kForm1Controls{{
    {Banner,   "Command2", "",                                           { 120,  120, 6975,  615}},
    {Label,    "Label1",   "Enter last two digits of your birth year :", { 120,  840, 3375,  255}},
    {TextBox,  "Text1",    "",                                           {3600,  840,  495,  285}},
    {Label,    "Label2",   "Select your sex :",                          { 120, 1200, 1575,  255}},
    {ComboBox, "Combo1",   kSexPrompt,                                   {2880, 1200, 1215,  360}, {}, kSexItems},
    {Button,   "Command3", "A&bout",                                     {6000,  840, 1095,  375}},
    {Button,   "Command5", "&Reset",                                     {4440, 1320, 1215,  375}},
    {Button,   "Command1", "&Calculate",                                 {4440,  840, 1215,  375}},
    {Button,   "Command4", "&Help",                                      {6000, 1320, 1095,  375}},

    // General results: caption, then value
    {Label, "Label3",  "Kua number :",    { 120, 1680, 1215, 255}}, {Label, "Label18", "", {1560, 1560,  495, 375}},
    {Label, "Label4",  "Group :",         { 120, 2040,  735, 255}}, {Label, "Label19", "", {1440, 2040, 1095, 255}},
    {Label, "Label5",  "Element :",       { 120, 2400,  855, 255}}, {Label, "Label20", "", {1440, 2400, 1215, 255}},
    {Label, "Label6",  "Sheng Ch'i :",    { 120, 2760, 1335, 255}}, {Label, "Label21", "", {1440, 2760, 1455, 255}},
    {Label, "Label7",  "Best season :",   { 120, 3120, 1335, 255}}, {Label, "Label22", "", {1440, 3120, 1215, 255}},
    {Label, "Label8",  "Chinese year :",  { 120, 3480, 1335, 255}}, {Label, "Label23", "", {1440, 3480, 1335, 255}},
    // Lucky color is as wide as its neighbours, so that " White, silver, gold" fits.
    {Label, "Label9",  "Lucky color :",   { 120, 3840, 1215, 255}}, {Label, "Label24", "", {1440, 3840, 2295, 255}},
    {Label, "Label33", "Lucky object :",  { 120, 4200, 1335, 255}}, {Label, "Label34", "", {1440, 4200, 2295, 255}},
    {Label, "Label35", "Lucky for/in :",  { 120, 4560, 1215, 255}}, {Label, "Label36", "", {1440, 4560, 1335, 255}},
    {Label, "Label37", "Best partners :", { 120, 4920, 1335, 255}}, {Label, "Label38", "", {1440, 4920, 2295, 255}},

    {Frame, "Frame2", "Good Directions", {4080, 1800, 3015, 1815}},
    {Label, "Label10", "Health :",         { 120,  360,  735, 255}, "Frame2"},
    {Label, "Label25", "",                 {1680,  360, 1215, 255}, "Frame2"},
    {Label, "Label11", "Romance/Love :",   { 120,  720, 1575, 255}, "Frame2"},
    {Label, "Label26", "",                 {1680,  720, 1215, 255}, "Frame2"},
    {Label, "Label12", "Mentors/Career :", { 120, 1080, 1575, 255}, "Frame2"},
    {Label, "Label27", "",                 {1680, 1080, 1215, 255}, "Frame2"},
    {Label, "Label13", "Success :",        { 120, 1440,  975, 255}, "Frame2"},
    {Label, "Label28", "",                 {1680, 1440, 1215, 255}, "Frame2"},

    {Frame, "Frame1", "Bad Directions", {4080, 3600, 3015, 1815}},
    {Label, "Label14", "Total Loss :",     { 120,  360, 1095, 255}, "Frame1"},
    {Label, "Label29", "",                 {1440,  360, 1455, 255}, "Frame1"},
    {Label, "Label15", "6 Killings :",     { 120,  720, 1095, 255}, "Frame1"},
    {Label, "Label30", "",                 {1440,  720, 1455, 255}, "Frame1"},
    {Label, "Label16", "5 Ghosts",         { 120, 1080, 1095, 255}, "Frame1"},
    {Label, "Label31", "",                 {1440, 1080, 1455, 255}, "Frame1"},
    {Label, "Label17", "Unlucky :",        { 120, 1440,  975, 255}, "Frame1"},
    {Label, "Label32", "",                 {1440, 1440, 1455, 255}, "Frame1"},

    {Frame, "Frame3", "Tips", {120, 5400, 6975, 975}},
    {Label, "Label39", "", {120, 360, 6735, 495}, "Frame3"}, // two lines high

    {Label, "Label40", kMakerWebAddress, {3480, 6360, 3615, 255}},
}};
// clang-format on

// The controls that look other than black text in the regular font.
// clang-format off
inline constexpr std::array<ControlLook, 3> kForm1Looks{{
    {"Label18", {.points = 18},   {255,   0,   0}}, // the Kua number, large and red
    {"Label39", {},               {  0, 128,   0}}, // the tip, dark green
    {"Label40", {.italic = true}, {  0,   0, 255}}, // the web link
}};
// clang-format on

inline constexpr WindowDescription kForm1{
    "Form1", " Morvane 1.5", 7170, 6660, WindowKind::Main, kForm1Controls, kForm1Looks};

// The banner's pale yellow face and its picture, which is centred on it.
inline constexpr Rgb kBannerFace{255, 255, 128};
inline constexpr std::string_view kBannerPicture = "banner";
inline constexpr int kBannerPictureWidth = 290; // pixels at 96 dpi
inline constexpr int kBannerPictureHeight = 31;

// clang-format off
inline constexpr std::array<ControlTip, 3> kForm1Tips{{
    {"Text1",    kYearTip},
    {"Command3", kAboutTip},
    {"Command5", kResetTip},
}};

// What screen readers call the controls that have no caption of their own, or one with an
// access-key mark, and what they add to them.
inline constexpr std::array<ScreenReaderText, 8> kForm1ScreenReaderTexts{{
    {"Text1",    "Last two digits of your birth year", kYearTip},
    {"Combo1",   "Your sex",                           ""},
    {"Command1", "Calculate",                          ""},
    {"Command2", "Morvane",                            ""},
    {"Command3", "About",                              kAboutTip},
    {"Command4", "Help",                               ""},
    {"Command5", "Reset",                              kResetTip},
    {"Label40",  "",                                   "Opens the maker's web site"},
}};

// Each caption label and the control beside it that it names for screen readers.
inline constexpr std::array<CaptionOf, 20> kForm1Captions{{
    {"Label1",  "Text1"},   {"Label2",  "Combo1"},
    {"Label3",  "Label18"}, {"Label4",  "Label19"}, {"Label5",  "Label20"}, {"Label6",  "Label21"},
    {"Label7",  "Label22"}, {"Label8",  "Label23"}, {"Label9",  "Label24"}, {"Label33", "Label34"},
    {"Label35", "Label36"}, {"Label37", "Label38"},
    {"Label10", "Label25"}, {"Label11", "Label26"}, {"Label12", "Label27"}, {"Label13", "Label28"},
    {"Label14", "Label29"}, {"Label15", "Label30"}, {"Label16", "Label31"}, {"Label17", "Label32"},
}};

// The value labels a reading writes after the Kua number, in the engine's entry order.
inline constexpr std::array<std::string_view, 18> kReadingLabels{
    "Label19", "Label20", "Label21", "Label22", "Label23", "Label38", "Label24", "Label34", "Label36",
    "Label25", "Label26", "Label27", "Label28", "Label29", "Label30", "Label31", "Label32", "Label39"};

// The value labels Reset empties, in its order.
inline constexpr std::array<std::string_view, 18> kResetLabels{
    "Label18", "Label19", "Label20", "Label21", "Label22", "Label23", "Label24", "Label34", "Label36",
    "Label38", "Label25", "Label26", "Label27", "Label28", "Label29", "Label30", "Label31", "Label32"};
// clang-format on

} // namespace morvane::forms
