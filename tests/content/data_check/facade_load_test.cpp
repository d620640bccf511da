// The packed master data loaded as the game loads it: through the game-state
// facade, every section present.
#include "platform/files/cls_file.h"
#include "platform/files/gfile.h"
#include "platform/masterdata/game_data_sections.h"
#include "platform/masterdata/load_game_data.h"
#include "platform/services/silent_services.h"
#include "state/cls_data.h"
#include "state/state_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Keeps the sections the facade was handed.
class Sections : public mdlQuorvel::GameDataReceiver {
  public:
    void SetGameData(const std::vector<std::uint8_t>& arrByt) override { sections = SplitGameData(arrByt); }
    GameDataSections sections;
};

TEST(DataCheck, EverySectionHasRowsAndTheFacadeLoadsThemAll) {
    const ScopedSilentServices services;
    const host::runtime::ScopedInstall file(gFile, std::make_unique<clsFile>());
    Sections read;
    mdlQuorvel::LoadGameData(read);
    for (int section = 0; section < GameDataSections::kCount; ++section)
        EXPECT_FALSE(read.sections.section[static_cast<std::size_t>(section)].empty())
            << "section " << section;

    testsupport::FakeGameHost host;
    clsData data(host);
    try {
        mdlQuorvel::LoadGameData(data);
    } catch (const std::exception& error) {
        FAIL() << error.what();
    }
}

} // namespace
