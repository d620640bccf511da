// The facade's appender and the form runtime's report of a failed handler
// write one log beside the program.
#include "devtools/program_folder.h"
#include "host/sys/clock.h"
#include "host/sys/message_box.h"
#include "host/ui/error_reporter.h"
#include "platform/files/error_log.h"
#include "state/state_support.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const std::string kDashes(39, '-');

std::string stampOf(std::chrono::system_clock::time_point at) {
    std::tm local = host::sys::localTime(at);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y/%m/%d %H:%M:%S", &local);
    return stamp;
}

struct ErrorLogTest : testing::Test {
    std::chrono::system_clock::time_point at =
        std::chrono::system_clock::from_time_t(0) + std::chrono::hours(24 * 365 * 31);
    host::runtime::ScopedInstall<host::sys::WallClock> clock{
        host::sys::installedWallClock, std::make_unique<host::sys::ManualWallClock>(at)};
    statetest::LoadedFacade game;
};

TEST_F(ErrorLogTest, EachCallAppendsSixLinesAndTheHandlerReportsGoToTheSameLog) {
    devtest::TempProgramFolder folder("error_log");
    game.data.WriteErrorLog("SetProcessItem", "材料が足りません", true);
    game.data.WriteErrorLog("DateForword", "second", true);
    host::sys::ScriptedMessageBoxes boxes;
    host::ui::LogAndShowErrors handlerErrors(host::sys::gamePath(kErrorLogPath), boxes);
    handlerErrors.report("a handler failed");

    const std::string stamp = stampOf(at) + "\r\n";
    EXPECT_EQ(folder.read("error.log"),
              stamp + "関数名:SetProcessItem\r\n" + kDashes + "\r\n" + stamp + "材料が足りません\r\n" +
                  kDashes + "\r\n" + stamp + "関数名:DateForword\r\n" + kDashes + "\r\n" + stamp +
                  "second\r\n" + kDashes + "\r\n" + stamp + "a handler failed\r\n" + kDashes + "\r\n");
}

TEST_F(ErrorLogTest, DisabledItNeitherCreatesNorChangesTheLog) {
    devtest::TempProgramFolder folder("error_log_disabled");
    game.data.WriteErrorLog("Load", "nothing", false);
    EXPECT_FALSE(std::filesystem::exists(folder.path / "error.log"));
    game.data.WriteErrorLog("Load", "kept", true);
    const std::string before = folder.read("error.log");
    game.data.WriteErrorLog("Load", "nothing", false);
    EXPECT_EQ(folder.read("error.log"), before);
}

TEST_F(ErrorLogTest, AFolderThatTakesNoFileRaisesAnErrorNamingTheLog) {
    // No file can be created in /proc/self, whoever runs the test.
    host::runtime::ScopedInstall<std::filesystem::path> folder(
        host::sys::installedProgramFolder, std::make_unique<std::filesystem::path>("/proc/self"));
    host::runtime::ScopedInstall<clsFile> file(gFile, std::make_unique<clsFile>());
    try {
        game.data.WriteErrorLog("Load", "lost?", true);
        FAIL() << "no error raised";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "The error log /proc/self/error.log could not be written.");
    }
}

} // namespace
