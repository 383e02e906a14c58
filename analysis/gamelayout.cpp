#include "analysis/gamelayout.h"

#include <algorithm>

GameLayout GameLayout::lotto(int32_t highest, int picks, int bonus, int32_t highestSecond)
{
    GameLayout l;
    l.family = highestSecond > 0 ? Family::TwoDrum : Family::Lotto;
    l.firstPosition = 1;
    l.lastMainPosition = picks;
    l.lastPosition = picks + bonus;
    l.highestMain = highest;
    l.highestSecond = std::max(highestSecond, 0);
    return l;
}

GameLayout GameLayout::digits(int positions)
{
    GameLayout l;
    l.family = Family::Digit;
    l.firstPosition = 0;
    l.lastMainPosition = l.lastPosition = positions - 1;
    l.highestMain = 9;
    return l;
}

GameLayout::Family GameLayout::familyOf(int32_t highestBall, int32_t highestBallBONUS)
{
    if (highestBall == kDigitGameHighestBall)
        return Family::Digit;
    return highestBallBONUS > 0 ? Family::TwoDrum : Family::Lotto;
}

GameLayout GameLayout::ofConfiguredGame(int32_t highestBall, int32_t highestBallBONUS, int32_t numbersDrawn,
                                        int32_t bonusCount)
{
    if (familyOf(highestBall, highestBallBONUS) == Family::Digit)
        return digits(numbersDrawn);
    return lotto(highestBall, numbersDrawn, bonusCount, highestBallBONUS);
}

std::vector<Drum> GameLayout::drums() const
{
    if (twoDrums())
        return {Drum::Main, Drum::Second};
    return {Drum::Main};
}

DrumShape GameLayout::drum(Drum which) const
{
    DrumShape d;
    d.drum = which;
    d.mainPicks = lastMainPosition;
    if (which == Drum::Main) {
        d.firstBall = digits() ? 0 : 1;
        d.maxBall = highestMain;
        d.firstColumn = 1;
        d.columnCount = mainPositions();
    } else {
        d.firstBall = 1;
        d.maxBall = twoDrums() ? highestSecond : 0;
        d.firstColumn = lastMainPosition + 1;
        d.columnCount = twoDrums() ? bonusPositions() : 0;
    }
    return d;
}
