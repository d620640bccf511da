#include "students/lessons/cls_mng_schedule.h"

#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"

#include <vector>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

clsMngSchedule::clsMngSchedule() {
    for (int slot = 0; slot < SlotCount; ++slot) {
        auto record = std::make_shared<clsClassSchedule>();
        record->DayofWeek(static_cast<std::int16_t>(slot / Periods + 1));
        record->Number(static_cast<std::int16_t>(slot % Periods + 1));
        slots_[slot] = std::move(record);
    }
}

void clsMngSchedule::SetSaveData(std::string_view sData) {
    auto parts = host::runtime::Split(sData, "\\");
    if (parts.size() != SlotCount)
        throw RuntimeError(ErrorNumber::InvalidCall, "a timetable of " + std::to_string(parts.size()) +
                                                         " slots, not " + std::to_string(SlotCount));
    std::vector<clsClassSchedule> parsed(SlotCount);
    for (int slot = 0; slot < SlotCount; ++slot)
        parsed[slot].SetSaveData(parts[slot]);
    // Into the records themselves: timetables sharing a slot see the load.
    for (int slot = 0; slot < SlotCount; ++slot)
        *slots_[slot] = std::move(parsed[slot]);
}

std::string clsMngSchedule::GetSaveData() const {
    std::vector<std::string> parts;
    for (const auto& slot : slots_)
        parts.push_back(slot->GetSaveData());
    return host::runtime::Join(parts, "\\");
}

bool clsMngSchedule::CheckClassTeacher(const std::string& name) const {
    for (const auto& slot : slots_)
        if (slot->ClassTeacher() == name) return true;
    return false;
}

void clsMngSchedule::ClearSchedule() {
    for (const auto& slot : slots_) {
        slot->ClassName("");
        slot->ClassTeacher("");
    }
}

bool clsMngSchedule::CheckClass(std::int16_t ClassNum,
                                const host::runtime::Collection<clsPassageData>& clTeacher,
                                const host::runtime::Collection<clsGetGridData>& clItem) {
    if (ClassNum > Periods)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "period " + std::to_string(ClassNum));
    // With no teacher under contract nothing is taught, and the days go on.
    if (clTeacher.empty()) return true;
    for (std::int16_t day = 1; day <= Weekdays; ++day) {
        for (std::int16_t period = 1; period <= ClassNum; ++period) {
            auto& slot = *slots_[slotIndex(day, period)];
            if (slot.ClassType() == clsClassSchedule::NoLesson) continue;
            if (slot.ClassTeacher().empty() || slot.ClassName().empty() ||
                !IsTeacherListed(clTeacher, slot.ClassTeacher()))
                return false;
            if (!slot.UseItem().empty() && !IsItemListed(clItem, slot.UseItem())) slot.UseItem("");
        }
    }
    return true;
}

std::shared_ptr<clsClassSchedule> clsMngSchedule::GetClassSchedule(std::int16_t DayofWeek,
                                                                   std::int16_t Number) const {
    return slots_[slotIndex(DayofWeek, Number)];
}

void clsMngSchedule::SetClassSchedule(std::int16_t DayofWeek, std::int16_t Number,
                                      std::shared_ptr<clsClassSchedule> pSchedule) {
    int index = slotIndex(DayofWeek, Number);
    if (!pSchedule) throw RuntimeError(ErrorNumber::ObjectNotSet, "no timetable slot given");
    slots_[index] = std::move(pSchedule);
}

int clsMngSchedule::slotIndex(std::int16_t DayofWeek, std::int16_t Number) {
    if (DayofWeek < 1 || DayofWeek > Weekdays || Number < 1 || Number > Periods)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange,
                           "timetable slot " + std::to_string(DayofWeek) + "/" + std::to_string(Number));
    return (DayofWeek - 1) * Periods + (Number - 1);
}

bool clsMngSchedule::IsTeacherListed(const host::runtime::Collection<clsPassageData>& clTeacher,
                                     const std::string& name) {
    for (const auto& teacher : clTeacher)
        if (teacher.Name() == name) return true;
    return false;
}

bool clsMngSchedule::IsItemListed(const host::runtime::Collection<clsGetGridData>& clItem,
                                  const std::string& name) {
    for (const auto& row : clItem)
        if (row.Data(0) == name) return true;
    return false;
}
