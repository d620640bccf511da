#include "host/text/cp932.h"

#include "host/text/utf.h"

#include <cerrno>
#include <iconv.h>
#include <system_error>
#include <utility>

namespace host::text {

namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::system_error(errno, std::generic_category(),
                                    std::string("iconv_open ") + from + " -> " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; false when it stopped at a character it could
    // not convert. The callers size the output so that it never runs out.
    bool convert(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
        char* input = const_cast<char*>(in);
        std::size_t result = iconv(cd_, &input, &inLeft, &out, &outLeft);
        in = input;
        if (result != static_cast<std::size_t>(-1)) return true;
        if (errno == EILSEQ || errno == EINVAL) return false;
        throw std::system_error(errno, std::generic_category(), "iconv");
    }

  private:
    iconv_t cd_;
};

} // namespace

Cp932Error::Cp932Error(std::string characters)
    : std::runtime_error("CP932 cannot hold: " + characters), characters_(std::move(characters)) {}

std::vector<std::uint8_t> encodeCp932(std::string_view utf8) {
    if (utf8.empty()) return {};
    Converter converter("CP932", "UTF-8");
    // A CP932 character never takes more bytes than its UTF-8 form.
    std::vector<std::uint8_t> bytes(utf8.size());
    const char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    char* out = reinterpret_cast<char*>(bytes.data());
    std::size_t outLeft = bytes.size();
    std::u32string unmappable;
    while (!converter.convert(in, inLeft, out, outLeft)) {
        std::size_t pos = static_cast<std::size_t>(in - utf8.data());
        char32_t codePoint = nextCodePoint(utf8, pos);
        if (unmappable.find(codePoint) == std::u32string::npos) unmappable.push_back(codePoint);
        in = utf8.data() + pos;
        inLeft = utf8.size() - pos;
    }
    if (!unmappable.empty()) {
        std::string characters;
        for (char32_t codePoint : unmappable)
            appendUtf8(characters, codePoint);
        throw Cp932Error(std::move(characters));
    }
    bytes.resize(bytes.size() - outLeft);
    return bytes;
}

std::string decodeCp932(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return {};
    Converter converter("UTF-8", "CP932");
    // One CP932 byte gives at most three UTF-8 bytes, and so does U+FFFD.
    std::string text(bytes.size() * 3, '\0');
    const char* in = reinterpret_cast<const char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = text.data();
    std::size_t outLeft = text.size();
    while (!converter.convert(in, inLeft, out, outLeft)) {
        std::string replacement;
        appendUtf8(replacement, kReplacementCharacter);
        for (char byte : replacement) {
            *out++ = byte;
            --outLeft;
        }
        ++in;
        --inLeft;
    }
    text.resize(text.size() - outLeft);
    return text;
}

} // namespace host::text
