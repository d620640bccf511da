#pragma once

#include <cstdint>

// The key of one compatibility lookup: the lesson type and the characters
// and policy of the teacher and the student.
class clsGetTeacherEffect {
  public:
    std::int32_t ClassType() const { return classType_; }
    void ClassType(std::int32_t value) { classType_ = value; }
    std::int32_t TeacherChara() const { return teacherChara_; }
    void TeacherChara(std::int32_t value) { teacherChara_ = value; }
    std::int32_t TeacherPolicy() const { return teacherPolicy_; }
    void TeacherPolicy(std::int32_t value) { teacherPolicy_ = value; }
    std::int32_t StudentChara() const { return studentChara_; }
    void StudentChara(std::int32_t value) { studentChara_ = value; }

  private:
    std::int32_t classType_ = 0;
    std::int32_t teacherChara_ = 0;
    std::int32_t teacherPolicy_ = 0;
    std::int32_t studentChara_ = 0;
};
