#include "students/lessons/lesson_item_kinds.h"

#include <array>

std::string lessonItemKindName(std::int32_t kind) {
    static constexpr std::array<const char*, 16> kWords = {
        "剣",   "槍",   "弓",   "馬",       "歴史書",   "礼儀書", "茶道具",   "兵法書",
        "工具", "木馬", "重り", "ロザリオ", "水泳用具", "ペン",   "ハンマー", "ギブス"};
    return kind >= 1 && kind <= static_cast<std::int32_t>(kWords.size())
               ? kWords[static_cast<std::size_t>(kind - 1)]
               : "";
}
