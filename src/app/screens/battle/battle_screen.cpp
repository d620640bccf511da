#include "app/screens/battle/battle_screen.h"

#include "app/screens/screen_controls.h"

#include "host/gdi/blit.h"
#include "host/ui/form.h"

#include <memory>

namespace {

using screen_controls::first;

// Binding codes of the driver: the control's kind and its side.
enum LabelType : std::int32_t {
    kPhysicalGauge = 1,
    kSkillButton = 4,
    kTimeGauge = 5,
    kMessageBox = 6,
    kBattlePicture = 7
};
enum BattleUnit : std::int32_t { kRightUnit = 1, kLeftUnit = 2, kWholeBattle = 3 };

constexpr int kGauges = 3;
constexpr int kButtons = 6;
constexpr int kLeftSide = 100;
constexpr int kRightSide = 480;
constexpr int kButtonColumn = 120;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 25;
constexpr int kRowStep = 30;
// A bar fills from its right end (toward the centre on the left side) or its left end.
constexpr std::int32_t kFromTheRight = 1;
constexpr std::int32_t kFromTheLeft = 2;
constexpr std::int32_t kBottomAligned = 1;

template <class T> void copyUnder(T& control, host::ui::PictureBox& picture) {
    control.BackImageCopy(picture, static_cast<std::int16_t>(control.Left()),
                          static_cast<std::int16_t>(control.Top()));
}

} // namespace

BattleScreen::BattleScreen(FormContext& context)
    : GL1Status(first<ctrGraphicalLabelEX>("GL1Status")), GL2Status(first<ctrGraphicalLabelEX>("GL2Status")),
      GL1(first<ctrGraphicalLabelLite>("GL1")), GL2(first<ctrGraphicalLabelLite>("GL2")), context_(context) {
    GMSG.setName("GMSG");
    GLCounter.setName("GLCounter");
    auto& BattleDisp = context_.pictures.BattleDisp;
    for (host::ui::Control* control :
         {static_cast<host::ui::Control*>(&GMSG), static_cast<host::ui::Control*>(&GLCounter),
          static_cast<host::ui::Control*>(&GL1Status(0)), static_cast<host::ui::Control*>(&GL2Status(0)),
          static_cast<host::ui::Control*>(&GL1(0)), static_cast<host::ui::Control*>(&GL2(0))})
        control->setParent(&BattleDisp);
    cTournament.Battle.subscribe(
        [this](std::int16_t& BattleIndex, std::int16_t& Num1, std::string& Num1Name, std::int16_t& Num2,
               std::string& Num2Name) { cTournament_Battle(BattleIndex, Num1, Num1Name, Num2, Num2Name); });
}

void BattleScreen::BuildBattleScreen(const std::function<void(std::int16_t)>& setGauge) {
    auto& BattleDisp = context_.pictures.BattleDisp;
    auto& picTournament = context_.pictures.picTournament;
    BattleDisp.Move(0, 0, host::ui::Form::kClientWidth, host::ui::Form::kClientHeight);
    BattleDisp.setVisible(false);
    picTournament.Move(0, 0, host::ui::Form::kClientWidth, host::ui::Form::kClientHeight);
    host::gdi::BitBlt(picTournament.hDC(), 0, 0, host::ui::Form::kClientWidth, host::ui::Form::kClientHeight,
                      context_.images.GetImageHDC("トーナメント"), 0, 0, host::gdi::SRCCOPY);
    picTournament.Refresh();
    cTournament.SetColor(9, 2);
    cTournament.SetPicture(picTournament);
    setGauge(42);

    placeLogAndCounter();
    placeGauges();
    setGauge(44);
    placeButtons(GL1, kLeftSide);
    setGauge(46);
    placeButtons(GL2, kRightSide);
    bindControls();
    setGauge(48);
}

void BattleScreen::placeLogAndCounter() {
    GMSG.Move(250, 200, 300, 60);
    GMSG.FontSize(14);
    GMSG.FontColor(3);
    GMSG.VerticalAlignment(kBottomAligned);
    GMSG.ForceNotVisible(true);
    GLCounter.Move(100, 560, 600, 10);
    GLCounter.Horizon(kFromTheLeft);
    GLCounter.FirstSemiTrans(133);
    GLCounter.FirstAP(20);
    GLCounter.ImageNum(1);
}

void BattleScreen::placeGauges() {
    for (int k = 1; k < kGauges; ++k) {
        GL1Status.Load(k);
        GL2Status.Load(k);
    }
    for (int k = 0; k < kGauges; ++k) {
        for (auto* side : {&GL1Status, &GL2Status}) {
            ctrGraphicalLabelEX& gauge = (*side)(k);
            const bool left = side == &GL1Status;
            gauge.Move(left ? kLeftSide : kRightSide, 10 + kRowStep * k, 220, 15);
            gauge.ImageNum(1);
            gauge.Horizon(left ? kFromTheRight : kFromTheLeft);
            gauge.FirstSemiTrans(5);
            gauge.FirstAP(30);
            gauge.setVisible(true);
        }
    }
}

void BattleScreen::placeButtons(host::ui::ControlArray<ctrGraphicalLabelLite>& buttons, int left) {
    for (int i = 1; i < kButtons; ++i)
        buttons.Load(i);
    for (int i = 0; i < kButtons; ++i) {
        ctrGraphicalLabelLite& button = buttons(i);
        button.Move(left + (i % 2) * kButtonColumn, 100 + kRowStep * (i / 2), kButtonWidth, kButtonHeight);
        button.FontColor(1);
        button.FontSize(12);
        button.SelectEnable(true);
        button.setVisible(true);
    }
}

void BattleScreen::bindControls() {
    clsBattle& battle = context_.battle;
    for (int i = 0; i < kButtons; ++i) {
        const auto index = static_cast<std::int16_t>(i);
        battle.SetGraphicalLabel(GL1(i), kSkillButton, kLeftUnit, index);
        battle.SetGraphicalLabel(GL2(i), kSkillButton, kRightUnit, index);
    }
    for (int k = 0; k < kGauges; ++k)
        battle.SetGraphicalLabel(GL1Status(k), kPhysicalGauge + k, kLeftUnit, 0);
    for (int k = 0; k < kGauges; ++k)
        battle.SetGraphicalLabel(GL2Status(k), kPhysicalGauge + k, kRightUnit, 0);
    battle.SetGraphicalLabel(GLCounter, kTimeGauge, kWholeBattle, 0);
    battle.SetGraphicalLabel(GMSG, kMessageBox, kWholeBattle, 0);
    auto& BattleDisp = context_.pictures.BattleDisp;
    battle.SetGraphicalLabel(BattleDisp, kBattlePicture, kWholeBattle, 0);
    // The form has no surface of its own; the battle picture stands for it.
    battle.SetfrmHDC(BattleDisp.hDC());
}

void BattleScreen::PlaceBattleLabels() {
    auto& BattleDisp = context_.pictures.BattleDisp;
    GMSG.BackImageCopy(BattleDisp.hDC(), static_cast<std::int16_t>(GMSG.Left()),
                       static_cast<std::int16_t>(GMSG.Top()));
    copyUnder(GLCounter, BattleDisp);
    GLCounter.RePaint();
    for (auto* side : {&GL1Status, &GL2Status}) {
        for (int k = 0; k < kGauges; ++k) {
            copyUnder((*side)(k), BattleDisp);
            (*side)(k).RePaint();
        }
    }
    for (auto* side : {&GL1, &GL2}) {
        for (int i = 0; i < kButtons; ++i) {
            (*side)(i).SelectTransColor(2);
            copyUnder((*side)(i), BattleDisp);
        }
    }
}
