#pragma once

#include "host/runtime/collection.h"
#include "host/runtime/runtime_error.h"
#include "school/system/cls_system.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace schooltest {

// Hooks that log their calls into the same log as the events, so a test sees
// where the quest reset and the rank evaluation ran among the events.
class FakeHooks : public SystemHooks {
  public:
    explicit FakeHooks(std::vector<std::string>& log) : log_(log) {}

    std::int16_t GetRankUpCondition() override {
        log_.push_back("GetRankUpCondition");
        return rankUpCondition;
    }
    bool CheckItem(const std::string& item) override {
        if (item.empty()) return false;
        auto held = items.find(item);
        if (held == items.end())
            throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall, item);
        return held->second > 0;
    }
    host::runtime::Collection<std::string> GetConstructClass(const std::string& building) override {
        host::runtime::Collection<std::string> names;
        if (auto held = lessons.find(building); held != lessons.end())
            for (const auto& lesson : held->second)
                names.add(lesson);
        return names;
    }

    std::int16_t rankUpCondition = 0;
    // Units held of each item the item store knows.
    std::map<std::string, int> items;
    // Lessons held in each building.
    std::map<std::string, std::vector<std::string>> lessons;

  private:
    std::vector<std::string>& log_;
};

// A small building and permit catalogue, in the master data's row format.
// School grounds hold 5 buildings at scale 1 and 8 at scale 2, the
// schoolhouse 2 and 4, the first dormitory 2.
inline const char* const kTestConstructions = "運動場,0,0,1,広い運動場\r\n"
                                              "学生寮,50000,10,2,生徒が暮らす\r\n"
                                              "内庭,0,0,3,木陰のある庭\r\n"
                                              "弓道場,1234,5,4,弓を引く\r\n"
                                              "美術館,30000,7,5,芸術品を飾る\r\n"
                                              "\r\n"
                                              "図書館,20000,6,6,本を読む\r\n"
                                              "礼拝堂,40000,8,11,祈りの場";
inline const char* const kTestClassrooms = "一般教室,0,0,1,普通の教室\r\n"
                                           "保健室,8000,3,5,けが人を休ませる\r\n"
                                           "大教室,15000,4,2,大人数の教室";
inline const char* const kTestFacilities = "寮室,0,0,1,寮の部屋\r\n"
                                           "食堂,6000,3,6,食事をとる\r\n"
                                           "大浴場,9000,4,4,疲れをいやす";
inline const char* const kTestSchoolConstructs = "小さな敷地,0,0,1,5,1,\r\n"
                                                 "広い敷地,0,20,1,8,2,学園拡張許可・中\r\n"
                                                 "木造校舎,0,0,2,2,1,\r\n"
                                                 "石造りの校舎,0,15,2,4,2,校舎増築許可・中\r\n"
                                                 "木造の寮,0,10,3,2,1,学生寮建設許可";
inline const char* const kTestPermits = "学園拡張許可・中,300,1,1,12000\r\n"
                                        "校舎増築許可・中,250,2,1,5000\r\n"
                                        "校舎増築許可・大,700,2,2,80000\r\n"
                                        "学生寮建設許可,150,3,0,3000\r\n"
                                        "銅チケット,100,4,0,0\r\n"
                                        "銀チケット,200,4,3,0\r\n"
                                        "二年制許可,100,5,0,20000\r\n"
                                        "三年制許可,200,5,1,30000\r\n"
                                        "八時間授業許可,200,6,0,10000\r\n"
                                        "スポンサー三枠許可,100,7,0,12000\r\n"
                                        "スポンサー四枠許可,250,7,1,20000";

// A small quest catalogue: "ID,Rank,QuestName,Money,Point,Image,StartMonth,
// EndMonth,Battle,Monster,Once,Reset,TargetID,TargetCount,Tips". Quest 6
// follows quest 5; the last row is written half width.
inline const char* const kTestQuests =
    "1,0,迷い猫探し,2000,3,公園,1,12,0,平原,False,True,0,0,猫を探す\r\n"
    "2,0,冬の薪集め,3000,4,森,11,2,100,森,False,False,0,0,薪を運ぶ\r\n"
    "3,3,山賊退治,30000,20,山,1,12,50,山賊,False,False,0,0,山賊を追う\r\n"
    "\r\n"
    "4,0,妖精のいたずら,3000,20,森,1,12,100,ピクシー,True,False,0,0,一度きり\r\n"
    "5,0,荷運び,1000,2,郊外,1,12,10,山,False,False,0,0,荷を運ぶ\r\n"
    "6,1,峠越えの護衛,8000,10,山,4,6,30,山,False,False,5,2,荷運びの後で\r\n"
    "7,0,ｽﾗｲﾑ退治,1500,2,平原,4,9,100,ｽﾗｲﾑ,False,True,0,0,ﾇﾙﾇﾙ";

// clsSystem with its state open to the test.
class SystemProbe : public clsSystem {
  public:
    using clsSystem::BattlePoint;
    using clsSystem::ChapelItem;
    using clsSystem::ClassCounter;
    using clsSystem::ClassroomBits;
    using clsSystem::clsSystem;
    using clsSystem::ConstructBits;
    using clsSystem::cSchoolPermit;
    using clsSystem::Ending2FLG;
    using clsSystem::EndingFLG;
    using clsSystem::FacilitiesBits;
    using clsSystem::KingdomPoint;
    using clsSystem::LibraryItem;
    using clsSystem::Money;
    using clsSystem::MuseumItem;

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
        system.SetConstruction(kTestConstructions);
        system.SetClassroom(kTestClassrooms);
        system.SetFacilities(kTestFacilities);
        system.SetSchoolConstruct(kTestSchoolConstructs);
        system.SetPermit(kTestPermits);
        system.SetQuest(kTestQuests);
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
