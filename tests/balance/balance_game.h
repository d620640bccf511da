#pragma once

#include "host/runtime/global.h"
#include "host/runtime/random.h"
#include "platform/graphics/cls_images.h"
#include "platform/services/silent_services.h"
#include "state/cls_data.h"
#include "state/day/headless_host.h"
#include "state/state_support.h"

#include <cstdint>

// Silent services drawing from the runtime's generator with a chosen seed.
class SeededServices : public SilentServices {
  public:
    explicit SeededServices(std::uint32_t seed) : random_(seed) {}
    float Rnd() override { return random_.next(); }

  private:
    host::runtime::LinearRandom random_;
};

// A new game over the packed master data, its battles fought headless, its
// random draws from the given seed.
class BalanceGame {
  public:
    explicit BalanceGame(std::uint32_t seed);

    clsData& data() { return data_; }
    HeadlessHost& host() { return host_; }

  private:
    host::runtime::ScopedInstall<GameServices, SeededServices> services_;
    host::runtime::ScopedInstall<clsImages> images_;
    HeadlessHost host_;
    clsData data_{host_};
};
