#include "content/pictures/archive_pictures.h"

#include "host/gdi/picture.h"
#include "host/sys/paths.h"
#include "platform/assets/asset_table.h"

#include <fstream>

namespace {

std::vector<std::uint8_t> readData(const char* gamePath) {
    std::ifstream in(host::sys::gamePath(gamePath), std::ios::binary | std::ios::ate);
    if (!in) return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// Bytes 4 to 7 of every record are stored raised by 4 to 7.
void restore(std::vector<std::uint8_t>& record) {
    for (std::size_t i = 4; i < 8 && i < record.size(); ++i)
        record[i] = static_cast<std::uint8_t>(record[i] - i);
}

const std::vector<std::uint8_t>& imageArchive() {
    static const std::vector<std::uint8_t> archive = readData(AssetTable::kImageArchivePath);
    return archive;
}

} // namespace

std::vector<std::uint8_t> ArchiveRecord(const tools::PictureBudget& budget) {
    const auto& archive = imageArchive();
    const std::size_t first = static_cast<std::size_t>(budget.first);
    if (archive.size() < first + budget.budget) return {};
    std::vector<std::uint8_t> record(archive.begin() + static_cast<std::ptrdiff_t>(first),
                                     archive.begin() + static_cast<std::ptrdiff_t>(first + budget.budget));
    restore(record);
    return record;
}

const host::gdi::Bitmap* ArchivePicture::bitmap() const {
    if (!bitmap_)
        bitmap_ = host::gdi::DecodePicture(ArchiveRecord(*budget_), {budget_->width, budget_->height});
    return bitmap_->get();
}

const std::vector<ArchivePicture>& ArchivePictures() {
    static const std::vector<ArchivePicture> pictures = [] {
        std::vector<ArchivePicture> all;
        for (const auto& budget : tools::PictureBudgets())
            all.emplace_back(budget);
        return all;
    }();
    return pictures;
}

std::vector<std::uint8_t> TitleRecord() {
    auto title = readData(AssetTable::kTitlePath);
    restore(title);
    return title;
}

std::unique_ptr<host::gdi::Bitmap> TitlePicture() {
    return host::gdi::DecodePicture(TitleRecord(), {AssetTable::kTitleWidth, AssetTable::kTitleHeight});
}
