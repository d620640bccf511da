#pragma once

#include "host/runtime/collection.h"

#include <cstdint>
#include <string>

// The lessons that use a lesson-item kind, in lesson-catalogue order; the
// game-state facade answers it, tests fake it.
class ClassItemClassProvider {
  public:
    virtual ~ClassItemClassProvider() = default;
    virtual host::runtime::Collection<std::string> GetClassItemClass(std::int32_t kind) = 0;
};
