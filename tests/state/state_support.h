#pragma once

#include "host/runtime/global.h"
#include "host/text/utf.h"
#include "platform/files/cls_file.h"
#include "platform/files/gfile.h"
#include "platform/masterdata/load_game_data.h"
#include "platform/services/silent_services.h"
#include "state/cls_data.h"
#include "support/facade_managers.h"
#include "support/fake_game_host.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace statetest {

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
    testsupport::FakeGameHost host;
    clsData data{host};
    LoadedFacade() { data.SetGameData(packedMasterData()); }
};

} // namespace statetest
