#pragma once

#include "host/runtime/collection.h"
#include "platform/records/cls_get_grid_data.h"
#include "students/careers/cls_graduate.h"
#include "students/student/cls_student.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The career rules: which decided course admits a graduating student, and
// how a graduate climbs its career chain. Courses 1..14 can be decided or
// guided to; 16..28 are reached only by career changes.
class clsCourse {
  public:
    static constexpr std::int32_t GuidanceCourses = 14;

    clsCourse();

    // The course number 1..14 of a guidance name; 0 for any other text.
    std::int32_t CourseChangeBit(std::string_view courseName) const;
    // One one-cell row per guidance name, in course order.
    host::runtime::Collection<clsGetGridData> GetCourse() const;
    // Whether the graduate changes career this month; target is set only then.
    bool DecideChange(const clsGraduate& graduate, std::int32_t& target) const;
    // True when the graduate's abilities meet the change rule of target.
    bool ChangeCourse(const clsGraduate& graduate, std::int32_t target) const;
    // True when the student's decided course admits it, by abilities or origin.
    bool EnableCourse(const clsStudent& student) const;

  private:
    // The next course of the chain; draws once on every call. 0 for none.
    static std::int32_t GetNextCourse(std::int32_t course);
    static bool IsChangeableCourse(std::int32_t course);

    std::vector<std::string> names_;
};
