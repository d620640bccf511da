#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The loader's tables of the two asset archives. An archive is a plain run of
// records; each record starts at its entry's first byte and runs to the byte
// before the next record's first byte, the last one to the archive's end.
namespace AssetTable {

inline constexpr const char* kImageArchivePath = "\\Data\\quorvelimage.kpz";
inline constexpr const char* kSoundArchivePath = "\\Data\\quorvelsound.kpz";
inline constexpr const char* kTitlePath = "\\Data\\title.kpz";

inline constexpr std::int32_t kImageArchiveSize = 27045889;
inline constexpr std::int32_t kSoundArchiveSize = 19996348;

// The size every stretched picture is stored at.
inline constexpr std::int32_t kStretchWidth = 800;
inline constexpr std::int32_t kStretchHeight = 600;
// The title picture is stretched to the same size; a bigger one is refused.
inline constexpr std::int32_t kTitleWidth = kStretchWidth;
inline constexpr std::int32_t kTitleHeight = kStretchHeight;

// One picture record. Width and height are the size the picture is stored
// at: the stretch size for stretched records, else the size the drawing
// code expects of the picture. Stretched records get no mask; every other
// record gets a white-keyed mask.
struct ImageRecord {
    std::string_view name;
    std::int32_t first;
    std::int32_t width;
    std::int32_t height;
    bool stretched;
};

inline constexpr std::int32_t kMusicType = 1;
inline constexpr std::int32_t kEffectType = 2;

// One sound record; its number in the table (from 1) is its sound id.
struct SoundRecord {
    std::string_view name;
    std::int32_t first;
    std::int32_t type;
};

// In table order, which is the load order.
std::span<const ImageRecord> ImageRecords();
std::span<const SoundRecord> SoundRecords();

// The last byte of record index (from 0) of a table whose archive has
// archiveSize bytes.
template <typename Record>
std::int32_t LastByte(std::span<const Record> records, std::size_t index, std::int32_t archiveSize) {
    return (index + 1 < records.size() ? records[index + 1].first : archiveSize) - 1;
}

} // namespace AssetTable
