#pragma once

#include "app/shell/form_context.h"
#include "app/shell/report_window.h"

#include "grids/list_grid/ctr_graphical_grid_ver2.h"
#include "grids/table_view/ctr_graphical_view_ver2.h"
#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/ctr_graphical_msg.h"
#include "toolkit/graphical_graph.h"

#include "host/ui/control_array.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The school screen on picSchool: the status panel, the main menu, the day
// commands, the system buttons, the list grid with its sub-commands and
// action button, the message box and the ability gauges. It reaches the game
// only through the facade and the other screens only through Screens.
// Pieces: school_screen.cpp (layout), .menu.cpp (main menu, system
// buttons), .list.cpp (menu items and the grid), .select.cpp (the grid's
// rows chosen and hovered), .commands.cpp (sub-commands), .confirm.cpp (the
// action button), .dialogs.cpp (what the school's dialogs do on OK, cancel
// and closing), .newyear.cpp (the new year's lists), .status.cpp (status
// panel and gauges), .day.cpp (day commands).
class SchoolScreen {
  public:
    explicit SchoolScreen(FormContext& context);
    SchoolScreen(const SchoolScreen&) = delete;
    SchoolScreen& operator=(const SchoolScreen&) = delete;

    // Lays the screen out once, at start-up.
    void BuildSchoolScreen();
    // The main-menu state: menu name "ミルトナ騎士団", the menu, day and
    // system buttons shown with their enabling recomputed, everything else
    // hidden. Redraw also paints the background picture again.
    void ShowSchoolMenu(bool Redraw);
    // Shows the menu item named by the facade's menu.
    void SelectSchoolMenu();
    // Fills GGSchool from the facade's rows for Caption under the column set
    // the facade names; False (grid hidden) for an empty list or while a
    // fill runs.
    bool FillSchoolGrid(const std::string& Caption, std::int16_t SortColumn, std::int32_t SortType,
                        std::int16_t VisibleRows);
    // All gauges hidden and unselected but the first, which is chosen.
    void ResetParamGraphs();
    // The status panel shows the facade's date, money, points, rank and construction.
    void RefreshStatusView();

    // school_screen.newyear.cpp: the list mode of "新入生" or "新規スポンサー"
    // and the two lists of a new year, each returning once its question
    // has been answered yes.
    void ShowSchoolSelection(MenuKey MenuName);
    void ShowNewStudentSelection();
    void ShowNewSponsorSelection();

    // school_screen.dialogs.cpp: the school's dialogs (message types 9 to
    // 14 and 21 to 25). OK carries out what was asked and closes the
    // dialog, or leaves an item use's reports to be clicked away; cancel
    // of a new-year question leaves its list open; the closing steps give
    // the screen back; a confirmed camp then runs its month.
    void SchoolDialogOK(ReportWindow& report);
    void SchoolDialogCancel();
    void CloseSchoolDialog(std::int32_t type);
    void StartCampIfBooked();

    ctrGraphicalViewVer2 GVSchool;
    ctrGraphicalLabelLite GLSchoolMenu;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLSchool;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLDate;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLSystem;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLCommand;
    ctrGraphicalLabelLite GLContract;
    ctrGraphicalLabelLite GLReturnSchool;
    ctrGraphicalGridVer2 GGSchool;
    ctrGraphicalMSG GMSGSchool;
    host::ui::ControlArray<GraphicalGraph> GParam;
    host::ui::ControlArray<GraphicalGraph> GExp;

  private:
    static constexpr std::int16_t kButtonFontSize = 13;
    // school_screen.cpp
    void placeButtons(host::ui::ControlArray<ctrGraphicalLabelLite>& buttons, int count);
    void placeButton(ctrGraphicalLabelLite& button, int left, int top, int width, std::string_view text,
                     std::int16_t fontSize = kButtonFontSize);
    void placeGauges();
    void placeStatusView();
    void placeGrid();
    void placeMessageBox();
    void bindTips(ctrGraphicalLabelLite& button);
    // school_screen.menu.cpp
    void GLSchool_Click(int Index);
    void GLReturnSchool_Click();
    // GLSystem's "ログ": the turn's log in the report box.
    static constexpr int kLogButton = 3;
    void GLSystemLog_Click();
    // GLSystem's "チーム出力": the unit formation screen for a team export.
    static constexpr int kTeamExportButton = 4;
    void GLSystemTeamExport_Click();
    // school_screen.system.cpp
    // GLSystem's "セーブ", "ロード" and "設定": the settings screen.
    static constexpr int kSaveButton = 0;
    static constexpr int kSettingButton = 2;
    void GLSystemSetting_Click(int Index);
    // school_screen.list.cpp
    void showCommand(int i, std::string_view caption, bool enabled);
    void showCommandsByCheck(std::span<const std::string_view> captions);
    void showContract(std::string_view caption, bool visible);
    // school_screen.select.cpp
    void GGSchool_RowSelect(std::int16_t Row);
    void GGSchool_MouseSelect(std::int16_t Row);
    void GGSchool_MouseLeave();
    void GGSchool_CheckRowChange(std::int16_t NewIndex);
    std::int16_t markedRowCount() const;
    void selectSponsors();
    void showRowTip(std::int16_t Row, std::int16_t column);
    void showAbilityGauges(std::int16_t Row);
    void showExperienceGauges(std::int16_t Row);
    // school_screen.commands.cpp
    void GLCommand_Click(int Index);
    void switchSubList(int Index);
    void teacherCommand(int Index);
    void studentCommand(int Index);
    // Disables the school, sets the message type and opens the dialog over it.
    void openDialog(std::int32_t type, std::int32_t kind, const std::string& text, const std::string& action);
    // school_screen.confirm.cpp
    void GLContract_Click();
    void GLContract_RightClick();
    // school_screen.dialogs.cpp
    std::vector<std::string> markedNames() const;
    // school_screen.status.cpp
    void GParam_GaugeClick(int Index, bool& Selected);
    // school_screen.day.cpp
    void GLDate_Click(int Index);
    // Runs a facade command with the screen disabled and the busy flag set.
    void runBusy(const std::function<void()>& command);

    FormContext& context_;
    bool menuClickRunning_ = false;
    bool gridFillRunning_ = false;
    bool subListSwitching_ = false;
};
