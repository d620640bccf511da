#pragma once

#include "app/shell/form_context.h"
#include "app/shell/loading_progress.h"

#include "platform/records/cls_app_info.h"

#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/graphical_graph.h"

#include "host/ui/label.h"

#include <string>

// The title screen: the title picture over the whole window with the
// progress caption and gauge while the game loads, then the buttons
// "始めから" (a new game) and "続きから" (the load list, enabled only while
// a save slot exists).
class TitleScreen {
  public:
    explicit TitleScreen(FormContext& context);

    // Draws the title picture stretched to 800 x 600 into picStart, sets the
    // window's caption and places the caption, the gauge (hidden) and the
    // two buttons (hidden). A title file that is missing or is not a
    // picture raises StartupFailure.
    void BuildTitleScreen();
    // The end of loading: the caption and gauge go, the buttons come.
    void ShowTitleButtons();
    // The title again after a return from the game: the title picture in
    // front and enabled, "続きから" enabled while a save slot exists.
    void ShowTitleAgain();

    // "Quorvel " and the version, each number in plain decimal.
    static std::string windowCaption(const clsAppInfo& cInfo);

    LoadingProgress& progress() { return progress_; }

    host::ui::Label lblProcess;
    GraphicalGraph GGraph;
    ctrGraphicalLabelLite GLStart;
    ctrGraphicalLabelLite GLContinue;

  private:
    void GLStart_Click();
    void GLContinue_Click();
    void drawTitlePicture();

    FormContext& context_;
    LoadingProgress progress_;
};
