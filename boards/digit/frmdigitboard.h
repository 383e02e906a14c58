#pragma once
// The digit board: the window of the digit games ("130" to "180"), three to eight positions each
// holding a digit 0 to 9. Its design is the lotto board's with positions counted from 0, one table
// half for the digits 0..9, no bonus markers, and the "Straight" / "Boxed" pair that chooses how
// the ticket is compared. Games of three or four positions show their position boxes at double
// width, each overlapping its left neighbour by 20 twips.

#include "boards/lotto/frmlottoboard.h"

class frmDigitBoard : public frmLottoBoard {
public:
    frmDigitBoard();

    // Overlap of neighbouring position boxes at double width, and the extra width of the ticket
    // list on a game of four positions, in twips.
    static constexpr int kDoubleWidthOverlap = 20;
    static constexpr int kFourPositionListGrowth = 50;

    // "Straight" (0) or "Boxed" (1) chosen: the next DRAW or Compare uses that rule; the ticket is
    // not compared again here.
    void optStraightBoxed_Click(int Index);
    // A click on the caption "Straight" (0) or "Boxed" (1) selects its option.
    void lblStraightBoxed_Click(int Index);

protected:
    // Positions 0 to the last one of the game, doubled for games of three or four positions, and
    // the totals against the last position.
    void subLayoutForGame() override;

private:
    void subDesignDigits();
    void subDoublePositionWidths();
};
