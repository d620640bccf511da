#include "students/lessons/cls_class_effect.h"

#include "host/runtime/runtime_error.h"
#include "platform/rules/cls_method.h"
#include "students/abilities.h"

namespace {

host::runtime::RuntimeError notSet(const char* what) {
    return host::runtime::RuntimeError(host::runtime::ErrorNumber::ObjectNotSet, what);
}

} // namespace

std::int32_t clsClassEffect::ItemMethod() const {
    return Method().RangeBITWORD(itemEffect_, 17, 31);
}

std::int32_t clsClassEffect::ItemData() const {
    return Method().RangeBITWORD(itemEffect_, 1, 16);
}

std::int16_t clsClassEffect::ClassEffectAsBit() const {
    return ability::lowestIn(ClassEffect());
}

const clsClass& clsClassEffect::lesson() const {
    if (!class_) throw notSet("the lesson record has no lesson");
    return *class_;
}

const clsClassSchedule& clsClassEffect::schedule() const {
    if (!schedule_) throw notSet("the lesson record has no timetable slot");
    return *schedule_;
}
