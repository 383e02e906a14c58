#pragma once
// Random drawing histories of any game shape, for comparing the analysis with the models.

#include "analysis/drum.h"
#include "analysis/history.h"

#include <QDate>
#include <cstdint>

// Game shapes as the catalogues give them.
GameShape lottoShape(int maxBall, int picks, int bonusCount = 0);
GameShape twoDrumShape(int maxBall, int picks, int maxBallBONUS, int bonusCount);
GameShape digitShape(int positions);

// Puts a game shape into the game configuration globals.
void setGameGlobals(const GameShape &game);

// `count` drawings numbered 1..count, a week apart from 2 January 2020, with random numbers of the
// game (lotto numbers distinct within their drum, digits free); empty columns hold 0.
History randomHistory(const GameShape &game, int count, uint64_t seed);

// The date of week w in randomHistory.
QDate weekDate(int weekNo);

// How many result columns a drawing of the game fills (the rest stay empty).
int filledColumns(const GameShape &game);
