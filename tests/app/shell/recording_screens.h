#pragma once

#include "app/shell/screens.h"

#include "students/roster/cls_unit_data.h"

#include <functional>
#include <string>
#include <vector>

namespace apptest {

// Screens that record the calls made on them, in order, by name; the dialog
// calls also keep what they were given.
class RecordingScreens : public Screens {
  public:
    struct Dialog {
        std::int32_t kind;
        std::string pictureName;
        std::string body;
        std::string okCaption;
        DialogRegion region;
    };

    void ActivateScreen(host::ui::PictureBox& screen) override { called("ActivateScreen " + screen.Name()); }
    void ShowSchoolMenu(bool Redraw) override {
        called(Redraw ? "ShowSchoolMenu True" : "ShowSchoolMenu False");
    }
    void RefreshStatusView() override { called("RefreshStatusView"); }
    void ShowNewStudentSelection() override { called("ShowNewStudentSelection"); }
    void ShowNewSponsorSelection() override { called("ShowNewSponsorSelection"); }
    void SchoolDialogOK() override { called("SchoolDialogOK"); }
    void SchoolDialogCancel() override { called("SchoolDialogCancel"); }
    void ShowLog(const std::string& Text) override { called("ShowLog " + Text); }
    void ShowDialog(std::int32_t Kind, host::ui::PictureBox&, const std::string& pictureName,
                    const std::string& Body, const std::string& OKCaption,
                    const DialogRegion& region) override {
        dialogs.push_back({Kind, pictureName, Body, OKCaption, region});
        called("ShowDialog");
    }
    void CloseDialog() override { called("CloseDialog"); }
    void hideReport() override { called("hideReport"); }
    void Opening() override { called("Opening"); }
    void ShowSchoolTips(const std::string& text) override { called("ShowSchoolTips " + text); }
    void StartQuestBattle(const clsBattleRegulation&, clsUnit&, clsUnit&,
                          const std::string& ImageName) override {
        called("StartQuestBattle " + ImageName);
    }
    void ShowTownScreen() override { called("ShowTownScreen"); }
    void TownDialogOK(const std::string& OKCaption, std::int16_t n,
                      const host::runtime::Collection<std::string>&) override {
        called("TownDialogOK " + OKCaption + " " + std::to_string(n));
    }
    void TownDialogCancel() override { called("TownDialogCancel"); }
    std::string GetShopData(std::int16_t, std::int16_t) const override { return shopCell; }
    void ShowUnitScreen(std::int16_t NeedPhysical, const std::string& Mode) override {
        called("ShowUnitScreen " + std::to_string(NeedPhysical) + " " + Mode);
    }
    void CloseUnitScreen() override { called("CloseUnitScreen"); }
    void FillLineSelectGrid(ctrGraphicalGridVer2&) override { called("FillLineSelectGrid"); }
    void FillBattleItemGrid(ctrGraphicalGridVer2&) override { called("FillBattleItemGrid"); }
    void ApplyUnitPick(std::int32_t MSGType) override { called("ApplyUnitPick " + std::to_string(MSGType)); }
    void ShowUnitTips(const std::string& text) override { called("ShowUnitTips " + text); }
    void QuestTeamRegistered() override { called("QuestTeamRegistered"); }
    void ExportTeam(const clsUnitData& team) override { called("ExportTeam " + team.LineName()); }
    void ShowClassScreen() override { called("ShowClassScreen"); }
    void RefreshClassScreen() override { called("RefreshClassScreen"); }
    void FillClassPickerGrid(ctrGraphicalGridVer2&) override { called("FillClassPickerGrid"); }
    void ClassPickerChosen() override { called("ClassPickerChosen"); }
    void ClassSlotCopyConfirmed() override { called("ClassSlotCopyConfirmed"); }
    void ShowSettingView() override { called("ShowSettingView"); }
    void ShowSaveLoadList(const std::string& Caption, bool returnSchool) override {
        called("ShowSaveLoadList " + Caption + (returnSchool ? " True" : " False"));
    }
    std::string SettingDialogOK(std::int32_t MSGType) override {
        called("SettingDialogOK " + std::to_string(MSGType));
        return "";
    }
    void SettingDialogCancel() override { called("SettingDialogCancel"); }

    std::vector<std::string> calls;
    std::vector<Dialog> dialogs;
    // What every cell of the town's list reads.
    std::string shopCell;
    // Runs at each call, after it is recorded.
    std::function<void(const std::string&)> onCall;

  private:
    void called(const std::string& name) {
        calls.push_back(name);
        if (onCall) onCall(name);
    }
};

} // namespace apptest
