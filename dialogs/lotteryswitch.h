#pragma once
// The window in front follows the lottery the user opens: the chosen lottery is checked whole
// before anything changes, then its board replaces the window in front; a lottery that cannot open
// is told and leaves the board in front as it was (or the start window when none is open).

#include "analysis/openlottery.h"

#include <memory>

// Opens the lottery gstrLotteryDbFile (or, at start-up when that is empty, the last one).
void subOpenSelectedLottery();
// Sets the game code of the lottery and makes the board of its configured game (a new one from the
// board factory, with the lottery) the window in front, without showing it. False, with nothing
// changed but the code, when the game has no board.
bool subSetGameCodeAndBoard(std::shared_ptr<OpenLottery> lottery);
// Opens the open lottery again (after the lottery manager closes).
void subReopenCurrentLottery();
