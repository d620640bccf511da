#include "app/shell/frm_main.h"

namespace {

constexpr std::int16_t kNoSort = -1;
constexpr std::int16_t kListRows = 20;

} // namespace

void frmMain::ShowUnitScreen(std::int16_t NeedPhysical, const std::string& Mode) {
    unit_->ShowUnitScreen(NeedPhysical, Mode);
}

void frmMain::CloseUnitScreen() {
    unit_->CloseUnitScreen();
}

void frmMain::FillLineSelectGrid(ctrGraphicalGridVer2& GGMSG) {
    unit_->FillLineSelectGrid(GGMSG);
}

void frmMain::FillBattleItemGrid(ctrGraphicalGridVer2& GGMSG) {
    unit_->FillBattleItemGrid(GGMSG);
}

void frmMain::ApplyUnitPick(std::int32_t MSGType) {
    unit_->ApplyUnitPick(MSGType);
}

void frmMain::ShowUnitTips(const std::string& text) {
    unit_->ShowUnitTips(text);
}

// The quest that now has its team leaves the list, and nothing is chosen.
void frmMain::QuestTeamRegistered() {
    school_->FillSchoolGrid("", kNoSort, 0, kListRows);
    school_->GLContract.Enable(false);
}

void frmMain::ExportTeam(const clsUnitData& team) {
    output_->ShowTeamOutputDialog(team);
}
