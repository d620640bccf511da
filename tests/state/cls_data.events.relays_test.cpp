#include "state/cls_data.h"

#include "state/state_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using testsupport::FakeGameHost;

// Every event of the facade, as "Event" or "Event:argument" in the order raised.
struct FacadeEvents {
    std::vector<std::string> log;
    explicit FacadeEvents(clsData& data) {
        data.DateChenge.subscribe([this](clsDateDetails& d) {
            log.push_back("DateChenge:" + std::to_string(d.Year) + "/" + std::to_string(d.Month) + "/" +
                          std::to_string(d.Day));
        });
        data.Report.subscribe([this](std::string& MSG) { log.push_back("Report:" + MSG); });
        data.ClassEnd.subscribe([this] { log.push_back("ClassEnd"); });
        data.DayEnd.subscribe([this] { log.push_back("DayEnd"); });
        data.ForwordEnd.subscribe([this] { log.push_back("ForwordEnd"); });
        data.ClassImage.subscribe([this](host::gdi::DeviceContext*&) { log.push_back("ClassImage"); });
        data.NewYear.subscribe([this] { log.push_back("NewYear"); });
        data.SchoolScaleUp.subscribe(
            [this](std::string& ImageName) { log.push_back("SchoolScaleUp:" + ImageName); });
        data.StatusRefresh.subscribe([this] { log.push_back("StatusRefresh"); });
        data.Ending.subscribe([this] { log.push_back("Ending"); });
        data.Ending2.subscribe([this] { log.push_back("Ending2"); });
    }
};

struct RelayCase {
    const char* source;
    std::function<void(clsData&)> raise;
    std::vector<std::string> expected;
};

void say(host::runtime::Event<std::string>& event, std::string text) {
    event.raise(text);
}

TEST(FacadeEvents, ManagersEventsReachTheMainFormAsTheFacadesOwn) {
    const ScopedSilentServices services;
    FakeGameHost host;
    const RelayCase cases[] = {
        {.source = "system date",
         .raise =
             [](clsData& d) {
                 clsDateDetails date;
                 date.Year = 25;
                 date.Month = 5;
                 date.Day = 8;
                 managers(d).system().DateChenge.raise(date);
             },
         .expected = {"DateChenge:25/5/8"}},
        {.source = "system report",
         .raise = [](clsData& d) { say(managers(d).system().Report, "a"); },
         .expected = {"Report:a"}},
        {.source = "system new year",
         .raise = [](clsData& d) { managers(d).system().NewYear.raise(); },
         .expected = {"NewYear"}},
        {.source = "system school picture",
         .raise = [](clsData& d) { say(managers(d).system().SchoolScaleUp, "カリキュラム中"); },
         .expected = {"SchoolScaleUp:カリキュラム中"}},
        {.source = "system status",
         .raise = [](clsData& d) { managers(d).system().StatusRefresh.raise(); },
         .expected = {"StatusRefresh"}},
        {.source = "system ending",
         .raise = [](clsData& d) { managers(d).system().Ending.raise(); },
         .expected = {"Ending"}},
        {.source = "system ending 2",
         .raise = [](clsData& d) { managers(d).system().Ending2.raise(); },
         .expected = {"Ending2"}},
        {.source = "students",
         .raise = [](clsData& d) { say(managers(d).students().Report, "b"); },
         .expected = {"Report:b"}},
        {.source = "scouts",
         .raise = [](clsData& d) { say(managers(d).scouts().Report, "c"); },
         .expected = {"Report:c"}},
        {.source = "teachers",
         .raise = [](clsData& d) { say(managers(d).teachers().Report, "d"); },
         .expected = {"Report:d"}},
        {.source = "item broken",
         .raise =
             [](clsData& d) {
                 say(managers(d).items().ItemBroken, "アイテム【薬草】は使い物にならなくなった");
             },
         .expected = {"Report:アイテム【薬草】は使い物にならなくなった"}},
        {.source = "items",
         .raise = [](clsData& d) { say(managers(d).items().Report, "e"); },
         .expected = {"Report:e"}},
        {.source = "companies",
         .raise = [](clsData& d) { say(managers(d).companies().Report, "f"); },
         .expected = {"Report:f"}},
    };
    for (const auto& c : cases) {
        clsData data(host);
        FacadeEvents events(data);
        c.raise(data);
        EXPECT_EQ(events.log, c.expected) << c.source;
    }
}

TEST(FacadeEvents, NewGameResetShowsTheStartingSchoolPicture) {
    statetest::LoadedFacade loaded;
    FacadeEvents events(loaded.data);
    loaded.data.SetDataInit();
    EXPECT_EQ(events.log, std::vector<std::string>{"SchoolScaleUp:" +
                                                   managers(loaded.data).system().GetClassImageName()});
}

} // namespace
