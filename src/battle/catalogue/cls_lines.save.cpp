#include "battle/catalogue/cls_lines.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

#include <utility>
#include <vector>

void clsLines::SetDataInit() {
    for (clsMonster& monster : clMonster)
        monster.Count(0);
}

std::string clsLines::GetSaveData() const {
    std::vector<std::string> entries;
    for (const clsMonster& monster : clMonster)
        entries.push_back(monster.MonsterName() + ":" + host::runtime::CStr(monster.Count()));
    return host::runtime::Join(entries, "/");
}

void clsLines::SetSaveData(std::string_view text) {
    std::vector<std::pair<clsMonster*, std::int16_t>> counts;
    for (const auto& entry : host::runtime::Split(text, "/")) {
        const auto f = host::runtime::SplitFields(entry, ":", 2, "defeat count \"" + entry + "\"");
        clsMonster& monster = clMonster.item(host::text::toWide(f[0]));
        counts.emplace_back(&monster, host::runtime::CInt(f[1]));
    }
    for (auto& [monster, count] : counts)
        monster->Count(count);
}
