#pragma once

#include <string>
#include <string_view>

namespace host::runtime {

// How a collection compares its keys.
enum class KeyFold {
    Exact,              // character by character
    IgnoreCase,         // ASCII letter case ignored
    IgnoreCaseAndWidth, // letter case and full/half width ignored
};

std::string foldKey(KeyFold fold, std::string_view key);

} // namespace host::runtime
