#pragma once

#include "window_description.h"

#include <algorithm>

// Each control's window identifier: its place in its window's table, from 100, clear of
// IDOK and IDCANCEL, which Enter and Esc send and which no control answers to. A driver
// of the windows from outside finds a control by its name the same way.
constexpr int kFirstControlId = 100;

// The identifiers of a window's menu items: in its context menu from here, clear of the
// controls'; in its system menu below Windows' own (0xF000 and up), in steps that leave
// the four low bits, which Windows keeps for itself, clear.
constexpr unsigned kFirstMenuId = 0xA000;
constexpr unsigned kFirstSystemMenuId = 0x1000;
constexpr unsigned kSystemMenuStep = 0x10;

constexpr int ControlId(const morvane::forms::WindowDescription& window, std::string_view name)
{
    const auto found = std::ranges::find(window.controls, name, &morvane::forms::Control::name);
    return kFirstControlId + static_cast<int>(found - window.controls.begin());
}

// The name of the window's control with that identifier, or none.
constexpr std::string_view ControlNameOfId(const morvane::forms::WindowDescription& window, int id)
{
    const auto index = static_cast<std::size_t>(id - kFirstControlId);
    return index < window.controls.size() ? window.controls[index].name : std::string_view();
}
