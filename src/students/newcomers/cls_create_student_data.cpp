#include "students/newcomers/cls_create_student_data.h"

#include "host/runtime/runtime_error.h"

std::int16_t clsCreateStudentData::GetNumber() const {
    if (!scout_)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::ObjectNotSet,
                                          "no scout for the new students");
    if (scout_->Number() > 5 || schoolYear_ > 1) return scout_->Number();
    return 6;
}

std::int32_t clsCreateStudentData::Occupation() const {
    return scout_ ? scout_->Occupation() : 1;
}

std::int32_t clsCreateStudentData::Age() const {
    return scout_ ? scout_->Age() : 0;
}

std::int32_t clsCreateStudentData::Growth() const {
    return scout_ ? scout_->Growth() : 0;
}

std::int16_t clsCreateStudentData::Ability() const {
    return scout_ ? scout_->Ability() : 0;
}
