#pragma once

// The two dialogs: the message dialog Dialog1, which shows what is wrong with an input,
// and the About dialog Dialog. Each closes by its O&kay button, Command1.
#include "window_description.h"

#include <array>

namespace morvane::forms {

inline constexpr std::string_view kMessageLabel = "Label1";

inline constexpr std::string_view kNoticeText = "Copyright \u00a9 {year} {maker}";

// clang-format off
inline constexpr auto kMessageDialogControls = std::to_array<Control>({
    {ControlKind::Label,  kMessageLabel, "",      { 120,  120, 3135, 735}}, // three lines for the message
    {ControlKind::Button, "Command1",    "O&kay", {1080, 1080, 1215, 375}, {.command = Command::Close}},
});

inline constexpr auto kAboutDialogControls = std::to_array<Control>({
    {ControlKind::Label,  "Label1",   "{product}", {1320,  120, 3495, 375},
     {.font = {.points = 12, .bold = true}, .ink = {0, 0, 128}}}, // the title, navy
    {ControlKind::Label,  "Label2",   kNoticeText, {1200,  600, 3495, 255}, {.font = {.bold = true}}},
    {ControlKind::Label,  "Label3",
     "{product} is free software under the MIT License: you may use, copy, change and pass it on, free of charge or "
     "for a fee, provided the copyright notice and the licence go with every copy. It comes with no warranty of any "
     "kind.",                                      { 120,  960, 5895, 975}}, // four lines
    {ControlKind::Button, "Command1", "O&kay",     {2280, 2040, 1455, 375}, {.command = Command::ReturnToYearBox}},
});
// clang-format on

inline constexpr WindowDescription kMessageDialog{
    "Dialog1", " Oops . . .", 3345, 1545, WindowKind::Dialog, kMessageDialogControls};

// Orca counts only texts of three words or more among a dialog's texts, so the one-word
// title is heard with the dialog's name.
inline constexpr WindowDescription kAboutDialog{
    "Dialog", " About", 6030, 2610, WindowKind::Dialog, kAboutDialogControls, " About {product}"};

static_assert(IsWhole(kMessageDialog) && IsWhole(kAboutDialog));

} // namespace morvane::forms
