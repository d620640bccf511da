#include "app/shell/frm_main.h"

#include "app/shell/globals.h"
#include "app/shell/settings_file.h"

#include "platform/sound/mng_sound.h"

#include "host/sound/sound_library.h"
#include "host/sys/paths.h"

#include <cstdio>

void frmMain::Form_QueryUnload() {
    if (context_) context_->ProcessingFlag = false;
}

void frmMain::Form_Unload() {
    if (clsMngSound* sound = gMngSound.find()) {
        if (!SettingsFile::SaveSettings(cINI, form_, *sound, cInfo))
            std::fprintf(stderr, "quorvel: the settings could not be written to %s\n",
                         host::sys::gamePath(SettingsFile::kPath).c_str());
    }
    host::sound::STEnd();
    unbindFile();
    title_.reset();
    context_.reset();
    mdlQuorvel::ReleaseGlobals();
}
