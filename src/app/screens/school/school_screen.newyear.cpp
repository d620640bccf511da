#include "app/screens/school/school_screen.h"

#include "app/screens/school/school_captions.h"
#include "app/screens/school/school_slots.h"
#include "app/shell/click_wait.h"

namespace {

namespace captions = school_captions;
namespace slots = school_slots;

constexpr std::int16_t kNoSort = -1;
constexpr std::int16_t kListRows = 20;

} // namespace

// The list mode: the list with several marks and its confirmation, nothing
// that leaves the school screen.
void SchoolScreen::ShowSchoolSelection(MenuKey MenuName) {
    context_.data.SetMenu(MenuName);
    for (int i = 0; i <= GLSystem.UBound(); ++i)
        GLSystem(i).setVisible(false);
    for (int i = 0; i <= GLCommand.UBound(); ++i) {
        GLCommand(i).setVisible(false);
        GLCommand(i).MouseLeave();
    }
    const bool newStudents = MenuName == captions::kNewStudents;
    if (newStudents) showCommand(0, captions::kSelectAll, true);
    for (int i = 0; i <= GLDate.UBound(); ++i)
        GLDate(i).setVisible(false);
    for (int i = 0; i <= GLSchool.UBound(); ++i)
        GLSchool(i).setVisible(false);

    GGSchool.MultiSelect(true);
    FillSchoolGrid("", kNoSort, 0, kListRows);
    GLContract.Text(std::string(newStudents ? captions::kAdmit : captions::kSignSponsors));
    GLContract.setVisible(true);
    GLContract.Enable(true);
    clsTMPData& CTMP = context_.CTMP;
    if (newStudents) {
        CTMP.SetDataSingle(slots::kNewcomerCount, std::int16_t{0});
        ResetParamGraphs();
    } else {
        CTMP.SetDataSingle(slots::kSponsorCount, std::int16_t{0});
        CTMP.SetDataSingle(slots::kSponsorMoney, std::int32_t{0});
    }
    GLReturnSchool.setVisible(false);
    GLReturnSchool.MouseLeave();
    GMSGSchool.Text(context_.data.GetSchoolMenuTips());
    GLSchoolMenu.Text(std::string(MenuName.name()));
    GLSchoolMenu.Refresh();
    context_.pictures.picSchool.Refresh();
}

// Returns once the admission has been confirmed.
void SchoolScreen::ShowNewStudentSelection() {
    ShowSchoolSelection(captions::kNewStudents);
    context_.pictures.picSchool.ZOrder(0);
    WaitForClick(context_);
}

// Returns once the sponsor contracts have been confirmed.
void SchoolScreen::ShowNewSponsorSelection() {
    ShowSchoolSelection(captions::kNewSponsors);
    WaitForClick(context_);
}
