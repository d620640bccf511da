#pragma once

#include "battleview/bracket_lines.h"

#include "battle/tournament/knockout.h"

#include "platform/graphics/cls_color.h"

#include "host/gdi/device_context.h"
#include "host/runtime/event.h"
#include "host/ui/picture_box.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The knockout bracket of one tournament: N entrants down the left and right
// edges of a picture, the final in the middle, byes when N is not a power of
// two (the pairing is Knockout's). Start raises Battle for each match in
// order; the owner fights it and records the result with Win, which draws the
// winner's path.
class clsTournament {
  public:
    // BattleIndex, Num1, Num1Name, Num2, Num2Name.
    host::runtime::Event<std::int16_t, std::int16_t, std::string, std::int16_t, std::string> Battle;

    // The recorded names of match BattleCount; empty outside 1..N-1 or before Win.
    std::string GetWinner(std::int16_t BattleCount) const;
    std::string GetLoser(std::int16_t BattleCount) const;
    // The placing of the entrant named School once match BattleCount is
    // recorded, by the knockout's rule at that school rank; empty while the
    // school is still in and the final is to come, and before InitDraw.
    std::string GetPlacing(std::int16_t BattleCount, const std::string& School, std::int16_t Rank) const;
    // Raises Battle for matches 1 to N-1; stops after a handler that called SetLoser.
    void Start();
    void SetLoser() { continue_ = false; }
    // Records match BattleCount and draws the winner's path; the subscript
    // error (9) for a match outside 1..N-1 or before InitDraw.
    void Win(std::int16_t BattleCount, std::int16_t Winner, std::int16_t Loser, const std::string& WinnerName,
             const std::string& LoserName);
    // Draws the empty bracket, the names and the title and pairs the matches.
    void InitDraw();
    // Ignored outside 1..N.
    void SetIntervenor(std::int16_t intNum, const std::string& Intervenor);
    std::int16_t GetIntervenor() const { return count_; }
    void SetColor(std::int32_t Normal, std::int32_t Winner);
    // N must be at least 2 (the invalid-call error, 5, otherwise).
    void SetTournament(const std::string& pTournamentName, std::int16_t intNum, std::int32_t Width,
                       std::int32_t Height);
    void SetPicture(host::ui::PictureBox& picDisp) { picture_ = &picDisp; }

  private:
    struct Entrant {
        std::string name;
        bool bye = false;
        std::int32_t nameHeight = 0;
    };

    host::ui::PictureBox& picture() const;
    host::gdi::COLORREF colourOf(std::int32_t number) const;
    // x of column c's outer and inner ends on a side.
    std::int32_t outerX(bool left, std::int32_t column) const;
    std::int32_t innerX(bool left, std::int32_t column) const;
    void columnSegment(host::gdi::DeviceContext& dc, bool left, std::int32_t column, std::int32_t y) const;
    void join(host::gdi::DeviceContext& dc, bool left, std::int32_t round, std::int32_t from,
              std::int32_t to) const;
    void drawLines(host::gdi::DeviceContext& dc) const;
    void drawFirstRound(host::gdi::DeviceContext& dc) const;
    void drawNames(host::gdi::DeviceContext& dc);
    void drawTitle(host::gdi::DeviceContext& dc) const;
    void drawWinnerPath(host::gdi::DeviceContext& dc, std::int16_t match, std::int16_t Winner,
                        std::int16_t Loser) const;

    std::string title_;
    std::int16_t count_ = 0;
    std::vector<Entrant> entrants_;
    // The pairing and the results, from InitDraw on.
    std::optional<Knockout> knockout_;
    std::vector<IncomingLines> lines_;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::int32_t centreX_ = 0;
    std::int32_t centreY_ = 0;
    std::int32_t nameWidth_ = 160;
    std::int32_t nameHeight_ = 20;
    std::int32_t normalColour_ = 0;
    std::int32_t winnerColour_ = 0;
    clsColor colours_;
    std::int16_t rounds_ = 1;
    std::int32_t step_ = 0;
    bool continue_ = true;
    host::ui::PictureBox* picture_ = nullptr;
};
