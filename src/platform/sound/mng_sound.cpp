#include "platform/sound/mng_sound.h"

#include "host/runtime/runtime_error.h"

namespace {

std::unique_ptr<clsMngSound>& gMngSound() {
    static std::unique_ptr<clsMngSound> manager;
    return manager;
}

} // namespace

clsMngSound& MngSound() {
    if (!gMngSound())
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::ObjectNotSet, "gMngSound");
    return *gMngSound();
}

void InstallMngSound(std::unique_ptr<clsMngSound> manager) {
    gMngSound() = std::move(manager);
}

void ResetMngSound() {
    gMngSound().reset();
}
