#pragma once
// The layout of the open game, built once when a lottery opens: its family, the positions of a
// drawing, a guess and a ticket column, the drum each position draws from and the positions that
// can hold a guaranteed number. The record file, the ticket file, the generator, the comparison
// and the board read it; nothing else decides the family of a game.

#include "analysis/drum.h"
#include "analysis/gamefamily.h"

#include <cstdint>
#include <vector>

// The family of a configured game: a highest ball of 10 is a digit game (positions of the digits
// 0..9), a second drum makes a two-drum game, anything else is a lotto game.
BoardFamily gameFamily(int32_t highestBall, int32_t highestBallBONUS);

struct GameLayout {
    BoardFamily family = BoardFamily::Lotto;
    int firstPosition = 1;      // 1, or 0 on digit games
    int lastMainPosition = 0;   // K; digit games: the last position
    int lastPosition = 0;       // K + B; digit games: the last position
    int32_t highestMain = 0;    // the main drum's highest number (9 on digit games)
    int32_t highestSecond = 0;  // the second drum's highest number, 0 without a second drum

    // The layout of a game shape.
    static GameLayout of(const GameShape &game);

    int positionCount() const { return lastPosition - firstPosition + 1; }
    // Positions after the main ones: bonus numbers, or the second drum's numbers.
    int bonusPositions() const { return lastPosition - lastMainPosition; }
    bool digits() const { return family == BoardFamily::Digit; }
    bool twoDrums() const { return family == BoardFamily::TwoPool && highestSecond > 0; }
    // The drums the game draws from: the main drum, and the second drum on two-drum games.
    std::vector<Drum> drums() const;
    bool hasDrum(Drum drum) const { return drum == Drum::Main || twoDrums(); }
    // The drum a position draws from: positions after the main ones are second-drum numbers on
    // two-drum games; same-drum bonus numbers and digits come from the main drum.
    Drum drumOf(int position) const
    {
        return twoDrums() && position > lastMainPosition ? Drum::Second : Drum::Main;
    }
    // The first and last position of a drum's numbers.
    int firstPositionOf(Drum drum) const { return drum == Drum::Second ? lastMainPosition + 1 : firstPosition; }
    int lastPositionOf(Drum drum) const { return drum == Drum::Second ? lastPosition : lastMainPosition; }
    // Positions that can hold a guaranteed number and that a ticket column fills: the main
    // positions, with the second drum's positions on two-drum games.
    int lastGuaranteePosition() const { return twoDrums() ? lastPosition : lastMainPosition; }
    // A bonus number drawn from the main drum (single-drum lotto games with bonus numbers).
    bool sameDrumBonus(int position) const
    {
        return family == BoardFamily::Lotto && position > lastMainPosition && position <= lastPosition;
    }
    // The lowest and highest number a position can hold.
    int32_t lowestAt(int) const { return digits() ? 0 : 1; }
    int32_t highestAt(int position) const { return drumOf(position) == Drum::Second ? highestSecond : highestMain; }

    friend bool operator==(const GameLayout &, const GameLayout &) = default;
};
