#include "grids/columns/set_grid_headers.h"

#include "grids/columns/column_kinds.h"
#include "grids/columns/gg_ver2_headers.h"

#include "platform/graphics/images.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Column {
    const char* caption;
    std::int32_t kind;
    std::int16_t width;
    const char* picture; // check and picture columns only
};

constexpr Column check{"", kColumnCheckMark, 25, "チェック"};
constexpr Column centred(const char* caption, std::int16_t width) {
    return {caption, kColumnTextCentred, width, nullptr};
}
constexpr Column right(const char* caption, std::int16_t width) {
    return {caption, kColumnTextRight, width, nullptr};
}
constexpr Column picture(const char* caption, const char* picture) {
    return {caption, kColumnPicture, 35, picture};
}
constexpr Column hidden{"", kColumnEnd, 0, nullptr};

struct ColumnSet {
    const char* name;
    std::vector<Column> columns;
};

// Each check picture holds its two 10 x 10 states one above the other; each
// status picture holds 20 x 20 frames from the top.
constexpr std::int16_t kCheckWidth = 10, kCheckHeight = 20;
constexpr std::int16_t kFrameSize = 20;
constexpr std::int16_t kTextMax = 100;

const ColumnSet kColumnSets[] = {
    {"Company",
     {check, centred("会社名", 150), right("株価", 60), right("持株", 40), picture("安定", "企業"),
      picture("流行", "企業"), right("前回比", 60)}},
    {"加工屋",
     {check, centred("加工アイテム", 120), right("値段", 50), right("数量", 50), centred("必要素材", 100),
      centred("必要素材", 100)}},
    {"ポイント交換所", {check, centred("交換アイテム", 200), right("金額", 80), right("ポイント", 60)}},
    {"チケット引換所", {check, centred("チケット", 150), right("数量", 50)}},
    {"王国許可局",
     {check, centred("施設名", 140), right("金額", 80), centred("設置場所", 80), right("日数", 40)}},
    {"アイテム店", {check, centred("アイテム名", 140), right("金額", 80), right("数量", 50)}},
    {"倉庫", {check, right("値段", 80), hidden}},
    {"依頼", {check, centred("依頼", 160), right("体力", 60), right("賃金", 60), right("王国Pt", 60)}},
    {"アルバイト",
     {check, centred("アルバイト", 160), right("体力", 60), right("賃金", 60), right("王国Pt", 60)}},
    {"学園", {check, centred("建物", 160)}},
    {"校舎", {check, centred("教室", 160)}},
    {"寮", {check, centred("施設", 160)}},
    {"アイテム", {centred("種類", 120), centred("アイテム名", 140), right("金額", 60), right("数量", 50)}},
    {"スポンサー",
     {centred("会社名", 150), right("残り期間", 80), right("契約金", 60), right("持株", 60),
      right("株価", 60)}},
    {"モンスター",
     {right("No", 25), centred("モンスター名", 140), centred("タイプ", 60), right("体力", 50),
      right("攻撃", 40), right("防御", 40), right("速度", 40), right("勝利", 40)}},
    {"スカウト",
     {check, centred("スカウト名", 100), centred("出身", 40), centred("年齢", 40), centred("成長", 40),
      right("期間", 40), centred("能力", 40), centred("人数", 40), right("給料", 60)}},
    {"教師",
     {check, centred("教師名", 120), centred("性格", 50), centred("方針", 80), right("年齢", 40),
      right("期間", 40), right("給料", 60), picture("不満", "不満"), right("能力", 40)}},
    {"新入生",
     {check, centred("生徒名", 120), centred("出身", 60), centred("性格", 50), right("年齢", 40),
      right("能力", 40)}},
    {"生徒",
     {check, centred("生徒名", 120), right("学年", 40), right("年齢", 40), right("現体力", 50),
      centred("性格", 50), picture("調子", "調子"), picture("不満", "不満"), right("能力", 40),
      centred("進路", 80)}},
    {"アイテムを使う", {check, centred("アイテム名", 140), centred("危険度", 50), right("数量", 50)}},
    {"新規スポンサー",
     {check, centred("会社名", 120), right("契約期間", 80), right("契約金", 60), right("持株", 60),
      right("株価", 60)}},
    {"卒業生",
     {centred("職業", 100), centred("名前", 120), right("年齢", 50), centred("出身", 60), right("卒業年", 60),
      right("能力", 40)}},
    {"授業",
     {check, centred("生徒名", 120), centred("授業", 120), centred("教師", 120), centred("アイテム", 140),
      right("能力", 40), centred("性格", 40)}},
    {"担当授業",
     {check, centred("授業", 120), centred("能力", 70), right("体力", 50), centred("レベル", 50),
      centred("リスク", 50)}},
    {"担当教師",
     {check, centred("教師名", 120), centred("性格", 50), centred("方針", 80), right("能力", 50)}},
    {"授業アイテム",
     {check, centred("アイテム", 140), right("効果", 50), centred("危険度", 60), centred("壊れ度", 60)}},
    {"編成",
     {check, centred("生徒名", 120), right("年齢", 33), right("学年", 33), right("体力", 33),
      right("筋力", 33), right("敏捷", 33), right("技術", 33), right("意思", 33), right("頑丈", 33),
      right("剣術", 33), right("槍術", 33), right("弓術", 33), right("馬術", 33), right("攻撃", 33),
      right("防御", 33), right("奇襲", 33), picture("調子", "調子"), picture("不満", "不満")}},
    {"陣形選択",
     {check, centred("陣形名", 100), centred("主陣形", 80), centred("副陣形", 80), right("速度", 40),
      right("気力", 40)}},
    {"戦闘アイテム",
     {check, centred("アイテム名", 120), centred("攻", 20), centred("防", 20), centred("奇", 20),
      centred("剣", 20), centred("槍", 20), centred("弓", 20), centred("騎", 20), right("体力", 45),
      right("攻撃", 45), right("防御", 45), right("気力", 45), right("速度", 45)}},
    {"合宿", {check, centred("合宿先", 150), right("合宿費", 80)}},
    {"建物アイテム", {check, centred("アイテム名", 140), centred("影響力", 60)}},
    {"ボーナス", {check, right("お金", 80), centred("効果", 60)}},
    {"進路", {check, right("お金", 100)}},
    {"セーブデータ",
     {check, right("No", 25), centred("記録日時", 150), right("王国暦", 120), right("資金", 80),
      right("王国pt", 80), right("プレイ時間", 100)}},
};

} // namespace

namespace mdlQuorvel {

void SetGridHeaders() {
    clsGGVer2Headers& registry = GGVer2Headers();
    for (const ColumnSet& set : kColumnSets) {
        std::int16_t index = 0;
        for (const Column& column : set.columns) {
            ++index;
            if (column.picture == nullptr) {
                registry.Add(set.name, column.caption, column.kind, index, column.width, "", 0, kTextMax,
                             nullptr, nullptr);
                continue;
            }
            host::gdi::DeviceContext& image = Images().GetImageHDC(column.picture);
            host::gdi::DeviceContext& mask = Images().GetImageHDC(std::string(column.picture) + "mask");
            const bool isCheck = column.kind == kColumnCheckMark;
            registry.Add(set.name, column.caption, column.kind, index, column.width, "",
                         isCheck ? kCheckWidth : kFrameSize, isCheck ? kCheckHeight : kFrameSize, &image,
                         &mask);
        }
    }
}

} // namespace mdlQuorvel
