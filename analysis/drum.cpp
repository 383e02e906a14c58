#include "analysis/drum.h"

#include "analysis/state.h"

GameShape GameShape::current()
{
    GameShape g;
    g.firstBall = glngFirstBall;
    g.maxBall = glngMaxBall;
    g.maxBallBONUS = glngMaxBallBONUS;
    g.picks = glngPicks;
    g.bonusCount = glngBonusCount;
    g.digitGame = glngCfgHighestBall == 10;
    return g;
}

DrumSpec DrumSpec::main(const GameShape &game)
{
    DrumSpec d;
    d.kind = game.digitGame ? DrumKind::Digits : DrumKind::Main;
    d.firstBall = game.digitGame ? game.firstBall : 1;
    d.maxBall = game.maxBall;
    d.firstColumn = 1;
    d.columnCount = game.mainColumns();
    d.mainPicks = game.picks;
    return d;
}

DrumSpec DrumSpec::second(const GameShape &game)
{
    DrumSpec d;
    d.kind = DrumKind::Second;
    d.firstBall = 1;
    d.maxBall = game.twoDrums() ? game.maxBallBONUS : 0;
    d.firstColumn = game.picks + 1;
    d.columnCount = game.twoDrums() ? game.bonusCount : 0;
    d.mainPicks = game.picks;
    return d;
}
