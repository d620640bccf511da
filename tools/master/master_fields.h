#pragma once

#include <cstddef>

// How the loaders treat each field of the master data. The whole text is
// narrowed when it is read; a loader then widens some fields again and keeps
// others narrow. Names are the fields that can reach a save string.
namespace tools {

enum class FieldKind {
    Plain,      // numbers, flags and texts no loader converts
    Wide,       // widened by its loader
    Narrow,     // kept narrow by its loader
    WideName,   // widened, and can reach a save string
    NarrowName, // kept narrow, and can reach a save string
};

inline constexpr int kSectionCount = 32;

// The kind of field `column` (from 0) of a row of the section; Plain for
// columns the table does not list.
FieldKind FieldKindOf(int section, std::size_t column);

} // namespace tools
