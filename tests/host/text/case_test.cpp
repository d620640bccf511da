#include "host/text/case.h"

#include <gtest/gtest.h>

using namespace host::text;

namespace {

TEST(TextCase, OnlyAsciiLettersChangeCase) {
    EXPECT_EQ(LCase("AbZ@[`{ÄＡａ"), "abz@[`{ÄＡａ");
    EXPECT_EQ(UCase("aBz@[`{äＡａ"), "ABZ@[`{äＡａ");
}

TEST(TextCase, FoldCaseWidthMatchesAcrossCaseAndWidth) {
    struct Case {
        std::string a, b;
        bool same;
    };
    const Case cases[] = {
        {"ＭＳ Ｐゴシック", "ms pｺﾞｼｯｸ", true},
        {"ＭＳ　Ｐゴシック", "MS Pゴシック", true},
        {"ガ", "ｶﾞ", true},
        {"Ｆｏｒｍａｔｉｏｎ", "FORMATION", true},
        {"ゴシック", "ごしっく", false}, // hiragana and katakana stay apart
        {"Ä", "ä", false},               // only ASCII letters fold
        {"＼", "\\", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(foldCaseWidth(c.a) == foldCaseWidth(c.b), c.same) << c.a << " / " << c.b;
}

} // namespace
