#pragma once
// Random drawing histories of any game shape, for comparing the analysis with the models.

#include "analysis/gamelayout.h"
#include "analysis/history.h"

#include <QDate>
#include <cstdint>

// `count` drawings numbered 1..count, a week apart from 2 January 2020, with random numbers of the
// game (lotto numbers distinct within their drum, digits free); empty columns hold Drawing::kEmpty.
History randomHistory(const GameLayout &game, int count, uint64_t seed);

// The date of week w in randomHistory.
QDate weekDate(int weekNo);

// How many result columns a drawing of the game fills (the rest stay empty).
int filledColumns(const GameLayout &game);
