#include "tools/assets/picture_generators.h"

#include "host/gdi/picture.h"

namespace tools {
namespace {

using host::gdi::Bitmap;

// The best quality at which the picture fits in the budget: from 92 down in
// steps of 4; the record's budget check names a picture that never fits.
std::vector<std::uint8_t> fittingJpeg(const Bitmap& bitmap, std::size_t budget) {
    std::vector<std::uint8_t> jpeg;
    for (int quality = 92; quality >= 8; quality -= 4) {
        jpeg = host::gdi::EncodeJpeg(bitmap, quality);
        if (jpeg.size() <= budget) break;
    }
    return jpeg;
}

// The title has its own file and no budget; it is kept at high quality.
constexpr int kTitleQuality = 90;

} // namespace

std::vector<std::uint8_t> GeneratePicture(const PictureBudget& record) {
    const Bitmap bitmap = [&] {
        switch (record.kind) {
        case PictureKind::Effect:
            return DrawEffect(record);
        case PictureKind::Monster:
            return DrawMonster(record);
        case PictureKind::Unit:
            return DrawUnit(record);
        case PictureKind::Background:
            return DrawBackground(record);
        case PictureKind::Interface:
            break;
        }
        return DrawInterface(record);
    }();
    return record.format == PictureFormat::Jpeg ? fittingJpeg(bitmap, record.budget)
                                                : host::gdi::EncodePng(bitmap);
}

std::vector<std::uint8_t> GenerateTitle() {
    return host::gdi::EncodeJpeg(DrawTitle(), kTitleQuality);
}

} // namespace tools
