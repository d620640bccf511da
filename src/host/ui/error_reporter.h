#pragma once

#include "host/sys/message_box.h"

#include <filesystem>
#include <string>

namespace host::ui {

// Told about an exception that escaped an event handler; the program goes on.
class HandlerErrorReporter {
  public:
    virtual ~HandlerErrorReporter() = default;
    virtual void report(const std::string& description) = 0;
};

// Appends each error to the error log (a time-stamp line, the description,
// a line of 39 hyphens) and shows it in a message box.
class LogAndShowErrors : public HandlerErrorReporter {
  public:
    LogAndShowErrors(std::filesystem::path logFile, sys::MessageBoxes& boxes);
    void report(const std::string& description) override;

  private:
    std::filesystem::path logFile_;
    sys::MessageBoxes& boxes_;
};

} // namespace host::ui
