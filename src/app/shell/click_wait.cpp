#include "app/shell/click_wait.h"

#include "platform/services/game_services.h"

namespace {

constexpr double kPollInterval = 100;

} // namespace

void WaitForClick(FormContext& context) {
    context.ClickWaitFlag = true;
    while (context.ClickWaitFlag)
        Services().WaitTime(kPollInterval);
}
