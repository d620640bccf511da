#include "battle/records/cls_monster.h"

#include "battle/battle_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

#include <algorithm>

using host::runtime::CInt;
using host::runtime::CSng;
using host::text::toWide;

void clsMonster::Win() {
    count_ = static_cast<std::int16_t>(std::min(count_ + 1, int{battle_limit::kDefeats}));
}

void clsMonster::SetData(std::string_view row) {
    const auto f = host::runtime::SplitFields(row, ",", 13, "monster row \"" + std::string(row) + "\"");
    const std::int16_t physical = CInt(f[3]), offense = CInt(f[4]), defense = CInt(f[5]), speed = CInt(f[6]);
    const float energy = CSng(f[7]);
    const std::int16_t understanding = CInt(f[10]), imageSize = CInt(f[11]), numbering = CInt(f[12]);

    monsterName_ = toWide(f[0]);
    lineType_ = toWide(f[1]);
    subType_ = toWide(f[2]);
    physical_ = physical;
    offense_ = offense;
    defense_ = defense;
    speed_ = speed;
    energy_ = energy;
    item_ = toWide(f[8]);
    rheaItem_ = toWide(f[9]);
    understanding_ = understanding;
    imageSize_ = imageSize;
    numbering_ = numbering;
}
