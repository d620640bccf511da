// The twelve catalogue browsers against the packed master data: the column
// sets, one row per master row in row order, and nothing changed by a call.
#include "platform/browser/browser_table.h"
#include "state/save/save_managers.h"
#include "state/state_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

using Rows = host::runtime::Collection<clsGetGridData>;
using statetest::LoadedFacade;

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) return fields;
        start = comma + 1;
    }
}

// The names of the rows of a master-data source file, in file order; with a
// kind field, only the rows whose kind is one of kinds.
std::vector<std::string> sourceNames(const std::string& file, std::size_t nameField, int kindField = -1,
                                     std::set<std::string> kinds = {}) {
    std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/content/master/" + file);
    EXPECT_TRUE(in) << file;
    std::vector<std::string> names;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        const auto fields = fieldsOf(line);
        if (kindField >= 0 && !kinds.contains(fields.at(static_cast<std::size_t>(kindField)))) continue;
        names.push_back(fields.at(nameField));
    }
    return names;
}

std::vector<std::string> cellsOf(const clsGetGridData& row) {
    std::vector<std::string> cells;
    for (std::int16_t i = 0; i <= row.Cols(); ++i)
        cells.push_back(row.Data(i));
    return cells;
}

std::vector<std::vector<std::string>> table(const Rows& rows) {
    std::vector<std::vector<std::string>> cells;
    for (const clsGetGridData& row : rows)
        cells.push_back(cellsOf(row));
    return cells;
}

struct BrowserCase {
    const char* what;
    std::function<Rows(clsData&)> header;
    std::function<Rows(clsData&)> rows;
    std::size_t columns;
    std::size_t headerCells;
    std::vector<std::string> lastCaptions; // the last column captions, in order
    std::vector<std::string> names;        // column 0 of the rows, in order
};

std::vector<BrowserCase> browserCases() {
    const std::vector<std::string> abilities(browser::kAbilityCaptions.end() - 2,
                                             browser::kAbilityCaptions.end());
    return {
        {.what = "quests",
         .header = [](clsData& d) { return managers(d).system().GetGameDataHeader(); },
         .rows = [](clsData& d) { return managers(d).system().GetGameData(); },
         .columns = 7,
         .headerCells = 2,
         .lastCaptions = {"終了月", "条件"},
         .names = sourceNames("24-quests.txt", 2)},
        {.what = "scouts",
         .header = [](clsData& d) { return managers(d).scouts().GetGameDataHeader(); },
         .rows = [](clsData& d) { return managers(d).scouts().GetGameData(); },
         .columns = 8,
         .headerCells = 2,
         .lastCaptions = {"人数", "給料"},
         .names = sourceNames("13-scouts.txt", 0)},
        {.what = "camps",
         .header = [](clsData& d) { return managers(d).countries().GetGameDataHeader(); },
         .rows = [](clsData& d) { return managers(d).countries().GetGameData(); },
         .columns = 20,
         .headerCells = 2,
         .lastCaptions = abilities,
         .names = sourceNames("12-training-camps.txt", 0)},
        {.what = "part-time jobs",
         .header = [](clsData& d) { return managers(d).arbeits().GetGameDataHeader(); },
         .rows = [](clsData& d) { return managers(d).arbeits().GetGameData(); },
         .columns = 24,
         .headerCells = 2,
         .lastCaptions = abilities,
         .names = sourceNames("11-part-time-jobs.txt", 0)},
        {.what = "teachers",
         .header = [](clsData& d) { return managers(d).teachers().GetGameDataHeader(); },
         .rows = [](clsData& d) { return managers(d).teachers().GetGameData(); },
         .columns = 35,
         .headerCells = 2,
         .lastCaptions = {"家元", "鉄の意志"},
         .names = sourceNames("09-teachers.txt", 0)},
        {.what = "lessons",
         .header = [](clsData& d) { return managers(d).classes().GetGameDataHeader(); },
         .rows = [](clsData& d) { return managers(d).classes().GetGameData(); },
         .columns = 24,
         .headerCells = 2,
         .lastCaptions = abilities,
         .names = sourceNames("10-lessons.txt", 0)},
        {.what = "recipes",
         .header = [](clsData& d) { return managers(d).items().GetRecipeDataHeader(); },
         .rows = [](clsData& d) { return managers(d).items().GetRecipeData(); },
         .columns = 5,
         .headerCells = 2,
         .lastCaptions = {"素材1", "素材2"},
         .names = sourceNames("15-recipes.txt", 0)},
        {.what = "battle items",
         .header = [](clsData& d) { return managers(d).items().GetDataBattleItemHeader(); },
         .rows = [](clsData& d) { return managers(d).items().GetDataBattleItem(); },
         .columns = 19,
         .headerCells = 2,
         .lastCaptions = {"全てのステータス可視", "体力、気力可視"},
         .names = sourceNames("14-items.txt", 0, 1, {"3"})},
        {.what = "lesson items",
         .header = [](clsData& d) { return managers(d).items().GetDataClassItemHeader(); },
         .rows = [](clsData& d) { return managers(d).items().GetDataClassItem(); },
         .columns = 5,
         .headerCells = 2,
         .lastCaptions = {"効果", "危険度"},
         .names = sourceNames("14-items.txt", 0, 1, {"4"})},
        {.what = "building items",
         .header = [](clsData& d) { return managers(d).items().GetDataConstructItemHeader(); },
         .rows = [](clsData& d) { return managers(d).items().GetDataConstructItem(); },
         .columns = 5,
         .headerCells = 5,
         .lastCaptions = {"効果", "危険度"},
         .names = sourceNames("14-items.txt", 0, 1, {"5"})},
        {.what = "materials and tickets",
         .header = [](clsData& d) { return managers(d).items().GetDataMaterialItemHeader(); },
         .rows = [](clsData& d) { return managers(d).items().GetDataMaterialItem(); },
         .columns = 2,
         .headerCells = 2,
         .lastCaptions = {"名前", "売値"},
         .names = sourceNames("14-items.txt", 0, 1, {"1", "6"})},
        {.what = "consumables",
         .header = [](clsData& d) { return managers(d).items().GetDataConsumeItemHeader(); },
         .rows = [](clsData& d) { return managers(d).items().GetDataConsumeItem(); },
         .columns = 20,
         .headerCells = 20,
         .lastCaptions = abilities,
         .names = sourceNames("14-items.txt", 0, 1, {"2"})},
    };
}

TEST(CatalogueBrowsers, LayOutEveryMasterRowUnderItsColumns) {
    LoadedFacade game;
    for (const BrowserCase& c : browserCases()) {
        SCOPED_TRACE(c.what);
        const Rows header = c.header(game.data);
        ASSERT_EQ(static_cast<std::size_t>(header.count()), c.columns);
        EXPECT_EQ(header.item(1).Data(0), "名前");
        for (const clsGetGridData& column : header) {
            EXPECT_EQ(static_cast<std::size_t>(column.Cols()) + 1, c.headerCells) << column.Data(0);
            EXPECT_GT(std::stol(column.Data(1)), 0) << column.Data(0);
            for (std::int16_t cell = 2; cell <= column.Cols(); ++cell)
                EXPECT_EQ(column.Data(cell), "");
        }
        std::vector<std::string> last;
        for (long i = header.count() - static_cast<long>(c.lastCaptions.size()) + 1; i <= header.count(); ++i)
            last.push_back(header.item(i).Data(0));
        EXPECT_EQ(last, c.lastCaptions);

        const Rows rows = c.rows(game.data);
        ASSERT_FALSE(c.names.empty());
        std::vector<std::string> names;
        for (const clsGetGridData& row : rows) {
            names.push_back(row.Data(0));
            EXPECT_EQ(static_cast<std::size_t>(row.Cols()) + 1, c.columns) << row.Data(0);
        }
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(table(c.rows(game.data)), table(rows)) << "a second call gives the same rows";
    }
}

TEST(CatalogueBrowsers, ChangeNothingRaiseNoEventAndPlayNoSound) {
    LoadedFacade game;
    int events = 0;
    game.data.Report.subscribe([&](const std::string&) { ++events; });
    game.data.StatusRefresh.subscribe([&] { ++events; });
    managers(game.data).items().Report.subscribe([&](const std::string&) { ++events; });
    managers(game.data).items().SoundPlay.subscribe([&](const std::string&) { ++events; });
    managers(game.data).items().MoveMoney.subscribe([&](std::int32_t, std::int32_t) { ++events; });
    const SaveParts before = getSaveParts(managers(game.data).saveManagers());
    const int drawsBefore = game.services->drawCount();

    for (const BrowserCase& c : browserCases()) {
        Rows rows = c.rows(game.data);
        c.header(game.data);
        // A caller's change to its rows stays in its own copy.
        if (!rows.empty()) rows.item(1).Data(0, "changed");
        EXPECT_NE(c.rows(game.data).item(1).Data(0), "changed") << c.what;
    }

    EXPECT_EQ(getSaveParts(managers(game.data).saveManagers()), before);
    EXPECT_EQ(events, 0);
    EXPECT_TRUE(game.services->played().empty());
    EXPECT_EQ(game.services->drawCount(), drawsBefore);
}

TEST(CatalogueBrowsers, ATicketIsListedWithTheMaterialsOnlyAndBuildingItemsCarryNoRisk) {
    LoadedFacade game;
    clsMngItem& items = managers(game.data).items();
    auto names = [](const Rows& rows) {
        std::set<std::string> set;
        for (const clsGetGridData& row : rows)
            set.insert(row.Data(0));
        return set;
    };
    EXPECT_TRUE(names(items.GetDataMaterialItem()).contains("ホワイトチケット"));
    EXPECT_FALSE(names(items.GetDataBattleItem()).contains("ホワイトチケット"));
    EXPECT_FALSE(names(items.GetDataClassItem()).contains("ホワイトチケット"));
    EXPECT_FALSE(names(items.GetDataConstructItem()).contains("ホワイトチケット"));
    EXPECT_FALSE(names(items.GetDataConsumeItem()).contains("ホワイトチケット"));
    const Rows buildings = items.GetDataConstructItem();
    ASSERT_FALSE(buildings.empty());
    for (const clsGetGridData& row : buildings) {
        EXPECT_EQ(row.Data(4), "なし") << row.Data(0);
        EXPECT_NE(row.Data(2), "") << row.Data(0);
    }
}

} // namespace
