#pragma once

#include "host/runtime/strings.h"
#include "platform/services/silent_services.h"
#include "students/abilities.h"
#include "students/lessons/cls_mng_schedule.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace studentstest {

// One entry of an ability text: block 1..4, ability 1..17, value.
struct Entry {
    int block;
    int ability;
    std::int16_t value;
};

// The ability save text with every entry 0 except the given ones.
inline std::string abilityText(const std::vector<Entry>& entries) {
    std::array<std::array<std::int16_t, ability::kCount>, 4> blocks{};
    for (const auto& e : entries)
        blocks[e.block - 1][e.ability - 1] = e.value;
    std::vector<std::string> parts;
    for (const auto& block : blocks) {
        std::vector<std::string> values;
        for (auto v : block)
            values.push_back(std::to_string(v));
        parts.push_back(host::runtime::Join(values, ":"));
    }
    return host::runtime::Join(parts, ";");
}

// A student's own timetable with every slot blank, as a new student saves it.
inline std::string blankTimetable() {
    return clsMngSchedule{}.GetSaveData();
}

// The draw r that makes RandomInt(lo, hi) give value.
inline float drawFor(int lo, int hi, int value) {
    return static_cast<float>(value - lo) / static_cast<float>(hi - lo);
}

// The draws that make successive RandomInt(0, 100) calls give these values.
inline std::vector<float> percentDraws(const std::vector<int>& values) {
    std::vector<float> draws;
    for (int v : values)
        draws.push_back(drawFor(0, 100, v));
    return draws;
}

// Records what the code under test reports through its Report event.
struct Reports {
    std::vector<std::string> texts;
    template <class Source> explicit Reports(Source& source) {
        source.Report.subscribe([this](std::string& text) { texts.push_back(text); });
    }
};

} // namespace studentstest
