#pragma once

#include <string>

// The program's windows as the page's script draws them: their descriptions as JSON, in
// the program's order of windows, each control as described, with its place in twips
// relative to the window and its colours as CSS colours.
std::string DescriptionJson();
