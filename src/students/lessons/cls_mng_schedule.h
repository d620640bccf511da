#pragma once

#include "host/runtime/collection.h"
#include "platform/records/cls_get_grid_data.h"
#include "platform/records/cls_passage_data.h"
#include "students/lessons/cls_class_schedule.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// A student's weekly timetable: weekdays 1 (Monday) to 5 by periods 1 to 8.
// Slot number = (weekday - 1) * 8 + (period - 1).
class clsMngSchedule {
  public:
    static constexpr int Weekdays = 5;
    static constexpr int Periods = 8;
    static constexpr int SlotCount = Weekdays * Periods;

    clsMngSchedule();

    // The forty slot texts joined by "\". A text of any other number of
    // parts or a bad slot text fails with the runtime's error and leaves
    // every slot unchanged.
    void SetSaveData(std::string_view sData);
    std::string GetSaveData() const;

    bool CheckClassTeacher(const std::string& name) const;
    // Empties the lesson and teacher of every slot; items, types and student
    // names stay.
    void ClearSchedule();
    // Before a month of lessons: every period 1..ClassNum of every weekday
    // booked with a lesson and a contracted teacher, or marked no-lesson; with
    // no teacher under contract at all it passes (nothing is taught). A
    // booked item that is no longer held is dropped on the way. ClassNum above 8 raises the
    // subscript error.
    bool CheckClass(std::int16_t ClassNum, const host::runtime::Collection<clsPassageData>& clTeacher,
                    const host::runtime::Collection<clsGetGridData>& clItem);

    // The slot record itself, shared with the caller. A weekday outside 1..5
    // or a period outside 1..8 raises the subscript error.
    std::shared_ptr<clsClassSchedule> GetClassSchedule(std::int16_t DayofWeek, std::int16_t Number) const;
    // Puts the record itself in that place; the caller keeps sharing it.
    void SetClassSchedule(std::int16_t DayofWeek, std::int16_t Number,
                          std::shared_ptr<clsClassSchedule> pSchedule);

  private:
    static int slotIndex(std::int16_t DayofWeek, std::int16_t Number);
    static bool IsTeacherListed(const host::runtime::Collection<clsPassageData>& clTeacher,
                                const std::string& name);
    static bool IsItemListed(const host::runtime::Collection<clsGetGridData>& clItem,
                             const std::string& name);

    std::array<std::shared_ptr<clsClassSchedule>, SlotCount> slots_;
};
