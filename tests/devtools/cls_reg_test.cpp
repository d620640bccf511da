#include "devtools/cls_reg.h"
#include "devtools/program_folder.h"

#include <gtest/gtest.h>

namespace {

using host::runtime::Variant;

constexpr std::int32_t kCurrentUser = static_cast<std::int32_t>(0x80000001u);
constexpr const char* kKey = "Software\\Quorvel";

TEST(ClsReg, WritesAndReadsStringsAndNumbersUnderTheirKeys) {
    devtest::TempProgramFolder folder("reg_values");
    const clsReg reg;

    EXPECT_TRUE(reg.RegSetValue(kCurrentUser, kKey, "Name", clsReg::kString, Variant("abc")));
    EXPECT_TRUE(reg.RegSetValue(kCurrentUser, kKey, "Count", clsReg::kDWord, Variant(std::int32_t{-42})));
    EXPECT_TRUE(reg.RegSetValue(kCurrentUser, kKey, "name", clsReg::kString, Variant("学院")));

    EXPECT_EQ(reg.RegGetValue(kCurrentUser, kKey, "NAME", clsReg::kString, Variant("none")), Variant("学院"));
    EXPECT_EQ(reg.RegGetValue(kCurrentUser, kKey, "Count", clsReg::kDWord, Variant(std::int32_t{0})),
              Variant(std::int32_t{-42}));
    // The stored value's type is not compared.
    EXPECT_EQ(reg.RegGetValue(kCurrentUser, kKey, "Count", clsReg::kString, Variant("none")), Variant("-42"));
    EXPECT_EQ(reg.RegGetValue(kCurrentUser, "Software\\Other", "Name", clsReg::kString, Variant("none")),
              Variant("none"));
    EXPECT_EQ(reg.RegGetValue(kCurrentUser, kKey, "Missing", clsReg::kDWord, Variant(std::int32_t{7})),
              Variant(std::int32_t{7}));
    EXPECT_EQ(reg.RegGetValue(kCurrentUser, kKey, "Name", clsReg::kDWord, Variant(std::int32_t{7})),
              Variant(std::int32_t{7}));
}

TEST(ClsReg, AnotherTypeCreatesTheKeyButWritesNoValue) {
    devtest::TempProgramFolder folder("reg_other_type");
    const clsReg reg;
    EXPECT_FALSE(reg.RegSetValue(kCurrentUser, kKey, "Name", 2, Variant("abc")));
    EXPECT_EQ(folder.read("registry.ini"), "[80000001\\Software\\Quorvel]\r\n");
    EXPECT_EQ(reg.RegGetValue(kCurrentUser, kKey, "Name", 2, Variant("none")), Variant("none"));
}

TEST(ClsReg, ATextTooLongForTheReadBufferGivesTheDefault) {
    devtest::TempProgramFolder folder("reg_long");
    const clsReg reg;
    ASSERT_TRUE(reg.RegSetValue(kCurrentUser, kKey, "Fits", clsReg::kString, Variant(std::string(255, 'a'))));
    ASSERT_TRUE(reg.RegSetValue(kCurrentUser, kKey, "Long", clsReg::kString, Variant(std::string(256, 'a'))));
    EXPECT_EQ(reg.RegGetValue(kCurrentUser, kKey, "Fits", clsReg::kString, Variant("none")),
              Variant(std::string(255, 'a')));
    EXPECT_EQ(reg.RegGetValue(kCurrentUser, kKey, "Long", clsReg::kString, Variant("none")), Variant("none"));
}

TEST(ClsReg, AFileThatCannotBeWrittenAnswersFalseAndAValueNameWithEqualsIsRefused) {
    devtest::TempProgramFolder folder("reg_unwritable");
    const clsReg reg;
    EXPECT_FALSE(reg.RegSetValue(kCurrentUser, kKey, "a=b", clsReg::kString, Variant("x")));
    std::filesystem::create_directory(folder.path / "registry.ini");
    EXPECT_FALSE(reg.RegSetValue(kCurrentUser, kKey, "Name", clsReg::kString, Variant("x")));
}

} // namespace
