#pragma once
// The layout of a game: its family, the positions of a drawing, a guess and a ticket column, the
// drum each position draws from and the positions that can hold a guaranteed number. The record
// file, the ticket file, the generator, the comparison and the boards read it; nothing else decides
// the family of a game.

#include "analysis/drum.h"

#include <cstdint>
#include <vector>

struct GameLayout {
    // The three game families, each served by a board window of its own.
    enum class Family { Digit, Lotto, TwoDrum };
    // The highest ball a game configuration gives a digit game (its digits are 0..9).
    static constexpr int32_t kDigitGameHighestBall = 10;

    Family family = Family::Lotto;
    int firstPosition = 1;      // 1, or 0 on digit games
    int lastMainPosition = 0;   // K; digit games: the last position
    int lastPosition = 0;       // K + B; digit games: the last position
    int32_t highestMain = 0;    // the main drum's highest number (9 on digit games)
    int32_t highestSecond = 0;  // the second drum's highest number, 0 without a second drum

    // A lotto game of `picks` numbers from 1..highest and `bonus` more: from the same drum, or from
    // a second drum 1..highestSecond when that is above 0.
    static GameLayout lotto(int32_t highest, int picks, int bonus = 0, int32_t highestSecond = 0);
    static GameLayout twoDrum(int32_t highest, int picks, int32_t highestSecond, int bonus)
    {
        return lotto(highest, picks, bonus, highestSecond);
    }
    // A digit game of 3 to 8 positions.
    static GameLayout digits(int positions);
    // The family of a configured game: a highest ball of kDigitGameHighestBall is a digit game, a
    // second drum makes a two-drum game, anything else is a lotto game.
    static Family familyOf(int32_t highestBall, int32_t highestBallBONUS);
    // The layout of a configured game (its highest balls, numbers drawn and bonus numbers).
    static GameLayout ofConfiguredGame(int32_t highestBall, int32_t highestBallBONUS, int32_t numbersDrawn,
                                       int32_t bonusCount);

    int positionCount() const { return lastPosition - firstPosition + 1; }
    // Positions of the main numbers: K on lotto games, every position on digit games.
    int mainPositions() const { return lastMainPosition - firstPosition + 1; }
    // Positions after the main ones: bonus numbers, or the second drum's numbers.
    int bonusPositions() const { return lastPosition - lastMainPosition; }
    bool digits() const { return family == Family::Digit; }
    bool twoDrums() const { return family == Family::TwoDrum && highestSecond > 0; }
    // A ticket column may hold a ball at several positions: a digit game's digits repeat.
    bool columnRepeatsBalls() const { return digits(); }
    // The highest ball of the game's configuration: kDigitGameHighestBall on digit games.
    int32_t configuredHighestBall() const { return digits() ? kDigitGameHighestBall : highestMain; }
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
        return family == Family::Lotto && position > lastMainPosition && position <= lastPosition;
    }
    // The lowest and highest number a position can hold.
    int32_t lowestAt(int) const { return digits() ? 0 : 1; }
    int32_t highestAt(int position) const { return drumOf(position) == Drum::Second ? highestSecond : highestMain; }

    // The balls of a drum of the game: which balls it has and which result columns hold them.
    DrumShape drum(Drum drum) const;

    friend bool operator==(const GameLayout &, const GameLayout &) = default;
};
