#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Encryption of saves, the master-data archive and exported teams: RC4 with
// the 16-byte MD5 digest of the password's CP932 bytes as its key. No salt,
// no header: the cipher bytes are as many as the plain bytes.
namespace basEnc {

inline constexpr std::int32_t CALG_MD5 = 0x8003;
inline constexpr std::int32_t CALG_RC4 = 0x6801;

// The seed of the password of saves and of the master-data archive.
inline constexpr std::string_view kPasswordSeed = "ｸｵﾙｳｪﾙ";

// A password that CP932 cannot hold raises host::text::Cp932Error; an
// algorithm other than CALG_MD5 / CALG_RC4 raises the invalid-call error.
std::vector<std::uint8_t> EncryptBytes(std::span<const std::uint8_t> bytes, std::string_view password,
                                       std::int32_t hashAlg, std::int32_t cipherAlg);
std::vector<std::uint8_t> DecryptBytes(std::span<const std::uint8_t> bytes, std::string_view password,
                                       std::int32_t hashAlg, std::int32_t cipherAlg);

// Turns the seed into the password, one character for each of the seed's.
// A seed whose transform leaves the single-byte characters raises the
// invalid-call error.
std::string MakePassword(std::string_view seed);

} // namespace basEnc
