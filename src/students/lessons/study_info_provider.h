#pragma once

#include "students/lessons/cls_class_effect.h"

// The answer to a student's lesson, given by the owner of the teachers, the
// lesson catalogue and the items (the facade): it fills the lesson record
// (fillLessonRecord) and calls back clsMngStudent::SetStudy before it
// returns, or leaves the record alone when the student has no lesson this
// period.
class StudyInfoProvider {
  public:
    virtual ~StudyInfoProvider() = default;
    virtual void GetStudyInfo(clsClassEffect& cInfo) = 0;
};
