#pragma once

#include <cstdint>
#include <string>

// Steps of a risk scale: 0 none, 1 small (and any negative value), 2 medium, 3 large.
// A consumable's side-effect load steps after 3 and 6.
int consumeRiskStep(std::int32_t load);
// A lesson item's extra injury risk steps after 3 and 10.
int lessonRiskStep(std::int32_t risk);

// The change a lesson item makes: "+15" (flat), "+20%" (percentage, value
// 120) or "" for any other method.
std::string lessonEffectText(std::int32_t effect);
