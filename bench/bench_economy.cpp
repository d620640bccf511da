#include "economy/companies/share_price_day.h"
#include "platform/services/silent_services.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kCompanies = 20;

class ReportEveryPrice : public StockPriceReportSetting {
  public:
    bool GetStockPriceReport() const override { return true; }
};

// The largest market the data allows, with shares held in every company so
// that each one also gets its price line.
struct Market {
    ScopedSilentServices silent;
    clsTrade cycle;
    clsMngCompany companies;
    long lines = 0;

    Market() {
        std::string rows, sponsors, holdings;
        for (int i = 0; i < kCompanies; ++i) {
            const std::string name = "会社" + std::to_string(i);
            rows += name + "," + std::to_string(1 + i % 5) + "," + std::to_string(1 + (i * 3) % 5) +
                    ",3,,0,0," + std::to_string(500 + 150 * i) + ",1,3\r\n";
            sponsors += name + ",2,3000,1,0,\r\n";
            holdings += name + ":50:" + std::to_string(500 + 150 * i) +
                        ":500:False:0:0:0:" + std::to_string(500 + 150 * i) + ";";
        }
        companies.SetCompanyData(rows);
        companies.SetSponsorData(sponsors);
        companies.SetSaveData(holdings);
        companies.Report.subscribe([this](std::string&) { ++lines; });
        cycle.CreateBoom("5:5:6");
    }
};

void BM_SharePriceDay(benchmark::State& state) {
    Market market;
    const ReportEveryPrice report;
    for (auto _ : state) {
        runSharePriceDay(market.cycle, market.companies, report);
        benchmark::DoNotOptimize(market.lines);
    }
    state.counters["companies"] = kCompanies;
    state.counters["lines/day"] = benchmark::Counter(static_cast<double>(market.lines) / state.iterations());
}
BENCHMARK(BM_SharePriceDay);

} // namespace
