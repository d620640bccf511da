#include "battle/records/cls_skill_data.h"

const std::string& clsSkillData::ImageName() const {
    return imageName_.empty() ? name_ : imageName_;
}
