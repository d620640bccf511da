#include "platform/services/silent_services.h"

SilentServices::SilentServices() : random_(std::make_unique<host::runtime::LinearRandom>()) {}

void SilentServices::SoundPlay(const std::string& SoundName) {
    played_.push_back(SoundName);
}

void SilentServices::BGMStop() {
    ++bgmStops_;
}

float SilentServices::Rnd() {
    ++draws_;
    return random_->next();
}

void SilentServices::scriptDraws(std::vector<float> values) {
    random_ = std::make_unique<host::runtime::ScriptedRandom>(std::move(values));
}
