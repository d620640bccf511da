// Rules for the processing recipes (section 15), played out on the item manager.
#include "content/data_check/data_check.h"
#include "content/data_check/played_items.h"
#include "content/data_check/reachable_content.h"

#include "host/text/width.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct Recipe {
    std::string product, material1, material2;
    long rank = 0, fee = 0;
};

std::vector<Recipe> recipesOf(const MasterData& data) {
    std::vector<Recipe> recipes;
    for (const auto& row : data.rows(GameDataSection::Recipes)) {
        if (row.size() != 5) continue;
        recipes.push_back({host::text::toWide(row[0]), host::text::toWide(row[1]), host::text::toWide(row[2]),
                           numberOf(row[3]).value_or(-1), numberOf(row[4]).value_or(0)});
    }
    return recipes;
}

} // namespace

QUORVEL_DATA_RULE(
    "20 to 40 recipes of five fields over every rank 0 to 7, ハイポーション among them, fees at "
    "least 1",
    [](const MasterData& data, Findings& findings) {
        const auto rows = data.rows(GameDataSection::Recipes);
        if (rows.size() < 20 || rows.size() > 40) findings.add(std::to_string(rows.size()) + " recipes");
        for (const auto& row : rows)
            if (row.size() != 5)
                findings.add("recipe " + host::text::toWide(row[0]) + ": " + std::to_string(row.size()) +
                             " fields");
        std::set<long> ranks;
        bool highPotion = false;
        for (const Recipe& recipe : recipesOf(data)) {
            if (recipe.rank < 0 || recipe.rank > 7)
                findings.add("recipe " + recipe.product + ": rank " + std::to_string(recipe.rank));
            if (recipe.fee < 1)
                findings.add("recipe " + recipe.product + ": fee " + std::to_string(recipe.fee));
            if (recipe.material1.empty()) findings.add("recipe " + recipe.product + ": no material");
            if (recipe.product == recipe.material1 || recipe.product == recipe.material2)
                findings.add("recipe " + recipe.product + " uses its own product");
            ranks.insert(recipe.rank);
            highPotion = highPotion || recipe.product == "ハイポーション";
        }
        for (long rank = 0; rank <= 7; ++rank)
            if (!ranks.count(rank)) findings.add("no recipe at rank " + std::to_string(rank));
        if (!highPotion) findings.add("no recipe for ハイポーション");
    });

QUORVEL_DATA_RULE("every material can be bought, won, found or made",
                  [](const MasterData& data, Findings& findings) {
                      const std::set<std::string> obtainable = obtainableItems(data);
                      for (const Recipe& recipe : recipesOf(data))
                          for (const std::string& material : {recipe.material1, recipe.material2})
                              if (!material.empty() && !obtainable.count(material))
                                  findings.add("recipe " + recipe.product + ": nothing gives " + material);
                  });

QUORVEL_DATA_RULE("every recipe is offered at its rank and processed from exactly its materials",
                  [](const MasterData& data, Findings& findings) {
                      playOnItems(data, findings, [&](clsMngItem& items, SilentServices&) {
                          for (const Recipe& recipe : recipesOf(data)) {
                              const std::string what = "recipe " + recipe.product + ": ";
                              items.SetDataInit();
                              items.ItemAdd(recipe.material1, 1);
                              if (!recipe.material2.empty()) items.ItemAdd(recipe.material2, 1);
                              if (items.MaxItemMixture(recipe.product, recipe.fee) != 1)
                                  findings.add(what + "one set of materials and one fee do not make one");
                              const auto offered =
                                  items.GetEnableProcessItem(static_cast<std::int16_t>(recipe.rank));
                              bool listed = false;
                              for (const clsGetGridData& row : offered)
                                  listed = listed || row.Data(1) == recipe.product;
                              if (!listed) findings.add(what + "not offered with its materials held");
                              std::int16_t count = 1;
                              if (items.SetProcessItem(recipe.product, count) != 1)
                                  findings.add(what + "processing does not make one");
                              if (items.ItemStorage(recipe.material1) != 0 ||
                                  (!recipe.material2.empty() && items.ItemStorage(recipe.material2) != 0))
                                  findings.add(what + "materials left after processing");
                          }
                      });
                  });

// With materials bought in a shop, processing never makes money on its own:
// the cheapest shop prices plus the fee reach the product's sale price.
QUORVEL_DATA_RULE("every recipe costs at least its product's sale price with shop-bought materials",
                  [](const MasterData& data, Findings& findings) {
                      std::map<std::string, long> shopPrice;
                      for (const auto& row : data.rows(GameDataSection::ItemShop)) {
                          if (row.size() < 3) continue;
                          const std::string item = host::text::toWide(row[1]);
                          const long price = numberOf(row[2]).value_or(0);
                          auto [at, added] = shopPrice.try_emplace(item, price);
                          if (!added && price < at->second) at->second = price;
                      }
                      std::map<std::string, long> salePrice;
                      for (const auto& row : data.rows(GameDataSection::Items))
                          if (row.size() > 6)
                              salePrice[host::text::toWide(row[0])] = numberOf(row[6]).value_or(0);
                      for (const Recipe& recipe : recipesOf(data)) {
                          long cost = recipe.fee;
                          bool bought = true;
                          for (const std::string& material : {recipe.material1, recipe.material2}) {
                              if (material.empty()) continue;
                              const auto price = shopPrice.find(material);
                              bought = bought && price != shopPrice.end();
                              if (price != shopPrice.end()) cost += price->second;
                          }
                          if (bought && cost < salePrice[recipe.product])
                              findings.add("recipe " + recipe.product + ": costs " + std::to_string(cost) +
                                           ", sells for " + std::to_string(salePrice[recipe.product]));
                      }
                  });
