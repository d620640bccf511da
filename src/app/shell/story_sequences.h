#pragma once

#include "app/shell/form_context.h"
#include "app/shell/report_window.h"

#include <span>
#include <string_view>

// The three stories told in the report box, one line after another: the
// opening of a new game, asked for first and closed by a click, and the
// two endings, which run through inside a day.
class StorySequences {
  public:
    struct Line {
        std::string_view text;
        // How long the line stays, on top of the report's own wait.
        double wait;
        bool newPage;
    };

    StorySequences(FormContext& context, ReportWindow& report);

    // Asks whether the player wants to see the opening; when so, tells it
    // over the title and waits for a click on the box.
    void Opening();
    void Ending();
    void Ending2();

  private:
    void tell(std::span<const Line> lines, host::ui::PictureBox& picture, const char* pictureName);

    FormContext& context_;
    ReportWindow& report_;
};
