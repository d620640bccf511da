#include "host/runtime/runtime_error.h"
#include "host/text/cp932.h"
#include "host/text/utf.h"
#include "platform/crypto/bas_enc.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace basEnc;

namespace {

std::vector<std::uint8_t> fromHex(const std::string& hex) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

std::vector<std::uint8_t> bytesOf(const std::string& s) {
    return {s.begin(), s.end()};
}

} // namespace

TEST(Password, SeedGivesPrintableAsciiPassword) {
    std::string password = MakePassword(kPasswordSeed);
    EXPECT_EQ(password, "WjzCpq");
    for (char c : password)
        EXPECT_TRUE(c > 0x20 && c < 0x7F) << password;
    EXPECT_EQ(MakePassword(""), "");
    // Characters whose transform leaves the single-byte characters are refused.
    EXPECT_THROW(MakePassword("ｸｵ漢"), host::runtime::RuntimeError);
    EXPECT_THROW(MakePassword("!"), host::runtime::RuntimeError);
}

// Vectors computed with another MD5 and RC4 implementation: the key is the
// MD5 digest of the password's CP932 bytes (04e87b70... for "WjzCpq").
TEST(Encryption, WholeDerivationKnownAnswers) {
    struct {
        std::string password;
        std::vector<std::uint8_t> plain;
        std::string cipher;
    } cases[] = {
        {"WjzCpq", host::text::utf8ToUtf16le("学園;Quorvel"), "730cd41a2b61b2e3e91eddf31ab4f86722d3b27b"},
        {"先生", bytesOf("team"), "0b168a80"}, // every CP932 byte of a double-byte password counts
    };
    for (const auto& c : cases) {
        auto cipher = EncryptBytes(c.plain, c.password, CALG_MD5, CALG_RC4);
        EXPECT_EQ(cipher, fromHex(c.cipher)) << c.password;
        EXPECT_EQ(DecryptBytes(cipher, c.password, CALG_MD5, CALG_RC4), c.plain) << c.password;
    }
}

TEST(Encryption, RoundTripDeterministicAndKeyedByWholePassword) {
    std::vector<std::uint8_t> plain(5000);
    for (std::size_t i = 0; i < plain.size(); ++i)
        plain[i] = static_cast<std::uint8_t>(i * 31);
    const std::string passwords[] = {"WjzCpq", "a", "パスワード", "先生A"};
    for (const auto& password : passwords) {
        auto once = EncryptBytes(plain, password, CALG_MD5, CALG_RC4);
        EXPECT_EQ(once.size(), plain.size());
        EXPECT_NE(once, plain);
        EXPECT_EQ(EncryptBytes(plain, password, CALG_MD5, CALG_RC4), once); // no salt
        EXPECT_EQ(DecryptBytes(once, password, CALG_MD5, CALG_RC4), plain);
    }
    // Passwords sharing their first characters' bytes still give different keys.
    EXPECT_NE(EncryptBytes(plain, "先生A", CALG_MD5, CALG_RC4),
              EncryptBytes(plain, "先生B", CALG_MD5, CALG_RC4));
    EXPECT_NE(EncryptBytes(plain, "先生", CALG_MD5, CALG_RC4), EncryptBytes(plain, "先", CALG_MD5, CALG_RC4));
    EXPECT_TRUE(EncryptBytes({}, "x", CALG_MD5, CALG_RC4).empty());
}

TEST(Encryption, RefusesWhatItCannotDo) {
    std::vector<std::uint8_t> plain{1, 2, 3};
    EXPECT_THROW(EncryptBytes(plain, "x", 0x8004, CALG_RC4), host::runtime::RuntimeError);
    EXPECT_THROW(DecryptBytes(plain, "x", CALG_MD5, 0x6610), host::runtime::RuntimeError);
    EXPECT_THROW(EncryptBytes(plain, "😀", CALG_MD5, CALG_RC4), host::text::Cp932Error);
}
