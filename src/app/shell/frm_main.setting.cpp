#include "app/shell/frm_main.h"

#include "app/shell/message_types.h"

#include "platform/sound/mng_sound.h"

void frmMain::createSettingScreens() {
    setting_ = std::make_unique<SettingScreen>(*context_, [this] {
        form_.QueryUnload.raise();
        pump_.RequestQuit();
    });
    builders_.add(ScreenBuilders::Step::Setting, [this] {
        setting_->BuildSettingScreen([this](std::int16_t value) { title_->progress().setGauge(value); });
    });
    output_ = std::make_unique<TeamOutputDialog>(*context_);
    builders_.add(ScreenBuilders::Step::TeamOutput, [this] { output_->BuildTeamOutputDialog(); });
}

void frmMain::ShowSettingView() {
    setting_->ShowSettingView();
}

void frmMain::ShowSaveLoadList(const std::string& Caption, bool returnSchool) {
    setting_->ShowSaveLoadList(Caption, returnSchool);
}

std::string frmMain::SettingDialogOK(std::int32_t MSGType) {
    return setting_->DialogConfirmed(MSGType);
}

void frmMain::SettingDialogCancel() {
    setting_->DialogCancelled();
}

// A load opens the school screen on the loaded game; a return to the title
// leaves the reset game on the title without music.
void frmMain::settingDialogClosed(std::int32_t MSGType) {
    setting_->DialogClosed(MSGType);
    if (MSGType == message_type::kSave) return;
    CTMP.TurnEndMSGClear();
    report_->GMSGReport.Clear();
    if (MSGType == message_type::kLoad) {
        MngSound().SoundPlay(context_->data.GetSoundName());
        RefreshStatusView();
        ActivateScreen(pictures_.picSchool);
        ShowSchoolMenu(false);
        return;
    }
    MngSound().BGMStop();
    title_->ShowTitleAgain();
}
