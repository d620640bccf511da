#include "host/sys/clock.h"
#include "host/sys/message_box.h"
#include "host/ui/error_reporter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

TEST(LogAndShowErrors, AppendsAStampedEntryAndShowsTheBox) {
    auto folder = std::filesystem::temp_directory_path() / "quorvel_ui_error_log";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    auto start = std::chrono::system_clock::from_time_t(0) + std::chrono::hours(24 * 365 * 30);
    host::sys::ScriptedMessageBoxes boxes;
    {
        host::runtime::ScopedInstall clock(host::sys::installedWallClock,
                                           std::make_unique<host::sys::ManualWallClock>(start));
        host::ui::LogAndShowErrors errors(folder / "error.log", boxes);
        errors.report("first");
        errors.report("second");
    }

    std::ifstream in(folder / "error.log", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::tm local = host::sys::localTime(start);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y/%m/%d %H:%M:%S", &local);
    std::string dashes(39, '-');
    std::string entry = std::string(stamp) + "\r\n";
    EXPECT_EQ(text.str(), entry + "first\r\n" + dashes + "\r\n" + entry + "second\r\n" + dashes + "\r\n");
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].text, "second");
    std::filesystem::remove_all(folder);
}

TEST(LogAndShowErrors, SaysSoWhenTheLogCannotBeWritten) {
    const auto missing = std::filesystem::temp_directory_path() / "quorvel_ui_no_such_folder" / "error.log";
    std::filesystem::remove_all(missing.parent_path());
    host::sys::ScriptedMessageBoxes boxes;
    host::ui::LogAndShowErrors errors(missing, boxes);

    errors.report("broken");

    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text,
              "broken\n\n(The error log " + missing.string() + " could not be written.)");
    EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
