#include "host/runtime/runtime_error.h"
#include "host/text/units.h"
#include "host/text/utf.h"
#include "platform/crypto/bas_enc.h"
#include "state/save/save_file.h"
#include "state/save/save_parts.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <algorithm>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

SaveParts sampleParts() {
    // Kanji and katakana take one UTF-16 unit, 𠮷 two (a surrogate pair).
    return {"25:4:1:1000/1000", "",     "3:5:5:6", "ＡＢＣ商会:120", "",
            "スライム:3",       "𠮷田", "薬草:2",  "nodata"};
}

std::vector<std::uint8_t> decrypted(std::span<const std::uint8_t> cipher) {
    return basEnc::DecryptBytes(cipher, basEnc::MakePassword(basEnc::kPasswordSeed), basEnc::CALG_MD5,
                                basEnc::CALG_RC4);
}

} // namespace

TEST(SaveImage, HeaderAreaThenTheEncryptedBodyCountedInUtf16Units) {
    const std::string header = "2026/12/11 09:30:00\\25:4:1\\1000\\20\\3:7:12\\1:00\\";
    const std::string body = joinSaveBody(sampleParts());
    const auto image = makeSaveImage(header, body);

    ASSERT_EQ(image.size(), 150u + 2u * static_cast<std::size_t>(host::text::Len(body)));
    const auto headerBytes = host::text::utf8ToUtf16le(header);
    EXPECT_TRUE(std::equal(headerBytes.begin(), headerBytes.end(), image.begin()));
    EXPECT_TRUE(std::all_of(image.begin() + static_cast<std::ptrdiff_t>(headerBytes.size()),
                            image.begin() + 150, [](std::uint8_t byte) { return byte == 0; }));

    const std::span<const std::uint8_t> cipher(image.data() + 150, image.size() - 150);
    EXPECT_NE(std::vector<std::uint8_t>(cipher.begin(), cipher.end()), host::text::utf8ToUtf16le(body));
    EXPECT_EQ(decrypted(cipher), host::text::utf8ToUtf16le(body));
}

TEST(SaveImage, BodyReadsBackNarrowedAndSplitIntoTheNineParts) {
    const auto image = makeSaveImage("h\\", joinSaveBody(sampleParts()));
    const std::string body = readSaveBody(std::span(image).subspan(150));
    EXPECT_TRUE(body.ends_with(",Ending"));

    const auto read = splitSaveBody(body);
    ASSERT_TRUE(read.parts) << read.error;
    SaveParts expected = sampleParts();
    partOf(expected, SavePart::Company) = "ABC商会:120"; // the managers widen their own names again
    partOf(expected, SavePart::Lines) = "ｽﾗｲﾑ:3";
    EXPECT_EQ(*read.parts, expected);
}

TEST(SaveImage, HeaderThatDoesNotFitTheAreaIsRefused) {
    EXPECT_NO_THROW(makeSaveImage(std::string(75, 'x'), "b"));
    EXPECT_EQ(errorOf([] { makeSaveImage(std::string(76, 'x'), "b"); }), ErrorNumber::InvalidCall);
}

TEST(SaveImage, HeaderAreaReadsWithItsZeroCharacters) {
    std::vector<std::uint8_t> area(150, 0);
    const auto text = host::text::utf8ToUtf16le("ａ\\");
    std::copy(text.begin(), text.end(), area.begin());
    EXPECT_EQ(readSaveHeader(area), "a\\" + std::string(73, '\0'));
}

TEST(SaveSlotPath, NumberedOneToTwenty) {
    EXPECT_EQ(saveSlotPath(1), "\\Save\\quorvel1.sav");
    EXPECT_EQ(saveSlotPath(20), "\\Save\\quorvel20.sav");
    for (std::int16_t outside : {0, 21, -1})
        EXPECT_EQ(errorOf([&] { saveSlotPath(outside); }), ErrorNumber::SubscriptOutOfRange) << outside;
}

TEST(SaveBody, OnlyNinePartsAndEndingMakeABody) {
    const std::string good = joinSaveBody(sampleParts());
    EXPECT_EQ(good, "25:4:1:1000/1000,,3:5:5:6,ＡＢＣ商会:120,,スライム:3,𠮷田,薬草:2,nodata,Ending");
    struct {
        const char* name;
        std::string body;
        bool reads;
    } cases[] = {
        {.name = "as saved", .body = good, .reads = true},
        {.name = "nine empty parts", .body = ",,,,,,,,,Ending", .reads = true},
        {.name = "cut inside the students", .body = good.substr(0, good.size() - 12), .reads = false},
        {.name = "cut after the students", .body = good.substr(0, good.size() - 7), .reads = false},
        {.name = "a part lost", .body = ",,,,,,,,Ending", .reads = false},
        {.name = "a comma too many", .body = "a,b,,,,,,,,,Ending", .reads = false},
        {.name = "something after Ending", .body = good + "x", .reads = false},
        {.name = "empty", .body = "", .reads = false},
        {.name = "8 MB of commas", .body = std::string(8u << 20, ','), .reads = false},
    };
    for (const auto& c : cases) {
        const auto read = splitSaveBody(c.body);
        EXPECT_EQ(read.parts.has_value(), c.reads) << c.name;
        EXPECT_EQ(read.error.empty(), c.reads) << c.name;
    }
}
