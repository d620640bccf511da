#include "economy/cls_recipe.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

void clsRecipe::SetData(std::string_view row) {
    const auto f = host::runtime::SplitFields(row, ",", 5, "recipe row \"" + std::string(row) + "\"");
    RecipeItem_ = host::text::toWide(f[0]);
    Material1_ = host::text::toWide(f[1]);
    Material2_ = host::text::toWide(f[2]);
    Rank_ = host::runtime::CInt(f[3]);
    Money_ = host::runtime::CLng(f[4]);
}
