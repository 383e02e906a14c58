#pragma once
// The open lottery's state: its game configuration, its drawings window, the per-ball tables of
// each drum, the board's option flags and the ticket. One instance of everything for the run.

#include "analysis/ballarray.h"
#include "analysis/gamelayout.h"
#include "analysis/pool.h"
#include "analysis/ticketgrid.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

// ---- Game configuration of the open lottery -------------------------------------------------
inline int32_t glngFirstBall = 1;      // 1, or 0 for digit games
inline int32_t glngMaxBall = 0;        // highest main number (9 for digit games)
inline int32_t glngMaxBallBONUS = 0;   // highest second-drum number, 0 for none
inline int32_t glngPicks = 0;          // numbers per drawing; digit games: positions less 1
inline int32_t glngBonusCount = 0;
inline int32_t glngReserved5 = 0;
inline int32_t glngReserved8 = 0;
inline QString gstrGameCode;           // "130".."180", "500".."710", "620", "2P410".."2P620"

// The layout of the open game (set with the game shape, see GameShape::makeCurrent).
inline GameLayout gLayout;

// The game shape as the catalogue gives it.
inline int32_t glngConfigLotteryId = 0;
inline QString gstrGameTitle;
inline int32_t glngCfgHighestBall = 0;
inline int32_t glngCfgHighestBallBONUS = 0;
inline int32_t glngCfgReserved5 = 0;
inline int32_t glngCfgNumbersDrawn = 0;
inline int32_t glngCfgBonusCount = 0;
inline int32_t glngCfgReserved8 = 0;

// The lottery and country rows of the open lottery.
inline int32_t glngLotteryId = 0;
inline QString gstrLotteryName;
inline QString gstrDatabaseFile;
inline QString gstrFileSuffix;
inline QString gstrPreviousFileSuffix;
inline QString gstrNewFileSuffix;
inline QString gstrConfigFileSuffix;
inline int32_t glngCountryId = 0;
inline int32_t glngCountryRecordId = 0;
inline QString gstrCountryName;

// ---- Drawings and the analysis window -------------------------------------------------------
// Drawing dates newest first at 1..glngTotalWeeks; element 0 is unused.
inline std::vector<QDate> garrGameDates;
inline int32_t glngTotalWeeks = 0;
// The window of the last POWER run.
inline int32_t glngStartWeek = 0;
inline int32_t glngReferenceWeek = 0;
inline QString gstrDrawDate;
// The end drawing's numbers, positions 1..K+B (0..K on digit games).
inline BallArray<int32_t> garrReferenceDrawing;

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
    BallArray<int32_t> garrPoolWeightSaved;

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
};

// The tables of each drum, indexed by Drum.
inline std::array<DrumState, 2> gDrums;
inline DrumState &gDrum = gDrums[0];       // main drum (digits 0..9 on digit games)
inline DrumState &gDrumBONUS = gDrums[1];  // second drum of two-drum games
inline DrumState &drumState(Drum drum) { return gDrums[static_cast<size_t>(drumIndex(drum))]; }

// ---- Options and board state ----------------------------------------------------------------
inline int32_t gintHotColdMode = 0;  // 0 hot, any other value cold
inline bool gblnPowerIncrease = false;
inline bool gblnEqualChance = false;
inline bool gblnGuaranteeNumbers = false;
inline bool gblnCompareWithGuess = false;
inline bool gblnIncrementalTicket = false;
inline bool gblnBoardInitialised = false;
inline bool gblnMainPoolView = true;
inline bool gblnSkipDraw = false;
inline bool gblnTicketColumnSelected = false;
inline bool gblnAllExcluded = false;

// ---- The ticket -----------------------------------------------------------------------------
inline TicketGrid garrTicketGrid;
// The list line of grid row r stands at index r - 1.
inline QStringList garrTicketLines;
inline int32_t glngColumnsBefore = 0;
inline int32_t glngColumnsTarget = 0;
inline int32_t glngColumnsMade = 0;
inline int32_t glngGridRow = 0;
inline int32_t glngGridSize = 0;
// The last comparison: the line of the last column built (or of the column selected), the grid's
// cells (columns x K) and the columns without a main hit.
inline QString gstrTicketLine;
inline int64_t glngTicketCells = 0;
inline int64_t glngZeroHitColumns = 0;
inline constexpr int32_t kMaxTicketColumns = 32000;

// Tooltips and lottery-management messages of the current language, entries 0..30: empty texts
// until a board applies a language.
inline constexpr int kMessageCount = 31;
inline QStringList garrMessages = QStringList(kMessageCount);
