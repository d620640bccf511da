#include "platform/assets/cls_load_data.h"

#include "platform/assets/placeholder.h"
#include "platform/drawing/byte_range.h"
#include "platform/drawing/memory_dc.h"
#include "platform/files/gfile.h"
#include "platform/graphics/images.h"
#include "platform/sound/mng_sound.h"

#include "host/gdi/blit.h"
#include "host/runtime/runtime_error.h"

#include <limits>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

namespace {

constexpr std::int32_t kChunk = 10000;

std::vector<std::uint8_t> readArchive(const char* path) {
    auto bytes = File().APIReadFileBinary(path, kChunk, 0, true);
    if (!bytes) throw RuntimeError(ErrorNumber::SubscriptOutOfRange, std::string(path) + " cannot be read");
    return std::move(*bytes);
}

std::int16_t toInteger(std::int32_t value) {
    if (value < 0 || value > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(ErrorNumber::Overflow, "picture size " + std::to_string(value));
    }
    return static_cast<std::int16_t>(value);
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

void clsLoadData::SetData(host::ui::PictureBox& pPB, const host::gdi::DeviceContext& pfrmHDC) {
    pPB_ = &pPB;
    pPB_->setAutoSize(true);
    pPB_->setVisible(false);
    pfrmHDC_ = &pfrmHDC;
}

void clsLoadData::requireData() const {
    if (!pPB_ || !pfrmHDC_) throw RuntimeError(ErrorNumber::ObjectNotSet, "clsLoadData.SetData");
}

void clsLoadData::LoadImage() {
    requireData();
    auto arrByt = readArchive(AssetTable::kImageArchivePath);
    const auto records = AssetTable::ImageRecords();
    loadWithProgress(*this, "画像データを展開中", records, [&](std::size_t i, const auto& record) {
        const std::string name(record.name);
        const std::int32_t width = record.stretched ? AssetTable::kStretchWidth : 0;
        const std::int32_t height = record.stretched ? AssetTable::kStretchHeight : 0;
        AddImageFromBytes(name, arrByt, record.first,
                          AssetTable::LastByte(records, i, AssetTable::kImageArchiveSize), width, height,
                          record);
        if (!record.stretched) AddMaskImage(name, host::gdi::kWhite);
    });
}

void clsLoadData::AddImageFromBytes(const std::string& ImageName, std::vector<std::uint8_t>& arrByt,
                                    std::int32_t lngFirst, std::int32_t lngLast, std::int32_t lngWidth,
                                    std::int32_t lngHeight, const AssetTable::ImageRecord& expected) {
    auto picture = CreatePictureFromBytes(arrByt, lngFirst, lngLast, true);
    std::unique_ptr<host::gdi::DeviceContext> dc;
    std::int32_t width = lngWidth;
    std::int32_t height = lngHeight;
    if (!picture) {
        width = expected.width;
        height = expected.height;
        dc = CreatePlaceholderDC(*pfrmHDC_, toInteger(width), toInteger(height));
    } else {
        pPB_->setPicture(std::move(picture));
        if (lngWidth != 0) {
            dc = CreateMemoryDC(*pfrmHDC_, toInteger(lngWidth), toInteger(lngHeight));
            host::gdi::StretchBlt(*dc, 0, 0, lngWidth, lngHeight, pPB_->hDC(), 0, 0, pPB_->ScaleWidth(),
                                  pPB_->ScaleHeight(), host::gdi::SRCCOPY);
        } else {
            width = pPB_->ScaleWidth();
            height = pPB_->ScaleHeight();
            dc = CreateMemoryDC(*pfrmHDC_, toInteger(width), toInteger(height));
            host::gdi::BitBlt(*dc, 0, 0, width, height, pPB_->hDC(), 0, 0, host::gdi::SRCCOPY);
        }
    }
    Images().AddImage(ImageName, dc, width, height);
}

void clsLoadData::AddMaskImage(const std::string& ImageName, host::gdi::COLORREF lngColor) {
    clsImages& images = Images();
    host::gdi::DeviceContext& image = images.GetImageHDC(ImageName);
    const std::int32_t width = images.GetImageWidth(ImageName);
    const std::int32_t height = images.GetImageHeight(ImageName);
    auto mask = CreateMaskDC(image, toInteger(width), toInteger(height), lngColor, *pfrmHDC_);
    images.AddImage(ImageName + "mask", mask, width, height);
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
