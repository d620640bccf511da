#pragma once

#include "platform/assets/asset_table.h"
#include "platform/assets/prepared_image.h"
#include "platform/graphics/images.h"

#include "host/gdi/device_context.h"
#include "host/sys/paths.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace battleview_test {

// The records of the game's picture archive with those names, into the store.
inline void loadPictures(const std::vector<std::string>& names, const host::gdi::DeviceContext& reference) {
    std::ifstream in(host::sys::programFolder() / "Data" / "quorvelimage.kpz", std::ios::binary);
    std::vector<std::uint8_t> archive{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (archive.empty()) throw std::runtime_error("no Data/quorvelimage.kpz beside the test");
    const auto records = AssetTable::ImageRecords();
    for (const std::string& name : names) {
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (records[i].name != name) continue;
            PreparedImage image = PrepareImage(archive, i, reference);
            Images().AddImage(name, image.picture, image.width, image.height);
            if (image.mask) Images().AddImage(name + "mask", image.mask, image.width, image.height);
        }
    }
}

} // namespace battleview_test
