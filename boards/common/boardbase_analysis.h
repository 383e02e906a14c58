#pragma once
// Helpers shared by the board's POWER, pool, DRAW and comparison handlers and its drum views.

#include "boards/common/boardbase.h"

#include <cstdint>
#include <optional>

namespace boardanalysis {

// The drawing number in a drawing combo's text.
std::optional<int32_t> comboWeek(const VbCombo *combo);
// Selects entry `index` of a combo (again when its text was overwritten); Click runs on a change.
void selectEntry(VbCombo *combo, int index);
// The power of the number at a drawing or guess position of the lottery's game: its pick count in
// its drum.
int32_t powerOf(const OpenLottery &lottery, int position, int32_t number);
// Entry `entry` of the shared message table (empty before the language routine filled it).
QString message(int entry);
// The count a "Pool n" box shows, as a number (0 when it shows none).
double poolBoxCount(const VbTextBox *box);
// An included ball's "Pool n" box: white for 0, light yellow for a count.
void colourPoolCountBox(VbTextBox *box);

// Connect the pool handlers and the DRAW and comparison handlers.
void wirePoolHandlers(BoardBase &board);
void wireDrawHandlers(BoardBase &board);

}  // namespace boardanalysis
