#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The bytes of a save file: the plain header text in UTF-16LE at offset 0,
// zeros up to offset 150, then the body text in UTF-16LE, RC4-encrypted with
// the game's password (as many cipher bytes as plain bytes).
inline constexpr std::int32_t kSaveHeaderSize = 150;
// Reads and writes of a slot go in chunks of this many bytes.
inline constexpr std::int32_t kSaveChunkSize = 1000;
inline constexpr std::int16_t kSaveSlotCount = 20;
// A slot file larger than this is refused before it is read: the largest
// save the game writes (every item kind at its cap, a full school) is a few
// hundred kilobytes.
inline constexpr std::uintmax_t kSaveFileCap = 8 * 1024 * 1024;
inline constexpr const char* kSaveFolder = "\\Save";

// "\Save\quorvel<index>.sav"; an index outside 1..20 raises the subscript error.
std::string saveSlotPath(std::int16_t index);

// A header whose UTF-16 bytes do not fit the header area raises the
// invalid-call error.
std::vector<std::uint8_t> makeSaveImage(std::string_view header, std::string_view body);

// The header area's text, narrowed, zero characters included.
std::string readSaveHeader(std::span<const std::uint8_t> area);
// The body bytes (everything from offset 150 on) decrypted, as text, narrowed.
std::string readSaveBody(std::span<const std::uint8_t> cipher);
