#pragma once

// The compass window: the person's eight directions as a picture (compass.h draws it), the
// way it is turned, the eight as lines of text that screen readers read one by one, and
// the reading printed or copied. It opens beside the main window and closes by Esc or its
// close button.
#include "window_description.h"
#include "window_menu.h"

#include <array>

namespace morvane::forms {

inline constexpr std::string_view kCompassPicture = "Picture1";
inline constexpr std::string_view kCompassList = "List1";

// clang-format off
inline constexpr auto kCompassControls = std::to_array<Control>({
    {ControlKind::Canvas, kCompassPicture,    "",                  { 120,  120, 5760, 6300},
     {.spokenName = "Compass of your eight directions"}},
    {ControlKind::Option,  "Option1",          "&North at the top", { 240, 6480, 2640,  300},
     {.command = Command::NorthUp, .chosen = true}},
    {ControlKind::Option,  "Option2",          "&South at the top", {3000, 6480, 2760,  300},
     {.command = Command::SouthUp}},
    {ControlKind::List,    kCompassList,       "",                  { 120, 6900, 5760, 2475},
     {.spokenName = "Your eight directions"}},
    {ControlKind::Button,  "Command1",         "&Print\u2026",      { 120, 9495, 1455,  375},
     {.command = Command::Print}},
    {ControlKind::Button,  "Command2",         "C&opy the reading", {1680, 9495, 2415,  375},
     {.command = Command::Copy}},
});
// clang-format on

inline constexpr WindowDescription kCompassWindow{"Compass", " Compass", 6000, 9990,
                                                  WindowKind::Dialog, kCompassControls, {}, kWindowMenu,
                                                  Command::Close, Placement::Beside};

static_assert(IsWhole(kCompassWindow));

} // namespace morvane::forms
