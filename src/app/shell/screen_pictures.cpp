#include "app/shell/screen_pictures.h"

#include "host/ui/form.h"

#include <utility>

namespace {

void place(host::ui::PictureBox& picture, const char* name, host::ui::Control& form) {
    picture.setName(name);
    picture.setParent(&form);
    picture.Move(0, 0, host::ui::Form::kClientWidth, host::ui::Form::kClientHeight);
}

} // namespace

ScreenPictures::ScreenPictures(host::ui::Control& form) {
    const std::pair<host::ui::PictureBox*, const char*> screens[] = {
        {&picSchool, "picSchool"},   {&picClass, "picClass"},
        {&picUnit, "picUnit"},       {&picCity, "picCity"},
        {&picSetting, "picSetting"}, {&picClassImage, "picClassImage"},
        {&BattleDisp, "BattleDisp"}, {&picTournament, "picTournament"},
        {&picMSG, "picMSG"},         {&picOutput, "picOutput"},
        {&picWork, "picWork"},       {&picStart, "picStart"},
    };
    for (auto [picture, name] : screens)
        place(*picture, name, form);
    // The dialogs get their size from their builders; until then they and
    // the scratch picture stay out of sight.
    picMSG.setVisible(false);
    picOutput.setVisible(false);
    picWork.setVisible(false);
}

void ScreenPictures::bringToFront(host::ui::PictureBox& screen) {
    screen.ZOrder(0);
    screen.setEnabled(true);
}
