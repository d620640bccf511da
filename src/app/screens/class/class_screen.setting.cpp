#include "app/screens/class/class_screen.h"

#include "students/lessons/cls_class_schedule.h"

#include <algorithm>
#include <vector>

namespace {

enum Pending { kLesson = 0, kTeacher = 1, kItem = 2 };
enum SettingButton { kPickTeacher = 1, kPickItem = 2, kApply = 3 };
constexpr std::int16_t kLessonColumn = 2;
constexpr std::int16_t kTeacherColumn = 3;
// At most five students share one lesson of an individual slot.
constexpr int kMostInGroup = 5;

} // namespace

host::runtime::Collection<clsGetGridData> ClassScreen::usedValues(int kind) const {
    host::runtime::Collection<clsGetGridData> used;
    if (context_.CTMP.GetClassType(editedSlot()) == clsClassSchedule::WholeClass) return used;
    std::vector<std::string> seen;
    const auto column = static_cast<std::int16_t>(kLessonColumn + kind);
    for (std::int16_t row = 0; row <= GGClass.Rows(); ++row) {
        const std::string value = GGClass.GetData(row, column);
        if (value.empty() || std::find(seen.begin(), seen.end(), value) != seen.end()) continue;
        seen.push_back(value);
        clsGetGridData cell;
        cell.SetCols(0);
        cell.Data(0, value);
        used.add(std::move(cell));
    }
    return used;
}

void ClassScreen::CheckClassSlotSetting() {
    clsData& data = context_.data;
    const std::int32_t type = context_.CTMP.GetClassType(editedSlot());
    const std::string lesson = GLClassData(kLesson).Text();
    bool ok = true;
    if (!lesson.empty()) {
        GLClassSetting(kPickTeacher).Enable(data.CheckClassTeacher(usedValues(kTeacher)));
        GLClassSetting(kPickItem).Enable(data.CheckClassItem(lesson, usedValues(kItem)));
        if (!GLClassSetting(kPickItem).Enable() || !data.GetClassItemCheck(lesson, GLClassData(kItem).Text()))
            GLClassData(kItem).Text("");
    } else {
        GLClassSetting(kPickTeacher).Enable(false);
        GLClassSetting(kPickItem).Enable(false);
        GLClassData(kTeacher).Text("");
        GLClassData(kItem).Text("");
        ok = false;
    }
    if (GLClassData(kTeacher).Text().empty()) ok = false;

    int marked = 0;
    for (std::int16_t row = 0; row <= GGClass.Rows(); ++row)
        if (GGClass.Checked(row)) ++marked;
    if (marked == 0) ok = false;
    if (type == clsClassSchedule::Individual && marked > kMostInGroup) ok = false;
    GLClassSetting(kApply).Enable(ok);

    bool complete = true;
    std::string firstLesson;
    std::string firstTeacher;
    for (std::int16_t row = 0; row <= GGClass.Rows(); ++row) {
        const std::string rowLesson = GGClass.GetData(row, kLessonColumn);
        const std::string rowTeacher = GGClass.GetData(row, kTeacherColumn);
        if (rowLesson.empty() || rowTeacher.empty()) {
            complete = false;
            break;
        }
        if (row == 0) {
            firstLesson = rowLesson;
            firstTeacher = rowTeacher;
        } else if (type == clsClassSchedule::WholeClass &&
                   (rowLesson != firstLesson || rowTeacher != firstTeacher)) {
            complete = false;
            break;
        }
    }
    GLClassCommand(1).Enable(complete && data.CheckClass());
}
