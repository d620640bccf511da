#include "host/sound/riff.h"

#include <cstring>

namespace host::sound {

std::optional<std::size_t> riffLength(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t headerSize = 8;
    if (bytes.size() < headerSize || std::memcmp(bytes.data(), "RIFF", 4) != 0) return std::nullopt;
    const std::uint64_t body = std::uint64_t{bytes[4]} | std::uint64_t{bytes[5]} << 8 |
                               std::uint64_t{bytes[6]} << 16 | std::uint64_t{bytes[7]} << 24;
    const std::uint64_t length = headerSize + body;
    if (length > bytes.size()) return std::nullopt;
    return static_cast<std::size_t>(length);
}

} // namespace host::sound
