#include "app/shell/screen_builders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Step = ScreenBuilders::Step;

TEST(ScreenBuilders, BuildersRunInTheFixedOrderWithTheGaugeSetAfterEachStep) {
    ScreenBuilders builders;
    std::vector<std::string> journal;
    // Registered out of order; the team-export dialog sets no gauge value.
    const std::pair<Step, const char*> registered[] = {
        {Step::TeamOutput, "team export"}, {Step::Setting, "settings"}, {Step::School, "school"},
        {Step::Battle, "battle"},          {Step::Town, "town"},
    };
    for (auto [step, name] : registered)
        builders.add(step, [&journal, name = std::string(name)] { journal.push_back(name); });
    builders.run([&journal](std::int16_t value) { journal.push_back(std::to_string(value)); });
    EXPECT_EQ(journal, (std::vector<std::string>{"school", "20", "town", "30", "40", "battle", "50", "60",
                                                 "70", "settings", "80", "team export"}));
}

TEST(ScreenBuilders, ALaterBuilderForAStepReplacesTheEarlierOne) {
    ScreenBuilders builders;
    std::vector<std::string> journal;
    builders.add(Step::Unit, [&journal] { journal.push_back("first"); });
    builders.add(Step::Unit, [&journal] { journal.push_back("second"); });
    builders.run([](std::int16_t) {});
    EXPECT_EQ(journal, (std::vector<std::string>{"second"}));
}

} // namespace
