#pragma once

#include <stdexcept>
#include <string>

// Start-up cannot go on: what() names the file and the reason.
class StartupFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
