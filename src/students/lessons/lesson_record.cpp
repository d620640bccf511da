#include "students/lessons/lesson_record.h"

#include "students/teachers/cls_get_teacher_effect.h"

bool fillLessonRecord(clsClassEffect& record, const clsMngTeacher& teachers, const clsMngClass& lessons,
                      const clsFixTeacherData& tables, const ClassItemLookup& items) {
    if (!teachers.CheckContractTeacher(record.TeacherName())) return false;
    const clsTeacherData& teacher = teachers.GetTeacher(record.TeacherName());
    record.Class(lessons.GetClass(record.ClassName()));

    if (!record.ClassItem().empty()) {
        const ClassItemStock item = items(record.ClassItem());
        if (item.held > 0) {
            record.ItemEffect(item.effect);
            record.ItemRisk(item.risk);
        }
    }

    clsGetTeacherEffect key;
    key.ClassType(record.ClassType());
    key.StudentChara(record.Character());
    key.TeacherChara(teacher.Character());
    key.TeacherPolicy(teacher.Policy());
    // A teacher holding the skill that matches the lesson's ability: the policy
    // table's value plus 7; any other teacher: character plus policy.
    record.TeacherEffect(teacher.SkillAbility(record.ClassEffectAsBit())
                             ? static_cast<std::int16_t>(tables.GetTeacherPolicy(key) + 7)
                             : tables.GetTeacherEffect(key));
    record.TeacherAbility(teacher.AbilityAsENUM(record.ClassEffect()));
    return true;
}
