#include "app/screens/battle/battle_screen.h"

#include "app/shell/click_wait.h"
#include "app/shell/message_types.h"
#include "app/shell/settings_file.h"

#include "battle/combat/battle_judgement.h"
#include "school/permits/permit_codes.h"

#include "host/gdi/blit.h"
#include "host/runtime/convert.h"
#include "host/ui/form.h"

namespace {

constexpr const char* kSchool = clsData::AcademyUnitName;
constexpr std::int32_t kNoticeKind = 1;
// From rank C every match is fought on the finer grounds, from rank A the final on the stage.
constexpr std::int16_t kHighGroundsFrom = school_rank::kC;
constexpr std::int16_t kFinalStageFrom = school_rank::kA;
constexpr std::int32_t kBracketHeight = 480;

} // namespace

void BattleScreen::SetBattleGame(const clsBattleRegulation& cReg,
                                 const host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit,
                                 std::int16_t BattleRecover) {
    auto& picTournament = context_.pictures.picTournament;
    // However the run ends, the bracket does not stay over the school.
    struct Ending {
        host::ui::PictureBox& bracket;
        ~Ending() { bracket.setVisible(false); }
    } ending{picTournament};

    context_.battle.SetRegulation(cReg);
    host::gdi::BitBlt(picTournament.hDC(), 0, 0, host::ui::Form::kClientWidth, host::ui::Form::kClientHeight,
                      context_.images.GetImageHDC("トーナメント"), 0, 0, host::gdi::SRCCOPY);
    picTournament.Refresh();
    context_.CTMP.SetUnit(clUnit);
    context_.CTMP.SetRegulation(cReg);
    context_.CTMP.BattleRecover(BattleRecover);
    cTournament.SetTournament(cReg.GameName(), static_cast<std::int16_t>(clUnit.count()),
                              host::ui::Form::kClientWidth, kBracketHeight);
    for (long k = 1; k <= clUnit.count(); ++k)
        cTournament.SetIntervenor(static_cast<std::int16_t>(k), clUnit.item(k)->GetUnitName());
    const bool high = context_.data.GetRankAsNumber() >= kHighGroundsFrom;
    context_.images.SetImage(context_.pictures.BattleDisp, high ? "大会高" : "大会低");
    PlaceBattleLabels();
    cTournament.InitDraw();
    picTournament.Refresh();
    picTournament.setVisible(true);
    picTournament.ZOrder(0);
    context_.DoEvents();
    cTournament.Start();
}

bool BattleScreen::isFinal(std::int16_t BattleIndex) const {
    return BattleIndex + 1 == cTournament.GetIntervenor();
}

void BattleScreen::SetTournamentBackground(std::int16_t BattleIndex) {
    const std::int16_t rank = context_.data.GetRankAsNumber();
    const char* picture = "大会低";
    if (isFinal(BattleIndex) && rank >= kFinalStageFrom)
        picture = "決勝";
    else if (rank >= kHighGroundsFrom)
        picture = "大会高";
    context_.images.SetImage(context_.pictures.BattleDisp, picture);
}

void BattleScreen::recover(clsUnit& first, clsUnit& second) const {
    first.UnitInit(context_.CTMP.BattleRecover());
    second.UnitInit(context_.CTMP.BattleRecover());
}

// Between two other schools the match may run fast; the academy's are
// always shown at the message speed.
void BattleScreen::setSpeed(const std::string& Num1Name, const std::string& Num2Name) {
    clsBattle& battle = context_.battle;
    const bool others = Num1Name != kSchool && Num2Name != kSchool;
    if (others && host::runtime::CBool(context_.cINI.Data(SettingsFile::kBattleHiSpeed))) {
        battle.HiSpeed(true);
        return;
    }
    battle.HiSpeed(false);
    battle.MSGSpeed(host::runtime::CInt(context_.cINI.Data(SettingsFile::kBattleMSG)));
}

void BattleScreen::showNotice(const std::string& message) {
    context_.CTMP.SetMSGType(message_type::kTournamentNotice);
    context_.screens.ShowDialog(kNoticeKind, context_.pictures.picTournament, "picTournament", message, "OK",
                                DialogRegion{});
    WaitForClick(context_);
}

void BattleScreen::cTournament_Battle(std::int16_t BattleIndex, std::int16_t Num1,
                                      const std::string& Num1Name, std::int16_t Num2,
                                      const std::string& Num2Name) {
    clsUnit& first = context_.CTMP.GetUnit(Num1Name);
    clsUnit& second = context_.CTMP.GetUnit(Num2Name);
    recover(first, second);
    SetTournamentBackground(BattleIndex);
    PlaceBattleLabels();
    setSpeed(Num1Name, Num2Name);

    const std::string pairing = Num1Name + "\r\n対\r\n" + Num2Name;
    const std::string opening = isFinal(BattleIndex)
                                    ? std::string("決勝戦を開始します")
                                    : "第" + std::to_string(BattleIndex) + "試合を開始します";
    showNotice(opening + "\r\n\r\n" + pairing);
    clsBattle& battle = context_.battle;
    battle.StartBattle(first, second);
    auto& picTournament = context_.pictures.picTournament;
    picTournament.ZOrder(0);
    context_.DoEvents();
    while (battle.GetResultUnit() == kDrawResult) {
        SetTournamentBackground(BattleIndex);
        recover(first, second);
        showNotice("引き分けのため、再試合を行います");
        battle.StartBattle(first, second);
    }
    showNotice(battle.GetResult());

    if (battle.GetResultUnit() == Num1Name)
        cTournament.Win(BattleIndex, Num1, Num2, Num1Name, Num2Name);
    else
        cTournament.Win(BattleIndex, Num2, Num1, Num2Name, Num1Name);

    const std::string placing = cTournament.GetPlacing(BattleIndex, kSchool, context_.data.GetRankAsNumber());
    if (isFinal(BattleIndex)) {
        picTournament.setVisible(false);
        if (!placing.empty()) context_.data.SetWinnerUnit(placing);
        return;
    }
    if (placing.empty()) return;
    context_.data.SetWinnerUnit(placing);
    cTournament.SetLoser();
    picTournament.setVisible(false);
}
