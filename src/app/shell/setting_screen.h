#pragma once

#include "app/shell/form_context.h"

#include "grids/list_grid/ctr_graphical_grid_ver2.h"
#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/ctr_graphical_slider.h"

#include "host/ui/control_array.h"
#include "host/ui/label.h"

#include <cstdint>
#include <functional>
#include <string>

// The settings and save/load screen on picSetting. Settings mode: four
// sliders (music and effect volume, battle and report speed) that take
// effect at once, two toggles and the sound test "♪". Save/load mode: the 20
// save slots with the save or load button, the way back to the title and
// the quit. "学園に戻る" leads back to the school screen from settings mode
// and from the lists the school screen opened.
// Pieces: setting_screen.cpp (layout and the way back), .settings.cpp
// (settings mode), .saves.cpp (save/load mode and its dialogs' answers).
class SettingScreen {
  public:
    // quit ends the program (the form's closing) once the player said yes.
    SettingScreen(FormContext& context, std::function<void()> quit);
    SettingScreen(const SettingScreen&) = delete;
    SettingScreen& operator=(const SettingScreen&) = delete;

    // Lays the screen out once, at start-up, advancing the start-up gauge.
    void BuildSettingScreen(const std::function<void(std::int16_t)>& setGauge);
    // Settings mode with the current settings.
    void ShowSettingView();
    // Save/load mode: Caption "セーブ" or "ロード"; returnSchool offers
    // "学園に戻る" (opened from the school screen, not from the title).
    void ShowSaveLoadList(const std::string& Caption, bool returnSchool);

    // setting_screen.saves.cpp
    // Carries out the confirmed save, load or return to the title; "" when
    // it was done, otherwise what the dialog tells the player (the facade
    // has already said why).
    std::string DialogConfirmed(std::int32_t MSGType);
    // A cancelled save, load or return: the list as it was.
    void DialogCancelled();
    // The screen after a confirmed dialog has closed: the list again after a
    // save; disabled after a load or a return to the title.
    void DialogClosed(std::int32_t MSGType);

    static constexpr int kSliders = 4;
    static constexpr int kRows = 6;

    ctrGraphicalLabelLite GLSettingMenu;
    ctrGraphicalGridVer2 GGSetting;
    ctrGraphicalLabelLite GLSettingReturnSchool;
    ctrGraphicalLabelLite GLSettinggotoTitle;
    ctrGraphicalLabelLite GLSettingEND;
    ctrGraphicalLabelLite GLSettingPlay;
    ctrGraphicalLabelLite GLSettingSL;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLSettingData;
    // The value texts stand on a washed ground: the picture behind is light
    // in places and dark in others.
    host::ui::ControlArray<ctrGraphicalLabelLite> lblSettingMSG;
    host::ui::ControlArray<host::ui::Label> lblSettingL;
    host::ui::ControlArray<ctrGraphicalSlider> GSSetting;
    host::ui::ControlArray<host::ui::Label> lblSettingR;

  private:
    // setting_screen.cpp
    void placeButton(ctrGraphicalLabelLite& button, int left, int top, int width, int height,
                     const std::string& text);
    void placeLabel(host::ui::Label& label, int left, int top, int width, const std::string& text);
    void placeRows();
    void placeSlider(ctrGraphicalSlider& slider, int top);
    void showRows(bool visible);
    void GLSettingReturnSchool_Click();
    // setting_screen.settings.cpp
    void GSSetting_ValueChange(int Index, std::int32_t Value);
    void GLSettingData_Click(int Index);
    void GLSettingPlay_Click();
    void showValueText(int Index, std::int32_t Value);
    void showToggleText(int Index);
    // setting_screen.saves.cpp
    void GGSetting_RowSelect(std::int16_t Row);
    void GLSettingSL_Click();
    void GLSettinggotoTitle_Click();
    void GLSettingEND_Click();
    bool loadMode() const;
    std::int16_t chosenSlot() const;
    void showSlot(std::int16_t row, std::int16_t slot);

    FormContext& context_;
    std::function<void()> quit_;
};
