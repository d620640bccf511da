#include "grids/columns/set_grid_headers.h"

#include "grids/columns/column_kinds.h"
#include "grids/columns/gg_ver2_headers.h"

#include "platform/graphics/images.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using host::runtime::ErrorNumber;
using host::runtime::ScopedInstall;
using testsupport::errorOf;

namespace {

// The pictures the column sets name, each with its mask, except those left out.
std::unique_ptr<clsImages> pictureStore(const std::string& leftOut = "") {
    auto images = std::make_unique<clsImages>();
    for (const char* name : {"チェック", "企業", "不満", "調子"}) {
        for (const std::string& stored : {std::string(name), std::string(name) + "mask"}) {
            if (stored == leftOut) continue;
            auto dc = std::make_unique<host::gdi::DeviceContext>(20, 60);
            images->AddImage(stored, dc, 20, 60);
        }
    }
    return images;
}

struct ExpectedSet {
    const char* name;
    const char* kinds; // one digit per column, in Index order
    int totalWidth;
    const char* captions; // joined with "|"
};

// The column sets of the game's screens and dialogs.
const ExpectedSet kSets[] = {
    {"Company", "5122662", 405, "|会社名|株価|持株|安定|流行|前回比"},
    {"加工屋", "512211", 445, "|加工アイテム|値段|数量|必要素材|必要素材"},
    {"ポイント交換所", "5122", 365, "|交換アイテム|金額|ポイント"},
    {"チケット引換所", "512", 225, "|チケット|数量"},
    {"王国許可局", "51212", 365, "|施設名|金額|設置場所|日数"},
    {"アイテム店", "5122", 295, "|アイテム名|金額|数量"},
    {"倉庫", "524", 105, "|値段|"},
    {"依頼", "51222", 365, "|依頼|体力|賃金|王国Pt"},
    {"アルバイト", "51222", 365, "|アルバイト|体力|賃金|王国Pt"},
    {"学園", "51", 185, "|建物"},
    {"校舎", "51", 185, "|教室"},
    {"寮", "51", 185, "|施設"},
    {"アイテム", "1122", 370, "種類|アイテム名|金額|数量"},
    {"スポンサー", "12222", 410, "会社名|残り期間|契約金|持株|株価"},
    {"モンスター", "21122222", 435, "No|モンスター名|タイプ|体力|攻撃|防御|速度|勝利"},
    {"スカウト", "511112112", 425, "|スカウト名|出身|年齢|成長|期間|能力|人数|給料"},
    {"教師", "511122262", 490, "|教師名|性格|方針|年齢|期間|給料|不満|能力"},
    {"新入生", "511122", 335, "|生徒名|出身|性格|年齢|能力"},
    {"生徒", "5122216621", 515, "|生徒名|学年|年齢|現体力|性格|調子|不満|能力|進路"},
    {"アイテムを使う", "5112", 265, "|アイテム名|危険度|数量"},
    {"新規スポンサー", "512222", 405, "|会社名|契約期間|契約金|持株|株価"},
    {"卒業生", "112122", 430, "職業|名前|年齢|出身|卒業年|能力"},
    {"授業", "5111121", 605, "|生徒名|授業|教師|アイテム|能力|性格"},
    {"担当授業", "511211", 365, "|授業|能力|体力|レベル|リスク"},
    {"担当教師", "51112", 325, "|教師名|性格|方針|能力"},
    {"授業アイテム", "51211", 335, "|アイテム|効果|危険度|壊れ度"},
    {"編成", "5122222222222222266", 710,
     "|生徒名|年齢|学年|体力|筋力|敏捷|技術|意思|頑丈|剣術|槍術|弓術|馬術|攻撃|防御|奇襲|調子|不満"},
    {"陣形選択", "511122", 365, "|陣形名|主陣形|副陣形|速度|気力"},
    {"戦闘アイテム", "51111111122222", 510, "|アイテム名|攻|防|奇|剣|槍|弓|騎|体力|攻撃|防御|気力|速度"},
    {"合宿", "512", 255, "|合宿先|合宿費"},
    {"建物アイテム", "511", 225, "|アイテム名|影響力"},
    {"ボーナス", "521", 165, "|お金|効果"},
    {"進路", "52", 125, "|お金"},
    {"セーブデータ", "5212222", 580, "|No|記録日時|王国暦|資金|王国pt|プレイ時間"},
};

class RegisteredSets : public ::testing::Test {
  protected:
    ScopedInstall<clsImages> images{gImages, pictureStore()};
    ScopedInstall<clsGGVer2Headers> registry{gGGVer2Headers, std::make_unique<clsGGVer2Headers>()};
};

TEST_F(RegisteredSets, EverySetHasItsColumnsInOrder) {
    mdlQuorvel::SetGridHeaders();
    int total = 0;
    for (const ExpectedSet& expected : kSets) {
        SCOPED_TRACE(expected.name);
        const auto set = registry->GetHeaders(expected.name);
        const std::string kinds = expected.kinds;
        ASSERT_EQ(registry->GetHeaderCols(expected.name), static_cast<int>(kinds.size()));
        ASSERT_EQ(set->count(), static_cast<long>(kinds.size()));
        std::string gotKinds, gotCaptions;
        int width = 0;
        for (long i = 1; i <= set->count(); ++i) {
            const clsGGVer2Header& column = *set->item("header" + std::to_string(i));
            gotKinds += std::to_string(column.TextAlign());
            gotCaptions += (i > 1 ? "|" : "") + column.Name();
            width += column.Width();
            EXPECT_EQ(column.FieldName(), "");
        }
        EXPECT_EQ(gotKinds, kinds);
        EXPECT_EQ(width, expected.totalWidth);
        EXPECT_EQ(gotCaptions, expected.captions);
        total += set->count();
    }
    EXPECT_EQ(std::size(kSets), 34u);
    EXPECT_EQ(total, 195);
}

TEST_F(RegisteredSets, PictureColumnsShareTheStoredPictures) {
    mdlQuorvel::SetGridHeaders();
    int checks = 0, pictures = 0;
    for (const ExpectedSet& expected : kSets) {
        const auto set = registry->GetHeaders(expected.name);
        for (const auto& column : *set) {
            switch (column->TextAlign()) {
            case kColumnCheckMark:
                ++checks;
                EXPECT_EQ(column->Width(), 25);
                EXPECT_EQ(column->MinorImageWidth(), 10);
                EXPECT_EQ(column->MaxorImageHeight(), 20);
                EXPECT_EQ(column->ImageHDC(), &images->GetImageHDC("チェック"));
                EXPECT_EQ(column->ImageMaskHDC(), &images->GetImageHDC("チェックmask"));
                break;
            case kColumnPicture:
                ++pictures;
                EXPECT_EQ(column->Width(), 35);
                EXPECT_EQ(column->MinorImageWidth(), 20);
                EXPECT_EQ(column->MaxorImageHeight(), 20);
                EXPECT_EQ(column->ImageMaskHDC(),
                          &images->GetImageHDC(column->Name() == "安定" || column->Name() == "流行"
                                                   ? "企業mask"
                                                   : column->Name() + "mask"));
                break;
            default:
                EXPECT_EQ(column->MinorImageWidth(), 0);
                EXPECT_EQ(column->MaxorImageHeight(), 100);
                EXPECT_EQ(column->ImageHDC(), nullptr);
                EXPECT_EQ(column->ImageMaskHDC(), nullptr);
            }
        }
    }
    EXPECT_EQ(checks + pictures, 37);
}

TEST_F(RegisteredSets, AMissingPictureStopsAtItsColumnKeepingThoseBefore) {
    auto withoutMask = ScopedInstall<clsImages>(gImages, pictureStore("企業mask"));
    EXPECT_EQ(errorOf([] { mdlQuorvel::SetGridHeaders(); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(registry->GetHeaderCols("Company"), 4);
    EXPECT_EQ(registry->GetHeaderCols("加工屋"), 0);
}

} // namespace
