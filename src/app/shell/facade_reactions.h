#pragma once

#include "app/shell/form_context.h"
#include "app/shell/report_window.h"
#include "app/shell/story_sequences.h"

#include "host/gdi/device_context.h"

#include <string>

// How the main form follows the facade's events while a command runs: each
// report line in the report box with its pause, the lesson pictures, the
// date and the status panels, the school screen locked until the command's
// end, the lists of a new year, the grown school's classroom and the two
// endings. Each handler runs inside the facade member that raised it.
class FacadeReactions {
  public:
    FacadeReactions(FormContext& context, ReportWindow& report, StorySequences& stories);

    // Subscribes the handlers to the facade's events.
    void subscribe();

    void mData_DateChenge();
    void mData_Report(const std::string& MSG);
    void mData_ClassEnd();
    void mData_DayEnd();
    void mData_ForwordEnd();
    void mData_ClassImage(host::gdi::DeviceContext& HDC);
    void mData_NewYear();
    // A quest's fight on the battle screen; its winner (or "draw") goes to the facade.
    void mData_QuestBattle(const clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                           const std::string& ImageName);
    void mData_SchoolScaleUp(const std::string& ImageName);
    void mData_StatusRefresh();
    void mData_Ending();
    void mData_Ending2();

  private:
    // The pause after a report line on the school and lesson screens.
    double reportPause() const;

    FormContext& context_;
    ReportWindow& report_;
    StorySequences& stories_;
};
