#include "economy/cls_mng_item.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "platform/rules/mdl_zrd_func.h"

using host::runtime::CStr;

std::int32_t clsMngItem::GetProcessPrice(const std::string& RecipeName) const {
    return Recipes.item(RecipeName).Money();
}

clsMngItem::Rows clsMngItem::recipeRows(std::int16_t rank, bool onlyWithMaterials) const {
    Rows rows;
    for (const clsRecipe& recipe : Recipes) {
        if (recipe.Rank() > rank) continue;
        if (onlyWithMaterials) {
            const bool same = recipe.Material1() == recipe.Material2();
            const bool held =
                same ? HasItemCount(recipe.Material1(), 2)
                     : HasItemCount(recipe.Material1(), 1) && HasItemCount(recipe.Material2(), 1);
            if (!held) continue;
        }
        addRow(rows, {"0", recipe.RecipeItem(), CStr(recipe.Money()), CStr(ItemStorage(recipe.RecipeItem())),
                      recipe.Material1(), recipe.Material2()});
    }
    return rows;
}

clsMngItem::Rows clsMngItem::GetProcessItem(std::int16_t rank) const {
    return recipeRows(rank, false);
}

clsMngItem::Rows clsMngItem::GetEnableProcessItem(std::int16_t rank) const {
    return recipeRows(rank, true);
}

std::int16_t clsMngItem::SetProcessItem(const std::string& RecipeName, std::int16_t& count) {
    const clsRecipe& recipe = Recipes.item(RecipeName);
    if (count > materialLimit(recipe))
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                          RecipeName + "の材料が足りません (" + CStr(count) + "個分)");
    ItemAdd(recipe.RecipeItem(), count);
    std::int16_t used = count;
    ItemDelete(recipe.Material1(), used);
    used = count;
    ItemDelete(recipe.Material2(), used);
    return ItemStorage(recipe.RecipeItem());
}

std::string clsMngItem::GetProcessItemTips(const std::string& RecipeName) const {
    const clsRecipe& recipe = Recipes.item(RecipeName);
    std::string text;
    for (const std::string& material : {recipe.Material1(), recipe.Material2()}) {
        if (material.empty()) continue;
        mdlZRDFunc::AddLineBreak(text);
        text += material + "(" + CStr(ItemStorage(material)) + "個)";
    }
    mdlZRDFunc::AddLineBreak(text);
    return text + GetItemTips(recipe.RecipeItem());
}
