#include "analysis/gamelayout.h"

BoardFamily gameFamily(int32_t highestBall, int32_t highestBallBONUS)
{
    if (highestBall == 10)
        return BoardFamily::Digit;
    return highestBallBONUS > 0 ? BoardFamily::TwoPool : BoardFamily::Lotto;
}

GameLayout GameLayout::of(const GameShape &game)
{
    GameLayout l;
    l.family = game.digitGame ? BoardFamily::Digit : game.twoDrums() ? BoardFamily::TwoPool : BoardFamily::Lotto;
    l.firstPosition = l.digits() ? 0 : 1;
    l.lastMainPosition = game.picks;
    l.lastPosition = l.digits() ? game.picks : game.picks + game.bonusCount;
    l.highestMain = game.maxBall;
    l.highestSecond = l.family == BoardFamily::TwoPool ? game.maxBallBONUS : 0;
    return l;
}

std::vector<Drum> GameLayout::drums() const
{
    if (twoDrums())
        return {Drum::Main, Drum::Second};
    return {Drum::Main};
}
