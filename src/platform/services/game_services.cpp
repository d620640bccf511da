#include "platform/services/game_services.h"

#include "host/runtime/runtime_error.h"

namespace {

std::unique_ptr<GameServices>& gServices() {
    static std::unique_ptr<GameServices> services;
    return services;
}

} // namespace

GameServices& Services() {
    if (!gServices()) throw host::runtime::RuntimeError(host::runtime::ErrorNumber::ObjectNotSet, "services");
    return *gServices();
}

std::unique_ptr<GameServices> InstallServices(std::unique_ptr<GameServices> services) {
    auto previous = std::move(gServices());
    gServices() = std::move(services);
    return previous;
}
