#include "app/shell/screen_builders.h"

namespace {

constexpr std::array<std::int16_t, 7> kGaugeAfter = {20, 30, 40, 50, 60, 70, 80};

} // namespace

std::optional<std::int16_t> ScreenBuilders::gaugeAfter(Step step) {
    const auto index = static_cast<std::size_t>(step);
    if (index >= kGaugeAfter.size()) return std::nullopt;
    return kGaugeAfter[index];
}

void ScreenBuilders::add(Step step, std::function<void()> build) {
    builders_[static_cast<std::size_t>(step)] = std::move(build);
}

void ScreenBuilders::run(const std::function<void(std::int16_t)>& setGauge) const {
    for (std::size_t i = 0; i < builders_.size(); ++i) {
        if (builders_[i]) builders_[i]();
        if (auto value = gaugeAfter(static_cast<Step>(i))) setGauge(*value);
    }
}
