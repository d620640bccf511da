#include "host/sys/digest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace host::sys;

namespace {

std::span<const std::uint8_t> bytesOf(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

template <class Bytes> std::string hex(const Bytes& bytes) {
    std::string out;
    char two[3];
    for (auto b : bytes) {
        std::snprintf(two, sizeof two, "%02x", static_cast<unsigned>(b));
        out += two;
    }
    return out;
}

} // namespace

TEST(Md5, PublishedTestSuite) {
    struct {
        std::string message;
        const char* digest;
    } cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hex(md5(bytesOf(c.message))), c.digest) << c.message;
}

TEST(Rc4, PublishedVectorsAndSymmetry) {
    struct {
        std::string key;
        std::string plain;
        const char* cipher;
    } cases[] = {
        {"Key", "Plaintext", "bbf316e8d940af0ad3"},
        {"Wiki", "pedia", "1021bf0420"},
        {"Secret", "Attack at dawn", "45a01f645fc35b383552544b9bf5"},
    };
    for (const auto& c : cases) {
        auto cipher = rc4(bytesOf(c.key), bytesOf(c.plain));
        EXPECT_EQ(hex(cipher), c.cipher) << c.key;
        auto back = rc4(bytesOf(c.key), cipher);
        EXPECT_EQ(std::string(back.begin(), back.end()), c.plain);
    }
    EXPECT_TRUE(rc4(bytesOf("Key"), {}).empty());
    EXPECT_THROW(rc4({}, bytesOf("x")), std::invalid_argument);
}
