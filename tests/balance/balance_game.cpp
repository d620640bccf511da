#include "balance/balance_game.h"

#include "platform/graphics/images.h"
#include "platform/masterdata/game_data_sections.h"
#include "state/day/day_support.h"

BalanceGame::BalanceGame(std::uint32_t seed)
    : services_(installedServices, std::make_unique<SeededServices>(seed)),
      images_(gImages, daytest::lessonPictures(SplitGameData(statetest::packedMasterData()))) {
    host_.attach(data_);
    data_.SetGameData(statetest::packedMasterData());
    data_.TestPlay();
}
