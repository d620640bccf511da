#include "content/data_check/data_check.h"

#include "platform/files/cls_file.h"
#include "platform/files/gfile.h"
#include "platform/masterdata/load_game_data.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

class Receiver : public mdlQuorvel::GameDataReceiver {
  public:
    void SetGameData(const std::vector<std::uint8_t>& arrByt) override {
        data = MasterData{SplitGameData(arrByt)};
    }
    std::optional<MasterData> data;
};

// Loads Data/Data.kpz beside the test program, as the game loads it.
MasterData loadPackedMasterData() {
    const host::runtime::ScopedInstall file(gFile, std::make_unique<clsFile>());
    Receiver receiver;
    mdlQuorvel::LoadGameData(receiver);
    if (!receiver.data) throw std::runtime_error("Data/Data.kpz cannot be read");
    return *receiver.data;
}

TEST(DataCheck, RegisteredRulesHoldForThePackedMasterData) {
    const MasterData data = loadPackedMasterData();
    std::string missing;
    for (int section = 0; section < GameDataSections::kCount; ++section) {
        if (data.sections.section[static_cast<std::size_t>(section)].empty()) {
            missing += " " + std::to_string(section);
        }
    }
    if (!missing.empty()) std::cout << "[ data    ] sections still empty:" << missing << "\n";

    ASSERT_FALSE(DataRules().empty());
    for (const auto& rule : DataRules()) {
        Findings findings;
        rule.check(data, findings);
        for (const auto& problem : findings.problems())
            ADD_FAILURE() << rule.name << ": " << problem;
    }
}

} // namespace
