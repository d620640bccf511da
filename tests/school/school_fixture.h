#pragma once

#include "host/runtime/runtime_error.h"
#include "school/cls_system.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace schooltest {

// Hooks that log their calls into the same log as the events, so a test sees
// where the quest reset and the rank evaluation ran among the events.
class FakeHooks : public SystemHooks {
  public:
    explicit FakeHooks(std::vector<std::string>& log) : log_(log) {}

    void ResetMonthlyQuests() override { log_.push_back("ResetMonthlyQuests"); }
    void EvaluateSchoolRank() override {
        log_.push_back("EvaluateSchoolRank");
        if (onEvaluate) onEvaluate();
    }
    std::string GetConstructName(const std::string& building) override {
        if (!buildings.count(building))
            throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall, building);
        return building;
    }

    std::function<void()> onEvaluate;
    std::set<std::string> buildings = {"図書館", "美術館", "礼拝堂", "学生寮", "食堂"};

  private:
    std::vector<std::string>& log_;
};

// clsSystem with its state open to the test.
class SystemProbe : public clsSystem {
  public:
    using clsSystem::BattlePoint;
    using clsSystem::ClassroomBits;
    using clsSystem::clsSystem;
    using clsSystem::ConstructBits;
    using clsSystem::cSchoolPermit;
    using clsSystem::FacilitiesBits;
    using clsSystem::KingdomPoint;
    using clsSystem::Money;

    // Finishes a building work of the given kind through the permit's day step.
    void finishWork(std::int32_t kind, std::int16_t flag) {
        cSchoolPermit.SetConstruct(kind, flag, 1, "工事");
        cSchoolPermit.NextDay();
    }
    void setRank(std::int16_t rank) {
        while (cSchoolPermit.GetRank() < rank)
            cSchoolPermit.RankUp();
        while (cSchoolPermit.GetRank() > rank)
            cSchoolPermit.RankDown();
    }
};

// A system, its fake hooks and a log of every event it raised, in order.
struct SchoolFixture {
    std::vector<std::string> log;
    FakeHooks hooks{log};
    SystemProbe system{hooks};

    SchoolFixture() {
        auto note = [this](std::string entry) { log.push_back(std::move(entry)); };
        auto flag = [](bool value) { return value ? std::string("(True)") : std::string("(False)"); };
        system.DateChenge.subscribe([note](clsDateDetails&) { note("DateChenge"); });
        system.Report.subscribe([note](std::string& text) { note("Report:" + text); });
        system.StockPriceChange.subscribe([note] { note("StockPriceChange"); });
        system.StockDevvy.subscribe([note] { note("StockDevvy"); });
        system.CourseDecide.subscribe([note] { note("CourseDecide"); });
        system.GraduateCheck.subscribe([note, flag](bool& addAge) { note("GraduateCheck" + flag(addAge)); });
        system.NewYear.subscribe([note] { note("NewYear"); });
        system.NewComer.subscribe([note, flag](bool& april) { note("NewComer" + flag(april)); });
        system.SchoolScaleUp.subscribe([note](std::string& image) { note("SchoolScaleUp:" + image); });
        system.StatusRefresh.subscribe([note] { note("StatusRefresh"); });
        system.SoundPlay.subscribe([note](std::string& sound) { note("SoundPlay:" + sound); });
        system.Ending.subscribe([note] { note("Ending"); });
        system.Ending2.subscribe([note] { note("Ending2"); });
    }
};

} // namespace schooltest
