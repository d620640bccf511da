#include "app/shell/frm_main.h"

#include "app/screens/school/school_captions.h"

void frmMain::subscribeReactions() {
    clsData& data = context_->data;
    data.DateChenge.subscribe([this](clsDateDetails&) { Data_DateChenge(); });
    data.DayEnd.subscribe([this] { Data_DayEnd(); });
    data.ClassEnd.subscribe([this] { Data_ClassEnd(); });
    data.ForwordEnd.subscribe([this] { Data_ForwordEnd(); });
}

// Every new date shows the status and returns the school screen to its main menu.
void frmMain::Data_DateChenge() {
    RefreshStatusView();
    ShowSchoolMenu(false);
}

void frmMain::Data_DayEnd() {
    context_->data.SetMenu(school_captions::kSchoolTitle);
    pictures_.picSchool.ZOrder(0);
}

// A lesson is over: the school screen is usable again, its buttons as they were.
void frmMain::Data_ClassEnd() {
    context_->ProcessingFlag = false;
    context_->data.SetMenu(school_captions::kSchoolTitle);
    ActivateScreen(pictures_.picSchool);
}

// The days have run: the school screen is usable again.
void frmMain::Data_ForwordEnd() {
    ActivateScreen(pictures_.picSchool);
    context_->ProcessingFlag = false;
}
