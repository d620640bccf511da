#pragma once

#include <array>
#include <string_view>

// The class screen's captions and the timetable's shape.
namespace class_captions {

inline constexpr int kPeriods = 8;
inline constexpr int kSlots = 40;
inline constexpr std::array<std::string_view, 5> kWeekNames = {"月", "火", "水", "木", "金"};

// The title plate; the facade's tip of it is the week view's standing text.
inline constexpr std::string_view kTitle = "授業設定";
// GLClasstoSchool and GLClassCommand: cancel and decide.
inline constexpr std::array<std::string_view, 2> kExitButtons = {"キャンセル", "授業確定"};
inline constexpr std::array<std::string_view, 4> kGridButtons = {"全選択", "反転", "空欄選択", "選択クリア"};
inline constexpr std::array<std::string_view, 4> kSettingButtons = {"授業選択", "教師選択", "アイテム選択",
                                                                    "設定する"};

// Slot captions by lesson type.
inline constexpr std::string_view kNoLesson = "休講";
inline constexpr std::string_view kWholeClass = "全体授業";
inline constexpr std::string_view kIndividual = "個別授業";

} // namespace class_captions
