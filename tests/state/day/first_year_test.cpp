#include "state/day/first_year.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

bool anyLine(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.find(part) != std::string::npos; });
}

TEST(FirstYear, AWholeYearPlaysThroughWithEverythingItMustShow) {
    HeadlessGame game;
    FirstYearPlayer player(game);
    player.playYear();

    EXPECT_TRUE(player.broken().empty()) << player.broken().front();
    EXPECT_EQ(player.days().size(), 12u * 28u);
    EXPECT_EQ(game.data().GetDate().Year, 26) << "back at April 1 of the next year";

    // Students may withdraw over the year; those still there on March 27 learned.
    ASSERT_FALSE(player.abilitiesBeforeGraduation().empty());
    for (const auto& [name, sum] : player.abilitiesBeforeGraduation())
        EXPECT_GT(sum, player.abilitiesAtStart().at(name)) << name << ": lessons raised abilities";

    bool rose = false, fell = false;
    for (std::size_t k = 1; k < player.days().size(); ++k) {
        rose |= player.days()[k].money > player.days()[k - 1].money;
        fell |= player.days()[k].money < player.days()[k - 1].money;
    }
    EXPECT_TRUE(player.hiredTeacher());
    EXPECT_TRUE(rose && fell) << "money moved both ways";

    EXPECT_FALSE(game.host().places().empty()) << "a tournament with five students fit to fight";
    for (const std::string& place : game.host().places())
        EXPECT_TRUE(place == "1" || place == "2" || place == "3" || place == "0") << place;
    EXPECT_TRUE(anyLine(player.reports(), "大会で優勝しました") ||
                anyLine(player.reports(), "負けてしまいました"));

    EXPECT_TRUE(anyLine(player.reports(), "依頼に成功した") || anyLine(player.reports(), "依頼に失敗した"))
        << "a quest ended";

    // Everyone still at school on March 27 graduates the next day (one school year).
    for (const auto& [name, sum] : player.abilitiesBeforeGraduation())
        EXPECT_TRUE(anyLine(player.reports(), name + "が卒業しました")) << name;
    EXPECT_FALSE(player.newYearStudents().empty()) << "the new year's newcomers";
    for (const std::string& name : player.newYearStudents())
        EXPECT_EQ(std::count(player.firstStudents().begin(), player.firstStudents().end(), name), 0) << name;
}

} // namespace
