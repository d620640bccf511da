#pragma once

#include "app/shell/form_context.h"

#include "battleview/cls_tournament.h"
#include "toolkit/ctr_graphical_label_ex.h"
#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/ctr_graphical_msg.h"

#include "battle/combat/cls_battle_regulation.h"
#include "battle/combat/cls_unit.h"

#include "host/runtime/collection.h"
#include "host/ui/control_array.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The battle screen on BattleDisp (the two sides' gauges and skill buttons,
// the time gauge and the battle log, bound once to the battle driver) and
// the tournament's bracket on picTournament. The left side is always the
// academy's and is bound as side 2, the right one as side 1.
// Pieces: battle_screen.cpp (layout and binding), .quest.cpp (a quest
// battle), .tournament.cpp (a whole tournament, match by match).
class BattleScreen {
  public:
    explicit BattleScreen(FormContext& context);
    BattleScreen(const BattleScreen&) = delete;
    BattleScreen& operator=(const BattleScreen&) = delete;

    // Lays both pictures out once, at start-up, binds the controls to the
    // driver and moves the start-up gauge through its steps.
    void BuildBattleScreen(const std::function<void(std::int16_t)>& setGauge);
    // The controls take their see-through backgrounds from the battle picture
    // now on BattleDisp; before each battle.
    void PlaceBattleLabels();

    // Fights one battle at normal speed on the named background; returns
    // when it is over, the winner with the driver.
    void StartQuestBattle(const clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                          const std::string& ImageName);
    // Runs a whole tournament on the bracket: the academy's unit first, every
    // unit recovering BattleRecover percent before each match and rematch;
    // returns once the academy's placing is with the facade. The bracket is
    // hidden at the end, also when an error ends the run.
    void SetBattleGame(const clsBattleRegulation& cReg,
                       const host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit,
                       std::int16_t BattleRecover);

    ctrGraphicalMSG GMSG;
    ctrGraphicalLabelEX GLCounter;
    host::ui::ControlArray<ctrGraphicalLabelEX> GL1Status;
    host::ui::ControlArray<ctrGraphicalLabelEX> GL2Status;
    host::ui::ControlArray<ctrGraphicalLabelLite> GL1;
    host::ui::ControlArray<ctrGraphicalLabelLite> GL2;
    clsTournament cTournament;

  private:
    // battle_screen.cpp
    void placeLogAndCounter();
    void placeGauges();
    void placeButtons(host::ui::ControlArray<ctrGraphicalLabelLite>& buttons, int left);
    void bindControls();
    // battle_screen.tournament.cpp
    void cTournament_Battle(std::int16_t BattleIndex, std::int16_t Num1, const std::string& Num1Name,
                            std::int16_t Num2, const std::string& Num2Name);
    void SetTournamentBackground(std::int16_t BattleIndex);
    bool isFinal(std::int16_t BattleIndex) const;
    // The notice over the bracket; returns once the player has clicked it away.
    void showNotice(const std::string& message);
    void recover(clsUnit& first, clsUnit& second) const;
    void setSpeed(const std::string& Num1Name, const std::string& Num2Name);

    FormContext& context_;
};
