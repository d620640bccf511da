#pragma once

#include "economy/cls_mng_item.h"
#include "fake_lessons.h"
#include "platform/services/silent_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// An item manager over a small catalogue, with every event it raises recorded
// in order.
class ItemManagerFixture : public ::testing::Test {
  protected:
    // Name, ItemType, Category, Effect1, Effect2, Broken, Price, Tips.
    static constexpr const char* kItems = "薬草,2,0,131072,10,1,20,野の草\r\n"
                                          "興奮剤,2,5,393216,20,1,400,体に毒\r\n"
                                          "赤いきのこ,1,0,0,0,1,40,\r\n"
                                          "鉄鉱石,1,0,0,0,1,60,\r\n"
                                          "ポーション,2,1,131072,50,1,150,\r\n"
                                          "鉄の剣,3,8,0,0,300,500,\r\n"
                                          "鉄の盾,3,2,532,0,500,3500,\r\n"
                                          "木刀,4,1,0,131075,6,300,\r\n"
                                          "鋼の剣,4,1,3,65656,8,2500,\r\n"
                                          "名匠の剣,4,1,11,65676,13,9000,\r\n"
                                          "稽古槍,4,2,0,131075,5,300,\r\n"
                                          "風景画,5,1,0,25,10,1500,\r\n"
                                          "古代の壺,5,1,0,250,12,12000,\r\n"
                                          "奇妙な像,5,1,0,77,12,100,\r\n"
                                          "百科事典,5,2,0,50,10,3500,\r\n"
                                          "銅チケット,6,0,0,0,1,50,\r\n"
                                          "銀チケット,6,0,0,0,1,150,\r\n"
                                          "金チケット,6,0,0,0,1,500,";
    // ID (the bit of the shop word), ItemName, Price.
    static constexpr const char* kShop = "7,薬草,50\r\n"
                                         "1,鉄の剣,900\r\n"
                                         "7,ポーション,300\r\n"
                                         "8,木刀,600\r\n"
                                         "31,風景画,3000\r\n"
                                         "32,鉄の盾,5000\r\n"
                                         "0,百科事典,6000";
    // RecipeItem, Material1, Material2, Rank, Money.
    static constexpr const char* kRecipes = "ポーション,薬草,赤いきのこ,0,100\r\n"
                                            "赤いきのこ,薬草,薬草,0,10\r\n"
                                            "鉄の剣,鉄鉱石,,3,1000\r\n"
                                            "鋼の剣,鉄鉱石,鉄の剣,5,2000";

    void SetUp() override {
        items.SetItemData(kItems);
        items.SetItemShopData(kShop);
        items.SetRecipe(kRecipes);
        items.SetTicket(tickets());
        items.MoveMoney.subscribe([this](std::int32_t& method, std::int32_t& money) {
            events.push_back("money " + std::to_string(method) + " " + std::to_string(money));
        });
        items.Report.subscribe([this](std::string& message) { events.push_back("report " + message); });
        items.SoundPlay.subscribe([this](std::string& name) { events.push_back("sound " + name); });
        items.ItemBroken.subscribe([this](std::string& message) { events.push_back("broken " + message); });
    }

    // 銅チケット: 1 鉄の剣, 50 ポーション, every other number 薬草. 銀チケット
    // lacks number 50; 金チケット's number 50 names no item.
    static std::string tickets() {
        std::string text;
        for (int n = 1; n <= 50; ++n) {
            const char* prize = n == 1 ? "鉄の剣" : n == 50 ? "ポーション" : "薬草";
            text += "銅チケット," + std::to_string(n) + "," + prize + "\r\n";
            if (n < 50) text += "銀チケット," + std::to_string(n) + ",薬草\r\n";
            text += "金チケット," + std::to_string(n) + "," + (n == 50 ? "幻の品" : "薬草") + "\r\n";
        }
        return text;
    }

    // The cells of each row.
    static std::vector<std::vector<std::string>> cellsOf(const clsMngItem::Rows& rows) {
        std::vector<std::vector<std::string>> cells;
        for (const clsGetGridData& row : rows) {
            cells.emplace_back();
            for (std::int16_t i = 0; i <= row.Cols(); ++i)
                cells.back().push_back(row.Data(i));
        }
        return cells;
    }

    // Cell `column` of each row.
    static std::vector<std::string> column(const clsMngItem::Rows& rows, std::int16_t column) {
        std::vector<std::string> cells;
        for (const clsGetGridData& row : rows)
            cells.push_back(row.Data(column));
        return cells;
    }

    static clsMngItem::Rows rowsOf(const std::vector<std::vector<std::string>>& cells) {
        clsMngItem::Rows rows;
        for (const auto& values : cells) {
            clsGetGridData row;
            row.SetCols(static_cast<std::int16_t>(values.size() - 1));
            for (std::size_t i = 0; i < values.size(); ++i)
                row.Data(static_cast<std::int16_t>(i), values[i]);
            rows.add(std::move(row));
        }
        return rows;
    }

    ScopedSilentServices services;
    FakeLessons lessons;
    clsMngItem items{lessons};
    std::vector<std::string> events;
};
