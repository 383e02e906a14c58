#pragma once
// The two-pool board: the window of the two-drum lotto games ("2P410", "2P510", "2P610", "2P710"
// with one second-drum number, "2P520" and "2P620" with two). Its design is the lotto board's with
// the second drum's power table, pool grid and power interval beside the main drum's: each drum's
// tables stand on a panel of their own in the table area, and each drum's interval row on a panel
// of its own in the guarantee frame; the two game-matrix labels are the tabs that bring one drum's
// panels to the front. Every handler of the shared board serves both drums; this board adds the
// tabs, its layout for the game code and the comparison of main and second-drum hits.

#include "boards/lotto/frmlottoboard.h"

class QStackedWidget;

class frmTwoPoolBoard : public frmLottoBoard {
public:
    explicit frmTwoPoolBoard(std::shared_ptr<OpenLottery> lottery);

    // Design measures, in twips, that the tests rely on.
    static constexpr int kIntervalPanelTop = 690;  // the interval panels within the guarantee frame

    // ---- Tabs: which drum's tables are in front -----------------------------------------------
    // The main tab (lblGameMatrix) and the second drum's tab (lblGameMatrixBONUS).
    void lblGameMatrix_Click(Drum drum);
    // Brings the drum gblnMainPoolView names to the front unless its tab is in front already:
    // the panels (once the board is initialised), the tab styles and status panel 2.
    void subSwitchPoolView();
    // The drum's panels in front, the frames marking the drum, the second drum's interval caption
    // and range frames; nothing while the board is not initialised.
    void subShowPoolView();

    // ---- This board's own controls -------------------------------------------------------------
    QStackedWidget *stkDrumTables = nullptr;     // page 0 the main drum's tables, page 1 the second's
    QStackedWidget *stkPowerInterval = nullptr;  // page 0 the main interval row, page 1 the second's
    CtlArray<VbShape> shpPowerRangeFrame;        // 0..2: frames of the second drum's interval row

protected:
    // The two tabs: captions, colours, sizes, the main tab in front.
    void subShowGameMatrix() override;
    // Positions in use, the totals of both drums, the second-drum markers for the game code.
    void subLayoutForGame() override;
    // The main drum's totals, then the second drum's right beside them.
    void subPlaceTotals() override;
    // Both pools shown at load, the main pool first.
    void subRefreshPoolsAtLoad() override;

private:
    void subDesignSecondDrum();
    void subDesignTabs();
    void subDesignPanels();
    void subPlaceSecondDrumTotals();
    void subPlaceSecondDrumMarkers();
    void styleTabs(Drum front);
    void markDrumInFront(Drum front);

    Drum tabInFront_ = Drum::Main;
    // Whether the bands of the right table halves were shown when the second drum came to the front.
    bool rightBandsShown_[2] = {false, false};
};
