#pragma once

#include <array>
#include <string_view>

// The texts the unit formation screen shows or hands on.
namespace unit_captions {

// The two modes, as their openers caption them.
inline constexpr std::string_view kQuestMode = "チーム編成";
inline constexpr std::string_view kExportMode = "チーム出力";
// Every opening starts on this line.
inline constexpr std::string_view kFirstLine = "突破陣";

inline constexpr std::string_view kChooseLine = "陣形選択";
inline constexpr std::string_view kChooseItem = "戦闘アイテム選択";
inline constexpr std::array<std::string_view, 10> gPresetButtons = {"L1", "L2", "L3", "L4", "L5",
                                                                    "S1", "S2", "S3", "S4", "S5"};
inline constexpr std::array<std::string_view, 2> gCommands = {"キャンセル", "編成完了"};

inline constexpr std::string_view kChooseMembers = "メンバーを選択してください";
inline constexpr std::string_view kItemRemovalTip = "右クリックでアイテムを削除します";

// Column sets of the member list and of the two pickers.
inline constexpr std::string_view kMemberColumns = "編成";
inline constexpr std::string_view kLineColumns = "陣形選択";
inline constexpr std::string_view kItemColumns = "戦闘アイテム";

inline constexpr std::string_view kPickLine = "陣形を選択してください";
inline constexpr std::string_view kPickItem = "戦闘アイテムを選択してください";
inline constexpr std::string_view kPick = "選択";

} // namespace unit_captions
