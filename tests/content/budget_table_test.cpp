#include "tools/assets/budget_table.h"

#include "platform/assets/asset_table.h"

#include <gtest/gtest.h>

namespace {

TEST(BudgetTable, BudgetsTileEachArchiveExactly) {
    const auto& pictures = tools::PictureBudgets();
    ASSERT_EQ(pictures.size(), 204u);
    std::size_t end = 0;
    for (const auto& picture : pictures) {
        EXPECT_EQ(static_cast<std::size_t>(picture.first), end) << picture.name;
        end += picture.budget;
    }
    EXPECT_EQ(end, static_cast<std::size_t>(AssetTable::kImageArchiveSize));

    const auto& sounds = tools::SoundBudgets();
    ASSERT_EQ(sounds.size(), 47u);
    end = 0;
    for (const auto& sound : sounds) {
        EXPECT_EQ(static_cast<std::size_t>(sound.first), end) << sound.name;
        end += sound.budget;
    }
    EXPECT_EQ(end, static_cast<std::size_t>(AssetTable::kSoundArchiveSize));
}

TEST(BudgetTable, SmallestBudgetsAreThoseTheLoaderTableGives) {
    const auto budgetOf = [](std::string_view name) -> std::size_t {
        for (const auto& picture : tools::PictureBudgets())
            if (picture.name == name) return picture.budget;
        for (const auto& sound : tools::SoundBudgets())
            if (sound.name == name) return sound.budget;
        return 0;
    };
    EXPECT_EQ(budgetOf("山"), 32777u);
    EXPECT_EQ(budgetOf("スライム"), 3126u);
    EXPECT_EQ(budgetOf("チェック"), 694u);
    EXPECT_EQ(budgetOf("sort"), 2239u);
    EXPECT_EQ(budgetOf("スライダー左右"), 2454u);
}

} // namespace
