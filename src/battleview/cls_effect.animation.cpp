#include "battleview/cls_effect.h"

#include "platform/graphics/images.h"
#include "platform/services/game_services.h"
#include "platform/sound/sound_names.h"

#include <array>
#include <string_view>

namespace {

constexpr double kFrameWait = 150;
constexpr double kChargeWait = 100;
constexpr double kCrushWait = 200;
constexpr double kWaveWait = 100;
constexpr std::int32_t kSteps = 3;

// Spot effects that play on the attacker's own cells.
constexpr std::array<std::string_view, 4> kOwnSide = {"ベルセルク", "精神統一", "座禅", "気合"};
// Field-wide effects that carry the attacker to the opponent's front first.
constexpr std::array<std::string_view, 3> kCharges = {"牙突", "切り込み", "突撃"};

constexpr std::string_view kException = "例外";
constexpr std::string_view kTaunt = "挑発";
constexpr std::string_view kTornado = "竜巻";
constexpr std::string_view kGaleSword = "烈風剣";
constexpr std::string_view kCrush = "押しつぶす";
constexpr std::string_view kTsunami = "津波";
constexpr std::int16_t kTornadoLastFrame = 6;
constexpr std::int16_t kGaleSwordLastFrame = 8;
// The monster's one spot, the middle of the right half.
constexpr host::gdi::Point kMonsterSpot{575, 375};

template <std::size_t N> bool oneOf(const std::array<std::string_view, N>& names, const std::string& name) {
    for (std::string_view candidate : names)
        if (candidate == name) return true;
    return false;
}

std::string pictureOf(const clsBattleEffect& row, const std::string& side) {
    return row.Common() ? row.EffectName() : row.EffectName() + side;
}

} // namespace

void clsEffect::AttackEffect(const std::string& SkillName, const std::string& EffectName,
                             const std::string& Side) {
    if (EffectName == kException) {
        ExceptionEffect(SkillName);
        return;
    }
    const clsBattleEffect& row = effects_.item(EffectName.empty() ? SkillName : EffectName);
    if (row.Whole())
        WholeEffect(Side, row);
    else
        SpotEffect(Side, row);
}

void clsEffect::SpotEffect(const std::string& side, const clsBattleEffect& row) {
    const bool attackerLeft = side != "右";
    const bool targetLeft = oneOf(kOwnSide, row.EffectName()) ? attackerLeft : !attackerLeft;
    std::vector<host::gdi::Point> spots;
    if (!targetLeft && right_->GetIsMonster())
        spots.push_back(kMonsterSpot);
    else
        spots = cellsOf(targetLeft ? *left_ : *right_, targetLeft);
    const std::int32_t redraw = attackerLeft ? 0 : kSpriteWidth;
    const std::string name = pictureOf(row, side);
    Services().SoundPlay(row.Sound());
    for (std::int32_t m = 0; m < row.Count(); ++m) {
        for (const host::gdi::Point& spot : spots)
            drawMasked(name, spot.x, spot.y, kCell, kCell, 0, kCell * m);
        show(kFrameWait);
        DrawField(side, redraw);
    }
}

void clsEffect::WholeEffect(const std::string& side, const clsBattleEffect& row) {
    const std::string name = pictureOf(row, side);
    const bool attackerLeft = side != "右";
    std::int32_t w = Images().GetImageWidth(name);
    std::int32_t h = Images().GetImageHeight(name);
    if (row.ImageType() == 1)
        h = h / row.Count();
    else
        w = w / row.Count();
    std::int32_t lastFrame = row.Count() - 1;
    std::int32_t x = (kSpriteWidth - w) / 2;
    const std::int32_t y = kFieldTop + (kFieldHeight - h) / 2;
    std::int32_t redraw = 0;
    if (attackerLeft)
        x += kSpriteWidth;
    else
        redraw = kSpriteWidth;

    if (row.EffectName() == kTaunt) {
        x += attackerLeft ? -kSpriteWidth : kSpriteWidth;
    } else if (row.EffectName() == kTornado) {
        x = kSpriteWidth - Images().GetImageWidth(row.EffectName()) / row.Count();
        lastFrame = kTornadoLastFrame;
    } else if (row.EffectName() == kGaleSword) {
        lastFrame = kGaleSwordLastFrame;
    }

    if (oneOf(kCharges, row.EffectName())) {
        const std::int32_t gap = rightFront_ - leftFront_;
        const std::int32_t step = gap / kSteps;
        for (std::int32_t k = 1; k <= kSteps; ++k) {
            if (attackerLeft)
                DrawField("左", k * step);
            else
                DrawField("右", kSpriteWidth - k * step);
            show(kChargeWait);
        }
        redraw = attackerLeft ? gap : kSpriteWidth - gap;
    } else if (row.EffectName() == kCrush) {
        DrawField("右", 0);
        show(kCrushWait);
        redraw = 0;
    }

    Services().SoundPlay(row.Sound());
    for (std::int32_t i = 0; i <= lastFrame; ++i) {
        const std::int32_t k = i % row.Count();
        if (row.ImageType() == 1)
            drawMasked(name, x, y, w, h, 0, k * h);
        else
            drawMasked(name, x, y, w, h, k * w, 0);
        if (row.EffectName() == kTornado) x -= 25 * i;
        show(kFrameWait);
        DrawField(side, redraw);
    }
}

void clsEffect::ExceptionEffect(const std::string& SkillName) {
    if (SkillName == kTsunami) {
        const clsBattleEffect& row = effects_.item(std::string(kTsunami));
        Services().SoundPlay(row.Sound());
        for (std::int32_t i = 1; i <= 6; ++i) {
            drawMasked(row.EffectName(), kSpriteWidth - 60 * i, 550 - kCell * i, 200, kCell * i, 0, 0);
            show(kWaveWait);
            DrawField("右", kSpriteWidth);
        }
        return;
    }
    const std::int32_t step = (rightFront_ - leftFront_) / kSteps;
    for (std::int32_t i = 1; i <= kSteps; ++i) {
        DrawField("右", kSpriteWidth - i * step);
        if (i == kSteps) Services().SoundPlay(sound_name::kEffectFailed);
        show(kFrameWait);
    }
}
