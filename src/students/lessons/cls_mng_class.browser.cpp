#include "students/lessons/cls_mng_class.h"
#include "platform/browser/browser_table.h"
#include "students/lessons/lesson_item_kinds.h"

namespace {

constexpr browser::Column kLessonColumns[] = {
    {"名前", 1200},        {"必要レベル", 300}, {"消費体力", 300}, {"危険度", 300},
    {"使用アイテム", 800}, {"個別授業", 300},   {"施設", 800},
};
constexpr std::int16_t kLessonColumnCount = std::size(kLessonColumns) + browser::kAbilityCaptions.size();

} // namespace

host::runtime::Collection<clsGetGridData> clsMngClass::GetGameDataHeader() const {
    return browser::columnSet(kLessonColumns, true);
}

host::runtime::Collection<clsGetGridData> clsMngClass::GetGameData() const {
    browser::Rows rows;
    for (const clsClass& lesson : classes_) {
        clsGetGridData row = browser::newRow(kLessonColumnCount);
        row.Data(0, lesson.Name());
        row.Data(1, std::to_string(lesson.NeedPoint()));
        row.Data(2, std::to_string(lesson.Physical()));
        row.Data(3, std::to_string(lesson.Strength()));
        row.Data(4, GetClassItemCategoryLabel(lesson.UseItem()));
        row.Data(5, browser::mark(lesson.Individual()));
        row.Data(6, lesson.Place());
        browser::setAbilityMarks(row, std::size(kLessonColumns), lesson.BigEffect(), lesson.SmallEffect());
        rows.add(std::move(row));
    }
    return rows;
}

std::string clsMngClass::GetClassItemCategoryLabel(std::int32_t category) {
    return lessonItemKindName(category);
}
