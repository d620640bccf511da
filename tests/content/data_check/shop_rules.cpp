// Rules for the item shop (section 26), played out on the item manager.
#include "content/data_check/data_check.h"
#include "content/data_check/played_items.h"

#include "host/text/width.h"

#include <map>
#include <set>
#include <string>

namespace {

// The permanent stock and the shop codes of the sponsors.
constexpr long kPermanentStock = 7;
constexpr long kSponsorCodes[] = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11};

bool isShopCode(long id) {
    if (id == kPermanentStock) return true;
    for (long code : kSponsorCodes)
        if (code == id) return true;
    return false;
}

} // namespace

QUORVEL_DATA_RULE(
    "shop rows open by the permanent stock or a sponsor code, one row an item, every code stocked",
    [](const MasterData& data, Findings& findings) {
        std::map<long, int> rowsByCode;
        std::set<std::string> names;
        for (const auto& row : data.rows(GameDataSection::ItemShop)) {
            const std::string name = row.size() > 1 ? host::text::toWide(row[1]) : "";
            if (row.size() != 3) {
                findings.add("shop row " + name + ": " + std::to_string(row.size()) + " fields");
                continue;
            }
            const auto id = numberOf(row[0]);
            if (!id || !isShopCode(*id))
                findings.add("shop row " + name + ": no shop opens code " + row[0]);
            else
                ++rowsByCode[*id];
            if (!names.insert(name).second) findings.add("shop row " + name + " comes twice");
        }
        if (!rowsByCode.count(kPermanentStock)) findings.add("no permanent stock (code 7)");
        for (long code : kSponsorCodes)
            if (!rowsByCode.count(code)) findings.add("no shop rows for code " + std::to_string(code));
    });

QUORVEL_DATA_RULE("every shop row sells an item for at least 1 and no less than the item sells back for",
                  [](const MasterData& data, Findings& findings) {
                      playOnItems(data, findings, [&](clsMngItem& items, SilentServices&) {
                          for (const auto& row : data.rows(GameDataSection::ItemShop)) {
                              if (row.size() != 3) continue;
                              const std::string name = host::text::toWide(row[1]);
                              const std::int32_t price = items.GetShopItemPrice(name);
                              if (price < 1) {
                                  findings.add("shop row " + name + ": price " + std::to_string(price));
                                  continue;
                              }
                              if (price < items.GetSellItemPrice(name))
                                  findings.add("shop row " + name + ": bought for less than it sells for");
                              if (items.MaxItem(name, price) != 1)
                                  findings.add("shop row " + name + ": its price does not buy one");
                          }
                          std::map<long, long> rowsByCode;
                          for (const auto& row : data.rows(GameDataSection::ItemShop))
                              ++rowsByCode[numberOf(row[0]).value_or(0)];
                          for (const auto& [code, count] : rowsByCode)
                              if (code >= 1 && code <= 31 &&
                                  items.GetItemShopData(std::int32_t{1} << (code - 1)).count() != count)
                                  findings.add("the shop word of code " + std::to_string(code) +
                                               " does not list its " + std::to_string(count) + " rows");
                      });
                  });
