#include "economy/cls_item.h"

#include "economy/item_codes.h"
#include "economy/item_words.h"
#include "host/runtime/convert.h"
#include "platform/rules/cls_method.h"

#include <array>
#include <initializer_list>

using host::runtime::CStr;

namespace {

// Names of the consumable effect bits 1..20.
constexpr std::array<const char*, 20> kEffectNames = {
    "最大体力", "筋力",     "敏捷",     "技術",     "意思",         "頑丈",        "魅力",
    "運",       "礼儀",     "歴史",     "剣術",     "槍術",         "弓術",        "馬術",
    "攻撃陣形", "防御陣形", "奇襲陣形", "体力回復", "調子を上げる", "不満を下げる"};

std::string lines(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& part : parts) {
        if (&part != parts.begin()) text += "\r\n";
        text += part;
    }
    return text;
}

} // namespace

std::string clsItem::GetItemTips(ClassItemClassProvider& lessons) const {
    std::string body;
    switch (ItemType_) {
    case item_type::kMaterial:
    case item_type::kTicket:
        body = Tips_;
        break;
    case item_type::kConsumable:
        body = ConsumeTipsText();
        break;
    case item_type::kBattle:
        body = BattleTipsText();
        break;
    case item_type::kLesson:
        body = ClassTipsText(lessons);
        break;
    case item_type::kBuilding:
        body = ConstructTipsText();
        break;
    default:
        return "\r\n売却価格:" + CStr(Price_);
    }
    return lines({itemTypeName(ItemType_), body, "売却価格:" + CStr(Price_)});
}

std::string clsItem::ConsumeEffectText(std::int32_t word) {
    std::string text;
    for (std::int16_t bit = 1; bit <= consume_bit::kLast; ++bit) {
        if (!Method().BitCheck(word, bit)) continue;
        if (!text.empty()) text += ",";
        text += kEffectNames[static_cast<std::size_t>(bit - 1)];
        if (bit <= consume_bit::kLastAbility) text += "アップ";
    }
    return text;
}

std::string clsItem::ConsumeTipsText() const {
    static constexpr std::array<const char*, 4> kRisk = {"危険度なし", "危険度小", "危険度中", "危険度大"};
    return lines({"効果:" + ConsumeEffectText(Effect1_),
                  kRisk[static_cast<std::size_t>(consumeRiskStep(Category_))], Tips_});
}

std::string clsItem::ClassTipsText(ClassItemClassProvider& lessons) const {
    static constexpr std::array<const char*, 4> kRisk = {"危険なし", "危険度小", "危険度中", "危険度大"};
    std::string names;
    for (const std::string& lesson : lessons.GetClassItemClass(Category_)) {
        if (!names.empty()) names += ",";
        names += lesson;
    }
    return lines({"対象授業:" + names, "効果:" + lessonEffectText(Effect2_),
                  kRisk[static_cast<std::size_t>(lessonRiskStep(Effect1_))], Tips_});
}

std::string clsItem::ConstructTipsText() const {
    const std::string name = buildingName(Category_);
    std::string building;
    if (!name.empty()) building = name + (Category_ == building_item::kLibrary ? "に配本" : "に設置");
    const std::string word = influenceWord(Effect2_);
    const std::string influence = word.empty() ? "" : "影響力" + word;
    return lines({building, influence, Tips_});
}
