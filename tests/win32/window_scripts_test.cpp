// Plays the shared window scripts against the real kestrin.exe from outside, as a person
// would: each script starts the program afresh, types, presses keys and clicks through
// Windows' input queue, and reads what the windows show through the Win32 API. Run under
// Wine by CTest: window_scripts_test <kestrin.exe> <open_recorder.exe>.
#include "dialog_descriptions.h"
#include "form1_description.h"
#include "remote_program.h"
#include "text.h"
#include "user_input.h"
#include "window_scripts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <functional>
#include <thread>

using namespace morvane::forms;

// GoogleTest names a failing script by its name.
void PrintTo(const Script& script, std::ostream* out)
{
    *out << script.name;
}

namespace {

std::wstring g_program;
std::wstring g_recorder;

std::string Joined(const std::vector<std::string>& lines)
{
    std::string joined;
    for (const std::string& line : lines)
        joined += (joined.empty() ? "" : "\n") + line;
    return joined;
}

// Waits until the condition holds, as a person waits for a window to answer; false after
// three seconds.
bool Eventually(RemoteProgram& program, const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        program.settle();
    }
    return true;
}

std::pair<std::string, std::string> FirstWordAndRest(const std::string& text)
{
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos)
        return {text, {}};
    return {text.substr(0, blank), ParseStep("_ " + text.substr(blank + 1)).argument};
}

POINT Centre(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

RECT WorkArea(HWND window)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

class Driver {
public:
    Driver()
        : m_program(g_program, g_recorder)
    {
        EXPECT_TRUE(Eventually(m_program, [this] { return m_program.active() == "Form1"; }))
            << "the main window did not become active";
    }

    void step(const std::string& text)
    {
        const Step step = ParseStep(text);
        const std::string& argument = step.argument;
        if (step.verb == "year" || step.verb == "sex") {
            replaceInputText(step.verb == "year" ? kYearBox : kSexBox, argument);
        } else if (step.verb == "paste") {
            putOnClipboard(argument);
            PressKey("Ctrl+V");
        } else if (step.verb == "key") {
            PressKey(argument);
        } else if (step.verb == "click") {
            if (HWND control = m_program.control("Form1", argument))
                Click(control);
        } else if (step.verb == "okay") {
            if (HWND okay = m_program.control(argument, kOkayButton))
                Click(okay);
        } else if (step.verb == "close") {
            if (HWND window = m_program.window(argument))
                PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        } else if (step.verb == "activate") {
            if (HWND window = m_program.window(argument))
                SetForegroundWindow(window);
        } else if (step.verb == "leave") {
            leaveAndComeBack();
        } else if (step.verb == "move") {
            if (HWND form1 = m_program.window("Form1")) {
                const RECT area = WorkArea(form1);
                SetWindowPos(form1, nullptr, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        } else if (step.verb == "expect") {
            const auto [what, rest] = FirstWordAndRest(argument);
            expect(what, rest);
        }
        m_program.settle();
    }

private:
    void replaceInputText(std::string_view box, const std::string& text)
    {
        HWND input = m_program.control("Form1", box);
        if (!input)
            return;
        Click(input);
        m_program.settle();
        if (box == kSexBox)
            SendMessageW(input, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        else
            SendMessageW(input, EM_SETSEL, 0, -1);
        PressKey("Backspace");
        Type(text);
    }

    static void putOnClipboard(const std::string& text)
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

    // Another program takes the activation, then the person clicks back into the main window.
    void leaveAndComeBack()
    {
        HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                     100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(other);
        EXPECT_TRUE(Eventually(m_program, [this] { return m_program.active().empty(); }));
        if (HWND form1 = m_program.window("Form1"))
            SetForegroundWindow(form1);
        m_program.settle();
        DestroyWindow(other);
    }

    std::string shown(const std::string& what) const
    {
        if (what == "focus")
            return m_program.focus();
        if (what == "active")
            return m_program.active();
        if (what == "reading") {
            std::string reading;
            for (const std::string_view label : kReadingOrder)
                reading += (label == kReadingOrder[0] ? "" : "|") + m_program.text(m_program.control("Form1", label));
            return reading;
        }
        return m_program.text(m_program.control("Form1", what));
    }

    void expect(const std::string& what, const std::string& text)
    {
        const auto [name, message] = FirstWordAndRest(text);
        if (what == "open") {
            EXPECT_TRUE(Eventually(m_program, [&] { return m_program.window(name) != nullptr; })) << text;
            EXPECT_EQ(m_program.windowCount(name), 1) << text;
            if (!message.empty())
                EXPECT_EQ(m_program.text(m_program.control(name, kMessageLabel)), message);
        } else if (what == "closed") {
            EXPECT_TRUE(Eventually(m_program, [&] { return m_program.window(name) == nullptr; })) << text;
        } else if (what == "opened") {
            EXPECT_TRUE(Eventually(m_program, [&] {
                for (std::string& opened : m_program.takeOpened())
                    m_opened.push_back(std::move(opened));
                return !m_opened.empty();
            })) << text;
            if (!m_opened.empty()) {
                const std::string opened = m_opened.front();
                m_opened.pop_front();
                const bool page = !opened.starts_with("https:");
                EXPECT_TRUE(opened.ends_with(text) && (!page || GetFileAttributesW(Wide(opened).c_str()) != INVALID_FILE_ATTRIBUTES))
                    << opened;
            }
        } else if (what == "centred") {
            expectCentred(name);
        } else if (what == "spoken") {
            m_program.settle();
            EXPECT_EQ(Joined(m_program.takeSpoken()), text);
        } else {
            EXPECT_TRUE(Eventually(m_program, [&] { return shown(what) == text; }))
                << what << " shows \"" << shown(what) << "\", not \"" << text << "\"";
        }
    }

    // Give or take the frame the window system adds.
    void expectCentred(const std::string& dialog)
    {
        HWND form1 = m_program.window("Form1");
        HWND window = dialog.empty() ? form1 : m_program.window(dialog);
        ASSERT_TRUE(window && form1) << "centred " << dialog;
        RECT place{};
        RECT area = WorkArea(form1);
        GetWindowRect(window, &place);
        if (!dialog.empty())
            GetWindowRect(form1, &area);
        const POINT a = Centre(place);
        const POINT b = Centre(area);
        EXPECT_LE(std::abs(a.x - b.x) + std::abs(a.y - b.y), 8) << "centred " << dialog;
    }

    RemoteProgram m_program;
    std::deque<std::string> m_opened;
};

class WindowScriptsTest : public testing::TestWithParam<Script> {};

TEST_P(WindowScriptsTest, ShouldAnswerWhatThePersonDoes)
{
    Driver driver;
    for (const std::string& step : GetParam().steps) {
        SCOPED_TRACE(step);
        driver.step(step);
        if (HasFailure())
            return;
    }
}

std::string TestName(const testing::TestParamInfo<Script>& script)
{
    std::string name;
    for (const char c : script.param.name)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Shared, WindowScriptsTest, testing::ValuesIn(WindowScripts()), TestName);

} // namespace

int main(int argc, char* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    if (argc < 3)
        return 2;
    g_program = Wide(argv[1]);
    g_recorder = Wide(argv[2]);
    return RUN_ALL_TESTS();
}
