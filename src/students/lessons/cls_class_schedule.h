#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One timetable slot: the booked lesson, its teacher, its class item and the
// kind of lesson. Timetables share slot records (std::shared_ptr); a loose
// copy of a slot carries its student's name and the slot number 0..39.
class clsClassSchedule {
  public:
    // Lesson kinds of ClassType; 0 in a slot nobody has set.
    static constexpr std::int32_t WholeClass = 1; // 全体授業
    static constexpr std::int32_t Individual = 2; // 個別授業
    static constexpr std::int32_t NoLesson = 3;   // 休講

    // "DayofWeek;Number;ClassName;ClassTeacher;UseItem;ClassType;StudentName";
    // the texts are widened on loading and fields after the seventh ignored.
    // Fewer than seven fields or a bad number fail with the runtime's error
    // and leave the slot unchanged.
    void SetSaveData(std::string_view sData);
    std::string GetSaveData() const;

    const std::string& StudentName() const { return studentName_; }
    void StudentName(std::string value) { studentName_ = std::move(value); }
    std::int32_t ClassType() const { return classType_; }
    void ClassType(std::int32_t value) { classType_ = value; }
    std::int16_t DayofWeek() const { return dayofWeek_; }
    void DayofWeek(std::int16_t value) { dayofWeek_ = value; }
    std::int16_t Number() const { return number_; }
    void Number(std::int16_t value) { number_ = value; }
    const std::string& ClassName() const { return className_; }
    void ClassName(std::string value) { className_ = std::move(value); }
    const std::string& ClassTeacher() const { return classTeacher_; }
    void ClassTeacher(std::string value) { classTeacher_ = std::move(value); }
    const std::string& UseItem() const { return useItem_; }
    void UseItem(std::string value) { useItem_ = std::move(value); }

  private:
    std::int16_t dayofWeek_ = 0;
    std::int16_t number_ = 0;
    std::string className_;
    std::string classTeacher_;
    std::string useItem_;
    std::int32_t classType_ = 0;
    std::string studentName_;
};
