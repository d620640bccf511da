#include "platform/assets/cls_load_data.h"

#include "platform/assets/ordered_work.h"
#include "platform/assets/prepared_image.h"
#include "platform/drawing/byte_range.h"
#include "platform/files/gfile.h"
#include "platform/graphics/images.h"
#include "platform/sound/mng_sound.h"

#include "host/runtime/runtime_error.h"

#include <algorithm>
#include <thread>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

namespace {

constexpr std::int32_t kChunk = 10000;

std::vector<std::uint8_t> readArchive(const char* path) {
    auto bytes = File().APIReadFileBinary(path, kChunk, 0, true);
    if (!bytes) throw RuntimeError(ErrorNumber::SubscriptOutOfRange, std::string(path) + " cannot be read");
    return std::move(*bytes);
}

// Raises StartProcess once, then LoadProcess before each record is loaded.
template <class Records, class Load>
void loadWithProgress(clsLoadData& loader, std::string caption, const Records& records, Load load) {
    std::int16_t max = static_cast<std::int16_t>(records.size());
    loader.StartProcess.raise(caption, max);
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::int16_t now = static_cast<std::int16_t>(i + 1);
        std::int16_t maxNow = max;
        loader.LoadProcess.raise(now, maxNow);
        load(i, records[i]);
    }
}

} // namespace

unsigned clsLoadData::DefaultDecodeThreads() {
    return std::max(1u, std::thread::hardware_concurrency());
}

void clsLoadData::SetData(host::ui::PictureBox& pPB, const host::gdi::DeviceContext& pfrmHDC) {
    pPB.setAutoSize(true);
    pPB.setVisible(false);
    pfrmHDC_ = &pfrmHDC;
}

void clsLoadData::requireData() const {
    if (!pfrmHDC_) throw RuntimeError(ErrorNumber::ObjectNotSet, "clsLoadData.SetData");
}

void clsLoadData::LoadImage() {
    requireData();
    auto arrByt = readArchive(AssetTable::kImageArchivePath);
    const auto records = AssetTable::ImageRecords();
    // The window's context may be drawn on by event handlers meanwhile; the
    // pool makes its contexts like a context of its own of the same kind.
    const host::gdi::DeviceContext like(1, 1,
                                        pfrmHDC_->bitmap().monochrome()
                                            ? host::gdi::Bitmap::Format::Monochrome
                                            : host::gdi::Bitmap::Format::Colour);
    OrderedWork<PreparedImage> prepared(records.size(), decodeThreads_,
                                        [&](std::size_t i) { return PrepareImage(arrByt, i, like); });
    loadWithProgress(*this, "画像データを展開中", records, [&](std::size_t i, const auto& record) {
        const std::string name(record.name);
        PreparedImage image = prepared.take(i);
        Images().AddImage(name, image.picture, image.width, image.height);
        if (image.mask) Images().AddImage(name + "mask", image.mask, image.width, image.height);
    });
}

void clsLoadData::LoadSound() {
    auto arrByt = readArchive(AssetTable::kSoundArchivePath);
    const auto records = AssetTable::SoundRecords();
    loadWithProgress(*this, "音楽データを展開中", records, [&](std::size_t i, const auto& record) {
        const std::int32_t last = AssetTable::LastByte(records, i, AssetTable::kSoundArchiveSize);
        const auto bytes = GetByteRange(arrByt, record.first, last, true);
        const std::int32_t high = record.type == AssetTable::kMusicType ? last - record.first : 0;
        MngSound().AddSound(std::string(record.name), bytes, record.type, 0, high);
    });
}
