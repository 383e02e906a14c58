#pragma once
// The lotto board: the window of the single-drum lotto games ("500", "600", "700", "510", "610",
// "710", "620"). Its design places the shared vocabulary in twips: the power table and the pool
// grid in two halves of 28 rows each on the left (row pitch 360 twips), the five frames on the
// right. The load routine is the shared one; this board lays out its positions, totals and bonus
// markers for the game code. Its design steps serve the two-pool board too, whose design is this
// one with the second drum's tables and power interval laid over the main drum's.

#include "boards/common/boardbase.h"

class frmLottoBoard : public BoardBase {
public:
    explicit frmLottoBoard(std::shared_ptr<OpenLottery> lottery);

    // Positions of the design, in twips, that the layout and the tests rely on.
    static constexpr int kRowPitch = 360;       // power table and pool grid rows
    static constexpr int kFirstRowTop = 330;    // Top of row 1 (template 0) and row 29 (template 29)
    static constexpr int kPositionLeft = 150;   // Left of position 1 in the position rows
    static constexpr int kPositionPitch = 450;  // from one position to the next
    static constexpr int kPositionWidth = 390;
    static constexpr int kSideLeft = 3900;      // the column right of the position rows in the frames

protected:
    // The lotto design for a board of another family (the two-pool board), which then adds its own
    // steps.
    frmLottoBoard(const BoardDesign &design, std::shared_ptr<OpenLottery> lottery);

    // Positions in use, totals against the last position of each drum, bonus markers.
    void subLayoutForGame() override;

    // Left of a position's elements in the design: the first position at kPositionLeft, each
    // further one kPositionPitch to the right.
    int designLeft(int position) const;

    // ---- Design steps -----------------------------------------------------------------------
    // The whole design: every step below, in order.
    void subDesign();
    // Panels, separator lines and ball bands behind the tables, then the main drum's tables.
    void subDesignTables();
    // The headers and row templates of one drum's power table and pool grid, in the table area.
    void subDesignDrumTables(DrumControls &drum);
    void subDesignDrawings();
    void subDesignPool();
    // The guaranteed numbers, then the main drum's power interval.
    void subDesignGuaranteeAndInterval();
    // One drum's power interval row in the guarantee frame.
    void subDesignPowerInterval(DrumControls &drum);
    void subDesignTicketAndGuess();
    void subDesignResults();
    void subDesignMarkers();
    void subPlaceBonusMarkers();
};
