#include "remote_program.h"

#include "control_ids.h"
#include "dialog_descriptions.h"
#include "form1_description.h"
#include "text.h"

#include <array>
#include <fstream>
#include <utility>

using namespace morvane::forms;

namespace {

constexpr std::array<const WindowDescription*, 3> kWindows{&kForm1, &kDialog1, &kDialog};

// The live-region events arrive on the driver's thread while it pumps its messages.
std::vector<std::string>& Spoken()
{
    static std::vector<std::string> spoken;
    return spoken;
}

// WM_GETTEXT crosses processes; GetWindowText does not, for another program's controls.
std::wstring WindowText(HWND window)
{
    std::array<wchar_t, 4096> buffer{};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                        2000, &copied);
    return std::wstring(buffer.data(), copied);
}

void CALLBACK RecordLiveRegion(HWINEVENTHOOK, DWORD, HWND region, LONG object, LONG, DWORD, DWORD)
{
    if (object == OBJID_CLIENT)
        Spoken().push_back(Utf8(WindowText(region)));
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

// The recorder stands in for the browser: as the handler of web addresses and of .htm pages.
void RegisterRecorder(const std::wstring& recorder)
{
    const std::wstring command = L"\"" + recorder + L"\" \"%1\"";
    const auto set = [](const wchar_t* key, const std::wstring& value) {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    };
    set(L"https\\shell\\open\\command", command);
    set(L".htm", L"MorvaneTestPage");
    set(L"MorvaneTestPage\\shell\\open\\command", command);
}

} // namespace

RemoteProgram::RemoteProgram(const std::wstring& program, const std::wstring& openRecorder)
{
    RegisterRecorder(openRecorder);
    std::array<wchar_t, MAX_PATH> folder{};
    GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
    m_openedLog = std::wstring(folder.data()) + L"kestrin-opened.txt";
    DeleteFileW(m_openedLog.c_str());
    SetEnvironmentVariableW(L"MORVANE_OPENED_LOG", m_openedLog.c_str());

    Spoken().clear();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + program + L"\"";
    // Started in the temporary folder, which holds no index.htm: Help opens the installed page.
    CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.data(), &startup,
                   &m_process);
    WaitForInputIdle(m_process.hProcess, 10'000);
    m_liveRegionHook = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                                       RecordLiveRegion, m_process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
}

RemoteProgram::~RemoteProgram()
{
    UnhookWinEvent(m_liveRegionHook);
    TerminateProcess(m_process.hProcess, 0);
    WaitForSingleObject(m_process.hProcess, 5'000);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

std::vector<HWND> RemoteProgram::topLevelWindows() const
{
    struct Search {
        DWORD process;
        std::vector<HWND> found;
    } search{m_process.dwProcessId, {}};
    EnumWindows(
        [](HWND window, LPARAM context) {
            auto* search = reinterpret_cast<Search*>(context);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == search->process)
                search->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

const WindowDescription* RemoteProgram::describedBy(HWND window) const
{
    const std::string title = Utf8(WindowText(window));
    for (const WindowDescription* described : kWindows) {
        if (described->title == title)
            return described;
    }
    return nullptr;
}

HWND RemoteProgram::window(std::string_view name) const
{
    for (HWND window : topLevelWindows()) {
        const WindowDescription* described = describedBy(window);
        if (described && described->name == name && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

int RemoteProgram::windowCount(std::string_view name) const
{
    int count = 0;
    for (HWND window : topLevelWindows()) {
        const WindowDescription* described = describedBy(window);
        count += described && described->name == name;
    }
    return count;
}

HWND RemoteProgram::control(std::string_view windowName, std::string_view control) const
{
    HWND parent = window(windowName);
    const WindowDescription* described = parent ? describedBy(parent) : nullptr;
    return described ? GetDlgItem(parent, ControlId(*described, control)) : nullptr;
}

std::string RemoteProgram::text(HWND control) const
{
    return control ? Utf8(WindowText(control)) : std::string("(no such control)");
}

std::string RemoteProgram::nameOf(HWND control) const
{
    const HWND window = GetAncestor(control, GA_ROOT);
    const WindowDescription* described = describedBy(window);
    if (!described)
        return {};
    while (GetParent(control) != window) // the edit field inside the sex box stands for it
        control = GetParent(control);
    const auto index = static_cast<std::size_t>(GetDlgCtrlID(control) - kFirstControlId);
    return index < described->controls.size() ? std::string(described->controls[index].name) : std::string();
}

std::string RemoteProgram::focus() const
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(m_process.dwThreadId, &thread);
    return thread.hwndFocus ? nameOf(thread.hwndFocus) : std::string();
}

std::string RemoteProgram::active() const
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(m_process.dwThreadId, &thread);
    const WindowDescription* described = thread.hwndActive ? describedBy(thread.hwndActive) : nullptr;
    return described ? std::string(described->name) : std::string();
}

std::vector<std::string> RemoteProgram::takeOpened()
{
    std::vector<std::string> opened;
    std::ifstream log(m_openedLog.c_str());
    std::size_t line = 0;
    for (std::string text; std::getline(log, text); ++line) {
        if (line >= m_openedTaken)
            opened.push_back(text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text);
    }
    m_openedTaken += opened.size();
    return opened;
}

std::vector<std::string> RemoteProgram::takeSpoken()
{
    PumpMessages();
    return std::exchange(Spoken(), {});
}

void RemoteProgram::settle() const
{
    for (int round = 0; round < 2; ++round) {
        Sleep(20);
        for (HWND window : topLevelWindows()) {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored);
        }
        PumpMessages();
    }
}
