#include "app/shell/message_dialog.h"

#include "app/shell/message_types.h"

// OK carries out what the dialog asked, by the message type, then the
// dialog closes.
void MessageDialog::GLMSGExcute_Click() {
    switch (context_.CTMP.GetMSGType()) {
    case message_type::kOpeningQuestion:
        context_.CTMP.SetDataSingle(clsTMPData::kWatchOpening, true);
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
    default:
        break;
    }
    context_.screens.CloseDialog();
}

// Cancel undoes the opener's pending choice, by the message type, then the
// dialog closes; a notice's only button comes here too.
void MessageDialog::GLMSGCancel_Click() {
    switch (context_.CTMP.GetMSGType()) {
    case message_type::kOpeningQuestion:
        context_.CTMP.SetDataSingle(clsTMPData::kWatchOpening, false);
        break;
    default:
        break;
    }
    context_.screens.CloseDialog();
}
