#include "platform/crypto/bas_enc.h"

#include "host/runtime/runtime_error.h"
#include "host/sys/digest.h"
#include "host/text/cp932.h"
#include "host/text/utf.h"

namespace basEnc {

namespace {

// The running offset of the password transform starts at K1 and follows
// each character's code less K2.
constexpr int K1 = 96;
constexpr int K2 = 14;

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

std::vector<std::uint8_t> crypt(std::span<const std::uint8_t> bytes, std::string_view password,
                                std::int32_t hashAlg, std::int32_t cipherAlg) {
    if (hashAlg != CALG_MD5 || cipherAlg != CALG_RC4)
        throw RuntimeError(ErrorNumber::InvalidCall, "only MD5 keys for RC4 are supported");
    auto key = host::sys::md5(host::text::encodeCp932(password));
    return host::sys::rc4(key, bytes);
}

// A character code that stands for one single-byte CP932 character.
bool singleByteCharacter(int code) {
    return (code >= 0 && code <= 0x7F) || (code >= 0xA1 && code <= 0xDF);
}

} // namespace

std::vector<std::uint8_t> EncryptBytes(std::span<const std::uint8_t> bytes, std::string_view password,
                                       std::int32_t hashAlg, std::int32_t cipherAlg) {
    return crypt(bytes, password, hashAlg, cipherAlg);
}

std::vector<std::uint8_t> DecryptBytes(std::span<const std::uint8_t> bytes, std::string_view password,
                                       std::int32_t hashAlg, std::int32_t cipherAlg) {
    return crypt(bytes, password, hashAlg, cipherAlg);
}

std::string MakePassword(std::string_view seed) {
    std::string password;
    int c = K1;
    int j = 0;
    for (std::size_t pos = 0; pos < seed.size();) {
        std::size_t start = pos;
        host::text::nextCodePoint(seed, pos);
        auto encoded = host::text::encodeCp932(seed.substr(start, pos - start));
        int a = 0;
        for (std::uint8_t b : encoded)
            a = a * 256 + b;
        ++j;
        int v = a - c - j;
        if (!singleByteCharacter(v))
            throw RuntimeError(ErrorNumber::InvalidCall, "password character code " + std::to_string(v));
        const std::uint8_t code = static_cast<std::uint8_t>(v);
        password += host::text::decodeCp932(std::span<const std::uint8_t>(&code, 1));
        c = v - K2;
    }
    return password;
}

} // namespace basEnc
