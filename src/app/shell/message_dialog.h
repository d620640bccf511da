#pragma once

#include "app/shell/form_context.h"

#include "grids/list_grid/ctr_graphical_grid_ver2.h"
#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/ctr_graphical_slider.h"

#include "host/ui/label.h"

#include <cstdint>
#include <string>

// The modal dialog on picMSG, over whichever screen asked for it: a darkened
// copy of that screen in a gold frame, the body text and one of the
// layouts (a notice with one button, a yes/no question, a quantity slider or
// a choice grid). The opener disables its screen and sets the message type;
// OK and cancel act on that type and hand over to the form's closing path.
// While it shows, Enter is OK (a notice's only button) and Escape cancel.
// Pieces: message_dialog.cpp (layout, showing, keys), .layouts.cpp (the
// layout kinds), .choice.cpp (slider and grid), .answers.cpp (OK, cancel).
class MessageDialog {
  public:
    explicit MessageDialog(FormContext& context);
    MessageDialog(const MessageDialog&) = delete;
    MessageDialog& operator=(const MessageDialog&) = delete;

    // Lays the dialog's controls out once, at start-up.
    void BuildMessageDialog();
    // Shows Body with the layout Kind over the region of picture (named
    // pictureName); does not wait for the answer.
    void ShowDialog(std::int32_t Kind, host::ui::PictureBox& picture, const std::string& pictureName,
                    const std::string& Body, const std::string& OKCaption, const DialogRegion& region);
    // The buttons' hover ends and the dialog goes.
    void hide();

    host::ui::Label lblBody;
    host::ui::Label lblBody2;
    ctrGraphicalSlider GSMSG;
    ctrGraphicalLabelLite GLMSGExcute;
    ctrGraphicalLabelLite GLMSGCancel;
    ctrGraphicalGridVer2 GGMSG;

  private:
    // message_dialog.cpp
    void placeButton(ctrGraphicalLabelLite& button, const std::string& caption);
    void placeButton(ctrGraphicalLabelLite& button, const std::string& caption, bool enabled);
    void placeOKAndCancel(const std::string& OKCaption, bool okEnabled);
    void placeSlider(std::int32_t maximum);
    void form_KeyPress(int& code);
    // message_dialog.layouts.cpp
    void buildLayout(std::int32_t Kind, const std::string& OKCaption, std::string& Body);
    void buildItemShop(const std::string& OKCaption);
    void placeGrid(std::int16_t left, bool multiSelect, const std::string& setName, std::int16_t visibleRows,
                   const host::runtime::Collection<clsGetGridData>& rows);
    std::int32_t sharesMaximum(const std::string& OKCaption) const;
    // message_dialog.choice.cpp
    void GSMSG_ValueChange(std::int32_t Value);
    void GGMSG_RowSelect(std::int16_t SelectRow);
    void GGMSG_MouseSelect(std::int16_t MouseRow);
    void GGMSG_MouseLeave();
    void sellingUnits();
    // message_dialog.answers.cpp
    void GLMSGExcute_Click();
    void GLMSGCancel_Click();
    void tellFailure(const std::string& text);
    std::int16_t sliderCount() const;
    host::runtime::Collection<std::string> markedUnits() const;

    std::string key(std::int32_t k) const;

    FormContext& context_;
};
