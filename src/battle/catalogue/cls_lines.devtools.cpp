#include "battle/catalogue/cls_lines.h"
#include "host/runtime/convert.h"
#include "host/sys/paths.h"
#include "platform/files/gfile.h"

#include <stdexcept>

namespace {

constexpr const char* kDumpPath = "\\TotalLineData.txt";
constexpr const char* kTestSchool = "ウルフソン学園";
constexpr const char* kLineEnd = "\r\n";

std::string factors(float physical, float offensive, float defense) {
    using host::runtime::CStr;
    return CStr(physical) + "," + CStr(offensive) + "," + CStr(defense);
}

} // namespace

std::vector<std::string> clsLines::TestMonsterItem(SystemHooks& facade) const {
    std::vector<std::string> missing;
    for (const clsMonster& monster : clMonster)
        for (const std::string& item : {monster.Item(), monster.RheaItem()})
            if (!facade.CheckItem(item)) missing.push_back(monster.MonsterName() + ":" + item);
    return missing;
}

std::string clsLines::TestLineCalc() const {
    std::string text;
    for (const std::string& formation : GetLineName("")) {
        text += formation + kLineEnd;
        float physical = 0, offensive = 0, defense = 0;
        const host::runtime::Collection<const clsLineData*> positions = GetLineData(formation);
        for (std::int16_t n = 1; n <= clsUnitData::Positions; ++n) {
            const clsLineData& position = *positions.item(positionKey(n));
            text += host::runtime::CStr(n) + "=" +
                    factors(position.Physical(), position.Offensive(), position.Defense()) + kLineEnd;
            physical += position.Physical();
            offensive += position.Offensive();
            defense += position.Defense();
        }
        text += "計" + factors(physical, offensive, defense) + kLineEnd;
    }
    if (!File().FileWrite(kDumpPath, text))
        throw std::runtime_error("The formation dump " + host::sys::gamePath(kDumpPath).string() +
                                 " could not be written.");
    return text;
}

std::shared_ptr<clsFixUnitData> clsLines::TestSchoolCalc() const {
    const clsSchool& school = clSchool.item(kTestSchool);
    return SchoolUnitCalc(school.LineName(), school.Understanding(), school.BasePoint(), clsBattleItem(), 0);
}
