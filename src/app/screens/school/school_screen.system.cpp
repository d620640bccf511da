#include "app/screens/school/school_screen.h"

#include "app/screens/school/school_captions.h"

// The save and load lists come with the way back to the school screen.
void SchoolScreen::GLSystemSetting_Click(int Index) {
    auto& pictures = context_.pictures;
    pictures.picSchool.setEnabled(false);
    pictures.picSetting.setEnabled(true);
    if (Index == kSettingButton)
        context_.screens.ShowSettingView();
    else
        context_.screens.ShowSaveLoadList(std::string(school_captions::gSystemCommands[Index]), true);
    context_.screens.ActivateScreen(pictures.picSetting);
    GLSystem(Index).MouseLeave();
}
