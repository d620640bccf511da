#pragma once

#include "host/runtime/collection.h"
#include "host/runtime/event.h"
#include "school/system/cls_sponsor_condition.h"
#include "students/careers/cls_course.h"
#include "students/careers/cls_graduate.h"
#include "students/lessons/cls_class_effect.h"
#include "students/lessons/cls_class_schedule.h"
#include "students/lessons/cls_mng_schedule.h"
#include "students/lessons/study_info_provider.h"
#include "students/newcomers/cls_create_student.h"
#include "students/newcomers/cls_create_student_data.h"
#include "students/roster/cls_unit_data.h"
#include "students/student/cls_growth.h"
#include "students/student/cls_student.h"

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The student manager: the students of the school, the candidates offered for
// admission, the graduates, the growth table, the school timetable, the five
// saved teams and the teams sent on quests, and everything done to students
// as a group. A student's messages come out as the manager's Report while
// that student is the current one; every operation that lets a student act
// makes it current first.
class clsMngStudent {
  public:
    static constexpr int SavedTeams = 5;

    host::runtime::Event<std::string> Report;
    // The picture of the period being taught: the lesson's, or "個別授業".
    host::runtime::Event<std::string> ClassImage;
    // A lesson used the named class item; its owner wears one unit down.
    host::runtime::Event<std::string> UseClassItem;

    clsMngStudent();
    clsMngStudent(const clsMngStudent&) = delete;
    clsMngStudent& operator=(const clsMngStudent&) = delete;

    // Who answers the lesson records of Study; nullptr removes it.
    void setStudyInfoProvider(StudyInfoProvider* provider) { studyInfo_ = provider; }

    // The graduates' points for the yearly rank evaluation, by course.
    std::int16_t RankUpCondition() const;
    // A new game: empty teams, roster, graduates and quest teams and the
    // default timetable. Newcomers and the growth table stay.
    void SetDataInit();
    // Students, graduates, saved teams, timetable and quest teams, joined by
    // "/"; an empty list of quest teams is "nodata".
    std::string GetSaveData() const;
    // Loads all five sections or, when any part of the text is bad, fails
    // with the runtime's error and changes nothing.
    void SetSaveData(std::string_view sData);
    // The catalogue names the roster refers to: the lessons and class items
    // of the school's and every student's timetable, the formations and items
    // of the saved teams and quest teams, the quests of the quest teams.
    struct SavedNames {
        std::set<std::string> lessons;
        std::set<std::string> items;
        std::set<std::string> formations;
        std::set<std::string> quests;
    };
    SavedNames savedNames() const;
    // Periods 1..4 of every weekday: the default lessons and teachers.
    void ClassInit();
    void SetQuestClear();

    // Teacherless training of every student who is uninjured and has the
    // physical strength for it.
    void DirectEffect(std::int16_t UsePhysical, std::int32_t Effect, std::int16_t EffectPoint,
                      std::int16_t Month);
    // The lesson formula for the current student.
    void SetStudy(const clsClassEffect& pInfo, std::int16_t Month, bool NurseOffice);
    // One period of the school timetable, weekday 1..5 and period 1..8: every
    // student's lesson record goes to the study-info provider. A free period
    // does nothing. Without a provider it raises the object-not-set error.
    void Study(std::int16_t DayofWeek, std::int16_t Number);
    void PhysicalRecover(std::int32_t pMethod, std::int16_t Value);
    void CalcDissatisfaction(std::int32_t pMethod, std::int16_t Value);

    void AddNewStudent(std::unique_ptr<clsStudent> pStudent);
    host::runtime::Collection<std::string> GetALLStudentName() const;
    // Sets pStudent and answers True when the name is on the roster; an empty
    // or unknown name answers False and leaves pStudent alone.
    bool GetStudent(const std::string& pName, clsStudent*& pStudent);
    // A newcomer made from cData, with the school's whole-class lessons in
    // its timetable.
    void CreateStudent(const clsCreateStudentData& cData);
    // Admission: the newcomer of that name joins the roster.
    void SetNewStudent(const std::string& name);
    bool CheckStudentCount(bool WithoutInjury) const;
    // True when the name is free: no student, newcomer or graduate bears it.
    bool DoubleName(const std::string& strName) const;
    void ClearNewComer();
    void ClearStudent();
    // Master-data growth rows, one per CR LF line, appended; empty lines are
    // skipped. A bad row fails with the runtime's error and adds nothing.
    void SetGrowth(std::string_view strData);

    // School timetable, students' timetables and lookups for the screens.
    // Slot numbers run 0..39, (weekday - 1) * 8 + (period - 1); a number
    // outside them raises the subscript error where a slot is read or written.
    // True for periods 1..4, and for every period with the full-time permit.
    bool GetClassEnable(bool blFullTime, std::int16_t Number) const;
    // "未許可" for periods 5..8 without the permit, else "全体授業", "個別授業",
    // "休講" or "" for the slot's ClassType.
    std::string GetClassType(bool blFullTime, std::int16_t Number) const;
    std::int32_t GetClassTypeAsNumber(std::int16_t Number) const;
    void SetClassTypeAsNumber(std::int16_t Number, std::int32_t Target, const std::string& ClassName,
                              const std::string& ClassTeacher, const std::string& UseItem);
    // Places the records keyed "Name:slot" themselves into every student's
    // timetable. A missing key raises the collection's error before any
    // timetable changes.
    void SetStudentSchedule(const host::runtime::Collection<std::shared_ptr<clsClassSchedule>>& clData);
    // A loose copy of the student's slot; nullptr for an empty name, the
    // collection's error for a name not on the roster.
    std::shared_ptr<clsClassSchedule> GetSchedule(const std::string& StudentName, std::int16_t Number) const;
    // True when every student's timetable passes; an empty roster passes.
    bool CheckClass(std::int16_t ClassNum, const host::runtime::Collection<clsPassageData>& clTeacher,
                    const host::runtime::Collection<clsGetGridData>& clItem);
    // True when some student's own timetable books the teacher.
    bool CheckClassTeacher(const std::string& pData) const;
    // One cell per student in roster order; no cells for an empty roster.
    clsGetGridData GetStudentName() const;
    // The student's progress per ability; a row without cells for an empty
    // name, the collection's error for a name not on the roster.
    clsGetGridData GetExperienceAsNumber(const std::string& pData) const;
    // Per graduate, keyed by name: the name and ability Number + 1.
    host::runtime::Collection<clsGetGridData> GetGraduateAbilityAsNumber(std::int16_t Number) const;

    // Daily school activities.
    // Adds to each teacher row (key and cell 0 the name, cell 1 the count)
    // one per period 1..ClassCount of weekday ClassNumber that the teacher
    // teaches. A teacher without a row counts nothing.
    void SetTeacherCount(host::runtime::Collection<clsGetGridData>& clData, std::int16_t ClassCount,
                         std::int16_t ClassNumber);
    void SetDormitoryGym(std::int16_t Month);
    // Rows of built facilities: name, installed item, its influence. Each
    // student trains in at most the first facility whose roll succeeds.
    void SetAfterSchool(const host::runtime::Collection<clsGetGridData>& clData, std::int16_t Month);
    // One camp day from the row Base, BigEffect, SmallEffect.
    void GetCampEffect(const clsGetGridData& cGData);
    void ForwordDay(bool blBath);
    // Students in the final year or older than 19 choose a course.
    void ThinkCourse(std::int16_t MaxSchoolYear);

    // Careers: course guidance, withdrawal, graduation and the graduates.
    // Guidance is open to a student without guidance yet in the final year
    // or aged 20 or more; a name not on the roster raises the collection's error.
    bool CheckCourse(const std::string& name, std::int16_t schoolYears) const;
    // Guides the student towards a course of the guidance list; once per student.
    void SetCourse(const std::string& name, const std::string& courseName);
    // The 14 guidance rows: "0" and the course name.
    const host::runtime::Collection<clsGetGridData>& GetCourse() const { return courseRows_; }
    // The monthly withdrawal of dissatisfied students.
    void Withdrawal();
    // The end of the school year: students move up a year or graduate.
    void Graduate(std::int16_t schoolYears, std::int16_t year);
    // Growth of every graduate; in April ageing, in other months lost
    // contact and career changes.
    void MonthlyGraduateCheck(bool addAge);
    bool CheckEnableGraduate() const;
    // Adds the graduates' career points into the sponsor snapshot.
    void SetSponsorData(clsSponsorCondition& condition) const;

    // Saved teams (slots 0..4) and the students who may join a team. A slot
    // number outside 0..4 writes nothing and reads empty or False. A student
    // may join when uninjured, in no quest team and with Physical >= NeedPhysical.
    void UnitSave(std::int16_t SaveNumber, std::int16_t UnitNumber, const std::string& SName);
    void UnitSaveLineName(std::int16_t SaveNumber, const std::string& LineName);
    void UnitSaveItem(std::int16_t SaveNumber, const std::string& ItemName);
    std::string UnitLoadLineName(std::int16_t LoadNumber) const;
    std::string UnitLoadItem(std::int16_t LoadNumber) const;
    // True when the slot has a formation name.
    bool CheckLoadData(std::int16_t Number) const;
    // The member at the position when that student may still join; else "".
    std::string UnitLoadMember(std::int16_t LoadNumber, std::int16_t UnitNumber,
                               std::int16_t NeedPhysical) const;
    // The slot's tip: formation, each member's state, item. An Index outside
    // 0..4 raises the subscript error.
    std::string GetUnitLoadSaveTips(std::int16_t Index, std::int16_t NeedPhysical) const;
    // The team's students in position order, keyed by name, as non-owning
    // pointers into the roster (valid while they stay on it). Empty positions
    // are skipped; a name not on the roster raises the collection's error.
    host::runtime::Collection<const clsStudent*> GetUnitLineData(const clsUnitData& cUnitData) const;
    // True when at least five students may join a team.
    bool CheckEnableUnitMember(std::int16_t NeedPhysical) const;
    // One 19-cell row per student who may join, in roster order: "0", name,
    // age, school year, abilities 1..6 and 11..17, condition, dissatisfaction stage.
    host::runtime::Collection<clsGetGridData> GetEnableUnitMember(std::int16_t NeedPhysical) const;
    // The student's battle skills; "" for an empty name, the collection's
    // error for a name not on the roster.
    std::string GetBattleSkillTips(const std::string& pData) const;

    // Quest teams, keyed by quest name in the order sent. Members who left the
    // roster since the team was sent are skipped.
    // A quest name already in the list raises the collection's error.
    void SetQuest(const clsUnitData& pQuestUnit);
    const host::runtime::Collection<clsUnitData>& GetQuestData() const { return questTeams_; }
    bool CheckQuest() const { return !questTeams_.empty(); }
    // One row per team, its cell 0 the quest name.
    host::runtime::Collection<clsGetGridData> GetQuest() const;
    // True when a team is entered in the kingdom's tournament.
    bool CheckBattleGameDay() const;
    // Per battle item carried, keyed by it: the item and the number of teams.
    host::runtime::Collection<clsGetGridData> GetQuestItem() const;
    // 12 when a member holds the festival skill, else 0.
    std::int16_t GetQuestMemberAddCritical(const clsUnitData& cQuest) const;
    // 5 (best) to 1: the leader's condition when he holds charisma, else the
    // worst condition of the members present.
    std::int32_t GetQuestMemberMinCondition(const clsUnitData& cQuest) const;
    // Physical cost, dissatisfaction and possible injuries of a lost quest.
    void SetQuestFailed(const clsUnitData& cUData, std::int16_t Rank);
    // Physical cost, training by unit type (cells 1..5 of clData) and
    // formation type (cell 0), and less dissatisfaction after a won quest.
    void SetQuestSuccess(const clsUnitData& cUData, const clsGetGridData& clData, std::int16_t Month,
                         std::int16_t Rank);

    // Student lists, details and tips for the screens.
    // A name must be on the list the view reads (roster, newcomers or
    // graduates), else the collection's error; ability n counts from 0.
    // Rows in list order, without keys: "0", name, school year, age, physical,
    // character, condition, dissatisfaction stage, Physical level, course.
    host::runtime::Collection<clsGetGridData> GetStudentData() const;
    // "0", name, origin, character, age, Physical level.
    host::runtime::Collection<clsGetGridData> GetNewComer() const;
    // Course, name, age, origin, graduation year + "年", present Physical.
    host::runtime::Collection<clsGetGridData> GetGraduateData() const;
    // Keyed by name: the name and the character.
    host::runtime::Collection<clsGetGridData> GetStudentChara() const;
    // Keyed by name: the name and the level of ability n + 1.
    host::runtime::Collection<clsGetGridData> GetStudentAbility(std::int16_t n) const;
    host::runtime::Collection<clsGetGridData> GetNewStudnetAbility(std::int16_t n) const;
    // The GetStudentData row with the level of ability n + 1 in cell 8; a row
    // without cells for an empty name.
    clsGetGridData GetStudentIndividual(const std::string& name, std::int16_t n) const;
    // Present abilities 1..17 in cells 0..16.
    clsGetGridData GetGraduateDetail(const std::string& name) const;
    // The ability detail grid; a row without cells for an empty name.
    clsGetGridData GetStudentDetail(const std::string& name) const;
    clsGetGridData GetNewComerDetail(const std::string& name) const;
    // The course name, "不明" while undecided; empty for an empty name.
    std::string GetStudentCourse(const std::string& name) const;
    std::int16_t GetMemberNum() const;
    // CR LF lines: school year (withYear), origin, traits, injury, growth tip
    // and growth state in the month; empty for an empty name.
    std::string GetStudentTips(const std::string& name, std::int16_t month, bool withYear) const;
    // The tip of the newcomer's growth type; criticism changes nothing.
    std::string GetNewComerTips(const std::string& name, std::int16_t criticism) const;
    // The growth state of a growth type at an age in a month.
    std::string GetGrowthDetails(const std::string& growth, std::int16_t age, std::int16_t month) const;
    // Reports the use and hands the item to the student; nothing for an empty
    // name, nor when the student leaves while the report is shown.
    void UseConsumeItem(const std::string& name, const clsUseConsumeItem& item);

  private:
    using StudentList = host::runtime::Collection<std::unique_ptr<clsStudent>>;

    static int slotIndex(std::int16_t DayofWeek, std::int16_t Number);
    clsClassSchedule& schoolSlot(std::int16_t DayofWeek, std::int16_t Number) const;
    // Makes the student current and relays its reports from now on.
    void makeCurrent(clsStudent& student);
    // Subscribes the manager to a student that joins one of its lists.
    std::unique_ptr<clsStudent> attach(std::unique_ptr<clsStudent> student);
    std::int16_t GetGrowthValue(const std::string& growthType, std::int16_t age, std::int16_t month) const;
    // The roster's names now, so a loop survives changes made while it runs.
    std::vector<std::string> rosterNames() const;
    // Visits the students on the roster now, in roster order; one that has
    // left the roster by its turn is skipped.
    template <class Visit> void forEachStudent(Visit&& visit) {
        for (const auto& name : rosterNames())
            if (auto* entry = students_.find(name)) visit(**entry);
    }
    void ClearGraduates();
    // "王様", "軍人", "学者", "職人" for characters 1..4; empty otherwise.
    static std::string GetCharaName(std::int32_t character);
    // 0..4 for dissatisfaction up to 14, 15..34, 35..54, 55..74, 75 and more.
    static std::int16_t GetDissatisfactionStage(std::int16_t dissatisfaction);

    std::string GetStudentSaveData() const;
    std::string GetGraduateSaveData() const;
    std::string GetUnitSaveData() const;
    std::string GetTimetableSaveData() const;
    std::string GetQuestTeamSaveData() const;

    std::array<clsUnitData, SavedTeams> units_;
    std::array<std::shared_ptr<clsClassSchedule>, clsMngSchedule::SlotCount> schedule_;
    StudentList students_;
    std::vector<clsGrowth> growth_;
    clsCreateStudent generator_;
    std::unique_ptr<clsStudent> placeholder_;
    // The placeholder or a student on one of the lists; point it back at the
    // placeholder before that student leaves its list.
    clsStudent* current_ = nullptr;
    StudentList newComers_;
    host::runtime::Collection<clsGraduate> graduates_;
    host::runtime::Collection<clsUnitData> questTeams_;
    StudyInfoProvider* studyInfo_ = nullptr;

    // Careers.
    static host::runtime::Collection<clsGetGridData> courseRows(const clsCourse& course);
    bool RollCourseGuidance(const std::string& origin, const std::string& target) const;
    clsCourse course_;
    host::runtime::Collection<clsGetGridData> courseRows_ = courseRows(course_);

    // Teams.
    bool IsStudentName(const std::string& name) const;
    bool IsQuestMember(const std::string& name) const;
    bool mayJoinTeam(const clsStudent& student, std::int16_t NeedPhysical) const;
    // The slot's team, or nullptr for a number outside 0..4.
    clsUnitData* savedUnit(std::int16_t Number);
    const clsUnitData* savedUnit(std::int16_t Number) const;
    // The students at positions 1..5 of a quest team who are on the roster now.
    std::vector<std::string> presentMembers(const clsUnitData& team) const;

    // Views: per student of the list, keyed by name, the name and the level
    // of ability n + 1.
    static host::runtime::Collection<clsGetGridData> abilityRows(const StudentList& list, std::int16_t n);
    // A student row of cells 0..lastCell with cells 0..7 filled: "0", name,
    // school year, age, physical, character, condition, dissatisfaction stage.
    static clsGetGridData studentRow(const clsStudent& student, std::int16_t lastCell);
};
