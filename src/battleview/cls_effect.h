#pragma once

#include "battleview/battle_effects.h"

#include "battle/combat/cls_unit.h"

#include "host/gdi/device_context.h"
#include "host/gdi/font.h"
#include "host/ui/picture_box.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Draws the battle on the 800 x 600 battle picture: a sprite of each side
// (its formation's cells, or the monster picture stretched to its size) on
// the field band y 250..550, the physical and energy numbers at the top, and
// the attack animations of the effect table with their sounds and waits.
class clsEffect {
  public:
    // The field band and the two sprites' home positions.
    static constexpr std::int32_t kFieldTop = 250;
    static constexpr std::int32_t kFieldHeight = 300;
    static constexpr std::int32_t kSpriteWidth = 400;
    static constexpr std::int32_t kCell = 50;

    clsEffect() = default;
    clsEffect(const clsEffect&) = delete;
    clsEffect& operator=(const clsEffect&) = delete;

    // The two row labels "体力" and "気力".
    void DrawStatus();
    void DrawLeftPhysical(std::int16_t value);
    void DrawRightPhysical(std::int16_t value);
    void DrawLeftPhysicalUnknown();
    void DrawRightPhysicalUnknown();
    void DrawLeftEnergy(std::int16_t value);
    void DrawRightEnergy(std::int16_t value);
    void DrawLeftEnergyUnknown();
    void DrawRightEnergyUnknown();
    // Plays one attack animation of the attacker on side "左" or "右": the
    // row named by the effect, or by the skill when the effect is empty;
    // "例外" moves the right sprite instead.
    void AttackEffect(const std::string& SkillName, const std::string& EffectName, const std::string& Side);
    // Keeps the form's context, makes the background copy and the status
    // font (bold, 16 points, the picture's face). The picture must be set.
    void SetfrmHDC(const host::gdi::DeviceContext& pfrmHDC);
    // Restores the field band and draws both sprites at home; refreshes.
    void ImageInit();
    // Keeps the combatants, copies the picture as painted into the
    // background and composes both sprites.
    void SetUnit(clsUnit& uLeft, clsUnit& uRight);
    // Frees the sprites.
    void Clear();
    void SetPB(host::ui::PictureBox& pPB) { picture_ = &pPB; }
    void SetData(const std::string& strData) { effects_.SetData(strData); }

    // Whether sprites are composed (between SetUnit and Clear).
    bool HasSprites() const { return leftSprite_ != nullptr; }

  private:
    struct Sprite {
        std::unique_ptr<host::gdi::DeviceContext> picture;
        std::unique_ptr<host::gdi::DeviceContext> mask;
    };

    host::ui::PictureBox& picture() const;
    host::gdi::DeviceContext& background() const;
    std::unique_ptr<host::gdi::DeviceContext> blackSprite() const;
    void ComposeSprites();
    void composeFormation(host::gdi::DeviceContext& sprite, const clsUnit& unit, bool left,
                          std::int32_t& front) const;
    void composeMonster(host::gdi::DeviceContext& sprite, const clsUnit& unit);
    // Cells of a side's formation on screen (top-left corners).
    std::vector<host::gdi::Point> cellsOf(const clsUnit& unit, bool left) const;
    void drawSprite(const Sprite& sprite, std::int32_t x);
    void DrawField(const std::string& side, std::int32_t x);
    void DrawStatusValue(std::int32_t x, std::int32_t width, std::int32_t y, std::int32_t height,
                         const std::string& text);
    void drawLabel(std::int32_t top, const std::string& text);
    void drawMasked(const std::string& pictureName, std::int32_t x, std::int32_t y, std::int32_t w,
                    std::int32_t h, std::int32_t sx, std::int32_t sy);
    void show(double ms);

    void SpotEffect(const std::string& side, const clsBattleEffect& row);
    void WholeEffect(const std::string& side, const clsBattleEffect& row);
    void ExceptionEffect(const std::string& SkillName);

    BattleEffects effects_;
    host::ui::PictureBox* picture_ = nullptr;
    const host::gdi::DeviceContext* formDC_ = nullptr;
    std::unique_ptr<host::gdi::DeviceContext> background_;
    std::shared_ptr<const host::gdi::Font> statusFont_;
    std::unique_ptr<Sprite> leftSprite_;
    std::unique_ptr<Sprite> rightSprite_;
    clsUnit* left_ = nullptr;
    clsUnit* right_ = nullptr;
    std::int32_t leftFront_ = 0;
    std::int32_t rightFront_ = 0;
};
