#include "host/sys/digest.h"

#include <nettle/arcfour.h>
#include <nettle/md5.h>
#include <stdexcept>

namespace host::sys {

Md5Digest md5(std::span<const std::uint8_t> bytes) {
    md5_ctx context;
    md5_init(&context);
    md5_update(&context, bytes.size(), bytes.data());
    Md5Digest digest{};
    md5_digest(&context, digest.size(), digest.data());
    return digest;
}

std::vector<std::uint8_t> rc4(std::span<const std::uint8_t> key, std::span<const std::uint8_t> data) {
    if (key.size() < ARCFOUR_MIN_KEY_SIZE || key.size() > ARCFOUR_MAX_KEY_SIZE)
        throw std::invalid_argument("RC4 key must have 1 to 256 bytes");
    arcfour_ctx context;
    arcfour_set_key(&context, key.size(), key.data());
    std::vector<std::uint8_t> out(data.size());
    if (!data.empty()) arcfour_crypt(&context, data.size(), out.data(), data.data());
    return out;
}

} // namespace host::sys
