#pragma once

#include <functional>
#include <string>

// What a screen reader says after a reading: the rows in the order a sighted person reads
// the window, each caption with the value beside it, each frame's title before its rows,
// and last "Tips" and the tip. The values are taken as the window shows them, given the
// label's number, so that a row a reading left unchanged is heard as it stands.
std::string SpokenReading(const std::function<std::string(int labelNumber)>& shownText);
