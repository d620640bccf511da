#pragma once

#include "app/shell/cls_tmp_data.h"
#include "app/shell/facade_reactions.h"
#include "app/shell/form_context.h"
#include "app/shell/message_dialog.h"
#include "app/shell/report_window.h"
#include "app/shell/screen_builders.h"
#include "app/shell/screen_pictures.h"
#include "app/shell/screens.h"
#include "app/shell/setting_screen.h"
#include "app/shell/story_sequences.h"
#include "app/shell/team_output_dialog.h"
#include "app/shell/title_screen.h"

#include "app/screens/battle/battle_screen.h"
#include "app/screens/class/class_screen.h"
#include "app/screens/school/school_screen.h"
#include "app/screens/town/town_screen.h"
#include "app/screens/unit/unit_screen.h"

#include "platform/assets/cls_load_data.h"
#include "platform/records/cls_app_info.h"
#include "platform/settings/c_ini_file.h"
#include "state/game_host.h"

#include "host/runtime/event.h"
#include "host/sys/message_box.h"
#include "host/ui/error_reporter.h"
#include "host/ui/form.h"
#include "host/ui/message_pump.h"
#include "host/ui/video_driver.h"

#include <memory>
#include <optional>
#include <string>

// The main form: the one window, owning the screen pictures and the screens,
// the scratch state, the settings model and the start-up loader. Its
// start-up (Form_Load) loads everything with progress and offers the title;
// closing the window writes the settings and releases the globals once.
class frmMain : public GameHost, public Screens {
  public:
    frmMain(host::ui::VideoDriver& driver, host::sys::MessageBoxes& boxes);
    ~frmMain() override;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    host::ui::Form& form() { return form_; }
    host::ui::MessagePump& pump() { return pump_; }
    void DoEvents() { pump_.DoEvents(); }

    // Runs once the globals exist; a file that cannot be loaded raises
    // StartupFailure naming it.
    void Form_Load();

    // Each screen registers its layout builder here before Form_Load.
    ScreenBuilders& builders() { return builders_; }

    // What the facade asks of the form.
    void SetBattleGame(const clsBattleRegulation& cReg,
                       host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit,
                       std::int16_t BattleRecover) override;
    void QuestBattle(clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                     const std::string& ImageName) override;
    bool GetStockPriceReport() const override;

    void ActivateScreen(host::ui::PictureBox& screen) override;
    void ShowSchoolMenu(bool Redraw) override;
    void RefreshStatusView() override;
    void ShowNewStudentSelection() override;
    void ShowNewSponsorSelection() override;
    void SchoolDialogOK() override;
    void SchoolDialogCancel() override;
    void ShowLog(const std::string& Text) override;
    void ShowDialog(std::int32_t Kind, host::ui::PictureBox& picture, const std::string& pictureName,
                    const std::string& Body, const std::string& OKCaption,
                    const DialogRegion& region) override;
    // frm_main.dialog.cpp
    void CloseDialog() override;
    void hideReport() override;
    void Opening() override;
    void ShowSchoolTips(const std::string& text) override;
    void StartQuestBattle(const clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                          const std::string& ImageName) override;
    // The town screen.
    void ShowTownScreen() override;
    void TownDialogOK(const std::string& OKCaption, std::int16_t n,
                      const host::runtime::Collection<std::string>& units) override;
    void TownDialogCancel() override;
    std::string GetShopData(std::int16_t row, std::int16_t col) const override;
    // frm_main.unit.cpp
    void ShowUnitScreen(std::int16_t NeedPhysical, const std::string& Mode) override;
    void CloseUnitScreen() override;
    void FillLineSelectGrid(ctrGraphicalGridVer2& GGMSG) override;
    void FillBattleItemGrid(ctrGraphicalGridVer2& GGMSG) override;
    void ApplyUnitPick(std::int32_t MSGType) override;
    void ShowUnitTips(const std::string& text) override;
    void QuestTeamRegistered() override;
    void ExportTeam(const clsUnitData& team) override;
    void ShowClassScreen() override;
    void RefreshClassScreen() override;
    void FillClassPickerGrid(ctrGraphicalGridVer2& GGMSG) override;
    void ClassPickerChosen() override;
    void ClassSlotCopyConfirmed() override;
    // frm_main.setting.cpp
    void ShowSettingView() override;
    void ShowSaveLoadList(const std::string& Caption, bool returnSchool) override;
    std::string SettingDialogOK(std::int32_t MSGType) override;
    void SettingDialogCancel() override;

  private:
    friend class MainFormInside;

    void createControls();
    void bindFile();
    void unbindFile();
    void loadAssets();
    void layOutScreens();
    void createScreens();
    void Form_QueryUnload();
    void Form_Unload();
    // frm_main.setting.cpp
    void createSettingScreens();
    void settingDialogClosed(std::int32_t MSGType);

    host::ui::Form form_;
    host::ui::LogAndShowErrors errors_;
    host::ui::MessagePump pump_;
    ScreenPictures pictures_;

    CIniFile cINI;
    clsAppInfo cInfo;
    clsTMPData CTMP;
    std::unique_ptr<clsLoadData> mLoadData;
    ScreenBuilders builders_;
    std::optional<FormContext> context_;
    std::unique_ptr<TitleScreen> title_;
    std::unique_ptr<SchoolScreen> school_;
    std::unique_ptr<BattleScreen> battle_;
    std::unique_ptr<TownScreen> town_;
    std::unique_ptr<UnitScreen> unit_;
    std::unique_ptr<ClassScreen> class_;
    std::unique_ptr<SettingScreen> setting_;
    std::unique_ptr<TeamOutputDialog> output_;
    std::unique_ptr<ReportWindow> report_;
    std::unique_ptr<MessageDialog> dialog_;
    std::unique_ptr<StorySequences> stories_;
    std::unique_ptr<FacadeReactions> reactions_;

    host::runtime::Event<std::int16_t>::Token fileStartToken_ = 0;
    host::runtime::Event<std::int32_t, std::int32_t>::Token fileChunkToken_ = 0;
    bool fileBound_ = false;
};
