#include "students/student/cls_student.h"

#include "platform/rules/mdl_zrd_func.h"

#include <string_view>
#include <vector>

namespace {

// A course for every draw up to and including `top`.
struct Band {
    int top;
    std::int32_t course;
};

struct OriginCourses {
    std::string_view origin;
    std::vector<Band> bands;
};

const OriginCourses kCourses[] = {
    {"農民", {{49, 12}, {59, 9}, {69, 14}, {79, 10}, {89, 5}, {100, 6}}},
    {"猟師", {{49, 14}, {59, 10}, {69, 5}, {79, 7}, {89, 9}, {100, 11}}},
    {"旅人", {{49, 9}, {59, 6}, {69, 10}, {79, 8}, {89, 12}, {100, 5}}},
    {"技術者", {{49, 11}, {59, 14}, {69, 7}, {79, 6}, {89, 9}, {100, 10}}},
    {"兵士", {{49, 4}, {59, 7}, {69, 8}, {79, 10}, {89, 14}, {100, 6}}},
    {"商人", {{49, 8}, {59, 6}, {69, 10}, {79, 11}, {89, 12}, {100, 13}}},
    {"学者", {{49, 13}, {59, 11}, {69, 6}, {79, 8}, {89, 12}, {100, 9}}},
    {"忍者", {{49, 7}, {74, 4}, {100, 10}}},
    {"騎士", {{49, 2}, {74, 3}, {100, 1}}},
    {"貴族", {{49, 2}, {100, 1}}},
    {"王族", {{49, 2}, {100, 1}}},
};

} // namespace

void clsStudent::ThinkCourse() {
    course_ = DecideCourseByOrigin();
}

void clsStudent::SetCourseChange(std::int32_t Course) {
    courseFLG_ = true;
    if (Course != 0) course_ = Course;
}

std::int32_t clsStudent::DecideCourseByOrigin() const {
    int r = mdlZRDFunc::RandomInt(0, 100);
    for (const auto& row : kCourses) {
        if (row.origin != comingFrom_) continue;
        for (const auto& band : row.bands)
            if (r <= band.top) return band.course;
    }
    return 0;
}
