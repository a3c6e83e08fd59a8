#pragma once

#include <string>
#include <vector>

// What the main window asks of Windows beyond its windows.

// Opens a page or an address in the user's default browser, maximized, passing it whole;
// when nothing can open it, nothing happens and nothing is said.
void OpenInBrowser(const std::wstring& pageOrAddress);

// The folder kestrin.exe was started from, and the current folder, each with a trailing
// separator. (std::filesystem would make the program a megabyte larger.)
std::wstring ProgramDirectory();
std::wstring CurrentDirectory();

bool IsFile(const std::wstring& path);

// The decimal separator of the user's locale, in UTF-8.
std::string UserDecimalSeparator();

// The user's preferred languages for Windows' interface, most wanted first ("zh-CN").
std::vector<std::string> UserLanguages();
