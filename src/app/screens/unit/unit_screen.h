#pragma once

#include "app/shell/form_context.h"

#include "grids/list_grid/ctr_graphical_grid_ver2.h"
#include "students/roster/cls_unit_data.h"
#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/ctr_graphical_msg.h"
#include "toolkit/ctr_graphical_panel.h"

#include "host/ui/control_array.h"

#include <cstdint>
#include <functional>
#include <string>

// The unit formation screen on picUnit: five students placed on the five
// positions of a formation (a line), with a battle item, sent on a quest
// ("チーム編成") or handed to the team export ("チーム出力"). A slot is
// reached through three views: its member's grid row, its number button and
// its panel cell; two clicks select and place, swap or remove.
// Pieces: unit_screen.cpp (layout, opening, the panel and the grid marks),
// .status.cpp (the unit's values and the tips), .placement.cpp (the clicks
// of the three views), .pickers.cpp (the line and battle-item dialogs),
// .presets.cpp (the saved units and the two commands).
class UnitScreen {
  public:
    // Where a placement click comes from.
    enum Source : std::int16_t { FromGrid = 1, FromPanel = 2, FromNumber = 3 };
    static constexpr int kSlots = 5;

    explicit UnitScreen(FormContext& context);
    UnitScreen(const UnitScreen&) = delete;
    UnitScreen& operator=(const UnitScreen&) = delete;

    // Lays the screen out once, at start-up, advancing the start-up gauge.
    void BuildUnitScreen(const std::function<void(std::int16_t)>& setGauge);
    // Opens the screen afresh for members of at least NeedPhysical, Mode
    // being "チーム編成" (the quest of the scratch state's quest name) or
    // "チーム出力".
    void ShowUnitScreen(std::int16_t NeedPhysical, const std::string& Mode);
    // Back to the school screen: the slots and the item emptied.
    void CloseUnitScreen();
    // Shows the line's five positions on the panel and records their cells.
    void DrawLineCells(const std::string& LineName);
    // Drops the selection and blanks the panel.
    void ResetUnitMembers();
    // Marks or unmarks the first grid row of that student.
    void SetUnitGridCheck(const std::string& name, bool marked);
    // A load button is enabled while its preset holds a unit.
    void RefreshUnitLoadButtons();

    // unit_screen.status.cpp
    // Recomputes the unit, enables "編成完了" for a full one and shows its values.
    void ShowUnitStatus();
    // The tip of slot 0..4, or with -1 of a listed student in no slot.
    void ShowUnitMemberTips(std::int16_t slot, const std::string& name);
    void ShowUnitTips(const std::string& text) { GMSGUnit.Text(text); }

    // unit_screen.placement.cpp
    // One click of a view: select, place, swap or remove, then the status.
    void PlaceUnitMember(std::int16_t slot, bool selected, std::int16_t source, const std::string& name);

    // unit_screen.pickers.cpp
    // The dialog's grid of every line, or of the battle items still free.
    void FillLineSelectGrid(ctrGraphicalGridVer2& GGMSG);
    void FillBattleItemGrid(ctrGraphicalGridVer2& GGMSG);
    // The picker's OK: the marked line or item is taken.
    void ApplyUnitPick(std::int32_t MSGType);
    // The picker has gone: the screen is given back.
    void EndUnitPick();

    // The unit on screen: its line, members and item.
    clsUnitData formedUnit() const;

    ctrGraphicalLabelLite GLUnitMenu;
    ctrGraphicalLabelLite GLUnitLine;
    ctrGraphicalLabelLite GLUnitLineData;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLUnitLoadSave;
    ctrGraphicalGridVer2 GGUnit;
    ctrGraphicalPanel GPUnit;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLUnitNumber;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLUnitData;
    ctrGraphicalLabelLite GLUnitItem;
    ctrGraphicalLabelLite GLUnitItemData;
    ctrGraphicalMSG GMSGUnit;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLUnitCommand;

  private:
    // unit_screen.cpp
    void placeButton(ctrGraphicalLabelLite& button, int left, int top, int width, int height,
                     const std::string& text);
    void fillMemberGrid(std::int16_t NeedPhysical);
    // The closing steps, the pressed command button's hover dropped.
    void closeScreen(int pressed);
    void bindEvents();
    std::int16_t slotOf(const std::string& name) const;
    std::int16_t selectedSlot() const;
    std::string selectedName() const;
    void select(std::int16_t slot, const std::string& name);
    void highlightCell(std::int16_t slot, bool selected);
    void highlightNumber(std::int16_t slot, bool selected);
    // unit_screen.placement.cpp
    void GGUnit_RowSelect(std::int16_t SelectRow);
    void GPUnit_PanelClick(std::int16_t Row, std::int16_t Col, bool& Selected);
    void GLUnitNumber_Click(int Index);
    void GLUnitNumber_RightClick(int Index);
    // unit_screen.pickers.cpp
    void GLUnitLine_Click();
    void GLUnitItem_Click();
    void GLUnitItem_RightClick();
    void fillPickerGrid(ctrGraphicalGridVer2& GGMSG, const std::string& setName,
                        const host::runtime::Collection<clsGetGridData>& rows);
    // unit_screen.presets.cpp
    void GLUnitLoadSave_Click(int Index);
    void loadPreset(std::int16_t n);
    void savePreset(std::int16_t n);
    void GLUnitCommand_Click(int Index);
    void registerQuestTeam();
    bool questMode() const;

    FormContext& context_;
};
