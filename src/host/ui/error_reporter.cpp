#include "host/ui/error_reporter.h"

#include "host/sys/log_append.h"

namespace host::ui {

LogAndShowErrors::LogAndShowErrors(std::filesystem::path logFile, sys::MessageBoxes& boxes)
    : logFile_(std::move(logFile)), boxes_(boxes) {}

void LogAndShowErrors::report(const std::string& description) {
    if (sys::appendLogEntry(logFile_, description, true, true)) {
        boxes_.ok(description, "Error");
        return;
    }
    boxes_.ok(description + "\n\n(The error log " + logFile_.string() + " could not be written.)", "Error");
}

} // namespace host::ui
