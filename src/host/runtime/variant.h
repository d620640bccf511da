#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace host::runtime {

// A value slot that is Empty until assigned. Conversions follow the runtime:
// Empty reads as 0, "" or False; text converts only when it is a number
// (otherwise type mismatch, 13); numbers that do not fit raise overflow (6).
class Variant {
  public:
    struct Empty {};

    Variant() = default;
    Variant(bool value) : value_(value) {}
    Variant(std::int16_t value) : value_(value) {}
    Variant(std::int32_t value) : value_(value) {}
    Variant(float value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(std::string value) : value_(std::move(value)) {}
    Variant(const char* value) : value_(std::string(value)) {}

    bool isEmpty() const { return std::holds_alternative<Empty>(value_); }
    bool isText() const { return std::holds_alternative<std::string>(value_); }
    bool isNumber() const { return !isEmpty() && !isText(); }

    double toDouble() const;
    std::int16_t toInteger() const;
    std::int32_t toLong() const;
    bool toBool() const;
    std::string toString() const;

    bool operator==(const Variant& other) const = default;

  private:
    std::variant<Empty, bool, std::int16_t, std::int32_t, float, double, std::string> value_;

    friend bool operator==(const Empty&, const Empty&) { return true; }
};

} // namespace host::runtime
