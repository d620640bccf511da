// The longest texts our data and the game's records can put into a list
// cell or a bracket's name box are drawn whole: no ink is cut at a cell's
// lines or a box's edge.
#include "host/ui/ui_fixture.h"

#include "battleview/cls_tournament.h"
#include "grids/columns/gg_ver2_headers.h"
#include "grids/columns/set_grid_headers.h"
#include "grids/list_grid/ctr_graphical_grid_ver2.h"
#include "grids/list_grid/grid_settings.h"

#include "platform/drawing/graphical_controls_props.h"
#include "platform/files/cls_file.h"
#include "platform/files/gfile.h"
#include "platform/graphics/images.h"
#include "platform/masterdata/game_data_sections.h"
#include "platform/masterdata/load_game_data.h"

#include "host/gdi/fill.h"
#include "host/gdi/text_layout.h"
#include "host/runtime/strings.h"
#include "host/ui/picture_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

using host::gdi::COLORREF;
using host::runtime::ScopedInstall;

namespace {

constexpr COLORREF kGround = host::gdi::RGB(20, 40, 60);

int widthIn(const host::gdi::Font& font, const std::string& text) {
    return host::gdi::layoutText(font, text, {.singleLine = true}).front().width;
}

// The text of the list that is widest in the font.
std::string widest(const std::vector<std::string>& texts, const host::gdi::Font& font) {
    return *std::max_element(texts.begin(), texts.end(), [&](const std::string& a, const std::string& b) {
        return widthIn(font, a) < widthIn(font, b);
    });
}

// The packed master data beside the test program, as the game reads it.
class PackedData : public mdlQuorvel::GameDataReceiver {
  public:
    PackedData() {
        const ScopedInstall file(gFile, std::make_unique<clsFile>());
        mdlQuorvel::LoadGameData(*this);
    }
    void SetGameData(const std::vector<std::uint8_t>& arrByt) override { sections = SplitGameData(arrByt); }

    // The first field of every row of the section.
    std::vector<std::string> names(int section) const {
        std::vector<std::string> found;
        for (const auto& row :
             host::runtime::Split(sections.section.at(static_cast<std::size_t>(section)), "\r\n")) {
            const std::vector<std::string> fields = host::runtime::Split(row, ",");
            if (!fields.empty() && !fields.front().empty()) found.push_back(fields.front());
        }
        return found;
    }

    GameDataSections sections;
};

// The pattern with every "9" turned into the font's widest digit: at least
// as wide as any text of that pattern.
std::string widestDigits(std::string pattern, const host::gdi::Font& font) {
    char digit = '0';
    for (char d = '1'; d <= '9'; ++d)
        if (font.glyph(static_cast<char32_t>(d)).advance > font.glyph(static_cast<char32_t>(digit)).advance)
            digit = d;
    std::replace(pattern.begin(), pattern.end(), '9', digit);
    return pattern;
}

// The leftmost and rightmost columns in which two pictures differ within
// the rows top..bottom; {-1, -1} when they do not.
std::pair<int, int> inkColumns(const host::gdi::Bitmap& with, const host::gdi::Bitmap& without, int top,
                               int bottom) {
    std::pair<int, int> ink{-1, -1};
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                if (ink.first < 0 || x < ink.first) ink.first = x;
                ink.second = std::max(ink.second, x);
            }
    return ink;
}

// Pictures the column sets name, as small blank ones.
std::unique_ptr<clsImages> blankPictures() {
    auto images = std::make_unique<clsImages>();
    for (const char* name : {"チェック", "企業", "不満", "調子"}) {
        for (const std::string& key : {std::string(name), std::string(name) + "mask"}) {
            auto dc = std::make_unique<host::gdi::DeviceContext>(20, 40);
            images->AddImage(key, dc, 20, 40);
        }
    }
    return images;
}

class TextFit : public ui_test::UiTest {
  protected:
    TextFit() { mdlQuorvel::SetGridHeaders(); }

    // The grid of the column set showing one row with the text in column c
    // and nothing elsewhere, as the main form's lists draw it.
    host::gdi::Bitmap gridRow(const std::string& set, std::int16_t c, const std::string& text) {
        host::gdi::FillRect(screen.hDC(), {0, 0, 800, 600}, host::gdi::Brush{kGround});
        ctrGraphicalGridVer2 grid;
        grid.setParent(&screen);
        grid.Move(0, 0, 10, 10);
        grid.ReadProperties(*storedGridSettings("GGSetting"));
        const auto columns = GGVer2Headers().GetHeaders(set);
        const auto cols = static_cast<std::int16_t>(GGVer2Headers().GetHeaderCols(set) - 1);
        grid.SetBackImage(screen.hDC(), 0, 0);
        grid.SetGrid(columns, 3, 0, cols, 0);
        grid.Row(0);
        grid.Col(c);
        grid.Value(text);
        grid.Paint(-1, 0);
        return grid.Disp().hDC().bitmap();
    }

    ScopedInstall<clsImages> images{gImages, blankPictures()};
    ScopedInstall<clsGGVer2Headers> registry{gGGVer2Headers, std::make_unique<clsGGVer2Headers>()};
    host::ui::PictureBox& screen = place<host::ui::PictureBox>(form, 0, 0, 800, 600, "picScreen");
};

TEST_F(TextFit, TheLongestTextOfEachListCellIsDrawnWhole) {
    const PackedData data;
    const GridSettings settings = *storedGridSettings("GGSetting");
    const auto font = CreateFontHandle(settings.FontSize, settings.Font.bold, settings.Font.name);
    const std::string student = widest(data.names(GameDataSection::StudentNames), *font);
    const std::string teacher = widest(data.names(GameDataSection::Teachers), *font);
    const std::string item = widest(data.names(GameDataSection::Items), *font);
    // Saved times "yyyy/mm/dd hh:mm:ss", play time up to 9999 hours, any
    // amount a 32-bit field holds.
    const std::string saved = widestDigits("9999/99/99 99:99:99", *font);
    const std::string played = widestDigits("9999時間99分", *font);
    const std::string kingdomDate = widestDigits("9999年99月99日", *font);
    const std::string amount = widestDigits("-9999999999", *font);
    const std::map<std::string, std::string> longestByCaption = {
        {"生徒名", student},  {"名前", student},   {"教師名", teacher},    {"教師", teacher},
        {"アイテム名", item}, {"アイテム", item},  {"加工アイテム", item}, {"交換アイテム", item},
        {"必要素材", item},   {"記録日時", saved}, {"プレイ時間", played}, {"王国暦", kingdomDate},
        {"資金", amount},     {"王国pt", amount},
    };
    const std::string sets[] = {"加工屋", "ポイント交換所", "アイテム店",   "アイテム",
                                "教師",   "新入生",         "生徒",         "アイテムを使う",
                                "卒業生", "授業",           "担当教師",     "授業アイテム",
                                "編成",   "戦闘アイテム",   "建物アイテム", "セーブデータ"};
    int checked = 0;
    for (const std::string& set : sets) {
        const auto columns = GGVer2Headers().GetHeaders(set);
        int left = 0;
        for (std::int16_t c = 0; c < GGVer2Headers().GetHeaderCols(set); ++c) {
            const clsGGVer2Header& column = *columns->item("header" + std::to_string(c + 1));
            const auto longest = longestByCaption.find(column.Name());
            if (longest != longestByCaption.end()) {
                const auto ink = inkColumns(gridRow(set, c, longest->second), gridRow(set, c, ""),
                                            settings.RowHeight + 1, 2 * settings.RowHeight - 1);
                // A pixel of space from the column's left line and its right edge line.
                EXPECT_GE(ink.first, left + 2) << set << " " << column.Name() << ": " << longest->second;
                EXPECT_LE(ink.second, left + column.Width() - 3)
                    << set << " " << column.Name() << ": " << longest->second;
                ++checked;
            }
            left += column.Width();
        }
    }
    EXPECT_GE(checked, 20);
}

TEST_F(TextFit, TheLongestSchoolNameStandsWholeInTheBracketsNameBoxes) {
    const PackedData data;
    std::vector<std::string> schools = data.names(GameDataSection::RivalSchools);
    schools.push_back("ミルトナ騎士団");
    constexpr int kNameBox = 160;
    const auto bracket = [&](const std::string& name) {
        host::ui::PictureBox picture;
        picture.setParent(&form);
        picture.Move(0, 0, 800, 480);
        host::gdi::FillRect(picture.hDC(), {0, 0, 800, 480}, host::gdi::Brush{kGround});
        clsTournament tournament;
        tournament.SetColor(9, 2);
        tournament.SetPicture(picture);
        tournament.SetTournament("", 2, 800, 480);
        tournament.SetIntervenor(1, name);
        tournament.SetIntervenor(2, name);
        tournament.InitDraw();
        return picture.hDC().bitmap();
    };
    const auto font = CreateFontHandle(14, false, "");
    const std::string longest = widest(schools, *font);
    const host::gdi::Bitmap named = bracket(longest);
    const host::gdi::Bitmap unnamed = bracket("");
    // Names stand against the bracket's lines: a cut would show at the box's outer edge.
    const struct {
        int left;
        bool outerEdgeLeft;
    } boxes[] = {{.left = 0, .outerEdgeLeft = true}, {.left = 800 - kNameBox, .outerEdgeLeft = false}};
    for (const auto& box : boxes) {
        host::gdi::Bitmap withName(kNameBox, 480), withoutName(kNameBox, 480);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < kNameBox; ++x) {
                withName.setPixel(x, y, named.pixel(box.left + x, y));
                withoutName.setPixel(x, y, unnamed.pixel(box.left + x, y));
            }
        const auto ink = inkColumns(withName, withoutName, 0, 480);
        ASSERT_GE(ink.first, 0) << longest;
        if (box.outerEdgeLeft) {
            EXPECT_GE(ink.first, 1) << longest << " in the left box";
        } else {
            EXPECT_LE(ink.second, kNameBox - 2) << longest << " in the right box";
        }
    }
}

} // namespace
