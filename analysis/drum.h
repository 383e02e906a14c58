#pragma once
// The shape of the open game and of each drum the analysis works on. Every routine of the
// analysis is written once and takes the drum it works on: the main drum of a lotto game, the
// second drum of a two-drum game, or the digit positions of a digit game.

#include <cstdint>

struct GameLayout;
struct OpenLottery;

// The drums of a game, as an index: the main drum (the digits on digit games) and the second drum
// of a two-drum game.
enum class Drum { Main, Second };
inline constexpr Drum kDrums[] = {Drum::Main, Drum::Second};
constexpr int drumIndex(Drum drum) { return drum == Drum::Second ? 1 : 0; }

enum class DrumKind {
    Main,    // the main numbers of a lotto game
    Second,  // the second-drum numbers of a two-drum game
    Digits,  // the digits 0..9 of every position of a digit game
};

// The game configuration as the analysis needs it.
struct GameShape {
    int32_t firstBall = 1;      // glngFirstBall
    int32_t maxBall = 0;        // glngMaxBall
    int32_t maxBallBONUS = 0;   // glngMaxBallBONUS (0: no second drum)
    int32_t picks = 0;          // glngPicks (digit games: positions less 1)
    int32_t bonusCount = 0;     // glngBonusCount
    bool digitGame = false;     // a digit game (the family of the layout)

    // The shape of a game's layout.
    static GameShape of(const GameLayout &layout);
    // A single-drum lotto of `picks` numbers (and `bonusCount` bonus numbers) from 1..maxBall.
    static GameShape lotto(int32_t maxBall, int32_t picks, int32_t bonusCount = 0);
    // A two-drum lotto: `picks` from 1..maxBall and `bonusCount` from 1..maxBallBONUS.
    static GameShape twoDrum(int32_t maxBall, int32_t picks, int32_t maxBallBONUS, int32_t bonusCount);
    // A digit game of 3 to 8 positions.
    static GameShape digits(int32_t positions);

    // Puts the shape into the game configuration of a lottery (the configured highest ball is 10 on
    // digit games).
    void applyTo(OpenLottery &lottery) const;

    bool twoDrums() const { return !digitGame && maxBallBONUS > 0; }
    friend bool operator==(const GameShape &, const GameShape &) = default;
    // Numbers of a drawing that the main drum holds: K on lotto, the positions on digit games.
    int32_t mainColumns() const { return digitGame ? picks + 1 : picks; }
};

// One drum: which balls it has and which result columns hold them.
struct DrumShape {
    DrumKind kind = DrumKind::Main;
    int32_t firstBall = 1;     // lowest ball (0 for digits)
    int32_t maxBall = 0;       // highest ball
    int32_t firstColumn = 1;   // first WinnerNumber column (1-based) holding this drum's numbers
    int32_t columnCount = 0;   // how many columns hold them
    int32_t mainPicks = 0;     // glngPicks of the game (used to write the second drum's statements)

    static DrumShape main(const GameShape &game);    // main drum, or the digits of a digit game
    static DrumShape second(const GameShape &game);  // the second drum (columnCount 0 when none)

    int32_t lastColumn() const { return firstColumn + columnCount - 1; }
    bool holds(int32_t ball) const { return ball >= firstBall && ball <= maxBall; }
    int32_t ballCount() const { return maxBall >= firstBall ? maxBall - firstBall + 1 : 0; }
};
