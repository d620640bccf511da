// make_assets <Data folder>: generates every picture and sound and writes the
// image archive, the sound archive and the title picture.
#include "tools/assets/archive_packer.h"
#include "tools/assets/budget_table.h"
#include "tools/assets/picture_generators.h"
#include "tools/assets/sound_generators.h"

#include "host/sys/atomic_file.h"
#include "platform/assets/asset_table.h"

#include <exception>
#include <filesystem>
#include <iostream>

namespace {

std::vector<tools::ArchiveRecord> pictureRecords() {
    std::vector<tools::ArchiveRecord> records;
    for (const auto& budget : tools::PictureBudgets()) {
        records.push_back({budget.name, budget.first, tools::GeneratePicture(budget)});
    }
    return records;
}

std::vector<tools::ArchiveRecord> soundRecords() {
    std::vector<tools::ArchiveRecord> records;
    for (const auto& budget : tools::SoundBudgets()) {
        records.push_back({budget.name, budget.first, tools::GenerateSound(budget)});
    }
    return records;
}

void write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    if (!host::sys::replaceFile(path, bytes)) throw std::runtime_error("cannot write " + path.string());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_assets <Data folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        write(folder / "quorvelimage.kpz",
              tools::PackArchive(pictureRecords(), AssetTable::kImageArchiveSize));
        write(folder / "quorvelsound.kpz", tools::PackArchive(soundRecords(), AssetTable::kSoundArchiveSize));
        auto title = tools::GenerateTitle();
        tools::ScrambleRecord(title);
        write(folder / "title.kpz", title);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "make_assets: " << error.what() << "\n";
        return 1;
    }
}
