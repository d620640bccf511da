#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

// The screens' layout at start-up: each screen registers the builder that
// lays it out once, under its step; the steps run in a fixed order, and the
// start-up gauge is set after each step that has a value.
class ScreenBuilders {
  public:
    enum class Step { School, Town, Class, Battle, MessageDialog, Unit, Setting, TeamOutput, Count };

    // The gauge value after a step, or none.
    static std::optional<std::int16_t> gaugeAfter(Step step);

    // One builder per step; a second one for a step replaces the first.
    void add(Step step, std::function<void()> build);
    // Runs the steps in order, the builders that exist, and sets the gauge.
    void run(const std::function<void(std::int16_t)>& setGauge) const;

  private:
    std::array<std::function<void()>, static_cast<std::size_t>(Step::Count)> builders_;
};
