#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Sound files from mono samples in -1..1.
namespace tools {

// An Ogg Vorbis stream (variable bit rate, quality -0.1 to 1). The stream's
// serial number is fixed, so the same samples give the same bytes.
std::vector<std::uint8_t> EncodeOggVorbis(std::span<const float> samples, int sampleRate, float quality);

// A RIFF WAVE file of mono PCM, 8-bit unsigned or 16-bit signed.
std::vector<std::uint8_t> EncodeWav(std::span<const float> samples, int sampleRate, int bitsPerSample);

// The size of that file.
std::size_t WavSize(std::size_t sampleCount, int bitsPerSample);

} // namespace tools
