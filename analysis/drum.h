#pragma once
// The drums of a game. Every routine of the analysis is written once and takes the drum it works
// on: the main drum of a lotto game, the second drum of a two-drum game, or the digit positions of
// a digit game (the game's layout says which).

#include <cstdint>

// The drums of a game, as an index: the main drum (the digits on digit games) and the second drum
// of a two-drum game.
enum class Drum { Main, Second };
inline constexpr Drum kDrums[] = {Drum::Main, Drum::Second};
constexpr int drumIndex(Drum drum) { return drum == Drum::Second ? 1 : 0; }

// The balls of a drum, firstBall to firstBall + count - 1, asked of a number in one comparison as
// the passes over every number of a history ask it.
struct BallRange {
    uint32_t first = 0;
    uint32_t count = 0;
    bool holds(int32_t ball) const { return static_cast<uint32_t>(ball) - first < count; }
};

// One drum: which balls it has and which result columns hold them (GameLayout::drum).
struct DrumShape {
    Drum drum = Drum::Main;
    int32_t firstBall = 1;     // lowest ball (0 for digits)
    int32_t maxBall = 0;       // highest ball
    int32_t firstColumn = 1;   // first WinnerNumber column (1-based) holding this drum's numbers
    int32_t columnCount = 0;   // how many columns hold them
    int32_t mainPicks = 0;     // K of the game (used to write the second drum's statements)

    int32_t lastColumn() const { return firstColumn + columnCount - 1; }
    int32_t ballCount() const { return maxBall >= firstBall ? maxBall - firstBall + 1 : 0; }
    BallRange balls() const { return {static_cast<uint32_t>(firstBall), static_cast<uint32_t>(ballCount())}; }
    bool holds(int32_t ball) const { return balls().holds(ball); }
};
