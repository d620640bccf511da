#include "app/shell/setting_screen.h"

#include "app/shell/settings_file.h"

#include "platform/sound/mng_sound.h"

#include "host/runtime/convert.h"

namespace {

constexpr int kBGM = 0;
constexpr int kSE = 1;
constexpr int kBattleSpeed = 2;
constexpr int kReportSpeed = 3;
constexpr int kBattleHiSpeed = 4;
constexpr int kStockPriceReport = 5;

const char* keyOf(int Index) {
    switch (Index) {
    case kBattleSpeed:
        return SettingsFile::kBattleMSG;
    case kReportSpeed:
        return SettingsFile::kVisibleMSG;
    case kBattleHiSpeed:
        return SettingsFile::kBattleHiSpeed;
    default:
        return SettingsFile::kStockPriceReport;
    }
}

} // namespace

void SettingScreen::ShowSettingView() {
    GLSettingMenu.Text("設定");
    showRows(true);
    CIniFile& cINI = context_.cINI;
    cINI.NowSection(SettingsFile::kSection);
    const clsMngSound& sound = MngSound();
    const std::int32_t values[kSliders] = {sound.BGMVolume(), sound.SEVolume(),
                                           host::runtime::CLng(cINI.Data(SettingsFile::kBattleMSG)),
                                           host::runtime::CLng(cINI.Data(SettingsFile::kVisibleMSG))};
    for (int i = 0; i < kSliders; ++i) {
        GSSetting(i).Value(values[i]);
        showValueText(i, GSSetting(i).Value());
    }
    showToggleText(kBattleHiSpeed);
    showToggleText(kStockPriceReport);
    GLSettingEND.setVisible(false);
    GGSetting.setVisible(false);
    GLSettingSL.setVisible(false);
    GLSettinggotoTitle.setVisible(false);
    GLSettingPlay.setVisible(true);
    GLSettingReturnSchool.setVisible(true);
}

// Every change takes effect at once; the volumes reach the settings file
// at the close, the speeds are read by the next report or battle.
void SettingScreen::GSSetting_ValueChange(int Index, std::int32_t Value) {
    clsMngSound& sound = MngSound();
    switch (Index) {
    case kBGM:
        sound.BGMVolume(Value);
        if (Value == 0) {
            sound.BGMStop();
        } else {
            const std::string music = context_.data.GetSoundName();
            if (!sound.ISPlay(music)) sound.SoundPlay(music);
        }
        break;
    case kSE:
        sound.SEVolume(Value);
        break;
    default:
        context_.cINI.NowSection(SettingsFile::kSection);
        context_.cINI.Data(keyOf(Index), std::to_string(Value));
        break;
    }
    showValueText(Index, Value);
}

void SettingScreen::showValueText(int Index, std::int32_t Value) {
    std::string text;
    if (Index == kBGM || Index == kSE)
        text = Value == 0 ? "再生しない" : "音量=" + std::to_string(Value);
    else
        text = "速度=" + std::to_string(Value);
    lblSettingMSG(Index).Text(text);
}

void SettingScreen::GLSettingData_Click(int Index) {
    if (Index != kBattleHiSpeed && Index != kStockPriceReport) return;
    CIniFile& cINI = context_.cINI;
    cINI.NowSection(SettingsFile::kSection);
    const bool now = host::runtime::CBool(cINI.Data(keyOf(Index)));
    cINI.Data(keyOf(Index), now ? "False" : "True");
    showToggleText(Index);
}

void SettingScreen::showToggleText(int Index) {
    context_.cINI.NowSection(SettingsFile::kSection);
    const bool on = host::runtime::CBool(context_.cINI.Data(keyOf(Index)));
    if (Index == kBattleHiSpeed)
        lblSettingMSG(Index).Text(on ? "高速化する" : "高速化しない");
    else
        lblSettingMSG(Index).Text(on ? "報告する" : "報告しない");
}

void SettingScreen::GLSettingPlay_Click() {
    MngSound().SoundPlay("coin05");
}
