// Rules for the companies and their sponsor rows, played out on the real
// company manager, item manager and school.
#include "content/data_check/data_check.h"
#include "content/data_check/no_school_hooks.h"
#include "content/data_check/played_items.h"

#include "economy/cls_mng_item.h"
#include "economy/companies/cls_mng_company.h"
#include "economy/companies/company_codes.h"
#include "host/text/width.h"
#include "platform/rules/cls_method.h"
#include "school/permits/permit_codes.h"
#include "school/system/cls_system.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace {

// The companies as the game loads them; nullptr (with a finding) when a
// section does not load.
std::unique_ptr<clsMngCompany> companiesOf(const MasterData& data, Findings& findings) {
    auto companies = std::make_unique<clsMngCompany>();
    try {
        companies->SetCompanyData(data.sections.section[GameDataSection::Companies]);
        companies->SetSponsorData(data.sections.section[GameDataSection::Sponsors]);
    } catch (const std::exception& e) {
        findings.add(std::string("sections 16 and 17 do not load: ") + e.what());
        return nullptr;
    }
    return companies;
}

// The permits of one type in the permit section.
long permitsOf(const MasterData& data, std::int32_t type) {
    long count = 0;
    for (const auto& row : data.rows(GameDataSection::Permits))
        if (row.size() >= 3 && numberOf(row[2]) == type) ++count;
    return count;
}

// Every building of a section built.
std::int32_t allBuilt(const MasterData& data, int section) {
    std::int32_t bits = 0;
    for (const auto& row : data.rows(section))
        if (row.size() >= 4)
            bits = Method().BitOn(bits, static_cast<std::int16_t>(numberOf(row[3]).value_or(0)));
    return bits;
}

// The school at its largest: top rank, every school building level the
// permits allow, every building built and graduates on every career line.
clsSponsorCondition fullSchool(const MasterData& data) {
    clsSponsorCondition school;
    school.Rank = school_rank::kS;
    school.SchoolhouseScale = static_cast<std::int16_t>(1 + permitsOf(data, permit_type::kSchoolhouse));
    school.DormitoryScale = static_cast<std::int16_t>(permitsOf(data, permit_type::kDormitory));
    school.Construct = allBuilt(data, GameDataSection::Constructions);
    school.Classroom = allBuilt(data, GameDataSection::Classrooms);
    school.Facilities = allBuilt(data, GameDataSection::Facilities);
    constexpr std::int32_t kMany = 1000;
    school.LineLeader(kMany);
    school.Knight(kMany);
    school.Soldier(kMany);
    school.Gambler(kMany);
    school.Ninja(kMany);
    school.Merchant(kMany);
    school.Traverer(kMany);
    school.Adventurer(kMany);
    school.Engineer(kMany);
    school.Hunter(kMany);
    school.Scholar(static_cast<std::int16_t>(kMany));
    return school;
}

} // namespace

QUORVEL_DATA_RULE(
    "10 to 20 companies with numbers in their ranges and a merit they can give",
    [](const MasterData& data, Findings& findings) {
        const auto rows = data.rows(GameDataSection::Companies);
        if (rows.size() < 10 || rows.size() > 20) findings.add(std::to_string(rows.size()) + " companies");
        for (const auto& row : rows) {
            if (row.size() != 10) {
                findings.add("company " + row[0] + ": " + std::to_string(row.size()) + " fields");
                continue;
            }
            const std::string name = host::text::toWide(row[0]);
            struct Range {
                std::size_t field;
                long low, high;
                const char* what;
            };
            for (const Range& r :
                 {Range{1, company_stability::kLowest, company_stability::kHighest, "stability"},
                  Range{2, 1, 5, "dependancy"}, Range{3, 0, 10, "dividend"},
                  Range{7, 100, 100000, "initial price"}, Range{8, 1, 3, "merit"}}) {
                const auto v = numberOf(row[r.field]);
                if (!v || *v < r.low || *v > r.high) findings.add(name + ": " + r.what + " " + row[r.field]);
            }
            const long merit = numberOf(row[8]).value_or(0);
            const long code = numberOf(row[9]).value_or(0);
            if (merit == sponsor_merit::kShopItems &&
                (code < sponsor_merit::kFirstShopCode || code > sponsor_merit::kLastShopCode ||
                 code == sponsor_merit::kPermanentStockBit))
                findings.add(name + ": shop code " + row[9] + " is no sponsor shop code");
            if (merit != sponsor_merit::kShopItems && (code < 1 || code > 50))
                findings.add(name + ": discount " + row[9] + "%");
        }
    });

QUORVEL_DATA_RULE("merits 1 to 3 and condition kinds 1 to 8 are all used, one sponsor row a company",
                  [](const MasterData& data, Findings& findings) {
                      const auto companies = companiesOf(data, findings);
                      if (!companies) return;
                      std::set<long> merits, kinds;
                      for (const clsCompany& c : companies->Companies()) {
                          merits.insert(c.SponsorMerit());
                          kinds.insert(c.SponsorCondType());
                          if (c.SponsorPeriod() < 1 || c.SponsorMoney() < 1 || c.ToolTip().empty())
                              findings.add(c.CompanyName() + ": no sponsor row with years, money and a tip");
                      }
                      if (merits != std::set<long>{1, 2, 3})
                          findings.add("the merits used are not 1, 2 and 3");
                      if (kinds != std::set<long>{1, 2, 3, 4, 5, 6, 7, 8})
                          findings.add("the condition kinds used are not 1 to 8");
                      std::set<std::string> named;
                      for (const auto& row : data.rows(GameDataSection::Sponsors))
                          if (!named.insert(host::text::toWide(row[0])).second)
                              findings.add(host::text::toWide(row[0]) + ": two sponsor rows");
                  });

QUORVEL_DATA_RULE("a school can meet every sponsor condition, and a new school some",
                  [](const MasterData& data, Findings& findings) {
                      const auto companies = companiesOf(data, findings);
                      if (!companies) return;
                      const clsSponsorCondition full = fullSchool(data);
                      std::string saved;
                      for (const clsCompany& c : companies->Companies()) {
                          const std::string price = std::to_string(c.GetStockPriceInit());
                          saved += c.CompanyName() + ":" + std::to_string(share_rule::kHoldCap) + ":" +
                                   price + ":" + price + ":False:0:0:0:" + price + ";";
                      }
                      companies->SetSaveData(saved);
                      for (const clsCompany& c : companies->Companies()) {
                          if (!c.SponsorCondition(full))
                              findings.add(c.CompanyName() + ": no school meets condition " +
                                           std::to_string(c.SponsorCondType()) + " " +
                                           std::to_string(c.SponsorCondValue()));
                          if (c.SponsorCondType() != sponsor_condition::kGraduatePoints) continue;
                          const std::int32_t v = c.SponsorCondValue();
                          for (std::int16_t k = 1; k <= sponsor_condition::kLastCareerLine; ++k)
                              if (Method().BitCheck(v, k) && full.GetOccupationNumber(k) == 0)
                                  findings.add(c.CompanyName() + ": career bit " + std::to_string(k) +
                                               " is no career line");
                          if (Method().HIWORD(v) < 1 || Method().LOWORD(v) == 0)
                              findings.add(c.CompanyName() + ": career condition without lines or points");
                      }

                      NoHooks hooks;
                      clsSystem school{hooks};
                      school.SetDataInit();
                      companies->SetDataInit();
                      const clsSponsorCondition start = school.GetSponsorCondition();
                      long offered = 0;
                      for (const clsCompany& c : companies->Companies())
                          if (c.OpenSponsor() && c.SponsorCondition(start)) ++offered;
                      if (offered < 2)
                          findings.add("a new school meets " + std::to_string(offered) +
                                       " sponsor conditions");
                  });

QUORVEL_DATA_RULE(
    "every shareholder item exists and a full holding's benefit can be given",
    [](const MasterData& data, Findings& findings) {
        const auto companies = companiesOf(data, findings);
        if (!companies) return;
        playOnItems(data, findings, [&](clsMngItem& items, SilentServices&) {
            for (const clsCompany& c : companies->Companies()) {
                if (c.StockTreatmentItem().empty()) continue;
                if (c.StockTreatmentNeed() < 1 || c.StockTreatmentNeed() > share_rule::kHoldCap ||
                    c.StockTreatmentItemNumber() < 1) {
                    findings.add(c.CompanyName() + ": a benefit a holding of 100 shares never gives");
                    continue;
                }
                const auto units = static_cast<std::int16_t>(share_rule::kHoldCap / c.StockTreatmentNeed() *
                                                             c.StockTreatmentItemNumber());
                items.SetDataInit();
                items.ItemAdd(c.StockTreatmentItem(), units);
                if (items.ItemStorage(c.StockTreatmentItem()) != std::min<std::int16_t>(units, 100))
                    findings.add(c.CompanyName() + ": " + c.StockTreatmentItem() +
                                 " is not held after it is given");
            }
        });
    });

QUORVEL_DATA_RULE("a shop sponsor's contract opens shop rows beyond the permanent stock",
                  [](const MasterData& data, Findings& findings) {
                      const auto companies = companiesOf(data, findings);
                      if (!companies) return;
                      playOnItems(data, findings, [&](clsMngItem& items, SilentServices&) {
                          const long permanent = items.GetItemShopData(companies->GetItemShopFLG()).count();
                          for (const clsCompany& c : companies->Companies()) {
                              if (c.SponsorMerit() != sponsor_merit::kShopItems) continue;
                              companies->SetDataInit();
                              companies->SponsorContract(c.CompanyName());
                              if (items.GetItemShopData(companies->GetItemShopFLG()).count() <= permanent)
                                  findings.add(c.CompanyName() + ": shop code " +
                                               std::to_string(c.SponsorData()) + " opens no shop row");
                          }
                      });
                  });

// The tip is all the player reads before signing: it names goods the
// contract opens, and none that another sponsor's contract opens instead.
QUORVEL_DATA_RULE("each shop sponsor's tip names rows its contract opens and no other sponsor's",
                  [](const MasterData& data, Findings& findings) {
                      const auto companies = companiesOf(data, findings);
                      if (!companies) return;
                      std::map<std::string, long> codeOfItem;
                      for (const auto& row : data.rows(GameDataSection::ItemShop))
                          if (row.size() == 3 && numberOf(row[0]) != sponsor_merit::kPermanentStockBit)
                              codeOfItem[host::text::toWide(row[1])] = numberOf(row[0]).value_or(0);
                      for (const clsCompany& c : companies->Companies()) {
                          if (c.SponsorMerit() != sponsor_merit::kShopItems) continue;
                          bool namesOwn = false;
                          for (const auto& [item, code] : codeOfItem) {
                              if (c.ToolTip().find(item) == std::string::npos) continue;
                              if (code == c.SponsorData())
                                  namesOwn = true;
                              else
                                  findings.add(c.CompanyName() + ": its tip names " + item +
                                               " of shop code " + std::to_string(code));
                          }
                          if (!namesOwn)
                              findings.add(c.CompanyName() + ": its tip names nothing shop code " +
                                           std::to_string(c.SponsorData()) + " opens");
                      }
                  });
