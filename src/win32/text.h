#pragma once

#include <string>
#include <string_view>

// The description and the engine speak UTF-8; Windows speaks UTF-16.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
