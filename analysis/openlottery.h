#pragma once
// The open lottery's state: its game configuration and layout, its drawings window, the per-ball
// tables of each drum, the board's option flags and the ticket, held in one object that each
// opening of a lottery makes anew. The board of the lottery holds it and hands it to what needs it.

#include "analysis/ballarray.h"
#include "analysis/gamelayout.h"
#include "analysis/history.h"
#include "analysis/pool.h"
#include "analysis/ticketgrid.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

// ---- Per-ball tables of one drum ------------------------------------------------------------
// The main drum and the second drum share one layout; routines take the drum they work on.
struct DrumState {
    // Filled by every recalculation, indexed 0..highest ball (element 0 unused where balls
    // start at 1).
    BallArray<int32_t> garrPickCount;
    BallArray<int32_t> garrLastPickedWeek;
    BallArray<double> garrPower;
    BallArray<int32_t> garrRankTable;  // balls with a higher pick count
    double gvarMaxPower = 0;

    // Sized when a lottery opens, indexed first ball..highest ball.
    BallArray<int32_t> garrPowerPercent;
    BallArray<int32_t> garrPosByLastPicked;
    BallArray<int32_t> garrPosByPowerPercent;
    BallArray<int32_t> garrRowBall;
    BallArray<int32_t> garrExcluded;          // 0 = drawable; any other value excludes
    BallArray<int32_t> garrPoolCountEdited;   // -3 = no count typed
    // The pool count an excluded ball had, which it gets back when included again.
    BallArray<int64_t> garrPoolWeightSaved;

    // Pool weights, then (after a fill) the whole pool count of each ball, first ball..highest.
    BallArray<double> garrPoolWeight;
    // The pool the generator draws from, as last filled; garrPool.size() is the pool size.
    Pool garrPool;
    int64_t glngPoolTotal = 0;
    int64_t glngPoolWeightSavedTotal = 0;

    // Drawing-sum statistics (smallest, mean, largest) and the power interval (lower, upper).
    std::array<int32_t, 3> garrSumStats{};
    bool gblnSumStatsValid = false;
    std::array<int32_t, 2> garrIntervalLimits{};

    bool gblnPowerInterval = false;
    bool gblnPowerRowsCreated = false;
    bool gblnPoolRowsCreated = false;
    bool gblnPoolCountView = false;
    bool gblnSorted = false;
    bool gblnSortedByLastPicked = false;
    bool gblnSortedByPowerPercent = false;
    bool gblnHighlight = false;
    // The exclude-all state of the drum's pool, which its header toggles (the main drum's is kept
    // in the settings record).
    bool gblnAllExcluded = false;
};

// ---- The open lottery ---------------------------------------------------------------------------
struct OpenLottery {
    // ---- Game configuration of the open lottery -------------------------------------------------
    int32_t glngFirstBall = 1;      // 1, or 0 for digit games
    int32_t glngMaxBall = 0;        // highest main number (9 for digit games)
    int32_t glngMaxBallBONUS = 0;   // highest second-drum number, 0 for none
    int32_t glngPicks = 0;          // numbers per drawing; digit games: positions less 1
    int32_t glngBonusCount = 0;
    QString gstrGameCode;           // "130".."180", "500".."710", "620", "2P410".."2P620"

    // The layout of the game.
    GameLayout gLayout;
    // Puts a game's layout into the game configuration above (the configured highest ball is
    // GameLayout::kDigitGameHighestBall on digit games) and keeps it.
    void applyGame(const GameLayout &layout)
    {
        glngFirstBall = layout.firstPosition;
        glngMaxBall = layout.highestMain;
        glngMaxBallBONUS = layout.highestSecond;
        glngPicks = layout.lastMainPosition;
        glngBonusCount = layout.bonusPositions();
        glngCfgHighestBall = layout.configuredHighestBall();
        glngCfgHighestBallBONUS = layout.highestSecond;
        gLayout = layout;
    }

    // The game shape as the catalogue gives it.
    int32_t glngConfigLotteryId = 0;
    QString gstrGameTitle;
    int32_t glngCfgHighestBall = 0;
    int32_t glngCfgHighestBallBONUS = 0;
    int32_t glngCfgReserved5 = 0;
    int32_t glngCfgNumbersDrawn = 0;
    int32_t glngCfgBonusCount = 0;
    int32_t glngCfgReserved8 = 0;

    // The lottery and country rows of the open lottery.
    int32_t glngLotteryId = 0;
    QString gstrLotteryName;
    QString gstrDatabaseFile;
    QString gstrFileSuffix;
    QString gstrPreviousFileSuffix;
    QString gstrNewFileSuffix;
    QString gstrConfigFileSuffix;
    int32_t glngCountryRecordId = 0;
    QString gstrCountryName;

    // ---- Drawings and the analysis window -------------------------------------------------------
    // The drawings of the results database, read once and again only when the database changed.
    LoadedHistory gLoadedHistory;
    // Drawing dates newest first at 1..glngTotalWeeks; element 0 is unused.
    std::vector<QDate> garrGameDates;
    int32_t glngTotalWeeks = 0;
    // The window of the last POWER run.
    int32_t glngStartWeek = 0;
    int32_t glngReferenceWeek = 0;
    QString gstrDrawDate;
    // The end drawing's numbers, positions 1..K+B (0..K on digit games).
    BallArray<int32_t> garrReferenceDrawing;

    // ---- Per-ball tables of each drum, indexed by Drum --------------------------------------
    std::array<DrumState, 2> gDrums;
    DrumState &drum(Drum d) { return gDrums[static_cast<size_t>(drumIndex(d))]; }
    const DrumState &drum(Drum d) const { return gDrums[static_cast<size_t>(drumIndex(d))]; }

    // ---- Options and board state ----------------------------------------------------------------
    int32_t gintHotColdMode = 0;  // 0 hot, any other value cold
    bool gblnPowerIncrease = false;
    bool gblnEqualChance = false;
    bool gblnGuaranteeNumbers = false;
    bool gblnCompareWithGuess = false;
    bool gblnIncrementalTicket = false;
    bool gblnBoardInitialised = false;
    bool gblnMainPoolView = true;
    bool gblnSkipDraw = false;
    bool gblnTicketColumnSelected = false;
    bool gblnBoxedCompare = false;  // digit games: Boxed comparison (else Straight)

    // ---- The ticket -----------------------------------------------------------------------------
    TicketGrid garrTicketGrid;
    // The list line of grid row r stands at index r - 1.
    QStringList garrTicketLines;
    int32_t glngColumnsBefore = 0;
    int32_t glngColumnsTarget = 0;
    int32_t glngColumnsMade = 0;
    int32_t glngGridRow = 0;
    int32_t glngGridSize = 0;
    // The last comparison: the line of the last column built (or of the column selected), the grid's
    // cells (columns x K) and the columns without a main hit.
    QString gstrTicketLine;
    int64_t glngTicketCells = 0;
    int64_t glngZeroHitColumns = 0;
};
