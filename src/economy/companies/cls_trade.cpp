#include "economy/companies/cls_trade.h"

#include "economy/companies/company_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "platform/rules/mdl_zrd_func.h"

#include <algorithm>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;
using mdlZRDFunc::RandomInt;

namespace {

// A cycle is seeded by the three levels before it.
constexpr std::size_t kSeedLevels = 3;

// Levels cross a save or a seed as numbers of the band 0..10.
std::int16_t levelOf(const std::string& part, std::string_view text) {
    const std::int16_t level = host::runtime::CInt(part);
    if (level < boom_level::kPanic || level > boom_level::kBubble)
        throw RuntimeError(ErrorNumber::InvalidCall,
                           "business cycle \"" + std::string(text) + "\": level " + part + " is not 0..10");
    return level;
}

// The step chosen by the draw c: `first` up to firstTo, then `second` up to
// secondTo, `rest` beyond.
int stepBy(int c, int firstTo, int first, int secondTo, int second, int rest) {
    if (c <= firstTo) return first;
    if (c <= secondTo) return second;
    return rest;
}

int nextStep(int P, int Q, int R, int c) {
    if (R == boom_level::kBubble) return c <= 17 ? 0 : -1;
    if (R == boom_level::kPanic) return c >= 17 ? 1 : 0;
    if (R == boom_level::kBubble - 1 && Q != boom_level::kBubble) return stepBy(c, 12, 0, 24, -1, 1);
    if (R == boom_level::kPanic + 1 && Q != boom_level::kPanic) return stepBy(c, 12, 0, 24, 1, -1);
    if (P == Q && Q == R) return stepBy(c, 19, 0, 21, -1, 1);
    if (P == Q && Q < R) return P == boom_level::kPanic ? 1 : stepBy(c, 17, 1, 23, 0, -1);
    if (P == Q && Q > R) return P == boom_level::kBubble ? -1 : stepBy(c, 16, -1, 23, 0, 1);
    if (P < Q && Q < R) return stepBy(c, 15, 1, 23, 0, -1);
    if (P > Q && Q > R) return stepBy(c, 14, -1, 23, 0, 1);
    if (P < Q && Q > R) return stepBy(c, 15, -1, 18, 1, 0);
    if (P > Q && Q < R) return stepBy(c, 15, 1, 18, -1, 0);
    if (P < Q) return stepBy(c, 15, 1, 22, 0, -1); // Q = R after a rise
    return stepBy(c, 15, -1, 22, 0, 1);            // Q = R after a fall
}

} // namespace

std::int16_t clsTrade::NextBoomLevel(std::int16_t P, std::int16_t Q, std::int16_t R) {
    const int c = RandomInt(0, 25);
    const int next = R + nextStep(P, Q, R, c);
    return static_cast<std::int16_t>(std::clamp<int>(next, boom_level::kPanic, boom_level::kBubble));
}

void clsTrade::CreateBoom(std::string_view text) {
    const auto parts = host::runtime::SplitFields(text, ":", kSeedLevels,
                                                  "business cycle seed \"" + std::string(text) + "\"");
    const std::int16_t a = levelOf(parts[0], text);
    const std::int16_t b = levelOf(parts[1], text);
    const std::int16_t c = levelOf(parts[2], text);

    const std::int16_t n = RandomInt(36, 72);
    std::vector<std::int16_t> levels(static_cast<std::size_t>(n) + 1);
    levels[0] = NextBoomLevel(a, b, c);
    levels[1] = NextBoomLevel(b, c, levels[0]);
    levels[2] = NextBoomLevel(c, levels[0], levels[1]);
    for (std::size_t i = 3; i < levels.size(); ++i)
        levels[i] = NextBoomLevel(levels[i - 3], levels[i - 2], levels[i - 1]);

    BoomLevels_ = std::move(levels);
    BoomIndex_ = 0;
    PrevBoomLevel_ = c;
}

std::int16_t clsTrade::currentLevel() const {
    if (BoomIndex_ < 0 || static_cast<std::size_t>(BoomIndex_) >= BoomLevels_.size())
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange,
                           "business cycle: no level " + std::to_string(BoomIndex_));
    return BoomLevels_[static_cast<std::size_t>(BoomIndex_)];
}

void clsTrade::BoomNext() {
    if (BoomLevels_.size() < kSeedLevels)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "business cycle: no cycle to move on");
    ++BoomIndex_;
    if (static_cast<std::size_t>(BoomIndex_) >= BoomLevels_.size()) {
        const std::size_t last = BoomLevels_.size() - 1;
        CreateBoom(host::runtime::CStr(BoomLevels_[last - 2]) + ":" +
                   host::runtime::CStr(BoomLevels_[last - 1]) + ":" + host::runtime::CStr(BoomLevels_[last]));
        return;
    }
    PrevBoomLevel_ = BoomLevels_[static_cast<std::size_t>(BoomIndex_) - 1];
}

std::string clsTrade::GetBoomName() const {
    const std::int16_t level = currentLevel();
    if (level == boom_level::kPanic) return boom_level::kPanicWord;
    if (level < boom_level::kPanic || level > boom_level::kBubble) return "";
    if (level <= boom_level::kLastRecession) return boom_level::kRecessionWord;
    if (level <= boom_level::kLastNormal) return boom_level::kNormalWord;
    if (level <= boom_level::kLastBoom) return boom_level::kBoomWord;
    return boom_level::kBubbleWord;
}

std::int16_t clsTrade::GetStockPrice() const {
    const std::int16_t level = currentLevel();
    const int d = level - PrevBoomLevel_;
    if (level == boom_level::kPanic) return static_cast<std::int16_t>(-RandomInt(8, 12));
    if (level == boom_level::kBubble) return RandomInt(8, 12);
    if (level < boom_level::kPanic || level > boom_level::kBubble) return 0;
    if (level <= boom_level::kLastRecession) {
        if (d > 0) return PrevBoomLevel_ == boom_level::kPanic ? std::int16_t{30} : RandomInt(4, 8);
        if (d == 0) return static_cast<std::int16_t>(-RandomInt(1, 3));
        return static_cast<std::int16_t>(-RandomInt(2, 4));
    }
    if (level <= boom_level::kLastNormal) {
        if (d > 0) return RandomInt(0, 3);
        if (d < 0) return static_cast<std::int16_t>(-RandomInt(0, 2));
        const std::int16_t coin = RandomInt(0, 1);
        if (coin == 0) return RandomInt(0, 3);
        return static_cast<std::int16_t>(-RandomInt(0, 2));
    }
    if (d > 0) return RandomInt(3, 6);
    if (d == 0) return RandomInt(2, 5);
    return PrevBoomLevel_ == boom_level::kBubble ? std::int16_t{-35}
                                                 : static_cast<std::int16_t>(-RandomInt(5, 8));
}

std::string clsTrade::GetSaveData() const {
    return host::runtime::CStr(BoomIndex_) + ":" + host::runtime::CStr(PrevBoomLevel_) + ":" +
           mdlZRDFunc::JoinIntArray(BoomLevels_, ":");
}

void clsTrade::SetSaveData(std::string_view text) {
    const auto parts =
        host::runtime::SplitFields(text, ":", 3, "business cycle save \"" + std::string(text) + "\"");
    const std::int16_t index = host::runtime::CInt(parts[0]);
    const std::int16_t previous = levelOf(parts[1], text);
    std::vector<std::int16_t> levels;
    for (std::size_t i = 2; i < parts.size(); ++i)
        levels.push_back(levelOf(parts[i], text));
    if (levels.size() < kSeedLevels)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange,
                           "business cycle save \"" + std::string(text) + "\" holds fewer than three levels");
    if (index < 0 || static_cast<std::size_t>(index) >= levels.size())
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "business cycle save \"" + std::string(text) +
                                                                 "\": index " + parts[0] + " has no level");

    BoomLevels_ = std::move(levels);
    BoomIndex_ = index;
    PrevBoomLevel_ = previous;
}
