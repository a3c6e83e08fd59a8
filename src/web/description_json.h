#pragma once

#include <string>

// The program's windows as the page's script draws them, as JSON: for each language the
// program speaks, in its order, the page's texts and the windows' descriptions, in the
// program's order of windows, each control as described, with its place and font size in
// CSS pixels (the window's place relative to the window) and its colours as CSS colours;
// the language tags that pick each language; and the typeface and the ground of every
// window.
std::string DescriptionJson();
