#pragma once

#include "app/shell/form_context.h"

#include "grids/list_grid/ctr_graphical_grid_ver2.h"
#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/ctr_graphical_msg.h"
#include "toolkit/graphical_graph.h"

#include "host/ui/control_array.h"
#include "host/ui/label.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The class timetable screen on picClass. The week view shows the 40 slots
// (five weekdays by eight periods) with their copy buttons; the slot view
// edits one slot's students in a list with the lesson, teacher and item
// pickers. Everything works on the copy of the timetable in CTMP, which
// reaches the facade only when the whole week passes its check on the first
// day of a month.
// Pieces: class_screen.cpp (layout), .week.cpp (week view and slot tips),
// .slot.cpp (slot view, list hover, gauges), .setting.cpp (which setting
// buttons may be used), .pickers.cpp (pick dialog), .decision.cpp (marks,
// "設定する", the slot's decide and cancel), .commit.cpp (week check, commit,
// return to school), .copy.cpp (slot copy by drag and drop).
class ClassScreen {
  public:
    // Shows a text as a new page of the report box over picClass.
    using ReportShower = std::function<void(const std::string&)>;

    ClassScreen(FormContext& context, ReportShower showReport);
    ClassScreen(const ClassScreen&) = delete;
    ClassScreen& operator=(const ClassScreen&) = delete;

    // Fills gWeekNames and lays the screen out once, at start-up, moving the
    // loading gauge from 31 to 39.
    void BuildClassScreen(const std::function<void(std::int16_t)>& setGauge);
    // Loads the timetable into CTMP and shows the week view; the caller has
    // disabled picSchool and enabled picClass.
    void ShowClassScreen();
    // "月曜日1時間目の授業設定" for slot 0.
    static std::string GetClassSlotCaption(std::int16_t slot);

    // The slot view of a slot, and back to the week view.
    void ShowClassSlotDetail(std::int16_t Slot);
    void ShowClassWeek();
    // Enables the setting buttons and the slot's decide button by the pending
    // choice and the list, dropping pending choices that no longer fit.
    void CheckClassSlotSetting();

    // The pick dialog's grid for the picker kind in CTMP, or hidden when
    // nothing can be picked.
    void FillClassPickerGrid(ctrGraphicalGridVer2& GGMSG);
    // The pick dialog's OK: the picked name becomes the pending choice.
    void ClassPickerChosen();

    // Ok tells whether every usable slot passes its check; else Msg lists
    // the bad slots.
    void CheckWeekSchedule(std::string& Msg, bool& Ok);
    // Writes the edited timetable into the game.
    void CommitSchedule();

    // A copy button's drop (tag "C:" and its slot) onto a slot: the copy
    // question, the refusal, or nothing.
    void CopyClassSlot(const std::string& tag, std::int16_t destination);
    // "はい" to the copy question: every student's entry copied.
    void ClassSlotCopyConfirmed();

    // A dialog or the report box over the screen has closed.
    void DialogClosed();
    // Every control takes its see-through background again from picClass.
    void RefreshBackground();

    host::ui::ControlArray<host::ui::Label> lblWeek;
    host::ui::ControlArray<host::ui::Label> lblNumber;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLClass;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLClassCopy;
    ctrGraphicalLabelLite GLClassMenu;
    ctrGraphicalMSG GMSGClass;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLClasstoSchool;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLClassCommand;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLClassGrid;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLClassSetting;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLClassData;
    ctrGraphicalGridVer2 GGClass;
    host::ui::ControlArray<GraphicalGraph> GParamClass;
    host::ui::ControlArray<GraphicalGraph> GClassExp;

  private:
    // The scratch key of the open pick dialog's kind: 0 lesson, 1 teacher, 2 item.
    static constexpr std::int32_t kPickerKind = 20;

    // What the timetable checks ask of the game, answered by the facade.
    class FacadeFacts : public clsTMPData::TimetableFacts {
      public:
        explicit FacadeFacts(clsData& data) : data_(data) {}
        bool CheckContractTeacher(const std::string& teacher) const override {
            return data_.CheckContractTeacher(teacher);
        }
        bool CheckItem(const std::string& item) const override { return data_.CheckItem(item); }

      private:
        clsData& data_;
    };

    // class_screen.cpp
    void placeButton(ctrGraphicalLabelLite& button, int left, int top, int width, const std::string& text);
    void placeGauges(std::int16_t gaugeAtHalf, const std::function<void(std::int16_t)>& setGauge);
    void bindEvents();
    void bindSlotTips(ctrGraphicalLabelLite& button);
    // class_screen.week.cpp
    std::vector<std::string> studentNames() const;
    void GLClass_Click(int Index);
    void GLClass_RightClick(int Index);
    void showSlotTip(int Index);
    // class_screen.slot.cpp
    std::int16_t editedSlot() const;
    void fillAbilityColumn(std::int16_t ability);
    void GGClass_MouseSelect(std::int16_t Row);
    void GParamClass_GaugeClick(int Index, bool& Selected);
    // class_screen.setting.cpp
    // The distinct non-empty names of a list column (0 lessons, 1 teachers,
    // 2 items) in an individual slot; empty for a whole-class slot.
    host::runtime::Collection<clsGetGridData> usedValues(int kind) const;
    // class_screen.pickers.cpp
    void GLClassSetting_Click(int Index);
    // class_screen.decision.cpp
    void GGClass_RowSelect(std::int16_t Row);
    void GLClassGrid_Click(int Index);
    void applySetting();
    void GLClassCommand_Click(int Index);
    // class_screen.commit.cpp
    void GLClasstoSchool_Click(int Index);
    void returnToSchool(int Index);

    FormContext& context_;
    ReportShower showReport_;
    FacadeFacts facts_;
};
