#include "students/cls_mng_student.h"

std::string clsMngStudent::GetCharaName(std::int32_t character) {
    switch (character) {
    case 1:
        return "王様";
    case 2:
        return "軍人";
    case 3:
        return "学者";
    case 4:
        return "職人";
    default:
        return "";
    }
}

std::int16_t clsMngStudent::GetDissatisfactionStage(std::int16_t dissatisfaction) {
    if (dissatisfaction <= 14) return 0;
    if (dissatisfaction <= 34) return 1;
    if (dissatisfaction <= 54) return 2;
    if (dissatisfaction <= 74) return 3;
    return 4;
}
