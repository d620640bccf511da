#include "platform/services/standard_services.h"

#include "host/runtime/random.h"
#include "platform/services/wait_time.h"
#include "platform/sound/mng_sound.h"

StandardServices::StandardServices(host::sys::MessageBoxes& boxes, std::function<void()> pump)
    : boxes_(boxes), pump_(std::move(pump)) {}

void StandardServices::SoundPlay(const std::string& SoundName) {
    MngSound().SoundPlay(SoundName);
}

void StandardServices::BGMStop() {
    MngSound().BGMStop();
}

std::string StandardServices::GetBGMName() {
    return MngSound().GetBGMName();
}

void StandardServices::WaitTime(double ms) {
    ::WaitTime(ms, host::sys::tickClock(), pump_);
}

void StandardServices::MsgBox(const std::string& text) {
    boxes_.ok(text, "");
}

bool StandardServices::YesNo(const std::string& text, const std::string& title) {
    return boxes_.yesNo(text, title);
}

float StandardServices::Rnd() {
    return host::runtime::rnd();
}
