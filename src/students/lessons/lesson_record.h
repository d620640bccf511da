#pragma once

#include "students/lessons/cls_class_effect.h"
#include "students/lessons/cls_mng_class.h"
#include "students/teachers/cls_fix_teacher_data.h"
#include "students/teachers/cls_mng_teacher.h"

#include <cstdint>
#include <functional>
#include <string>

// What the item store holds of a class item: its packed lesson effect, its
// lesson risk and how many units are held (0 for an item it does not know).
struct ClassItemStock {
    std::int32_t effect = 0;
    std::int16_t risk = 0;
    std::int32_t held = 0;
};
using ClassItemLookup = std::function<ClassItemStock(const std::string& item)>;

// Fills a student's lesson record (its slot and character already set) from
// the contracted teacher, the lesson catalogue, the compatibility tables and
// the class item. Answers false, leaving the record alone, when the slot's
// teacher is not under contract: the student has no lesson this period.
// A lesson the catalogue does not hold raises the catalogue's error.
bool fillLessonRecord(clsClassEffect& record, const clsMngTeacher& teachers, const clsMngClass& lessons,
                      const clsFixTeacherData& tables, const ClassItemLookup& items);
