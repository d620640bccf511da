#include "battleview/cls_tournament.h"

#include "platform/drawing/font_to_fit.h"
#include "platform/drawing/frames.h"
#include "platform/drawing/graphical_controls_props.h"

#include "host/gdi/draw_text.h"

#include <memory>
#include <utility>

using host::gdi::DeviceContext;

namespace {

constexpr std::int32_t kStemHeight = 50;
constexpr std::int32_t kTitleWidth = 200;
constexpr std::int32_t kTitleTop = 50;
constexpr std::int32_t kTitleBottom = 70;
constexpr std::int32_t kNamePoints = 14;
constexpr std::int32_t kTitlePoints = 16;
constexpr std::int32_t kNameColour = 9;
constexpr std::int32_t kTitleColour = 3;

// Text drawn in a font made for it, smaller where it would not fit the box
// with a pixel to spare on either side, with the context's state put back.
void drawTextIn(DeviceContext& dc, const std::string& text, host::gdi::Rect box, unsigned format,
                const std::string& face, std::int32_t points, bool bold, host::gdi::COLORREF colour) {
    const int room = box.right - box.left - 2;
    auto previousFont = dc.selectFont(CreateFontHandleToFit(points, bold, face, text, room));
    const host::gdi::COLORREF previousColour = dc.setTextColor(colour);
    const host::gdi::BkMode previousMode = dc.setBkMode(host::gdi::BkMode::Transparent);
    host::gdi::DrawText(dc, text, box, format);
    dc.setBkMode(previousMode);
    dc.setTextColor(previousColour);
    dc.selectFont(std::move(previousFont));
}

} // namespace

std::int32_t clsTournament::outerX(bool left, std::int32_t column) const {
    return left ? centreX_ - (column + 1) * step_ : centreX_ + (column + 1) * step_;
}

std::int32_t clsTournament::innerX(bool left, std::int32_t column) const {
    return left ? centreX_ - column * step_ : centreX_ + column * step_;
}

void clsTournament::columnSegment(DeviceContext& dc, bool left, std::int32_t column, std::int32_t y) const {
    DrawSegment(dc, outerX(left, column), y, innerX(left, column), y);
}

void clsTournament::join(DeviceContext& dc, bool left, std::int32_t round, std::int32_t from,
                         std::int32_t to) const {
    const std::int32_t x = innerX(left, round - 1);
    DrawSegment(dc, x, from, x, to);
}

void clsTournament::InitDraw() {
    DeviceContext& dc = picture().hDC();
    std::vector<std::string> names;
    for (const Entrant& entrant : entrants_)
        names.push_back(entrant.name);
    knockout_.emplace(std::move(names));
    lines_ = incomingLines(knockout_->matches(), height_);
    for (std::size_t e = 0; e < entrants_.size(); ++e)
        entrants_[e].bye = knockout_->hasBye(static_cast<std::int16_t>(e + 1));
    rounds_ = bracket::roundsFor(count_);
    step_ = (width_ - 2 * nameWidth_) / (2 * rounds_);
    const host::gdi::Pen previous = dc.selectPen({1, colourOf(normalColour_)});
    drawLines(dc);
    drawFirstRound(dc);
    dc.selectPen(previous);
    drawNames(dc);
    drawTitle(dc);
    picture().Refresh();
}

void clsTournament::drawLines(DeviceContext& dc) const {
    for (std::int32_t j = 1; j < rounds_; ++j) {
        const std::int32_t h = height_ / (1 << j);
        for (bool left : {true, false}) {
            for (std::int32_t m = 1; m <= (1 << (j - 1)); ++m)
                columnSegment(dc, left, j - 1, (2 * m - 1) * h);
            if (j > 1)
                for (std::int32_t m = 1; m <= (1 << (j - 2)); ++m)
                    join(dc, left, j, (4 * m - 3) * h, (4 * m - 1) * h);
        }
        if (j == 1) DrawSegment(dc, centreX_, centreY_, centreX_, centreY_ - kStemHeight);
    }
}

void clsTournament::drawFirstRound(DeviceContext& dc) const {
    const std::int32_t h = height_ / (1 << rounds_);
    if (rounds_ == 1) {
        columnSegment(dc, true, 0, centreY_);
        columnSegment(dc, false, 0, centreY_);
        DrawSegment(dc, centreX_, centreY_, centreX_, centreY_ - kStemHeight);
        return;
    }
    for (const bracket::Slot& slot : bracket::firstRoundSlots(count_)) {
        const std::int32_t y = h + (slot.place - 1) * 4 * h;
        if (slot.bye) {
            columnSegment(dc, slot.left, rounds_ - 1, y + h);
        } else {
            columnSegment(dc, slot.left, rounds_ - 1, y);
            columnSegment(dc, slot.left, rounds_ - 1, y + 2 * h);
            join(dc, slot.left, rounds_, y, y + 2 * h);
        }
    }
}

void clsTournament::drawNames(DeviceContext& dc) {
    const std::int32_t s = height_ / (1 << rounds_);
    const std::string& face = picture().Font().name;
    const std::size_t half = static_cast<std::size_t>(count_ / 2);
    std::int32_t bandTop[2] = {0, 0};
    for (std::size_t e = 0; e < entrants_.size(); ++e) {
        const bool left = e < half;
        Entrant& entrant = entrants_[e];
        const std::int32_t band = entrant.bye ? 4 * s : 2 * s;
        std::int32_t& top = bandTop[left ? 0 : 1];
        entrant.nameHeight = top + band / 2;
        top += band;
        const std::int32_t boxLeft = left ? 0 : width_ - nameWidth_;
        const host::gdi::Rect box{boxLeft, entrant.nameHeight - 10, boxLeft + nameWidth_,
                                  entrant.nameHeight - 10 + nameHeight_};
        const unsigned align = left ? host::gdi::DT_RIGHT : host::gdi::DT_LEFT;
        drawTextIn(dc, entrant.name, box, align | host::gdi::DT_SINGLELINE, face, kNamePoints, false,
                   colourOf(kNameColour));
    }
}

void clsTournament::drawTitle(DeviceContext& dc) const {
    const std::int32_t left = (width_ - kTitleWidth) / 2;
    drawTextIn(dc, title_, {left, kTitleTop, left + kTitleWidth, kTitleBottom},
               host::gdi::DT_CENTER | host::gdi::DT_VCENTER | host::gdi::DT_SINGLELINE, picture().Font().name,
               kTitlePoints, true, colourOf(kTitleColour));
}

void clsTournament::drawWinnerPath(DeviceContext& dc, std::int16_t match, std::int16_t Winner,
                                   std::int16_t Loser) const {
    const std::int32_t t = knockout_->matches()[static_cast<std::size_t>(match - 1)].round;
    const IncomingLines& played = lines_[static_cast<std::size_t>(match - 1)];
    const std::int32_t h = height_ / (1 << t);
    const bool fromAbove = Winner < Loser;
    const bool left = Winner <= count_ / 2;
    const Entrant& winner = entrants_[static_cast<std::size_t>(Winner - 1)];
    // Toward the middle of the match: down from the upper line, up from the lower.
    const std::int32_t towardMiddle = fromAbove ? h : -h;
    if (t == 1) {
        columnSegment(dc, left, 0, played.Y1);
        DrawSegment(dc, centreX_, centreY_, centreX_, centreY_ - kStemHeight);
    } else if (t == rounds_ && !winner.bye) {
        columnSegment(dc, left, rounds_ - 1, winner.nameHeight);
        join(dc, left, rounds_, winner.nameHeight, winner.nameHeight + towardMiddle);
    } else if (t == rounds_ - 1 && winner.bye) {
        columnSegment(dc, left, rounds_ - 1, winner.nameHeight);
        columnSegment(dc, left, rounds_ - 2, winner.nameHeight);
        const std::int32_t from = fromAbove ? played.Y1 : played.Y2;
        join(dc, left, t, from, from + towardMiddle);
    } else {
        const std::int32_t from = fromAbove ? played.Y1 : played.Y2;
        columnSegment(dc, left, t - 1, from);
        join(dc, left, t, from, from + towardMiddle);
    }
}
