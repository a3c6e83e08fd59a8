#include "win32_driver.h"

#include "control_ids.h"
#include "program.h"
#include "text.h"
#include "user_input.h"

#include <windows.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

using namespace morvane::forms;

namespace {

// The live-region events arrive on the driver's thread while it pumps its messages.
std::vector<std::string>& Spoken()
{
    static std::vector<std::string> spoken;
    return spoken;
}

// WM_GETTEXT crosses processes; GetWindowText does not, for another program's controls.
std::string WindowText(HWND window)
{
    std::array<wchar_t, 4096> buffer{};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                        2000, &copied);
    return Utf8(std::wstring_view(buffer.data(), copied));
}

// The program's window by its class, "Morvane." and its name, whatever its title's language.
const WindowDescription* DescriptionOf(HWND window)
{
    std::array<wchar_t, 64> className{};
    GetClassNameW(window, className.data(), static_cast<int>(className.size()));
    const auto found = std::ranges::find_if(kWindows, [&](const WindowDescription* described) {
        return Wide(kProductName) + L"." + Wide(described->name) == className.data();
    });
    return found == kWindows.end() ? nullptr : *found;
}

void CALLBACK RecordLiveRegion(HWINEVENTHOOK, DWORD, HWND region, LONG object, LONG, DWORD, DWORD)
{
    if (object == OBJID_CLIENT)
        Spoken().push_back(WindowText(region));
}

void PumpMessages()
{
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
        DispatchMessageW(&message);
}

// This program, as the handler of web addresses and of .htm pages.
void StandInForTheBrowser()
{
    std::array<wchar_t, MAX_PATH> self{};
    GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
    const std::wstring command = L"\"" + std::wstring(self.data()) + L"\" --record \"%1\"";
    const auto set = [](const wchar_t* key, const std::wstring& value) {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    };
    set(L"https\\shell\\open\\command", command);
    set(L".htm", L"MorvaneTestPage");
    set(L"MorvaneTestPage\\shell\\open\\command", command);
}

void PutOnClipboard(std::string_view text)
{
    const std::wstring wide = Wide(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    std::copy_n(wide.c_str(), wide.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory); // the clipboard owns it now
    CloseClipboard();
}

WORD VirtualKey(const Key& key)
{
    constexpr std::pair<Key::Name, WORD> kKeys[] = {{Key::Tab, VK_TAB},     {Key::Enter, VK_RETURN}, {Key::Escape, VK_ESCAPE},
                                                    {Key::Space, VK_SPACE}, {Key::Down, VK_DOWN},    {Key::Menu, VK_APPS}};
    if (key.name == Key::Function)
        return static_cast<WORD>(VK_F1 + key.function - 1);
    const auto named = std::ranges::find(kKeys, key.name, &std::pair<Key::Name, WORD>::first);
    return named == std::end(kKeys) ? static_cast<WORD>(key.character) : named->second; // letters: their capitals
}

RECT WorkArea()
{
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

class Win32Driver : public FrontEndDriver {
public:
    explicit Win32Driver(const std::wstring& program)
    {
        StandInForTheBrowser();
        std::array<wchar_t, MAX_PATH> folder{};
        GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
        m_openedLog = std::wstring(folder.data()) + L"kestrin-opened.txt";
        DeleteFileW(m_openedLog.c_str());
        SetEnvironmentVariableW(L"MORVANE_OPENED_LOG", m_openedLog.c_str()); // the program hands it on
        Spoken().clear();
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + program + L"\"";
        // Started in the temporary folder, which holds no index.htm: Help opens the installed page.
        CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.data(),
                       &startup, &m_process);
        m_liveRegionHook = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                                           RecordLiveRegion, m_process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    }

    ~Win32Driver() override
    {
        UnhookWinEvent(m_liveRegionHook);
        TerminateProcess(m_process.hProcess, 0);
        WaitForSingleObject(m_process.hProcess, 5'000);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }

    void click(std::string_view window, std::string_view name) override { Click(control(window, name)); }
    void rightClick(std::string_view window, std::string_view name) override { Click(control(window, name), true); }
    // The popup menu open in the program: its item by the keyboard where it is the program's
    // own (its items' identifiers tell), or else closed.
    void chooseMenuItem(std::size_t item) override
    {
        settle();
        HWND popup = FindWindowW(L"#32768", nullptr);
        if (!popup)
            return;
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        if (GetMenuItemID(menu, 0) < kFirstMenuId || item >= static_cast<std::size_t>(GetMenuItemCount(menu))) {
            PressKey(VK_ESCAPE);
            return;
        }
        for (std::size_t down = 0; down <= item; ++down)
            PressKey(VK_DOWN);
        PressKey(VK_RETURN);
    }
    void press(const Key& key) override
    {
        std::vector<WORD> modifiers;
        if (key.ctrl)
            modifiers.push_back(VK_CONTROL);
        if (key.alt)
            modifiers.push_back(VK_MENU);
        if (key.shift)
            modifiers.push_back(VK_SHIFT);
        PressKey(VirtualKey(key), modifiers);
    }
    void type(std::string_view text) override { Type(text); }
    void paste(std::string_view text) override
    {
        PutOnClipboard(text);
        PressKey('V', {VK_CONTROL});
    }
    void erase() override
    {
        if (HWND focused = threadInfo().hwndFocus)
            SendMessageW(focused, EM_SETSEL, 0, -1);
        PressKey(VK_BACK);
    }
    void close(std::string_view name) override
    {
        if (HWND shown = window(name))
            PostMessageW(shown, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    void activate(std::string_view name) override
    {
        if (HWND shown = window(name))
            SetForegroundWindow(shown);
    }
    void leaveAndReturn() override
    {
        HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(other);
        for (int wait = 0; wait < 100 && !active().empty(); ++wait)
            settle();
        SetForegroundWindow(window("Form1"));
        settle();
        DestroyWindow(other);
    }
    void moveToCorner(std::string_view name) override
    {
        SetWindowPos(window(name), nullptr, WorkArea().left, WorkArea().top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // A list's lines, read one by one (LB_GETTEXT crosses processes too).
    std::string text(std::string_view window, std::string_view name) const override
    {
        HWND shown = control(window, name);
        if (!shown || ControlNamed(*DescriptionOf(GetParent(shown)), name).kind != ControlKind::List)
            return shown ? WindowText(shown) : std::string();
        std::string lines;
        const LRESULT count = SendMessageW(shown, LB_GETCOUNT, 0, 0);
        for (LRESULT line = 0; line < count; ++line) {
            std::array<wchar_t, 512> buffer{};
            const LRESULT length = SendMessageW(shown, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data()));
            lines += (line ? "\n" : "") + Utf8(std::wstring_view(buffer.data(), static_cast<std::size_t>(std::max<LRESULT>(length, 0))));
        }
        return lines;
    }
    std::string focus() const override { return nameOf(threadInfo().hwndFocus); }
    std::string active() const override { return nameOf(threadInfo().hwndActive); }
    std::vector<ScreenPoint> centres(std::string_view name) const override
    {
        const auto centreOf = [](const RECT& area) {
            return ScreenPoint{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
        };
        if (name.empty())
            return {centreOf(WorkArea())};
        std::vector<ScreenPoint> centres;
        for (HWND shown : windows(name)) {
            if (RECT place{}; IsWindowVisible(shown) && GetWindowRect(shown, &place))
                centres.push_back(centreOf(place));
        }
        return centres;
    }

    std::vector<std::string> takeOpened() override
    {
        std::vector<std::string> opened;
        std::ifstream log(m_openedLog.c_str());
        std::size_t line = 0;
        for (std::string text; std::getline(log, text); ++line) {
            if (line >= m_openedTaken)
                opened.push_back(text);
        }
        m_openedTaken += opened.size();
        return opened;
    }
    std::vector<std::string> takeSpoken() override
    {
        PumpMessages();
        return std::exchange(Spoken(), {});
    }
    std::string clipboard() const override
    {
        std::string text;
        if (!OpenClipboard(nullptr))
            return text;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = Utf8(static_cast<const wchar_t*>(GlobalLock(data)));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }
    bool exists(const std::string& page) const override { return std::filesystem::is_regular_file(page); }
    bool ended() const override { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0; }

    void settle() override
    {
        for (int round = 0; round < 2; ++round) {
            Sleep(20);
            for (HWND window : windows("Form1"))
                SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr);
            PumpMessages();
        }
    }

private:
    // The program's windows of that name, shown or not, by their class.
    static std::vector<HWND> windows(std::string_view name)
    {
        std::vector<HWND> found;
        const std::wstring windowClass = Wide(kProductName) + L"." + Wide(name);
        for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, windowClass.c_str(), nullptr));)
            found.push_back(window);
        return found;
    }

    HWND window(std::string_view name) const
    {
        const std::vector<HWND> all = windows(name);
        const auto shown = std::ranges::find_if(all, IsWindowVisible);
        return shown == all.end() ? nullptr : *shown;
    }

    HWND control(std::string_view windowName, std::string_view control) const
    {
        HWND parent = window(windowName);
        return parent ? GetDlgItem(parent, ControlId(*DescriptionOf(parent), control)) : nullptr;
    }

    // The name of a window or a control; the edit field inside the sex box stands for it.
    std::string nameOf(HWND window) const
    {
        const HWND root = GetAncestor(window, GA_ROOT);
        const WindowDescription* described = root ? DescriptionOf(root) : nullptr;
        if (!described)
            return {};
        if (window == root)
            return std::string(described->name);
        while (GetParent(window) != root)
            window = GetParent(window);
        return std::string(ControlNameOfId(*described, GetDlgCtrlID(window)));
    }

    GUITHREADINFO threadInfo() const
    {
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(m_process.dwThreadId, &thread);
        return thread;
    }

    PROCESS_INFORMATION m_process{};
    std::wstring m_openedLog;
    std::size_t m_openedTaken = 0; // lines of the log already taken
    HWINEVENTHOOK m_liveRegionHook = nullptr;
};

} // namespace

std::unique_ptr<FrontEndDriver> StartKestrin(const std::wstring& program)
{
    return std::make_unique<Win32Driver>(program);
}

void RecordOpened(const char* pageOrAddress)
{
    if (const char* log = std::getenv("MORVANE_OPENED_LOG"))
        std::ofstream(log, std::ios::app) << pageOrAddress << '\n';
}
