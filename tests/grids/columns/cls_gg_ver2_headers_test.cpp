#include "grids/columns/cls_gg_ver2_headers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void addText(clsGGVer2Headers& registry, const std::string& set, const std::string& caption,
             std::int16_t index) {
    registry.Add(set, caption, 2, index, 40, "", 0, 100, nullptr, nullptr);
}

std::vector<std::string> captions(const GGVer2HeaderCollection& set) {
    std::vector<std::string> result;
    for (long i = 1; i <= set.count(); ++i)
        result.push_back(set.keyAt(i) + "=" + set.item(i)->Name());
    return result;
}

TEST(ColumnRegistry, AddKeepsEachArgumentInItsField) {
    clsGGVer2Headers registry;
    host::gdi::DeviceContext picture(10, 20), mask(10, 20);
    registry.Add("Company", "安定", 6, 1, 35, "field", 20, 30, &picture, &mask);
    const auto set = registry.GetHeaders("Company");
    ASSERT_EQ(set->count(), 1);
    const clsGGVer2Header& column = *set->item("header1");
    EXPECT_EQ(column.GGName(), "Company");
    EXPECT_EQ(column.Name(), "安定");
    EXPECT_EQ(column.TextAlign(), 6);
    EXPECT_EQ(column.Index(), 1);
    EXPECT_EQ(column.Width(), 35);
    EXPECT_EQ(column.FieldName(), "field");
    EXPECT_EQ(column.MinorImageWidth(), 20);
    EXPECT_EQ(column.MaxorImageHeight(), 30);
    EXPECT_EQ(column.ImageHDC(), &picture);
    EXPECT_EQ(column.ImageMaskHDC(), &mask);
}

TEST(ColumnRegistry, SetsComeBackByExactNameInIndexOrder) {
    clsGGVer2Headers registry;
    addText(registry, "Company", "c", 3);
    addText(registry, "Other", "x", 1);
    addText(registry, "Company", "a", 1);
    addText(registry, "Company", "b", 2);

    EXPECT_EQ(registry.GetHeaderCols("Company"), 3);
    EXPECT_EQ(captions(*registry.GetHeaders("Company")),
              (std::vector<std::string>{"header1=a", "header2=b", "header3=c"}));
    for (const char* missing : {"company", "Company ", ""}) {
        EXPECT_EQ(registry.GetHeaderCols(missing), 0) << missing;
        EXPECT_EQ(registry.GetHeaders(missing)->count(), 0) << missing;
    }
}

TEST(ColumnRegistry, EachCallGivesANewCollectionOfTheSameColumns) {
    clsGGVer2Headers registry;
    addText(registry, "寮", "施設", 1);
    const auto first = registry.GetHeaders("寮");
    const auto second = registry.GetHeaders("寮");
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(first->item(1).get(), second->item(1).get());
}

TEST(ColumnRegistry, ARepeatedIndexCountsButOnlyTheFirstIsHandedOut) {
    clsGGVer2Headers registry;
    addText(registry, "set", "one", 1);
    addText(registry, "set", "two", 2);
    addText(registry, "set", "again", 2);
    EXPECT_EQ(registry.GetHeaderCols("set"), 3);
    EXPECT_EQ(captions(*registry.GetHeaders("set")),
              (std::vector<std::string>{"header1=one", "header2=two"}));
}

} // namespace
