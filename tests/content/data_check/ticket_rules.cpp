// Rules for the ticket prizes (section 28), played out on the item manager.
#include "content/data_check/data_check.h"
#include "content/data_check/played_items.h"

#include "economy/item_codes.h"
#include "host/text/width.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// The ticket items of the catalogue.
std::set<std::string> ticketItems(const MasterData& data) {
    std::set<std::string> names;
    for (const auto& row : data.rows(GameDataSection::Items))
        if (row.size() == 8 && numberOf(row[1]) == item_type::kTicket)
            names.insert(host::text::toWide(row[0]));
    return names;
}

} // namespace

QUORVEL_DATA_RULE("every ticket, ホワイトチケット among them, has the prizes 1 to 50 once each, and only "
                  "tickets have prizes",
                  [](const MasterData& data, Findings& findings) {
                      const std::set<std::string> tickets = ticketItems(data);
                      std::map<std::string, std::multiset<long>> numbers;
                      for (const auto& row : data.rows(GameDataSection::TicketPrizes)) {
                          const std::string name = host::text::toWide(row[0]);
                          if (row.size() != 3) {
                              findings.add("prize of " + name + ": " + std::to_string(row.size()) +
                                           " fields");
                              continue;
                          }
                          numbers[name].insert(numberOf(row[1]).value_or(0));
                          if (!tickets.count(name)) findings.add("prize of " + name + ", which is no ticket");
                      }
                      if (!tickets.count("ホワイトチケット")) findings.add("no ticket ホワイトチケット");
                      for (const std::string& ticket : tickets) {
                          const auto& drawn = numbers[ticket];
                          for (long n = 1; n <= ticket_rule::kPrizeRows; ++n)
                              if (drawn.count(n) != 1)
                                  findings.add(ticket + ": prize " + std::to_string(n) + " " +
                                               std::to_string(drawn.count(n)) + " times");
                          if (drawn.size() != static_cast<std::size_t>(ticket_rule::kPrizeRows))
                              findings.add(ticket + ": " + std::to_string(drawn.size()) + " prizes");
                      }
                  });

QUORVEL_DATA_RULE("drawing every number of every ticket gives its prize and uses the tickets up",
                  [](const MasterData& data, Findings& findings) {
                      playOnItems(data, findings, [&](clsMngItem& items, SilentServices& services) {
                          // Draws that give the numbers 1 to 50 in turn.
                          std::vector<float> draws;
                          for (int n = 1; n <= ticket_rule::kPrizeRows; ++n)
                              draws.push_back(static_cast<float>(n - 1) / (ticket_rule::kPrizeRows - 1));
                          for (const std::string& ticket : ticketItems(data)) {
                              items.SetDataInit();
                              items.ItemAdd(ticket, ticket_rule::kPrizeRows);
                              services.scriptDraws(draws);
                              std::int16_t count = ticket_rule::kPrizeRows;
                              if (items.DrawTicket(ticket, count) != 0 || count != ticket_rule::kPrizeRows)
                                  findings.add(ticket + ": tickets left after drawing them all");
                              long prizes = 0;
                              for (const auto& row : items.GetHoldItemData())
                                  prizes += numberOf(row.Data(3)).value_or(0);
                              if (prizes != ticket_rule::kPrizeRows)
                                  findings.add(ticket + ": " + std::to_string(prizes) +
                                               " prizes from 50 draws");
                          }
                      });
                  });

// Every prize row is drawn alike, so a draw's expected worth is the mean sale
// price of the fifty prizes: drawing must pay at least as well as selling.
QUORVEL_DATA_RULE("a ticket's expected prize is worth at least its sale price",
                  [](const MasterData& data, Findings& findings) {
                      std::map<std::string, long> salePrice;
                      for (const auto& row : data.rows(GameDataSection::Items))
                          if (row.size() > 6)
                              salePrice[host::text::toWide(row[0])] = numberOf(row[6]).value_or(0);
                      std::map<std::string, std::pair<long, long>> prizeSumAndCount;
                      for (const auto& row : data.rows(GameDataSection::TicketPrizes)) {
                          if (row.size() != 3) continue;
                          auto& [sum, count] = prizeSumAndCount[host::text::toWide(row[0])];
                          sum += salePrice[host::text::toWide(row[2])];
                          ++count;
                      }
                      for (const auto& [ticket, sumAndCount] : prizeSumAndCount) {
                          const auto [sum, count] = sumAndCount;
                          if (sum < salePrice[ticket] * count)
                              findings.add(ticket + ": prizes worth " + std::to_string(sum / count) +
                                           " on average, sells for " + std::to_string(salePrice[ticket]));
                      }
                  });
