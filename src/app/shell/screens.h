#pragma once

#include "battle/combat/cls_battle_regulation.h"
#include "battle/combat/cls_unit.h"

#include "host/runtime/collection.h"
#include "host/ui/picture_box.h"

#include <cstdint>
#include <string>

class clsUnitData;
class ctrGraphicalGridVer2;

// The modal dialog's place on the form.
struct DialogRegion {
    int Left = 200;
    int Top = 150;
    int Width = 400;
    int Height = 300;
};

// The procedures that one screen or dialog calls on another, implemented by
// the main form, which owns and wires the screens. Each screen adds the
// members others call on it.
class Screens {
  public:
    virtual ~Screens() = default;

    // Makes a screen the active one: in front and enabled.
    virtual void ActivateScreen(host::ui::PictureBox& screen) = 0;

    // The school screen: its main menu (Redraw paints the background again)
    // and the status panel from the facade.
    virtual void ShowSchoolMenu(bool Redraw) = 0;
    virtual void RefreshStatusView() = 0;
    // The new-student and new-sponsor lists of a new year; each returns once
    // the player has dealt with it.
    virtual void ShowNewStudentSelection() = 0;
    virtual void ShowNewSponsorSelection() = 0;
    // The school screen's dialogs: OK carries out what was asked by the
    // message type; cancel of a new-year list's question leaves the list open.
    virtual void SchoolDialogOK() = 0;
    virtual void SchoolDialogCancel() = 0;
    // The report box over the school screen with Text, scrollable, until
    // the player clicks it (the turn's log).
    virtual void ShowLog(const std::string& Text) = 0;

    // The modal dialog of the message type set in the scratch state, with
    // the given layout kind, over picture (named pictureName); it does not
    // wait for the answer.
    virtual void ShowDialog(std::int32_t Kind, host::ui::PictureBox& picture, const std::string& pictureName,
                            const std::string& Body, const std::string& OKCaption,
                            const DialogRegion& region) = 0;
    // The closing path of the dialog and of the report box's views, by the
    // message type: gives the opener's screen back.
    virtual void CloseDialog() = 0;
    // Empties and hides the report box (a failed command's reports are void).
    virtual void hideReport() = 0;

    // Asks whether the player wants to see the opening story and tells it;
    // returns once it is declined or over.
    virtual void Opening() = 0;
    // The school screen's message box shows the text.
    virtual void ShowSchoolTips(const std::string& text) = 0;
    // The battle screen: fights one battle at normal speed on the named
    // background and returns when it is over, the winner with the driver.
    virtual void StartQuestBattle(const clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                                  const std::string& ImageName) = 0;

    // The town screen: its place menu (the school's "街へ行く"); its dialogs'
    // OK with the quantity n or the units marked for sale, and cancel, each
    // by the message type, closing the dialog; a cell of its list GGShop
    // ("" outside it), which the item shop's dialog reads.
    virtual void ShowTownScreen() = 0;
    virtual void TownDialogOK(const std::string& OKCaption, std::int16_t n,
                              const host::runtime::Collection<std::string>& units) = 0;
    virtual void TownDialogCancel() = 0;
    virtual std::string GetShopData(std::int16_t row, std::int16_t col) const = 0;
    // The unit formation screen, opened for a quest team ("チーム編成") or a
    // team export ("チーム出力") and left for the school screen; its line and
    // battle-item pickers fill the dialog's grid, take its answer and show
    // the tip of the row under the pointer.
    virtual void ShowUnitScreen(std::int16_t NeedPhysical, const std::string& Mode) = 0;
    virtual void CloseUnitScreen() = 0;
    virtual void FillLineSelectGrid(ctrGraphicalGridVer2& GGMSG) = 0;
    virtual void FillBattleItemGrid(ctrGraphicalGridVer2& GGMSG) = 0;
    virtual void ApplyUnitPick(std::int32_t MSGType) = 0;
    virtual void ShowUnitTips(const std::string& text) = 0;
    // The school screen's quest list once a quest has its team.
    virtual void QuestTeamRegistered() = 0;
    // Hands the formed unit (line, members and item) to the team export.
    virtual void ExportTeam(const clsUnitData& team) = 0;
    // The class timetable screen: the week view (the caller has disabled
    // its own screen and enabled picClass), its controls over a new picture
    // of picClass, the timetable pick dialog's grid and its OK, and "はい"
    // to a slot copy.
    virtual void ShowClassScreen() = 0;
    virtual void RefreshClassScreen() = 0;
    virtual void FillClassPickerGrid(ctrGraphicalGridVer2& GGMSG) = 0;
    virtual void ClassPickerChosen() = 0;
    virtual void ClassSlotCopyConfirmed() = 0;
    // The settings and save/load screen: settings mode, or the save or load
    // list (returnSchool offers the way back to the school screen); its
    // dialogs' answers (save, load, back to the title): OK gives "" when
    // done, otherwise what the dialog tells the player.
    virtual void ShowSettingView() = 0;
    virtual void ShowSaveLoadList(const std::string& Caption, bool returnSchool) = 0;
    virtual std::string SettingDialogOK(std::int32_t MSGType) = 0;
    virtual void SettingDialogCancel() = 0;
};
