#include "app/shell/cls_tmp_data.h"

#include "host/runtime/runtime_error.h"

#include <algorithm>
#include <utility>
#include <vector>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

namespace {

constexpr const char* kWeekNames[] = {"月", "火", "水", "木", "金"};

std::string keyOf(const std::string& student, std::int32_t number) {
    return student + ":" + std::to_string(number);
}

} // namespace

std::size_t clsTMPData::slot(std::int32_t Number) {
    if (Number < 0 || Number > 39)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "timetable slot " + std::to_string(Number));
    return static_cast<std::size_t>(Number);
}

void clsTMPData::SetClass(std::shared_ptr<clsClassSchedule> cClass, const TimetableFacts& facts) {
    if (!cClass->UseItem().empty() && !facts.CheckItem(cClass->UseItem())) cClass->UseItem("");
    std::string key = keyOf(cClass->StudentName(), cClass->Number());
    entries_.add(std::move(cClass), std::move(key));
}

void clsTMPData::SetSchedule(std::int16_t Number, const std::string& Student, const std::string& ClassName,
                             const std::string& Teacher, const std::string& UseItem) {
    clsClassSchedule& entry = *entries_.item(keyOf(Student, Number));
    entry.StudentName(Student);
    entry.ClassTeacher(Teacher);
    entry.ClassName(ClassName);
    entry.ClassType(GetClassType(Number));
    entry.UseItem(UseItem);
}

void clsTMPData::SetClassCopy(const std::string& Student, std::int16_t Dest, std::int16_t Source) {
    clsClassSchedule& dest = *entries_.item(keyOf(Student, Dest));
    const clsClassSchedule& source = *entries_.item(keyOf(Student, Source));
    dest.ClassName(source.ClassName());
    dest.ClassTeacher(source.ClassTeacher());
    dest.UseItem(source.UseItem());
}

host::runtime::Collection<clsGetGridData> clsTMPData::GetClass(std::int16_t Number,
                                                               const TimetableFacts& facts) {
    const bool wholeClass = GetClassType(Number) == clsClassSchedule::WholeClass;
    host::runtime::Collection<clsGetGridData> rows;
    for (const std::shared_ptr<clsClassSchedule>& entry : entries_) {
        if (entry->Number() != Number) continue;
        if (!facts.CheckItem(entry->UseItem())) entry->UseItem("");
        clsGetGridData row;
        row.SetCols(6);
        row.Data(0, wholeClass ? "1" : "0");
        row.Data(1, entry->StudentName());
        row.Data(2, entry->ClassName());
        if (facts.CheckContractTeacher(entry->ClassTeacher())) row.Data(3, entry->ClassTeacher());
        row.Data(4, entry->UseItem());
        rows.add(std::move(row));
    }
    return rows;
}

const clsClassSchedule* clsTMPData::firstOf(std::int16_t Number) const {
    for (const std::shared_ptr<clsClassSchedule>& entry : entries_)
        if (entry->Number() == Number) return entry.get();
    return nullptr;
}

std::string clsTMPData::GetClassName(std::int16_t Number) const {
    if (GetClassType(Number) != clsClassSchedule::WholeClass) return "個別授業";
    const clsClassSchedule* first = firstOf(Number);
    return first ? first->ClassName() : std::string();
}

std::string clsTMPData::GetClassTeacher(std::int16_t Number) const {
    if (GetClassType(Number) != clsClassSchedule::WholeClass) return {};
    const clsClassSchedule* first = firstOf(Number);
    return first ? first->ClassTeacher() : std::string();
}

std::string clsTMPData::GetUseItem(std::int16_t Number) const {
    if (GetClassType(Number) != clsClassSchedule::WholeClass) return {};
    const clsClassSchedule* first = firstOf(Number);
    return first ? first->UseItem() : std::string();
}

std::string clsTMPData::GetClassTips() const {
    const std::int32_t t = GetDataSingle(kEditedSlot).toLong();
    const std::size_t at = slot(t);
    std::string text =
        std::string(kWeekNames[at / 8]) + "曜日" + std::to_string(at % 8 + 1) + "時間目の授業を設定します";
    if (classTypes_[at] == clsClassSchedule::Individual)
        text += "\r\n個別授業は五人まで同じ授業を受けられます";
    return text;
}

bool clsTMPData::CheckClass(std::int16_t Number, std::string& ErrMSG, const TimetableFacts& facts) const {
    const std::int32_t type = GetClassType(Number);
    if (type == clsClassSchedule::NoLesson) return true;
    std::string refLesson;
    std::string refTeacher;
    std::vector<std::pair<std::string, int>> tally;
    for (const std::shared_ptr<clsClassSchedule>& entry : entries_) {
        if (entry->Number() != Number) continue;
        const std::string& lesson = entry->ClassName();
        const std::string& teacher = entry->ClassTeacher();
        if (refLesson.empty() && type == clsClassSchedule::WholeClass) {
            refLesson = lesson;
            refTeacher = teacher;
        }
        if (teacher.empty() || lesson.empty()) {
            ErrMSG = "授業、担当教師が設定されていません";
            return false;
        }
        if (type == clsClassSchedule::WholeClass && (teacher != refTeacher || lesson != refLesson)) {
            ErrMSG = "全体授業に、複数の授業が設定されています";
            return false;
        }
        if (type == clsClassSchedule::Individual) {
            auto found = std::find_if(tally.begin(), tally.end(),
                                      [&](const auto& pair) { return pair.first == lesson; });
            if (found != tally.end())
                ++found->second;
            else
                tally.emplace_back(lesson, 1);
        }
        if (!facts.CheckContractTeacher(teacher)) {
            ErrMSG = "教師が存在しません";
            return false;
        }
        if (!entry->UseItem().empty() && !facts.CheckItem(entry->UseItem())) {
            ErrMSG = "アイテムが存在しません";
            return false;
        }
    }
    for (const auto& [lesson, count] : tally) {
        if (count > 5) {
            ErrMSG = "個別授業に6人以上が同じ授業を設定しています";
            return false;
        }
    }
    return true;
}
