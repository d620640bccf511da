#pragma once

#include <cstdint>
#include <vector>

namespace sound_test {

// A mono sine tone as an Ogg Vorbis stream.
std::vector<std::uint8_t> makeOgg(double seconds);
// A mono 8-bit sine tone as a WAV file.
std::vector<std::uint8_t> makeWav(double seconds);
// The bytes followed by `count` zero bytes, as in a padded archive record.
std::vector<std::uint8_t> padded(std::vector<std::uint8_t> bytes, std::size_t count);

} // namespace sound_test
