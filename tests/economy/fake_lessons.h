#pragma once

#include "economy/class_item_class_provider.h"

#include <map>
#include <string>
#include <vector>

// Lesson names by lesson-item kind, as the facade would list them.
class FakeLessons : public ClassItemClassProvider {
  public:
    std::map<std::int32_t, std::vector<std::string>> lessons;

    host::runtime::Collection<std::string> GetClassItemClass(std::int32_t kind) override {
        host::runtime::Collection<std::string> names;
        for (const std::string& name : lessons[kind])
            names.add(name);
        return names;
    }
};
