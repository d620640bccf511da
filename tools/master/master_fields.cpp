#include "tools/master/master_fields.h"

#include <array>
#include <vector>

namespace tools {
namespace {

using enum FieldKind;

struct SectionFields {
    std::vector<FieldKind> columns;
};

// Column kinds per section, 0 to 31.
const std::array<SectionFields, kSectionCount>& sectionFields() {
    static const std::array<SectionFields, kSectionCount> fields{{
        {{WideName}}, // 0 student names
        {{}},         // 1 character table
        {{}},         // 2 individual-lesson policy
        {{}},         // 3 whole-class policy
        {{Narrow}},   // 4 growth: type
        {{WideName, Plain, Plain, Plain, Plain, Plain, Plain, Plain, Plain, Plain, Plain, Plain, Plain,
          Wide}},             // 5 skills: name, image name
        {{NarrowName}},       // 6 formations: name
        {{NarrowName, Wide}}, // 7 formation skills
        {{NarrowName}},       // 8 formation positions
        {{WideName}},         // 9 teachers
        {{WideName, Plain, Plain, Plain, Plain, Plain, Plain, Plain, Plain, Wide, Wide}}, // 10 lessons
        {{WideName, Plain, Plain, Plain, Plain, Plain, Plain, Plain, Wide, Wide, Wide}},  // 11 jobs
        {{WideName, Plain, Plain, Plain, Plain, Plain, Wide}},                            // 12 camps
        {{WideName}},                                                                     // 13 scouts
        {{WideName, Plain, Plain, Plain, Plain, Plain, Plain, Wide}},                     // 14 items
        {{WideName, Wide, Wide}},                                                         // 15 recipes
        {{WideName, Plain, Plain, Plain, Wide}},                                          // 16 companies
        {{Wide, Plain, Plain, Plain, Plain, Wide}},                                       // 17 sponsors
        {{WideName, Plain, Wide}},                                                        // 18 rival schools
        {{WideName, Plain, Plain, Plain, Wide}},                                          // 19 constructions
        {{WideName, Plain, Plain, Plain, Wide}},                                          // 20 classrooms
        {{WideName, Plain, Plain, Plain, Wide}},                                          // 21 facilities
        {{WideName, Plain, Plain, Plain, Plain, Plain, Wide}},                     // 22 school buildings
        {{WideName, Plain, Plain, Plain, Plain, Plain, Plain, Plain, Wide, Wide}}, // 23 monsters
        {{Plain, Plain, WideName, Plain, Plain, Wide, Plain, Plain, Plain, Wide, Plain, Plain, Plain, Plain,
          Wide}},                                         // 24 quests
        {{Wide, Wide}},                                   // 25 monster skills
        {{Plain, Wide}},                                  // 26 shop
        {{WideName}},                                     // 27 permits
        {{Wide, Plain, Wide}},                            // 28 ticket prizes
        {{}},                                             // 29 tournament rules
        {{}},                                             // 30 tournament prizes
        {{WideName, Plain, Plain, Plain, Plain, Narrow}}, // 31 battle effects: sound
    }};
    return fields;
}

} // namespace

FieldKind FieldKindOf(int section, std::size_t column) {
    if (section < 0 || section >= kSectionCount) return Plain;
    const auto& columns = sectionFields()[static_cast<std::size_t>(section)].columns;
    return column < columns.size() ? columns[column] : Plain;
}

} // namespace tools
