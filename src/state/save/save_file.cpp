#include "state/save/save_file.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/text/utf.h"
#include "host/text/width.h"
#include "platform/crypto/bas_enc.h"

#include <algorithm>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

namespace {

std::vector<std::uint8_t> encrypt(std::span<const std::uint8_t> plain) {
    return basEnc::EncryptBytes(plain, basEnc::MakePassword(basEnc::kPasswordSeed), basEnc::CALG_MD5,
                                basEnc::CALG_RC4);
}

std::vector<std::uint8_t> decrypt(std::span<const std::uint8_t> cipher) {
    return basEnc::DecryptBytes(cipher, basEnc::MakePassword(basEnc::kPasswordSeed), basEnc::CALG_MD5,
                                basEnc::CALG_RC4);
}

} // namespace

std::string saveSlotPath(std::int16_t index) {
    if (index < 1 || index > kSaveSlotCount)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "save slot " + std::to_string(index));
    return std::string(kSaveFolder) + "\\quorvel" + host::runtime::CStr(index) + ".sav";
}

std::vector<std::uint8_t> makeSaveImage(std::string_view header, std::string_view body) {
    const auto headerBytes = host::text::utf8ToUtf16le(header);
    if (headerBytes.size() > static_cast<std::size_t>(kSaveHeaderSize))
        throw RuntimeError(ErrorNumber::InvalidCall, "save header of " + std::to_string(headerBytes.size()) +
                                                         " bytes: \"" + std::string(header) + "\"");
    const auto cipher = encrypt(host::text::utf8ToUtf16le(body));
    std::vector<std::uint8_t> image(kSaveHeaderSize + cipher.size(), 0);
    std::copy(headerBytes.begin(), headerBytes.end(), image.begin());
    std::copy(cipher.begin(), cipher.end(), image.begin() + kSaveHeaderSize);
    return image;
}

std::string readSaveHeader(std::span<const std::uint8_t> area) {
    return host::text::toNarrow(host::text::utf16leToUtf8(area));
}

std::string readSaveBody(std::span<const std::uint8_t> cipher) {
    return host::text::toNarrow(host::text::utf16leToUtf8(decrypt(cipher)));
}
