#pragma once

#include "app/screens/school/school_game.h"
#include "app/shell/main_form_inside.h"
#include "app/shell/recording_screens.h"
#include "support/draws.h"
#include "support/facade_managers.h"

#include "app/screens/battle/battle_screen.h"
#include "app/shell/facade_reactions.h"
#include "app/shell/report_window.h"
#include "app/shell/screen_pictures.h"
#include "app/shell/story_sequences.h"

#include "battle/combat/cls_damage.h"
#include "battleview/battle_driver.h"
#include "platform/graphics/images.h"
#include "platform/masterdata/load_game_data.h"
#include "school/permits/cls_school_permit.h"
#include "state/g_data.h"

#include "host/runtime/strings.h"

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace battletest {

// Silent services whose waits move the virtual clock on, tell the test and
// let the main form's messages flow; draws come from a queue, then from the
// fixed-seed generator.
class FlowingServices : public SilentServices {
  public:
    void queue(std::initializer_list<float> draws) { queued_.insert(queued_.end(), draws); }
    float Rnd() override {
        if (queued_.empty()) return SilentServices::Rnd();
        const float draw = queued_.front();
        queued_.pop_front();
        return draw;
    }
    void WaitTime(double ms) override {
        SilentServices::WaitTime(ms);
        if (clock) clock->advance(static_cast<std::uint32_t>(ms));
        if (onWait) onWait(ms);
        if (pump) pump();
    }

    host::sys::ManualTickClock* clock = nullptr;
    std::function<void(double)> onWait;
    std::function<void()> pump;

  private:
    std::deque<float> queued_;
};

// Which side of a battle falls at its first tick; None lets the fight run.
enum class Fall { Second, First, Both, None };

// A combatant's physical strength gone at once: it gives up.
inline void knockOut(clsUnit& unit) {
    clsDamage blow;
    blow.Clear();
    blow.DirectAttack(true);
    blow.Physical(32767);
    unit.SecondDamage(blow);
}

// The real game on the null window (as SchoolGame) with a second battle
// screen of the shell on the same window, the facade's battles routed to it:
// its dialogs are recorded and answered by a click at once, its battles are
// decided at their first tick by a script of falls (the second side falls
// when the script is empty).
class BattleStage : public schooltest::SchoolGame {
  protected:
    // What a notice over the bracket showed, and the bracket's state then.
    struct Notice {
        std::string body;
        bool bracketShown;
    };
    // A battle as it started: its sides, speeds and background.
    struct Fought {
        std::string first;
        std::string second;
        bool hiSpeed;
        std::int16_t msgSpeed;
    };

    class StageScreens : public apptest::RecordingScreens {
      public:
        explicit StageScreens(BattleStage& stage) : stage_(stage) {}
        void ShowDialog(std::int32_t Kind, host::ui::PictureBox& picture, const std::string& pictureName,
                        const std::string& Body, const std::string& OKCaption,
                        const DialogRegion& region) override {
            RecordingScreens::ShowDialog(Kind, picture, pictureName, Body, OKCaption, region);
            stage_.noticeShown(Body);
        }
        void StartQuestBattle(const clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                              const std::string& ImageName) override {
            RecordingScreens::StartQuestBattle(cReg, cULeft, cURight, ImageName);
            stage_.sides_ = {&cULeft, &cURight};
            stage_.fallPending_ = true;
            stage_.screen.StartQuestBattle(cReg, cULeft, cURight, ImageName);
            stage_.afterQuestBattle();
        }

      private:
        BattleStage& stage_;
    };

    // The main form's part as the facade sees it, played on the stage.
    class StageHost : public GameHost {
      public:
        explicit StageHost(BattleStage& stage) : stage_(stage) {}
        void SetBattleGame(const clsBattleRegulation& cReg,
                           host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit,
                           std::int16_t BattleRecover) override {
            stage_.screen.SetBattleGame(cReg, clUnit, BattleRecover);
        }
        void QuestBattle(clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                         const std::string& ImageName) override {
            stage_.reactions.mData_QuestBattle(cReg, cULeft, cURight, ImageName);
        }
        bool GetStockPriceReport() const override { return false; }

      private:
        BattleStage& stage_;
    };

    BattleStage() {
        flowing->clock = &*clock;
        flowing->pump = [this] { main->DoEvents(); };
        flowing->onWait = [this](double ms) { onWait(ms); };
        mdlQuorvel::LoadGameData(Data());
        Data().TestPlay();
        screen.BuildBattleScreen([](std::int16_t) {});
        Data().Report.subscribe([this](std::string& MSG) { reports.push_back(MSG); });
        Battle().DebugOutPut.subscribe([this](std::string& message) { battleLog.push_back(message); });
    }

    // Enrols five students and sends them with the first formation on the quest.
    void sendTeam(const std::string& quest) {
        clsUnitData team;
        for (std::int16_t position = 1; position <= clsUnitData::Positions; ++position) {
            const std::string name = "戦士" + std::to_string(++enrolled_);
            enrol(name);
            team.Lines(position, name);
        }
        team.LineName(managers(Data()).lines().GetLineName("").item(1));
        team.QuestName(quest);
        managers(Data()).students().SetQuest(team);
    }
    // The school's rank set through its permit.
    void setRank(std::int16_t rank) {
        constexpr std::size_t kPermitField = 12;
        auto record = host::runtime::Split(managers(Data()).system().GetSaveData(), "/");
        clsSchoolPermit permit;
        permit.SetSaveData(record[kPermitField]);
        while (permit.GetRank() < rank)
            permit.RankUp();
        while (permit.GetRank() > rank)
            permit.RankDown();
        record[kPermitField] = permit.GetSaveData();
        managers(Data()).system().SetSaveData(host::runtime::Join(record, "/"));
    }
    void setting(const char* key, const std::string& value) {
        MainFormInside(*main).context().cINI.Data(key, value);
    }
    // The side of the battle being fought: 0 the first (left), 1 the second.
    clsUnit& fighting(int side) const { return side == 0 ? *sides_.first : *sides_.second; }
    bool reported(const std::string& line) const {
        return std::find(reports.begin(), reports.end(), line) != reports.end();
    }
    // The pairings the notices announced, and the notices, in order.
    std::vector<Notice> notices;
    std::vector<Fought> fought;
    std::vector<std::string> reports;
    std::vector<std::string> battleLog;
    // Falls of the next battles, one per battle (a rematch is a battle).
    std::deque<Fall> falls;
    // Called at each notice, as it shows.
    std::function<void(const Notice&)> onNotice;
    // Called at the first tick of each battle, after the fall.
    std::function<void()> onFirstTick;
    // Called when a quest battle is over, before the day goes on.
    std::function<void()> afterQuestBattle = [] {};
    // Called at every wait after the stage's own steps.
    std::function<void(double)> onEveryWait;

    host::runtime::ScopedInstall<GameServices, FlowingServices> flowing{installedServices,
                                                                        std::make_unique<FlowingServices>()};
    StageScreens screens{*this};
    StageHost host{*this};
    host::runtime::ScopedInstall<clsData> stageData{gData, std::make_unique<clsData>(host)};
    ScreenPictures pictures{main->form()};
    clsTMPData CTMP;
    FormContext context{main->form(), [this] { main->DoEvents(); },         pictures, screens, Data(),
                        CTMP,         MainFormInside(*main).context().cINI, Images(), Battle()};
    ReportWindow report{context};
    StorySequences stories{context, report};
    FacadeReactions reactions{context, report, stories};
    BattleScreen screen{context};

  private:
    void noticeShown(const std::string& body) {
        const auto lines = host::runtime::Split(body, "\r\n");
        const bool announcement = lines.size() == 5 && lines[3] == "対";
        if (announcement) sides_ = {&CTMP.GetUnit(lines[2]), &CTMP.GetUnit(lines[4])};
        noticeStartsBattle_ = announcement || body == "引き分けのため、再試合を行います";
        notices.push_back({body, pictures.picTournament.Visible()});
        if (onNotice) onNotice(notices.back());
    }
    void onWait(double ms) {
        // The player clicks the notice away: its closing clears the flag.
        if (context.ClickWaitFlag) {
            context.ClickWaitFlag = false;
            fallPending_ = noticeStartsBattle_;
        } else if (ms == 20 && fallPending_) {
            fallPending_ = false;
            const Fall fall = falls.empty() ? Fall::Second : falls.front();
            if (!falls.empty()) falls.pop_front();
            if (fall == Fall::First || fall == Fall::Both) knockOut(*sides_.first);
            if (fall == Fall::Second || fall == Fall::Both) knockOut(*sides_.second);
            fought.push_back({sides_.first->GetUnitName(), sides_.second->GetUnitName(), Battle().HiSpeed(),
                              Battle().MSGSpeed()});
            if (onFirstTick) onFirstTick();
        }
        if (onEveryWait) onEveryWait(ms);
    }

    std::pair<clsUnit*, clsUnit*> sides_{nullptr, nullptr};
    bool fallPending_ = false;
    bool noticeStartsBattle_ = false;
    int enrolled_ = 0;
};

} // namespace battletest
