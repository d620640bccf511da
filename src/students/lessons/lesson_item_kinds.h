#pragma once

#include <cstdint>
#include <string>

// The name of a lesson-item kind 1..16 ("剣" .. "ギブス"), the category a
// lesson uses and a lesson item belongs to; "" for others.
std::string lessonItemKindName(std::int32_t kind);
