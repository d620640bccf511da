#pragma once

#include "host/runtime/runtime_error.h"

#include <optional>

namespace testsupport {

// The runtime error number a call raises; nullopt when it raises none.
template <class F> std::optional<host::runtime::ErrorNumber> errorOf(F&& call) {
    try {
        call();
    } catch (const host::runtime::RuntimeError& e) {
        return e.number();
    }
    return std::nullopt;
}

} // namespace testsupport
