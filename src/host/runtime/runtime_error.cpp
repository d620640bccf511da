#include "host/runtime/runtime_error.h"

namespace host::runtime {

const char* errorDescription(ErrorNumber number) {
    switch (number) {
    case ErrorNumber::InvalidCall:
        return "Invalid procedure call or argument";
    case ErrorNumber::Overflow:
        return "Overflow";
    case ErrorNumber::SubscriptOutOfRange:
        return "Subscript out of range";
    case ErrorNumber::DivisionByZero:
        return "Division by zero";
    case ErrorNumber::TypeMismatch:
        return "Type mismatch";
    case ErrorNumber::ObjectNotSet:
        return "Object variable not set";
    case ErrorNumber::DuplicateKey:
        return "This key is already associated with an element of this collection";
    }
    return "Runtime error";
}

RuntimeError::RuntimeError(ErrorNumber number, const std::string& detail)
    : std::runtime_error(std::string(errorDescription(number)) + (detail.empty() ? "" : ": " + detail)),
      number_(number) {}

} // namespace host::runtime
