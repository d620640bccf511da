#include "app/shell/team_file.h"

#include "platform/crypto/bas_enc.h"
#include "platform/files/gfile.h"

#include "host/text/cp932.h"
#include "host/text/utf.h"

#include <algorithm>

namespace team_file {

namespace {

constexpr std::int32_t kChunk = 1000;
constexpr char32_t kIdeographicSpace = U'\u3000';

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

std::string nameRefusal(std::string_view name) {
    bool blank = true;
    for (std::size_t pos = 0; pos < name.size();) {
        const char32_t c = host::text::nextCodePoint(name, pos);
        if (c == U'/' || c == U'\\') return "チーム名に / や \\ は使えません";
        if (isControl(c)) return "チーム名に制御文字は使えません";
        if (c != U' ' && c != kIdeographicSpace) blank = false;
    }
    if (blank && !name.empty()) return "チーム名が空白だけです";
    return "";
}

std::string passwordRefusal(std::string_view password) {
    try {
        host::text::encodeCp932(password);
    } catch (const host::text::Cp932Error& error) {
        return "パスワードに使えない文字があります: " + error.characters();
    }
    return "";
}

std::string body(const std::string& lineName, const std::string& itemName, const std::string& statistics,
                 const std::string& school) {
    return lineName + "," + itemName + "," + statistics + "," + school + ",Ending";
}

std::vector<std::uint8_t> image(std::string_view name, std::string_view bodyText, std::string_view password) {
    const auto nameBytes = host::text::utf8ToUtf16le(name);
    const auto cipher = basEnc::EncryptBytes(host::text::utf8ToUtf16le(bodyText), password, basEnc::CALG_MD5,
                                             basEnc::CALG_RC4);
    std::vector<std::uint8_t> bytes(kNameArea + cipher.size(), 0);
    std::copy_n(nameBytes.begin(), std::min<std::size_t>(nameBytes.size(), kNameArea), bytes.begin());
    std::copy(cipher.begin(), cipher.end(), bytes.begin() + kNameArea);
    return bytes;
}

std::string path(const std::string& name, int n) {
    return "\\" + name + std::to_string(n) + ".kpu";
}

std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    int n = 1;
    while (n < kLastNumber && File().IsFile(path(name, n)))
        ++n;
    if (File().APIWriteFileBinary(path(name, n), bytes, kChunk, false)) return "";
    return "ファイルを書き込めません。" + File().WriteFailure();
}

} // namespace team_file
