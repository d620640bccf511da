#pragma once

#include <stdexcept>
#include <string>

namespace host::runtime {

// The runtime's error numbers, as game code tests them.
enum class ErrorNumber : int {
    InvalidCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    ObjectNotSet = 91,
    DuplicateKey = 457,
};

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(ErrorNumber number, const std::string& detail);

    ErrorNumber number() const { return number_; }
    int code() const { return static_cast<int>(number_); }

  private:
    ErrorNumber number_;
};

const char* errorDescription(ErrorNumber number);

} // namespace host::runtime
