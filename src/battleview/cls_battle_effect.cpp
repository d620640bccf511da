#include "battleview/cls_battle_effect.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

void clsBattleEffect::SetData(const std::string& strData) {
    const auto fields = host::runtime::SplitFields(strData, ",", 6, "effect row " + strData);
    effectName_ = host::text::toWide(fields[0]);
    common_ = host::runtime::CBool(fields[1]);
    whole_ = host::runtime::CBool(fields[2]);
    imageType_ = host::runtime::CInt(fields[3]);
    count_ = host::runtime::CInt(fields[4]);
    sound_ = fields[5];
}
