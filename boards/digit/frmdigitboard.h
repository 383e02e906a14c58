#pragma once
// The digit board: the window of the digit games ("130" to "180"), three to eight positions each
// holding a digit 0 to 9. Its design is the lotto board's with positions counted from 0, one table
// half for the digits 0..9, no bonus markers, and the "Straight" / "Boxed" pair that chooses how
// the ticket is compared. Games of three or four positions show their position boxes at double
// width, each overlapping its left neighbour by 20 twips.

#include "boards/lotto/frmlottoboard.h"

#include <cstdint>
#include <optional>

class frmDigitBoard : public frmLottoBoard {
public:
    explicit frmDigitBoard(std::shared_ptr<OpenLottery> lottery);

    // Overlap of neighbouring position boxes at double width, and the extra width of the ticket
    // list on a game of four positions, in twips.
    static constexpr int kDoubleWidthOverlap = 20;
    static constexpr int kFourPositionListGrowth = 50;

    // "Straight" (0) or "Boxed" (1) chosen: the next DRAW or Compare uses that rule; the ticket is
    // not compared again here.
    void optStraightBoxed_Click(int Index);
    // A click on the caption "Straight" (0) or "Boxed" (1) selects its option.
    void lblStraightBoxed_Click(int Index);

    // Guessed digits: a box holds one digit 0..9 or nothing. Taking the focus empties the box;
    // leaving it keeps a digit (written as one figure) with every position's power, and empties
    // anything else, its power leaving the total.
    void txtGuess_GotFocus(int Index) override;
    void txtGuess_LostFocus(int Index) override;

    // Guaranteed digits: one digit 0..9 per box, or nothing; the same digit may stand at several
    // positions, and the exclusion boxes are left alone. A number above 9 brings back the digit
    // the box held when it took the focus.
    void chkGuaranteeNumbers_Click() override;
    void txtGuaranteeNumber_GotFocus(int Index) override;
    void txtGuaranteeNumber_LostFocus(int Index) override;

    // The digit a box's text names: a whole number 0..9 written in figures only ("07" is 7);
    // nothing for an empty text, a larger number or anything else.
    static std::optional<int32_t> fncBoxDigit(const QString &text);

    // "Straight" / "Boxed".
    CtlArray<VbOption> optStraightBoxed;  // 0 Straight, 1 Boxed
    CtlArray<VbLabel> lblStraightBoxed;

    // The board's settings with the Straight/Boxed choice.
    void readBoardSettings(BoardSettings &settings) override;
    void applyBoardSettings(const BoardSettings &settings) override;
    void resetBoardSettings(const BoardSettings &defaults) override;
    // The colours and words of the board with those of the Straight/Boxed pair.
    void subApplyBoardColours() override;
    void subApplyLanguage() override;
    // An empty digit box adds nothing and keeps its power.
    std::optional<int32_t> guessForPower(int position) const override;
    // The ticket is compared digit by digit ("Straight") or as a set of digits ("Boxed").
    ComparisonLayout ticketComparisonLayout() const override;

protected:
    // Positions 0 to the last one of the game, doubled for games of three or four positions, and
    // the totals against the last position.
    void subLayoutForGame() override;

private:
    void subDesignDigits();
    void subDoublePositionWidths();
    // The powers of every guessed digit (an empty position shows 0) and their total.
    void subShowGuessPowers();
    void putStraightBoxed(const BoardSettings &settings);

    std::optional<int32_t> mlngGuaranteeDigitBefore;  // the digit a guarantee box held at focus
};
