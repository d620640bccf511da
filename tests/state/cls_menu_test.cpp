#include "state/cls_menu.h"

#include "state/menu_keys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MenuState, ColumnSetAndMenuTipFollowTheMenu) {
    struct Case {
        MenuKey menu;
        MenuKey subMenu;
        const char* columns;
        const char* tip;
    };
    const Case cases[] = {
        {.menu = {}, .subMenu = {}, .columns = "", .tip = ""},
        {.menu = "学園データ", .subMenu = "アイテム", .columns = "アイテム", .tip = "どのデータを見ますか"},
        {.menu = "建物データ", .subMenu = "校舎", .columns = "校舎", .tip = ""},
        {.menu = "契約", .subMenu = "スカウト", .columns = "スカウト", .tip = ""},
        {.menu = "教師を見る", .subMenu = "スカウト", .columns = "教師", .tip = ""},
        {.menu = "生徒を見る",
         .subMenu = "アイテム",
         .columns = "生徒",
         .tip = "生徒の詳細なデータを見ます\r\nここから生徒に消費アイテムを使うことができます"},
        {.menu = "アルバイト", .subMenu = {}, .columns = "アルバイト", .tip = "どのデータを見ますか"},
        {.menu = "依頼", .subMenu = {}, .columns = "依頼", .tip = "どのデータを見ますか"},
        {.menu = "授業中", .subMenu = "アイテム", .columns = "授業中", .tip = ""},
    };
    for (const auto& c : cases) {
        clsMenu menu;
        menu.SetMenu(c.menu);
        menu.SetSubMenu(c.subMenu);
        EXPECT_EQ(menu.GetGGHeaderName(), c.columns) << c.menu.name();
        EXPECT_EQ(menu.GetSchoolMenuTips(), c.tip) << c.menu.name();
    }
}

TEST(MenuState, CaptionTipsAreLookedUpExactly) {
    struct Case {
        const char* caption;
        const char* tip;
    };
    const Case cases[] = {
        {.caption = "アイテム店", .tip = "アイテムの購入と売却をします"},
        {.caption = "進路指導",
         .tip = "生徒に進路を指導します\r\n必ず成功するとは限りません\r\n1月から3月までの間に生徒に一度だけで"
                "きます"},
        {.caption = "授業", .tip = "生徒たちが受ける授業を表示します\r\n授業の変更は毎月１日(日)にできます"},
        {.caption = "ミルトナ騎士団", .tip = "なにをしますか"},
        {.caption = "チーム出力",
         .tip = "プレイヤーの育てたチーム同士で戦う、大会に参加するためのデータを出力します"},
        {.caption = "授業をする", .tip = "授業を一つ進めます"},
        {.caption = "セーブ ", .tip = ""},
        {.caption = "ｾｰﾌﾞ", .tip = ""},
        {.caption = "", .tip = ""},
        {.caption = "授業中", .tip = ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(clsMenu::GetMSGTips(c.caption), c.tip) << c.caption;
}

TEST(MenuKeys, EveryKeyAPlayerOpensHasItsTipAndTheLessonsMenuHasNone) {
    for (const MenuKey key : menu_key::kOpened)
        EXPECT_FALSE(clsMenu::GetMSGTips(std::string(key.name())).empty()) << key.name();
    EXPECT_EQ(clsMenu::GetMSGTips(std::string(menu_key::kDuringLessons.name())), "");
}

TEST(MenuKeys, EachKeyNamesOneMenu) {
    for (std::size_t i = 0; i < menu_key::kOpened.size(); ++i) {
        EXPECT_NE(menu_key::kOpened[i], menu_key::kDuringLessons) << menu_key::kOpened[i].name();
        EXPECT_NE(menu_key::kOpened[i], MenuKey{});
        for (std::size_t j = i + 1; j < menu_key::kOpened.size(); ++j)
            EXPECT_NE(menu_key::kOpened[i], menu_key::kOpened[j]) << menu_key::kOpened[i].name();
    }
}

} // namespace
