#pragma once

#include "app/shell/form_context.h"

#include "students/roster/cls_unit_data.h"
#include "toolkit/ctr_graphical_label_lite.h"

#include "host/ui/control_array.h"
#include "host/ui/label.h"
#include "host/ui/text_box.h"

// The team export dialog on picOutput, over the unit formation screen: the
// team's name and the tournament password typed in, "出力" enabled while
// both can be used (a line under them says why not). "出力" writes the
// encrypted team file into the program's folder and returns to the school
// screen; a failed write keeps the dialog open and says why. "キャンセル"
// gives the unit screen back as it was.
class TeamOutputDialog {
  public:
    explicit TeamOutputDialog(FormContext& context);
    TeamOutputDialog(const TeamOutputDialog&) = delete;
    TeamOutputDialog& operator=(const TeamOutputDialog&) = delete;

    // Lays the dialog out once, at start-up.
    void BuildTeamOutputDialog();
    // Opens the dialog for the formed team; the unit screen is disabled.
    void ShowTeamOutputDialog(const clsUnitData& team);

    host::ui::ControlArray<host::ui::Label> lblOutput;
    host::ui::ControlArray<host::ui::TextBox> txtOutput;
    host::ui::Label lblOutputMSG;
    ctrGraphicalLabelLite GLOutputExcute;
    ctrGraphicalLabelLite GLOutputCancel;

  private:
    void CheckTeamOutputInput();
    void GLOutputExcute_Click();
    void GLOutputCancel_Click();
    // "" when the file was written, otherwise why not.
    std::string WriteTeamFile();

    FormContext& context_;
    clsUnitData team_;
};
