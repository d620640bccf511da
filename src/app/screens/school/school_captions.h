#pragma once

#include "state/menu_keys.h"

#include <array>
#include <string_view>

// Every menu and sub-menu name the school screen shows or hands to the
// facade, in one table: a button's caption is the key the facade compares.
namespace school_captions {

// The main-menu state and the facade's menu while a lesson runs or a camp is chosen.
inline constexpr MenuKey kAcademy = menu_key::kAcademy;
// The menu after a day: the school's own name "学園".
inline constexpr MenuKey kSchoolTitle = menu_key::kSchoolGrounds;
inline constexpr MenuKey kLessonRunning = menu_key::kDuringLessons;
inline constexpr MenuKey kCamp = menu_key::kCamp;

// GLSchool(0..8).
inline constexpr MenuKey kLessons = menu_key::kTimetable;
inline constexpr MenuKey kStudents = menu_key::kStudents;
inline constexpr MenuKey kTeachers = menu_key::kTeachers;
inline constexpr MenuKey kSchoolData = menu_key::kSchoolData;
inline constexpr MenuKey kBuildingData = menu_key::kBuildingData;
inline constexpr MenuKey kContract = menu_key::kContract;
inline constexpr MenuKey kArbeit = menu_key::kArbeit;
inline constexpr MenuKey kQuest = menu_key::kQuest;
inline constexpr std::string_view kTown = "街へ行く";
inline constexpr std::array<std::string_view, 9> gSchoolMenu = {
    kLessons.name(),    kStudents.name(),     kTeachers.name(),
    kSchoolData.name(), kBuildingData.name(), kContract.name(),
    kArbeit.name(),     kQuest.name(),        kTown};

// GLDate(0..3) and GLSystem(0..4).
inline constexpr std::array<std::string_view, 4> gDateCommands = {"授業をする", "次の日へ", "週末へ",
                                                                  kCamp.name()};
inline constexpr std::array<std::string_view, 5> gSystemCommands = {"セーブ", "ロード", "設定", "ログ",
                                                                    "チーム出力"};

// The sub-commands (sub-menu names) of the menu items.
inline constexpr std::array<std::string_view, 5> gSchoolDataCommands = {
    menu_key::kItems.name(), menu_key::kSponsors.name(), menu_key::kScouts.name(), menu_key::kMonsters.name(),
    menu_key::kGraduates.name()};
inline constexpr std::array<std::string_view, 3> gBuildingDataCommands = {
    menu_key::kSchoolGrounds.name(), menu_key::kSchoolhouse.name(), menu_key::kDormitory.name()};
inline constexpr std::array<std::string_view, 2> gContractCommands = {menu_key::kScouts.name(),
                                                                      menu_key::kTeacherOffers.name()};
inline constexpr std::array<std::string_view, 2> gStudentCommands = {"アイテムを使う", "進路指導"};
inline constexpr std::array<std::string_view, 2> gTeacherCommands = {"契約解除", "ボーナス"};
inline constexpr MenuKey kGraduates = menu_key::kGraduates;
inline constexpr MenuKey kScouts = menu_key::kScouts;
inline constexpr MenuKey kTeacherOffers = menu_key::kTeacherOffers;
// The building list that holds items.
inline constexpr MenuKey kSchoolGrounds = menu_key::kSchoolGrounds;
// The new year's two lists; the first one's sub-command marks every row.
inline constexpr MenuKey kNewStudents = menu_key::kNewcomers;
inline constexpr MenuKey kNewSponsors = menu_key::kNewSponsors;
inline constexpr std::string_view kSelectAll = "全選択";

// The action button's captions.
inline constexpr std::string_view kSignContract = "契約する";
inline constexpr std::string_view kPlaceItem = "アイテムを設置";
inline constexpr std::string_view kTakeArbeit = "アルバイトをする";
inline constexpr std::string_view kTakeQuest = "依頼を受ける";
inline constexpr std::string_view kGoCamp = "合宿に行く";
inline constexpr std::string_view kAdmit = "入学";
inline constexpr std::string_view kSignSponsors = "契約";

inline constexpr std::string_view kWhatToDo = "何をしますか";
inline constexpr std::string_view kBack = "戻る";

} // namespace school_captions
