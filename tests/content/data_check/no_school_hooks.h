#pragma once

#include "host/runtime/collection.h"
#include "school/system/system_hooks.h"

#include <string>

// Asks nothing of the world around the school.
class NoHooks : public SystemHooks {
  public:
    std::int16_t GetRankUpCondition() override { return 0; }
    bool CheckItem(const std::string&) override { return false; }
    host::runtime::Collection<std::string> GetConstructClass(const std::string&) override {
        return host::runtime::Collection<std::string>();
    }
};
