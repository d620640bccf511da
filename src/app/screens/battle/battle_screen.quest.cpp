#include "app/screens/battle/battle_screen.h"

#include "app/shell/settings_file.h"

#include "host/runtime/convert.h"

// Whatever the high-speed setting says, a quest battle shows every message.
void BattleScreen::StartQuestBattle(const clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                                    const std::string& ImageName) {
    context_.images.SetImage(context_.pictures.BattleDisp, ImageName);
    PlaceBattleLabels();
    clsBattle& battle = context_.battle;
    battle.SetRegulation(cReg);
    battle.HiSpeed(false);
    battle.MSGSpeed(host::runtime::CInt(context_.cINI.Data(SettingsFile::kBattleMSG)));
    battle.StartBattle(cULeft, cURight);
}
