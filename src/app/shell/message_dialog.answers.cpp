#include "app/shell/message_dialog.h"

#include "app/shell/message_types.h"

#include <algorithm>
#include <limits>

namespace {

// The unit identifiers of the held-units list.
constexpr std::int16_t kUnitIdColumn = 2;

} // namespace

// The slider's quantity; the slider never passes what a 16-bit count holds.
std::int16_t MessageDialog::sliderCount() const {
    return static_cast<std::int16_t>(
        std::clamp<std::int32_t>(GSMSG.Value(), 0, std::numeric_limits<std::int16_t>::max()));
}

// The units marked in the held-units list, in row order; none unless it shows.
host::runtime::Collection<std::string> MessageDialog::markedUnits() const {
    host::runtime::Collection<std::string> units;
    if (!GGMSG.Visible()) return units;
    for (std::int16_t r = 0; r <= GGMSG.Rows(); ++r)
        if (GGMSG.Checked(r)) units.add(GGMSG.GetData(r, kUnitIdColumn));
    return units;
}

// OK carries out what the dialog asked, by the message type, then the
// dialog closes.
void MessageDialog::GLMSGExcute_Click() {
    switch (context_.CTMP.GetMSGType()) {
    case message_type::kShares:
    case message_type::kProcessing:
    case message_type::kTickets:
    case message_type::kPointExchange:
    case message_type::kPermitOffice:
    case message_type::kItemShop:
        context_.screens.TownDialogOK(GLMSGExcute.Text(), sliderCount(), markedUnits());
        return;
    case message_type::kAdmission:
    case message_type::kContract:
    case message_type::kTeacherCancel:
    case message_type::kUseItem:
    case message_type::kCourse:
    case message_type::kNewSponsors:
    case message_type::kArbeit:
    case message_type::kCamp:
    case message_type::kBuildingItem:
    case message_type::kBonus:
        context_.screens.SchoolDialogOK();
        return;
    case message_type::kOpeningQuestion:
        context_.CTMP.SetDataSingle(clsTMPData::kWatchOpening, true);
        break;
    case message_type::kFormation:
    case message_type::kBattleItem:
        context_.screens.ApplyUnitPick(context_.CTMP.GetMSGType());
        break;
    case message_type::kTimetablePicker:
        context_.screens.ClassPickerChosen();
        break;
    case message_type::kClassCopyQuestion:
        GLMSGExcute.Enable(false);
        GLMSGCancel.Enable(false);
        context_.DoEvents();
        context_.screens.ClassSlotCopyConfirmed();
        break;
    case message_type::kSave:
    case message_type::kLoad:
    case message_type::kReturnToTitle: {
        GLMSGExcute.Enable(false);
        GLMSGCancel.Enable(false);
        context_.DoEvents();
        const std::string failed = context_.screens.SettingDialogOK(context_.CTMP.GetMSGType());
        GLMSGCancel.Enable(true);
        if (!failed.empty()) {
            tellFailure(failed);
            return;
        }
        break;
    }
    default:
        break;
    }
    context_.screens.CloseDialog();
}

// The dialog stays with what went wrong and the way back.
void MessageDialog::tellFailure(const std::string& text) {
    lblBody.setCaption(text);
    GLMSGExcute.setVisible(false);
    GLMSGCancel.Text("戻る");
}

// Cancel undoes the opener's pending choice, by the message type, then the
// dialog closes; a notice's only button comes here too.
void MessageDialog::GLMSGCancel_Click() {
    switch (context_.CTMP.GetMSGType()) {
    case message_type::kShares:
    case message_type::kProcessing:
    case message_type::kTickets:
    case message_type::kPointExchange:
    case message_type::kPermitOffice:
    case message_type::kItemShop:
        context_.screens.TownDialogCancel();
        return;
    case message_type::kAdmission:
    case message_type::kNewSponsors:
        // The new year's list stays for another choice.
        hide();
        context_.screens.SchoolDialogCancel();
        return;
    case message_type::kOpeningQuestion:
        context_.CTMP.SetDataSingle(clsTMPData::kWatchOpening, false);
        break;
    case message_type::kSave:
    case message_type::kLoad:
    case message_type::kReturnToTitle:
        context_.screens.SettingDialogCancel();
        hide();
        GLMSGCancel.Enable(true);
        return;
    default:
        break;
    }
    context_.screens.CloseDialog();
}
