#include "shell.h"

#include "text.h"

#include <windows.h>

#include <shellapi.h>

void OpenInBrowser(const std::wstring& pageOrAddress)
{
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_FLAG_NO_UI;
    execute.lpVerb = L"open";
    execute.lpFile = pageOrAddress.c_str();
    execute.nShow = SW_SHOWMAXIMIZED;
    ShellExecuteExW(&execute);
}

std::wstring ProgramDirectory()
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2); // a long path: try again with more room
    path.resize(length);
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring CurrentDirectory()
{
    std::wstring path(GetCurrentDirectoryW(0, nullptr), L'\0');
    path.resize(GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data()));
    if (!path.empty() && path.back() != L'\\')
        path += L'\\'; // a drive's root comes with its separator
    return path;
}

bool IsFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string UserDecimalSeparator()
{
    wchar_t separator[LOCALE_NAME_MAX_LENGTH]{};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, LOCALE_NAME_MAX_LENGTH);
    return length > 1 ? Utf8(std::wstring_view(separator, static_cast<std::size_t>(length - 1))) : ".";
}

std::vector<std::string> UserLanguages()
{
    ULONG count = 0;
    ULONG size = 0;
    GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size);
    std::wstring names(size, L'\0'); // each ends with a NUL, and the list with one more
    GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size);
    std::vector<std::string> languages;
    for (std::wstring_view list = names; !list.empty() && list.front() != L'\0';) {
        const std::wstring_view name = list.substr(0, list.find(L'\0'));
        languages.push_back(Utf8(name));
        list.remove_prefix(name.size() + 1);
    }
    return languages;
}
