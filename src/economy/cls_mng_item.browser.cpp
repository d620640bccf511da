#include "economy/cls_mng_item.h"
#include "economy/item_codes.h"
#include "economy/item_words.h"
#include "platform/browser/browser_table.h"
#include "platform/rules/cls_method.h"
#include "platform/rules/mdl_zrd_func.h"

#include <algorithm>
#include <functional>

namespace {

using browser::Column;

constexpr Column kRecipeColumns[] = {
    {"名前", 1500}, {"ランク", 600}, {"代金", 600}, {"素材1", 1200}, {"素材2", 1200}};
constexpr Column kBattleColumns[] = {
    {"名前", 1500},
    {"売値", 600},
    {"攻撃", 300},
    {"防御", 300},
    {"奇襲", 300},
    {"剣士", 300},
    {"槍兵", 300},
    {"弓兵", 300},
    {"騎兵", 300},
    {"体力", 600},
    {"攻撃力", 600},
    {"防御力", 600},
    {"気力", 600},
    {"速度", 600},
    {"怒り耐性", 600},
    {"混乱耐性", 600},
    {"スキル使用禁止耐性", 600},
    {"全てのステータス可視", 600},
    {"体力、気力可視", 600},
};
constexpr Column kLessonColumns[] = {
    {"名前", 1500}, {"売値", 700}, {"カテゴリ", 800}, {"効果", 700}, {"危険度", 700}};
constexpr Column kBuildingColumns[] = {
    {"名前", 1500}, {"売値", 700}, {"カテゴリ", 700}, {"効果", 700}, {"危険度", 700}};
constexpr Column kMaterialColumns[] = {{"名前", 1500}, {"売値", 700}};
constexpr Column kConsumeColumns[] = {{"名前", 1500}, {"売値", 700}, {"危険度", 700}};
constexpr std::int16_t kConsumeColumnCount = std::size(kConsumeColumns) + browser::kAbilityCaptions.size();
// The building and consumable column records are as wide as their rows.
constexpr std::int16_t kBuildingHeaderLastCell = std::size(kBuildingColumns) - 1;
constexpr std::int16_t kConsumeHeaderLastCell = kConsumeColumnCount - 1;

// One row per catalogue item of the kinds, in catalogue order.
clsMngItem::Rows itemRows(const host::runtime::Collection<clsItem>& items,
                          std::initializer_list<std::int32_t> types, std::int16_t columns,
                          const std::function<void(const clsItem&, clsGetGridData&)>& fill) {
    clsMngItem::Rows rows;
    for (const clsItem& item : items) {
        if (std::find(types.begin(), types.end(), item.ItemType()) == types.end()) continue;
        clsGetGridData row = browser::newRow(columns);
        row.Data(0, item.ItemName());
        row.Data(1, std::to_string(item.Price()));
        fill(item, row);
        rows.add(std::move(row));
    }
    return rows;
}

} // namespace

clsMngItem::Rows clsMngItem::GetRecipeDataHeader() const {
    return browser::columnSet(kRecipeColumns, false);
}

clsMngItem::Rows clsMngItem::GetRecipeData() const {
    Rows rows;
    for (const clsRecipe& recipe : Recipes) {
        clsGetGridData row = browser::newRow(std::size(kRecipeColumns));
        row.Data(0, recipe.RecipeItem());
        row.Data(1, mdlZRDFunc::GetRankName(recipe.Rank()));
        row.Data(2, std::to_string(recipe.Money()));
        row.Data(3, recipe.Material1());
        row.Data(4, recipe.Material2());
        rows.add(std::move(row));
    }
    return rows;
}

clsMngItem::Rows clsMngItem::GetDataBattleItemHeader() const {
    return browser::columnSet(kBattleColumns, false);
}

clsMngItem::Rows clsMngItem::GetDataBattleItem() const {
    return itemRows(
        Items, {item_type::kBattle}, std::size(kBattleColumns), [](const clsItem& item, clsGetGridData& row) {
            const clsGetGridData effects = item.GetBattleItemData(true);
            for (std::int16_t cell = 2; cell < static_cast<std::int16_t>(std::size(kBattleColumns)); ++cell)
                row.Data(cell, effects.Data(cell));
        });
}

clsMngItem::Rows clsMngItem::GetDataClassItemHeader() const {
    return browser::columnSet(kLessonColumns, false);
}

clsMngItem::Rows clsMngItem::GetDataClassItem() const {
    return itemRows(Items, {item_type::kLesson}, std::size(kLessonColumns),
                    [](const clsItem& item, clsGetGridData& row) {
                        row.Data(2, lessonItemKindName(item.Category()));
                        row.Data(3, lessonEffectText(item.Effect2()));
                        row.Data(4, std::to_string(item.Effect1()));
                    });
}

clsMngItem::Rows clsMngItem::GetDataConstructItemHeader() const {
    return browser::columnSet(kBuildingColumns, false, kBuildingHeaderLastCell);
}

clsMngItem::Rows clsMngItem::GetDataConstructItem() const {
    return itemRows(Items, {item_type::kBuilding}, std::size(kBuildingColumns),
                    [](const clsItem& item, clsGetGridData& row) {
                        row.Data(2, buildingName(item.Category()));
                        row.Data(3, influenceWord(item.Effect2()));
                        row.Data(4, riskWord(0));
                    });
}

clsMngItem::Rows clsMngItem::GetDataMaterialItemHeader() const {
    return browser::columnSet(kMaterialColumns, false);
}

clsMngItem::Rows clsMngItem::GetDataMaterialItem() const {
    return itemRows(Items, {item_type::kMaterial, item_type::kTicket}, std::size(kMaterialColumns),
                    [](const clsItem&, clsGetGridData&) {});
}

clsMngItem::Rows clsMngItem::GetDataConsumeItemHeader() const {
    return browser::columnSet(kConsumeColumns, true, kConsumeHeaderLastCell);
}

clsMngItem::Rows clsMngItem::GetDataConsumeItem() const {
    return itemRows(Items, {item_type::kConsumable}, kConsumeColumnCount,
                    [](const clsItem& item, clsGetGridData& row) {
                        row.Data(2, std::to_string(item.Category()));
                        browser::setAbilityMarks(row, std::size(kConsumeColumns), item.Effect1(), 0);
                    });
}
