#include "app/shell/globals.h"

#include "battleview/battle_driver.h"
#include "grids/columns/gg_ver2_headers.h"
#include "platform/files/gfile.h"
#include "platform/graphics/images.h"
#include "platform/rules/cls_method.h"
#include "platform/sound/mng_sound.h"
#include "state/g_data.h"

#include <memory>

namespace mdlQuorvel {

void CreateGlobals(GameHost& host, std::function<void()> doEvents) {
    gFile.install(std::make_unique<clsFile>());
    gMethod.install(std::make_unique<clsMethod>());
    gData.install(std::make_unique<clsData>(host));
    gImages.install(std::make_unique<clsImages>());
    gBattle.install(std::make_unique<clsBattle>(std::move(doEvents)));
    gMngSound.install(std::make_unique<clsMngSound>());
    gGGVer2Headers.install(std::make_unique<clsGGVer2Headers>());
}

void ReleaseGlobals() {
    gData.install(nullptr);
    gFile.install(nullptr);
    gMethod.install(nullptr);
    gImages.install(nullptr);
    gBattle.install(nullptr);
    gMngSound.install(nullptr);
    gGGVer2Headers.install(nullptr);
}

} // namespace mdlQuorvel
