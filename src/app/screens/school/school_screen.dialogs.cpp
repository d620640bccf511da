#include "app/screens/school/school_screen.h"

#include "app/screens/school/school_captions.h"
#include "app/screens/school/school_slots.h"
#include "app/shell/message_types.h"

#include "grids/flag_scope.h"

#include "host/runtime/convert.h"

#include <vector>

namespace {

namespace captions = school_captions;
namespace slots = school_slots;

using host::runtime::CStr;

constexpr std::int16_t kNoSort = -1;
constexpr std::int16_t kListRows = 20;
constexpr std::int16_t kNameColumn = 1;
// The student list's cells an item changes, its career cell, the teacher
// list's dissatisfaction cell.
constexpr std::int16_t kFirstAbilityCell = 1;
constexpr std::int16_t kLastAbilityCell = 8;
constexpr std::int16_t kCourseColumn = 9;
constexpr std::int16_t kDissatisfactionColumn = 7;
// DateForword's kind that runs the camp month.
constexpr std::int16_t kCampDays = 3;
// What the message box says when the facade refused a payment.
constexpr const char* kRefused = "資金が足りません";

} // namespace

// The names of the marked rows of the list on show, in row order.
std::vector<std::string> SchoolScreen::markedNames() const {
    std::vector<std::string> names;
    for (std::int16_t r = 0; r <= GGSchool.Rows(); ++r)
        if (GGSchool.Checked(r)) names.push_back(GGSchool.GetData(r, kNameColumn));
    return names;
}

// OK carries out what the school's dialog asked, with what the list and the
// dialog's choice left in the scratch state, then the dialog closes; an item
// use that reported leaves its report to be clicked away.
void SchoolScreen::SchoolDialogOK(ReportWindow& report) {
    clsData& data = context_.data;
    const clsTMPData& CTMP = context_.CTMP;
    const auto slot = [&CTMP](std::int32_t key) { return CTMP.GetDataSingle(key).toString(); };
    const std::int16_t row = CTMP.GetDataSingle(slots::kMarkedRow).toInteger();
    // A payment the purse no longer covers changes nothing and is told.
    bool refused = false;
    switch (CTMP.GetMSGType()) {
    case message_type::kAdmission:
        for (const std::string& name : markedNames())
            data.SetNewStudent(name);
        break;
    case message_type::kContract:
        refused = !data.SetContract(slot(slots::kPersonName));
        break;
    case message_type::kTeacherCancel:
        data.SetTeacherCanceled(slot(slots::kPersonName));
        break;
    case message_type::kUseItem: {
        const std::string student = slot(slots::kStudentName);
        {
            const FlagScope busy(context_.ProcessingFlag);
            data.SetUseConsumeItem(student, slot(clsTMPData::kItem));
        }
        const clsGetGridData cells =
            data.GetStudnetIndivisual(student, CTMP.GetDataSingle(slots::kChosenGauge).toInteger());
        for (std::int16_t c = kFirstAbilityCell; c <= kLastAbilityCell; ++c)
            GGSchool.SetValue(row, c, cells.Data(c));
        if (report.GMSGReport.Visible()) {
            context_.pictures.picMSG.setVisible(false);
            report.ShowReport("ここをクリックしてください", context_.pictures.picSchool, "picSchool", false,
                              false, true);
            return;
        }
        break;
    }
    case message_type::kCourse: {
        const std::string student = slot(slots::kStudentName);
        const FlagScope busy(context_.ProcessingFlag);
        data.SetCourse(student, slot(clsTMPData::kPickedCourse));
        GGSchool.SetValue(row, kCourseColumn, data.GetStudentCourse(student));
        break;
    }
    case message_type::kNewSponsors:
        for (const std::string& name : markedNames())
            data.SetSponsorContract(name);
        data.SetSponsorMoney();
        context_.screens.RefreshStatusView();
        break;
    case message_type::kArbeit:
        data.SetArbeit(slot(slots::kArbeitName));
        ShowSchoolMenu(false);
        break;
    case message_type::kCamp:
        refused = !data.SetCamp(slot(slots::kCampName), CTMP.GetDataSingle(slots::kCampCost).toLong());
        context_.screens.RefreshStatusView();
        break;
    case message_type::kBuildingItem:
        data.SetConstructItem(slot(slots::kBuilding), slot(clsTMPData::kPickedBuildingItem));
        break;
    case message_type::kBonus:
        if (const auto stage =
                data.SetBonus(slot(slots::kPersonName), CTMP.GetDataSingle(clsTMPData::kBonusMoney).toLong(),
                              slot(clsTMPData::kBonusEffect)))
            GGSchool.SetValue(row, kDissatisfactionColumn, CStr(*stage));
        context_.screens.RefreshStatusView();
        break;
    default:
        return;
    }
    context_.screens.CloseDialog();
    if (refused) GMSGSchool.Text(kRefused);
}

// "いいえ" to a new-year list's question: the list stays for another choice.
void SchoolScreen::SchoolDialogCancel() {
    context_.pictures.picSchool.setEnabled(true);
    GLContract.MouseLeave();
}

// The school given back after its dialog, by the message type.
void SchoolScreen::CloseSchoolDialog(std::int32_t type) {
    clsData& data = context_.data;
    auto& picSchool = context_.pictures.picSchool;
    const std::int16_t row = context_.CTMP.GetDataSingle(slots::kMarkedRow).toInteger();
    switch (type) {
    case message_type::kAdmission:
    case message_type::kNewSponsors:
        picSchool.setEnabled(true);
        GLContract.MouseLeave();
        if (type == message_type::kAdmission) ResetParamGraphs();
        context_.ClickWaitFlag = false;
        break;
    case message_type::kContract:
        GLCommand(0).Enable(data.CheckCommand(0, ""));
        GLCommand(1).Enable(data.CheckCommand(1, ""));
        FillSchoolGrid("", kNoSort, 0, kListRows);
        picSchool.setEnabled(true);
        GLContract.MouseLeave();
        GLContract.Enable(false);
        context_.screens.RefreshStatusView();
        ResetParamGraphs();
        GMSGSchool.Text(data.GetSchoolMenuTips());
        break;
    case message_type::kTeacherCancel:
        // The refilled list has no teacher marked for either command.
        for (int i : {0, 1}) {
            GLCommand(i).MouseLeave();
            GLCommand(i).Enable(false);
        }
        FillSchoolGrid("", kNoSort, 0, kListRows);
        picSchool.setEnabled(true);
        ResetParamGraphs();
        break;
    case message_type::kUseItem:
        for (int i = 0; i <= GParam.UBound(); ++i) {
            GParam(i).setVisible(false);
            GExp(i).setVisible(false);
        }
        for (int i : {0, 1}) {
            GLCommand(i).Enable(false);
            GLCommand(i).MouseLeave();
        }
        GGSchool.Checked(row, false);
        GMSGSchool.Text(data.GetSchoolMenuTips());
        picSchool.setEnabled(true);
        break;
    case message_type::kCourse:
        picSchool.setEnabled(true);
        context_.ProcessingFlag = false;
        GLCommand(1).MouseLeave();
        GLCommand(1).Enable(false);
        GGSchool.Checked(row, false);
        break;
    case message_type::kArbeit:
    case message_type::kCamp:
        GLContract.MouseLeave();
        picSchool.setEnabled(true);
        break;
    case message_type::kBuildingItem:
        GLContract.MouseLeave();
        GLContract.Enable(false);
        GGSchool.Checked(row, false);
        break;
    case message_type::kBonus:
        picSchool.setEnabled(true);
        GLCommand(1).MouseLeave();
        GGSchool.Checked(row, false);
        break;
    default:
        break;
    }
}

// A confirmed camp runs its month at once, with the school locked until the
// days' end gives it back.
void SchoolScreen::StartCampIfBooked() {
    clsData& data = context_.data;
    if (!data.CheckCamp()) return;
    ShowSchoolMenu(false);
    data.SetMenu(captions::kAcademy);
    runBusy([&data] { data.DateForword(kCampDays); });
}
