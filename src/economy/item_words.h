#pragma once

#include "students/lessons/lesson_item_kinds.h"

#include <cstdint>
#include <string>

// Steps of a risk scale: 0 none, 1 small (and any negative value), 2 medium, 3 large.
// A consumable's side-effect load steps after 3 and 6.
int consumeRiskStep(std::int32_t load);
// A lesson item's extra injury risk steps after 3 and 10.
int lessonRiskStep(std::int32_t risk);
// The word of a risk step in the listings: "なし", "小", "中", "大".
std::string riskWord(int step);

// The change a lesson item makes: "+15" (flat), "+20%" (percentage, value
// 120) or "" for any other method.
std::string lessonEffectText(std::int32_t effect);

// The word of an item kind: "素材アイテム" .. "チケット"; "" for any other kind.
std::string itemTypeName(std::int32_t type);
// A building item's influence: 25 "極小", 50 "小", 100 "中", 250 "大", 500 "極大", others "".
std::string influenceWord(std::int32_t influence);
// The building of a building item: "美術館", "図書館", "礼拝堂"; "" for others.
std::string buildingName(std::int32_t building);
// How fast a lesson item wears, by its largest wear per use: up to 5 "小", up to 12 "中", more "大".
std::string breakWord(std::int32_t broken);
