#pragma once

#include <array>
#include <string_view>

// Every menu and sub-menu name the school screen shows or hands to the
// facade, in one table: a button's caption is the key the facade compares.
namespace school_captions {

// The main-menu state and the facade's menu while a lesson runs or a camp is chosen.
inline constexpr std::string_view kAcademy = "ミルトナ騎士団";
inline constexpr std::string_view kSchoolTitle = "学園";
inline constexpr std::string_view kLessonRunning = "授業中";
inline constexpr std::string_view kCamp = "合宿";

// GLSchool(0..8).
inline constexpr std::string_view kLessons = "授業";
inline constexpr std::string_view kStudents = "生徒を見る";
inline constexpr std::string_view kTeachers = "教師を見る";
inline constexpr std::string_view kSchoolData = "学園データ";
inline constexpr std::string_view kBuildingData = "建物データ";
inline constexpr std::string_view kContract = "契約";
inline constexpr std::string_view kArbeit = "アルバイト";
inline constexpr std::string_view kQuest = "依頼";
inline constexpr std::string_view kTown = "街へ行く";
inline constexpr std::array<std::string_view, 9> gSchoolMenu = {
    kLessons, kStudents, kTeachers, kSchoolData, kBuildingData, kContract, kArbeit, kQuest, kTown};

// GLDate(0..3) and GLSystem(0..4).
inline constexpr std::array<std::string_view, 4> gDateCommands = {"授業をする", "次の日へ", "週末へ", kCamp};
inline constexpr std::array<std::string_view, 5> gSystemCommands = {"セーブ", "ロード", "設定", "ログ",
                                                                    "チーム出力"};

// The sub-commands (sub-menu names) of the menu items.
inline constexpr std::array<std::string_view, 5> gSchoolDataCommands = {"アイテム", "スポンサー", "スカウト",
                                                                        "モンスター", "卒業生"};
inline constexpr std::array<std::string_view, 3> gBuildingDataCommands = {"学園", "校舎", "寮"};
inline constexpr std::array<std::string_view, 2> gContractCommands = {"スカウト", "教師"};
inline constexpr std::array<std::string_view, 2> gStudentCommands = {"アイテムを使う", "進路指導"};
inline constexpr std::array<std::string_view, 2> gTeacherCommands = {"契約解除", "ボーナス"};
inline constexpr std::string_view kGraduates = gSchoolDataCommands[4];
inline constexpr std::string_view kNewStudents = "新入生";

// The action button's captions.
inline constexpr std::string_view kSignContract = "契約する";
inline constexpr std::string_view kPlaceItem = "アイテムを設置";
inline constexpr std::string_view kTakeArbeit = "アルバイトをする";
inline constexpr std::string_view kTakeQuest = "依頼を受ける";
inline constexpr std::string_view kGoCamp = "合宿に行く";

inline constexpr std::string_view kWhatToDo = "何をしますか";
inline constexpr std::string_view kBack = "戻る";

} // namespace school_captions
