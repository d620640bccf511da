#pragma once

#include "host/runtime/global.h"
#include "host/text/utf.h"
#include "platform/files/cls_file.h"
#include "platform/files/gfile.h"
#include "platform/masterdata/load_game_data.h"
#include "platform/services/silent_services.h"
#include "state/cls_data.h"
#include "state/game_host.h"
#include "support/facade_managers.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace statetest {

// A main form that fights no battle and keeps the price report off; it
// records the battles the facade asked for.
class FakeHost : public GameHost {
  public:
    void SetBattleGame(const clsBattleRegulation&, host::runtime::Collection<std::shared_ptr<clsUnit>>&,
                       std::int16_t) override {
        asked.push_back("SetBattleGame");
    }
    void QuestBattle(clsBattleRegulation&, clsUnit&, clsUnit&, const std::string&) override {
        asked.push_back("QuestBattle");
    }
    bool GetStockPriceReport() const override { return false; }
    std::vector<std::string> asked;
};

// The decrypted master data packed beside the test program (Data/Data.kpz).
inline const std::vector<std::uint8_t>& packedMasterData() {
    static const std::vector<std::uint8_t> bytes = [] {
        struct Keep : mdlQuorvel::GameDataReceiver {
            void SetGameData(const std::vector<std::uint8_t>& arrByt) override { bytes = arrByt; }
            std::vector<std::uint8_t> bytes;
        } keep;
        const host::runtime::ScopedInstall file(gFile, std::make_unique<clsFile>());
        mdlQuorvel::LoadGameData(keep);
        return keep.bytes;
    }();
    return bytes;
}

// The master data as the archive holds it, from UTF-8 text.
inline std::vector<std::uint8_t> masterBytes(const std::string& text) {
    return host::text::utf8ToUtf16le(text);
}

// A facade over the real master data, silent, with a fake main form.
struct LoadedFacade {
    ScopedSilentServices services;
    FakeHost host;
    clsData data{host};
    LoadedFacade() { data.SetGameData(packedMasterData()); }
};

} // namespace statetest
