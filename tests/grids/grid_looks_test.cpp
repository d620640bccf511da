#include "grids/columns/gg_ver2_headers.h"
#include "grids/columns/set_grid_headers.h"
#include "grids/list_grid/ctr_graphical_grid_ver2.h"

#include "grids/list_grid/grid_paint_fixture.h"
#include "toolkit/toolkit_fixture.h"

#include "platform/graphics/images.h"

#include "host/ui/compose.h"

#include <map>

using host::runtime::ScopedInstall;

namespace {

// The game's column sets, in registration order.
const char* const kSetNames[] = {
    "Company",      "加工屋",         "ポイント交換所", "チケット引換所", "王国許可局",   "アイテム店",
    "倉庫",         "依頼",           "アルバイト",     "学園",           "校舎",         "寮",
    "アイテム",     "スポンサー",     "モンスター",     "スカウト",       "教師",         "新入生",
    "生徒",         "アイテムを使う", "新規スポンサー", "卒業生",         "授業",         "担当授業",
    "担当教師",     "授業アイテム",   "編成",           "陣形選択",       "戦闘アイテム", "合宿",
    "建物アイテム", "ボーナス",       "進路",           "セーブデータ",
};

// Sample cells by caption, taken in turn down the rows.
const std::map<std::string, std::vector<std::string>> kSamples = {
    {"会社名", {"アルテア商会", "ベルク鉄工", "カリナ織物", "ドーラ薬房", "エルム書林"}},
    {"生徒名", {"アレン", "セシリア", "ガルド", "ミーナ", "ユリウス", "リタ", "トマス"}},
    {"教師名", {"ハインツ", "オルガ", "ベネディクト", "ソフィア"}},
    {"スカウト名", {"ロイド", "マルタ", "ジーク"}},
    {"名前", {"アレン", "セシリア", "ガルド"}},
    {"教師", {"ハインツ", "オルガ", "ソフィア"}},
    {"出身", {"王都", "港町", "山村", "北領"}},
    {"性格", {"勇敢", "慎重", "陽気", "冷静"}},
    {"方針", {"厳格", "放任", "実践"}},
    {"成長", {"早熟", "普通", "晩成"}},
    {"進路", {"騎士団", "商人", "未定"}},
    {"職業", {"騎士", "商人", "学者"}},
    {"種類", {"武器", "薬品", "素材"}},
    {"アイテム名", {"鉄の剣", "回復薬", "革の盾", "魔法の杖", "銀の槍"}},
    {"アイテム", {"木の盾", "砂時計", "訓練人形"}},
    {"加工アイテム", {"鋼の剣", "上回復薬", "鎖帷子"}},
    {"交換アイテム", {"王家の紋章", "名馬の手綱", "古代の書"}},
    {"必要素材", {"鉄鉱石", "薬草", "獣の皮"}},
    {"チケット", {"春の福引券", "夏の福引券", "特別券"}},
    {"施設名", {"図書館", "訓練場", "食堂", "浴場"}},
    {"建物", {"正門", "講堂", "時計塔"}},
    {"教室", {"第一教室", "音楽室", "実験室"}},
    {"施設", {"大浴場", "談話室", "売店"}},
    {"設置場所", {"学園", "校舎", "寮"}},
    {"依頼", {"薬草採取", "街道の警備", "盗賊退治"}},
    {"アルバイト", {"荷運び", "店番", "畑仕事"}},
    {"モンスター名", {"スライム", "ゴブリン", "大コウモリ", "石像兵"}},
    {"タイプ", {"獣", "魔", "竜", "霊"}},
    {"授業", {"剣術基礎", "王国史", "乗馬", "弓術"}},
    {"陣形名", {"鶴翼", "魚鱗", "鋒矢", "方円"}},
    {"主陣形", {"攻撃", "防御", "奇襲"}},
    {"副陣形", {"防御", "奇襲", "攻撃"}},
    {"合宿先", {"海辺の村", "雪山の小屋", "森の砦"}},
    {"効果", {"小", "中", "大"}},
    {"影響力", {"C", "B", "A"}},
    {"危険度", {"低", "中", "高"}},
    {"壊れ度", {"低", "中", "高"}},
    {"リスク", {"低", "中", "高"}},
    {"レベル", {"初級", "中級", "上級"}},
    {"能力", {"C", "B", "A", "S"}},
    {"記録日時", {"2026/12/01 21:14:05", "2026/12/03 08:40:51"}},
    {"王国暦", {"25年 6月 14日", "26年 1月 3日"}},
    {"プレイ時間", {"12時間04分", "1234時間56分"}},
    {"前回比", {"+12", "-5", "+3", "0"}},
    {"攻", {"○", "－"}},
    {"防", {"－", "○"}},
    {"奇", {"○"}},
    {"剣", {"○", "－"}},
    {"槍", {"－"}},
    {"弓", {"○", "－"}},
    {"騎", {"－", "○"}},
};

std::string sampleCell(const clsGGVer2Header& column, int row) {
    switch (column.TextAlign()) {
    case kColumnCheckMark:
        return row == 1 ? "1" : "0";
    case kColumnPicture:
        return std::to_string((row * 3 + column.Index()) % 5);
    case kColumnEnd:
        return "ID" + std::to_string(row);
    default:
        break;
    }
    if (column.Name() == "No") return std::to_string(row + 1);
    if (const auto it = kSamples.find(column.Name()); it != kSamples.end())
        return it->second[static_cast<std::size_t>(row) % it->second.size()];
    return std::to_string((row * 37 + column.Index() * 11) % (column.Width() > 50 ? 2000 : 99) + 1);
}

// The pictures the column sets name, drawn like the game's, in the store.
std::unique_ptr<clsImages> pictureStore() {
    auto images = std::make_unique<clsImages>();
    const auto add = [&](const std::string& name, gridtest::MaskedPicture picture) {
        const int w = picture.picture->bitmap().width();
        const int h = picture.picture->bitmap().height();
        images->AddImage(name, picture.picture, w, h);
        images->AddImage(name + "mask", picture.mask, w, h);
    };
    add("チェック", gridtest::checkPicture());
    for (const char* name : {"企業", "不満", "調子"})
        add(name, gridtest::statusPicture());
    return images;
}

class GridLooks : public ui_test::UiTest {
  protected:
    ScopedInstall<clsImages> images{gImages, pictureStore()};
    ScopedInstall<clsGGVer2Headers> registry{gGGVer2Headers, std::make_unique<clsGGVer2Headers>()};
    host::ui::PictureBox& screen = place<host::ui::PictureBox>(form, 0, 0, 800, 600, "picScreen");
};

// Every registered column set in a grid of the school screen's look over a
// painted scene, four to a sheet, written to looks/grids_N.png. Some grids
// scroll, the second row of each is checked, and the pointer hovers a row
// of the last grid of each sheet.
TEST_F(GridLooks, RendersAGridOfEveryColumnSet) {
    mdlQuorvel::SetGridHeaders();
    constexpr int kPerSheet = 4;
    constexpr std::int16_t kVisibleRows = 7;
    int sheet = 0;
    for (std::size_t first = 0; first < std::size(kSetNames); first += kPerSheet) {
        toolkit_test::paintScene(screen.hDC().bitmap());
        std::vector<std::unique_ptr<ctrGraphicalGridVer2>> grids;
        for (std::size_t i = first; i < std::min(first + kPerSheet, std::size(kSetNames)); ++i) {
            const std::string name = kSetNames[i];
            auto grid = std::make_unique<ctrGraphicalGridVer2>();
            grid->setParent(&screen);
            grid->Move(20, 10 + static_cast<int>(i - first) * 148, 10, 10);
            grid->ReadProperties(*storedGridSettings("GGSchool"));
            const auto columns = GGVer2Headers().GetHeaders(name);
            const auto cols = static_cast<std::int16_t>(GGVer2Headers().GetHeaderCols(name) - 1);
            const auto rows = static_cast<std::int16_t>(4 + (i * 5) % 9);
            grid->SetBackImage(screen.hDC(), static_cast<std::int16_t>(grid->Left()),
                               static_cast<std::int16_t>(grid->Top()));
            grid->SetGrid(columns, kVisibleRows, static_cast<std::int16_t>(rows - 1), cols, 0);
            for (std::int16_t r = 0; r < rows; ++r) {
                grid->Row(r);
                for (std::int16_t c = 0; c <= cols; ++c) {
                    grid->Col(c);
                    grid->Value(sampleCell(*columns->item("header" + std::to_string(c + 1)), r));
                }
            }
            grid->Paint(-1, 0);
            if (grid->HasCheckColumn()) grid->Checked(1, true);
            grids.push_back(std::move(grid));
        }
        const ctrGraphicalGridVer2& last = *grids.back();
        send(host::ui::InputEvent::move(last.Left() + 60, last.Top() + 50));
        host::gdi::DeviceContext frame(800, 600);
        host::ui::Compose(form, frame);
        toolkit_test::writeLook(frame.bitmap(), "grids_" + std::to_string(++sheet) + ".png");
        for (const auto& grid : grids)
            EXPECT_EQ(grid->Width(), grid->TotalWidth() + (grid->ScrollBarShown() ? grid->ScrollWidth() : 0));
        send(host::ui::InputEvent::move(790, 590));
    }
    EXPECT_EQ(sheet, 9);
}

} // namespace

namespace {

// The kinds no registered set uses, left-aligned text and bars, in a grid
// that scrolls, with its thumb picture stretched; written to
// looks/grids_bars.png.
TEST_F(GridLooks, RendersBarsAndLeftAlignedText) {
    toolkit_test::paintScene(screen.hDC().bitmap());
    const gridtest::MaskedPicture check = gridtest::checkPicture();
    const gridtest::MaskedPicture status = gridtest::statusPicture();
    host::gdi::DeviceContext thumb(16, 40);
    host::gdi::FillRect(thumb, {0, 0, 16, 40}, host::gdi::Brush{host::gdi::RGB(70, 90, 140)});
    host::gdi::FillRect(thumb, {2, 2, 14, 38}, host::gdi::Brush{host::gdi::RGB(150, 176, 220)});
    auto& grid = place<ctrGraphicalGridVer2>(screen, 60, 80, 10, 10);
    grid.ReadProperties(*storedGridSettings("GGShop"));
    grid.SetBackImage(screen.hDC(), 60, 80);
    grid.SetScrollBarImage(thumb, true);
    grid.SetGrid(gridtest::pictureColumns({gridtest::kCheck,
                                           {kColumnTextLeft, 140},
                                           {kColumnBar, 160, 0, 100},
                                           {kColumnBar, 120, 0, 50},
                                           gridtest::kStatus},
                                          check, status),
                 8, 11, 4, 22);
    const char* const names[] = {"アレン", "セシリア", "ガルド", "ミーナ", "ユリウス", "リタ",
                                 "トマス", "エマ",     "ロイド", "マルタ", "ジーク",   "オルガ"};
    for (std::int16_t r = 0; r < 12; ++r) {
        grid.Row(r);
        const std::string cells[] = {r == 2 ? "1" : "0", names[r], std::to_string((r * 29) % 101),
                                     std::to_string((r * 13) % 60), std::to_string(r % 5)};
        for (std::int16_t c = 0; c < 5; ++c) {
            grid.Col(c);
            grid.Value(cells[c]);
        }
    }
    grid.Paint(2, 1);
    send(host::ui::InputEvent::move(grid.Left() + 100, grid.Top() + 70));
    host::gdi::DeviceContext frame(800, 600);
    host::ui::Compose(form, frame);
    toolkit_test::writeLook(frame.bitmap(), "grids_bars.png");
    EXPECT_EQ(grid.GetData(0, 2), "88");
}

} // namespace
