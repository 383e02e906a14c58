#include "analysis/drum.h"

#include "analysis/openlottery.h"

GameShape GameShape::of(const GameLayout &l)
{
    GameShape g;
    g.firstBall = l.firstPosition;
    g.maxBall = l.highestMain;
    g.maxBallBONUS = l.highestSecond;
    g.picks = l.lastMainPosition;
    g.bonusCount = l.bonusPositions();
    g.digitGame = l.digits();
    return g;
}

void GameShape::applyTo(OpenLottery &lottery) const
{
    lottery.glngFirstBall = firstBall;
    lottery.glngMaxBall = maxBall;
    lottery.glngMaxBallBONUS = maxBallBONUS;
    lottery.glngPicks = picks;
    lottery.glngBonusCount = bonusCount;
    lottery.glngCfgHighestBall = digitGame ? 10 : maxBall;
    lottery.glngCfgHighestBallBONUS = maxBallBONUS;
    lottery.gLayout = GameLayout::of(*this);
}

GameShape GameShape::lotto(int32_t maxBall, int32_t picks, int32_t bonusCount)
{
    GameShape g;
    g.maxBall = maxBall;
    g.picks = picks;
    g.bonusCount = bonusCount;
    return g;
}

GameShape GameShape::twoDrum(int32_t maxBall, int32_t picks, int32_t maxBallBONUS, int32_t bonusCount)
{
    GameShape g = lotto(maxBall, picks, bonusCount);
    g.maxBallBONUS = maxBallBONUS;
    return g;
}

GameShape GameShape::digits(int32_t positions)
{
    GameShape g;
    g.firstBall = 0;
    g.maxBall = 9;
    g.picks = positions - 1;
    g.digitGame = true;
    return g;
}

DrumShape DrumShape::main(const GameShape &game)
{
    DrumShape d;
    d.kind = game.digitGame ? DrumKind::Digits : DrumKind::Main;
    d.firstBall = game.digitGame ? game.firstBall : 1;
    d.maxBall = game.maxBall;
    d.firstColumn = 1;
    d.columnCount = game.mainColumns();
    d.mainPicks = game.picks;
    return d;
}

DrumShape DrumShape::second(const GameShape &game)
{
    DrumShape d;
    d.kind = DrumKind::Second;
    d.firstBall = 1;
    d.maxBall = game.twoDrums() ? game.maxBallBONUS : 0;
    d.firstColumn = game.picks + 1;
    d.columnCount = game.twoDrums() ? game.bonusCount : 0;
    d.mainPicks = game.picks;
    return d;
}
