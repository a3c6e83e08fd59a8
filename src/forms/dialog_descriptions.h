#pragma once

// The two dialogs: the message dialog Dialog1, which shows what is wrong with an input,
// and the About dialog Dialog. Each closes by its O&kay button, Command1.
#include "window_description.h"

#include <array>

namespace morvane::forms {

inline constexpr std::string_view kOkayButton = "Command1";
inline constexpr std::string_view kMessageLabel = "Label1";

// clang-format off
inline constexpr std::array<Control, 2> kDialog1Controls{{
    {ControlKind::Label,  "Label1",   "",       { 120,  120, 3135, 735}}, // three lines for the message
    {ControlKind::Button, "Command1", "O&kay",  {1080, 1080, 1215, 375}},
}};

inline constexpr std::array<Control, 4> kDialogControls{{
    {ControlKind::Label,  "Label1",   "Morvane",                    {1320,  120, 3495, 375}},
    {ControlKind::Label,  "Label2",   "Copyright \u00a9 2026 Orrindale", {1200,  600, 3495, 255}},
    {ControlKind::Label,  "Label3",
     "Morvane is free software under the MIT License: you may use, copy, change and pass it on, free of charge or "
     "for a fee, provided the copyright notice and the licence go with every copy. It comes with no warranty of any "
     "kind.",                                                            { 120,  960, 5895, 975}}, // four lines
    {ControlKind::Button, "Command1", "O&kay",                      {2280, 2040, 1455, 375}},
}};

inline constexpr std::array<ControlLook, 2> kDialogLooks{{
    {"Label1", {.points = 12, .bold = true}, {0, 0, 128}}, // the title, navy
    {"Label2", {.bold = true},               kBlack},      // the maker's notice
}};
// clang-format on

inline constexpr WindowDescription kDialog1{"Dialog1", " Oops . . .", 3345, 1545, WindowKind::Dialog, kDialog1Controls};

// Orca counts only texts of three words or more among a dialog's texts, so the one-word
// title is heard with the dialog's name.
inline constexpr WindowDescription kDialog{
    "Dialog", " About", 6030, 2610, WindowKind::Dialog, kDialogControls, kDialogLooks, " About Morvane"};

} // namespace morvane::forms
