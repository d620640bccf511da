#include "host/ui/error_reporter.h"

#include "host/sys/clock.h"

#include <cstdio>
#include <ctime>
#include <fstream>

namespace host::ui {

LogAndShowErrors::LogAndShowErrors(std::filesystem::path logFile, sys::MessageBoxes& boxes)
    : logFile_(std::move(logFile)), boxes_(boxes) {}

void LogAndShowErrors::report(const std::string& description) {
    std::tm now = sys::localNow();
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y/%m/%d %H:%M:%S", &now);
    {
        std::ofstream log(logFile_, std::ios::binary | std::ios::app);
        log << stamp << "\r\n" << description << "\r\n" << std::string(39, '-') << "\r\n";
    }
    boxes_.ok(description, "Error");
}

} // namespace host::ui
