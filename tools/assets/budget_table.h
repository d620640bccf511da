#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// What each archive record must be: its name, its byte budget (the distance
// from its first byte to the next record's, or to the archive's end), its
// file format and, for pictures, its size and frame layout.
namespace tools {

enum class PictureKind { Effect, Monster, Unit, Background, Interface };
enum class PictureFormat { Png, Jpeg };
// How the frames of a picture lie: one under the other, or side by side.
enum class FrameLayout { Vertical, Horizontal };

struct PictureBudget {
    std::string_view name;
    PictureKind kind;
    PictureFormat format;
    std::int32_t first;
    std::size_t budget;
    // The size of the whole picture and of one frame.
    std::int32_t width;
    std::int32_t height;
    std::int32_t frames;
    FrameLayout layout;
    std::int32_t frameWidth() const { return layout == FrameLayout::Horizontal ? width / frames : width; }
    std::int32_t frameHeight() const { return layout == FrameLayout::Vertical ? height / frames : height; }
};

enum class SoundFormat { OggVorbis, Wav };

struct SoundBudget {
    std::string_view name;
    SoundFormat format;
    std::int32_t first;
    std::size_t budget;
};

// In the loader's table order. Both fail with std::logic_error when the
// tables disagree (a record without a kind, a size that does not split into
// its frames).
const std::vector<PictureBudget>& PictureBudgets();
const std::vector<SoundBudget>& SoundBudgets();

// Backgrounds are drawn at this size and stretched by the loader anyway.
inline constexpr std::int32_t kBackgroundWidth = 800;
inline constexpr std::int32_t kBackgroundHeight = 600;

} // namespace tools
