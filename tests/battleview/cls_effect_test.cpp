#include "battleview/cls_effect.h"

#include "battle_scene.h"

#include "host/gdi/fill.h"
#include "host/runtime/runtime_error.h"
#include "host/ui/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using battleview_test::Cell;
using battleview_test::column;
using battleview_test::Combatant;
using host::gdi::COLORREF;
using host::gdi::RGB;

constexpr COLORREF kGround = RGB(90, 90, 90);
constexpr COLORREF kSwordLeft = RGB(200, 60, 60);
constexpr COLORREF kSwordRight = RGB(60, 60, 200);
constexpr COLORREF kMonster = RGB(0, 200, 0);
const std::vector<COLORREF> kLeftFrames = {RGB(250, 10, 10), RGB(250, 20, 20), RGB(250, 30, 30),
                                           RGB(250, 40, 40)};
const std::vector<COLORREF> kRightFrames = {RGB(10, 10, 250), RGB(20, 20, 250), RGB(30, 30, 250),
                                            RGB(40, 40, 250)};
const std::vector<COLORREF> kCommonFrames = {RGB(10, 250, 10), RGB(20, 250, 20), RGB(30, 250, 30)};

const char* const kRows = "剣,False,False,1,3,saku00\r\n"
                          "気合,True,False,1,3,power35\r\n"
                          "モンスター基本攻撃,True,False,1,3,hit02\r\n"
                          "\r\n"
                          "竜巻,True,True,2,3,open22\r\n"
                          "突撃,False,True,1,4,don12\r\n"
                          "押しつぶす,True,True,1,3,bosu23\r\n"
                          "挑発,False,True,1,3,puu23\r\n"
                          "津波,True,True,1,1,mizu07";

// A battle picture with the effect table, test pictures and two combatants.
class EffectTest : public testing::Test {
  protected:
    EffectTest() {
        picture.setParent(&form);
        picture.Move(0, 0, 800, 600);
        images.addPlain("剣士左", 50, 50, kSwordLeft);
        images.addPlain("剣士右", 50, 50, kSwordRight);
        images.addPlain("スライム", 80, 40, kMonster);
        images.addFrames("剣左", 50, 50, {kLeftFrames[0], kLeftFrames[1], kLeftFrames[2]});
        images.addFrames("剣右", 50, 50, {kRightFrames[0], kRightFrames[1], kRightFrames[2]});
        images.addFrames("気合", 50, 50, kCommonFrames);
        images.addFrames("モンスター基本攻撃", 50, 50, kCommonFrames);
        images.addFrames("竜巻", 100, 200, kCommonFrames, false);
        images.addFrames("突撃左", 300, 150, kLeftFrames);
        images.addFrames("突撃右", 300, 150, kRightFrames);
        images.addFrames("押しつぶす", 300, 200, kCommonFrames);
        images.addFrames("挑発左", 200, 100, {kLeftFrames[0], kLeftFrames[1], kLeftFrames[2]});
        images.addFrames("挑発右", 200, 100, {kRightFrames[0], kRightFrames[1], kRightFrames[2]});
        images.addPlain("津波", 200, 300, kCommonFrames[0]);
        effect.SetPB(picture);
        effect.SetfrmHDC(picture.hDC());
        effect.SetData(kRows);
        services->onWait = [this](double ms) {
            frames.push_back(picture.hDC().bitmap());
            waits.push_back(ms);
        };
    }

    void start(clsUnit& left, clsUnit& right) {
        host::gdi::FillRect(picture.hDC(), {0, 0, 800, 600}, host::gdi::Brush{kGround});
        effect.SetUnit(left, right);
        effect.ImageInit();
    }
    COLORREF at(int x, int y) { return picture.hDC().bitmap().pixel(x, y); }

    battleview_test::ScopedImages images;
    battleview_test::ScopedWatchedServices services;
    host::ui::Form form;
    host::ui::PictureBox picture;
    clsEffect effect;
    std::vector<host::gdi::Bitmap> frames;
    std::vector<double> waits;
};

const std::vector<Cell> kDiagonal = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}};

TEST_F(EffectTest, SpritesStandOnMirroredCellsAndMonstersAtTheirSize) {
    Combatant left({.name = "東"}, {}, kDiagonal);
    Combatant right({.name = "西"}, {}, {{1, 1}, {2, 1}, {5, 3}, {1, 5}, {3, 5}});
    start(left.unit, right.unit);
    for (const Cell& c : kDiagonal)
        EXPECT_EQ(at(50 * (c.x - 1) + 25, 250 + 50 * (c.y - 1) + 25), kSwordLeft) << c.x << "," << c.y;
    for (const Cell& c : std::vector<Cell>{{1, 1}, {2, 1}, {5, 3}, {1, 5}, {3, 5}})
        EXPECT_EQ(at(800 - 50 * c.x + 25, 250 + 50 * (c.y - 1) + 25), kSwordRight) << c.x << "," << c.y;
    // Black around the cells lets the field show through; the top is untouched.
    EXPECT_EQ(at(75, 275), kGround);
    EXPECT_EQ(at(625, 375), kGround);
    EXPECT_EQ(at(300, 100), kGround);

    const struct {
        std::int16_t size;
        host::gdi::Rect drawn;
    } monsters[] = {
        {.size = 10, .drawn = {560, 380, 640, 420}},
        {.size = 5, .drawn = {580, 390, 620, 410}},
    };
    for (const auto& m : monsters) {
        SCOPED_TRACE(m.size);
        auto slime = Combatant::monster({.name = "スライム"}, m.size);
        start(left.unit, slime->unit);
        EXPECT_EQ(at(m.drawn.left, m.drawn.top), kMonster);
        EXPECT_EQ(at(m.drawn.right - 1, m.drawn.bottom - 1), kMonster);
        EXPECT_EQ(at(m.drawn.left - 1, m.drawn.top), kGround);
        EXPECT_EQ(at(m.drawn.right, m.drawn.bottom - 1), kGround);
        EXPECT_EQ(at(m.drawn.left, m.drawn.bottom), kGround);
    }
}

TEST_F(EffectTest, SpotEffectsPlayFrameByFrameOnTheTargetCells) {
    Combatant left({.name = "東"}, {}, kDiagonal);
    Combatant right({.name = "西"}, {}, column(2));
    auto slime = Combatant::monster({.name = "スライム"}, 10);
    const std::vector<host::gdi::Point> rightCells = {
        {700, 250}, {700, 300}, {700, 350}, {700, 400}, {700, 450}};
    const std::vector<host::gdi::Point> leftCells = {{0, 250}, {50, 300}, {100, 350}, {150, 400}, {200, 450}};
    const struct {
        const char* name;
        std::string skill = {};
        std::string effectName = {};
        std::string side = {};
        bool againstMonster = false;
        std::vector<COLORREF> colours = {};
        std::vector<host::gdi::Point> spots = {};
        std::string sound = {};
    } cases[] = {
        {.name = "the left's sword on the right's cells",
         .effectName = "剣",
         .side = "左",
         .againstMonster = false,
         .colours = {kLeftFrames[0], kLeftFrames[1], kLeftFrames[2]},
         .spots = rightCells,
         .sound = "saku00"},
        {.name = "the right's sword takes its own picture onto the left's cells",
         .effectName = "剣",
         .side = "右",
         .againstMonster = false,
         .colours = {kRightFrames[0], kRightFrames[1], kRightFrames[2]},
         .spots = leftCells,
         .sound = "saku00"},
        {.name = "気合 named by the skill plays on the attacker's own cells",
         .skill = "気合",
         .side = "左",
         .againstMonster = false,
         .colours = kCommonFrames,
         .spots = leftCells,
         .sound = "power35"},
        {.name = "an attack on a monster plays on its one spot",
         .effectName = "剣",
         .side = "左",
         .againstMonster = true,
         .colours = {kLeftFrames[0], kLeftFrames[1], kLeftFrames[2]},
         .spots = {{575, 375}},
         .sound = "saku00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start(left.unit, c.againstMonster ? slime->unit : right.unit);
        frames.clear();
        waits.clear();
        const std::size_t soundsBefore = services->played().size();
        effect.AttackEffect(c.skill, c.effectName, c.side);
        ASSERT_EQ(services->played().size(), soundsBefore + 1);
        EXPECT_EQ(services->played().back(), c.sound);
        EXPECT_EQ(waits, std::vector<double>(3, 150));
        ASSERT_EQ(frames.size(), 3u);
        for (std::size_t m = 0; m < frames.size(); ++m)
            for (const host::gdi::Point& spot : c.spots)
                EXPECT_EQ(frames[m].pixel(spot.x + 25, spot.y + 25), c.colours[m]) << m;
        // The field is drawn again after the last frame.
        EXPECT_EQ(at(25, 275), kSwordLeft);
    }
}

// The rightmost pixel of that colour in a row of a frame; -1 when none.
int rightmost(const host::gdi::Bitmap& frame, int y, COLORREF colour) {
    for (int x = frame.width() - 1; x >= 0; --x)
        if (frame.pixel(x, y) == colour) return x;
    return -1;
}

TEST_F(EffectTest, FieldWideEffectsMoveAndWaitAsTheirRowsSay) {
    Combatant left({.name = "東"}, {}, column(5));
    Combatant right({.name = "西"}, {}, column(5));
    start(left.unit, right.unit);

    // 竜巻: seven frames from x0 = 400 - 300 / 3, each frame 100 wide.
    effect.AttackEffect("竜巻", "竜巻", "左");
    EXPECT_EQ(waits, std::vector<double>(7, 150));
    const std::vector<int> tornadoLeft = {300, 300, 275, 225, 150, 50, -75};
    for (std::size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(rightmost(frames[i], 400, kCommonFrames[i % 3]), tornadoLeft[i] + 99) << i;

    // 突撃 of the left: three steps of 100 to the touching fronts, then four frames there.
    frames.clear();
    waits.clear();
    effect.AttackEffect("突撃", "突撃", "左");
    EXPECT_EQ(waits, (std::vector<double>{100, 100, 100, 150, 150, 150, 150}));
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(frames[static_cast<std::size_t>(k - 1)].pixel(200 + 100 * k + 25, 260), kSwordLeft) << k;
        EXPECT_EQ(frames[static_cast<std::size_t>(k - 1)].pixel(200 + 25, 260), kGround) << k;
    }
    // Frames centred over the right half: x 450..750, y 325..475.
    EXPECT_EQ(frames[3].pixel(450, 325), kLeftFrames[0]);
    EXPECT_EQ(frames[6].pixel(749, 474), kLeftFrames[3]);
    EXPECT_EQ(at(525, 260), kSwordLeft);

    // 突撃 of the right comes the other way.
    frames.clear();
    effect.ImageInit();
    effect.AttackEffect("突撃", "突撃", "右");
    EXPECT_EQ(frames[2].pixel(550 - 300 + 25, 260), kSwordRight);
    EXPECT_EQ(frames[3].pixel(50, 325), kRightFrames[0]);

    // 押しつぶす: the right sprite over the left half for 200 ms first.
    frames.clear();
    waits.clear();
    effect.ImageInit();
    effect.AttackEffect("押しつぶす", "", "右");
    EXPECT_EQ(waits, (std::vector<double>{200, 150, 150, 150}));
    EXPECT_EQ(frames[0].pixel(175, 260), kSwordRight);

    // 挑発 plays over the attacker's own half.
    frames.clear();
    effect.ImageInit();
    effect.AttackEffect("挑発", "挑発", "左");
    EXPECT_EQ(frames[0].pixel(100, 350), kLeftFrames[0]);
    EXPECT_EQ(frames[0].pixel(500, 350), kGround);
}

TEST_F(EffectTest, ExceptionsMoveTheRightSpriteOrRaiseTheWave) {
    Combatant left({.name = "東"}, {}, column(5));
    Combatant right({.name = "西"}, {}, column(5));
    start(left.unit, right.unit);
    effect.AttackEffect("津波", "例外", "右");
    EXPECT_EQ(waits, std::vector<double>(6, 100));
    EXPECT_EQ(services->played().back(), "mizu07");
    for (int i = 1; i <= 6; ++i) {
        const auto& frame = frames[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(frame.pixel(400 - 60 * i + 10, 550 - 50 * i), kCommonFrames[0]) << i;
        EXPECT_NE(frame.pixel(400 - 60 * i + 10, 549 - 50 * i), kCommonFrames[0]) << i;
    }

    frames.clear();
    waits.clear();
    const std::size_t soundsBefore = services->played().size();
    effect.AttackEffect("突進", "例外", "右");
    EXPECT_EQ(waits, std::vector<double>(3, 150));
    ASSERT_EQ(services->played().size(), soundsBefore + 1);
    EXPECT_EQ(services->played().back(), "bosu23");
    // The fronts are 300 apart: the right sprite steps 100 at a time toward the left.
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(frames[static_cast<std::size_t>(i - 1)].pixel(550 - 100 * i + 25, 260), kSwordRight) << i;
}

TEST_F(EffectTest, StatusTextsStayInTheirBoxes) {
    Combatant left({.name = "東"}, {}, column(1));
    Combatant right({.name = "西"}, {}, column(1));
    start(left.unit, right.unit);
    const auto whiteIn = [this](host::gdi::Rect box) {
        int count = 0;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x)
                count += at(x, y) == host::gdi::kWhite;
        return count;
    };
    effect.DrawStatus();
    EXPECT_GT(whiteIn({370, 7, 430, 27}), 0);
    EXPECT_GT(whiteIn({370, 37, 430, 57}), 0);
    effect.DrawLeftPhysical(888);
    effect.DrawRightEnergy(77);
    const int eights = whiteIn({321, 10, 371, 25});
    EXPECT_GT(eights, 0);
    EXPECT_GT(whiteIn({429, 40, 479, 55}), 0);
    effect.DrawLeftPhysical(1);
    EXPECT_LT(whiteIn({321, 10, 371, 25}), eights);
    effect.DrawLeftPhysicalUnknown();
    effect.DrawRightPhysicalUnknown();
    effect.DrawLeftEnergyUnknown();
    effect.DrawRightEnergyUnknown();
    EXPECT_GT(whiteIn({321, 7, 371, 27}), 0);
    EXPECT_GT(whiteIn({429, 37, 479, 57}), 0);
    EXPECT_EQ(whiteIn({0, 0, 321, 250}) + whiteIn({479, 0, 800, 250}), 0);
}

TEST_F(EffectTest, BadRowsAndNamesAreRefused) {
    const struct {
        const char* rows;
        host::runtime::ErrorNumber error;
    } tables[] = {
        {.rows = "剣,False,False,1,3,x", .error = host::runtime::ErrorNumber::DuplicateKey},
        {.rows = "短,True,True,1", .error = host::runtime::ErrorNumber::SubscriptOutOfRange},
        {.rows = "数,True,True,一,3,x", .error = host::runtime::ErrorNumber::TypeMismatch},
    };
    for (const auto& t : tables) {
        try {
            effect.SetData(t.rows);
            ADD_FAILURE() << t.rows;
        } catch (const host::runtime::RuntimeError& e) {
            EXPECT_EQ(e.number(), t.error) << t.rows;
        }
    }
    Combatant left({.name = "東"}, {}, column(1));
    Combatant right({.name = "西"}, {}, column(1));
    start(left.unit, right.unit);
    EXPECT_THROW(effect.AttackEffect("", "無い", "左"), host::runtime::RuntimeError);
    // Rows are found whatever the width of their letters.
    EXPECT_NO_THROW(effect.AttackEffect("", "ﾓﾝｽﾀｰ基本攻撃", "左"));
    effect.Clear();
    EXPECT_FALSE(effect.HasSprites());
    EXPECT_THROW(effect.ImageInit(), host::runtime::RuntimeError);
}

} // namespace
