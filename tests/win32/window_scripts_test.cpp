// Plays the shared window scripts against the real kestrin.exe from outside, as a person
// would, each script on the program started afresh. Run under Wine by CTest:
// window_scripts_test <kestrin.exe> <open_recorder.exe>.
#include "text.h"
#include "win32_driver.h"
#include "window_scripts.h"

#include <gtest/gtest.h>

namespace {

std::wstring g_program;
std::wstring g_recorder;

class WindowScriptsTest : public testing::TestWithParam<Script> { };

TEST_P(WindowScriptsTest, ShouldAnswerWhatThePersonDoes)
{
    const std::unique_ptr<FrontEndDriver> driver = StartKestrin(g_program, g_recorder);
    std::vector<std::string> steps{"expect active Form1"}; // once the program is up
    steps.insert(steps.end(), GetParam().steps.begin(), GetParam().steps.end());
    EXPECT_EQ(ScriptPlayer(*driver).playAll(steps), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Shared, WindowScriptsTest, testing::ValuesIn(WindowScripts()),
                         [](const testing::TestParamInfo<Script>& script) { return Identifier(script.param); });

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
