#include "platform/sound/sound_names.h"

#include "platform/assets/asset_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace {

TEST(SoundNames, EveryNamedSoundIsARecordOfTheSoundArchive) {
    const struct {
        const char* constant;
        const char* name;
    } cases[] = {
        {.constant = "kCoin", .name = sound_name::kCoin},
        {.constant = "kChime", .name = sound_name::kChime},
        {.constant = "kBoo", .name = sound_name::kBoo},
        {.constant = "kTournament", .name = sound_name::kTournament},
        {.constant = "kPowerUp", .name = sound_name::kPowerUp},
        {.constant = "kSkillUp", .name = sound_name::kSkillUp},
        {.constant = "kEffectFailed", .name = sound_name::kEffectFailed},
        {.constant = "kClick", .name = sound_name::kClick},
        {.constant = "kMouseMove", .name = sound_name::kMouseMove},
        {.constant = "kScroll", .name = sound_name::kScroll},
        {.constant = "kSort", .name = sound_name::kSort},
    };
    const auto records = AssetTable::SoundRecords();
    for (const auto& c : cases) {
        const bool found =
            std::any_of(records.begin(), records.end(), [&](const AssetTable::SoundRecord& record) {
                return record.name == std::string_view(c.name);
            });
        EXPECT_TRUE(found) << c.constant << " = " << c.name;
    }
}

} // namespace
