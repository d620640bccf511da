#include "platform/rules/cls_method.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {
const clsMethod m;
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
} // namespace

TEST(BitSets, SingleBitsAtTheEnds) {
    struct {
        std::int32_t data;
        std::int16_t bit;
        std::int32_t on;
        std::int32_t off;
        bool check;
    } cases[] = {
        {5, 0, 0, 0, false},
        {5, 32, 0, 0, false},
        {5, -1, 0, 0, false},
        {0, 31, 1073741824, 0, false},
        {1073741824, 31, 1073741824, 0, true},
        {-1, 1, -1, 2147483646, true},
        {-1, 31, -1, 1073741823, true},
        {kMin, 1, kMin + 1, 0, false}, // bit 32 is cleared, never read
        {6, 2, 6, 4, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m.BitOn(c.data, c.bit), c.on) << c.data << " bit " << c.bit;
        EXPECT_EQ(m.BitOff(c.data, c.bit), c.off) << c.data << " bit " << c.bit;
        EXPECT_EQ(m.BitCheck(c.data, c.bit), c.check) << c.data << " bit " << c.bit;
    }
}

TEST(BitSets, FieldsReadBackWhatWasStored) {
    EXPECT_EQ(m.RangeBITWORD(16, 1, 4), 0);
    EXPECT_EQ(m.RangeBITWORD(53, 3, 5), 5);
    EXPECT_EQ(m.RangeBITWORD(53, 4, 3), 0);
    EXPECT_EQ(m.SetRangeBITWORD(1, 2, 3, 3), 7);
    EXPECT_EQ(m.SetRangeBITWORD(1, 2, 3, 4), 0); // too wide: the word is lost
    EXPECT_EQ(m.SetRangeBITWORD(1, 0, 3, 1), 0);
    EXPECT_EQ(m.SetRangeBITWORD(1, 2, 32, 1), 0);

    struct {
        std::int16_t low, high;
        std::int32_t value;
    } fields[] = {{1, 1, 1}, {1, 31, 0x7FFFFFFF}, {29, 31, 7}, {31, 31, 1}, {5, 12, 200}, {16, 30, 32767}};
    for (const auto& f : fields) {
        std::int32_t word = m.SetRangeBITWORD(0x2AAAAAAA, f.low, f.high, f.value);
        EXPECT_EQ(m.RangeBITWORD(word, f.low, f.high), f.value) << f.low << ".." << f.high;
        EXPECT_GE(word, 0);
        if (f.low > 1) {
            EXPECT_EQ(m.RangeBITWORD(word, 1, f.low - 1), m.RangeBITWORD(0x2AAAAAAA, 1, f.low - 1));
        }
    }
}

TEST(BitSets, WordsAndTopBits) {
    EXPECT_EQ(m.HIWORD(196610), 3);
    EXPECT_EQ(m.LOWORD(196610), 2);
    EXPECT_EQ(m.HIWORD(-65537), -1); // truncation toward zero
    EXPECT_EQ(m.LOWORD(-65537), -1); // the dividend's sign
    EXPECT_EQ(m.HIBITWORD(0x7FFFFFFF, 1), 0);
    EXPECT_EQ(m.HIBITWORD(0x7FFFFFFF, 31), 0x3FFFFFFF);
    EXPECT_EQ(m.HIBITWORD(0x40000000, 2), 1);
    EXPECT_EQ(m.HIBITWORD(5, 0), 0);
    EXPECT_EQ(m.LOBITWORD(0x7FFFFFFF, 31), 0x7FFFFFFF);
    EXPECT_EQ(m.LOBITWORD(13, 2), 1);
    EXPECT_EQ(m.LOBITWORD(13, 32), 0);
    EXPECT_EQ(&Method(), &Method());
}
