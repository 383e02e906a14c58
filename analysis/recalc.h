#pragma once
// The whole recalculation of POWER over the drawings of the open lottery: pick counts, ranks,
// last picked weeks, powers, pool weights, counts and pool, and the drawing-sum statistics, for
// the main drum (digits on digit games) and for the second drum of two-drum games. The board
// reads the window from its combos, calls checkAnalysisWindow and recalculateAll, and then shows
// the tables (power table, pool grid, interval) from gDrum and gDrumBONUS.

#include "analysis/drum.h"
#include "analysis/history.h"
#include "analysis/interval.h"
#include "analysis/pool.h"
#include "analysis/state.h"

#include <QDate>
#include <cstdint>

struct RecalcInputs {
    int32_t fromWeek = 0;        // cboStartDrawing
    int32_t toWeek = 0;          // cboEndDrawing
    QDate upToDate;              // cboDrawingDate
    int32_t hotColdMode = 0;     // gintHotColdMode
    bool powerIncrease = false;  // gblnPowerIncrease
    int32_t level = 2;           // hsbPowerIncrease.Value
    int32_t totalWeeks = 0;      // glngTotalWeeks

    // The window and level as given, the rest from the option globals.
    static RecalcInputs fromState(int32_t fromWeek, int32_t toWeek, const QDate &upToDate, int32_t level);
};

enum class WindowCode {
    Ok,
    NoDrawings,     // the lottery has no drawings yet
    StartAfterEnd,  // the start drawing comes after the end drawing
    EmptyWindow,    // no drawing lies between the start and the end drawing
};

struct WindowCheck {
    WindowCode code = WindowCode::Ok;
    int64_t missingWeeks = 0;    // week numbers of the window without a drawing (left out)
    int64_t numbersOutside = 0;  // drawn numbers outside their drum (left out)
    int64_t emptyNumbers = 0;    // columns of the drawings without a number (left out)

    bool refused() const { return code != WindowCode::Ok; }
    bool hasWarning() const { return missingWeeks > 0 || numbersOutside > 0 || emptyNumbers > 0; }
};

// Whether POWER can run over the window, and what it will leave out.
WindowCheck checkAnalysisWindow(const History &history, const GameShape &game, const RecalcInputs &in);

// Runs the statistics, powers, pool and sum statistics of one drum into `state`. Nothing is
// checked here: call checkAnalysisWindow first.
void recalculateDrum(const History &history, const DrumShape &drum, const RecalcInputs &in, DrumState &state);

// The recalculation of POWER for the open game into gDrum (and gDrumBONUS on two-drum games).
// When the window is refused nothing changes; the result says why (and what was left out).
WindowCheck recalculateAll(const History &history, const RecalcInputs &in);

// ---- The pool of one drum, for the board's POPULATE and pool refresh ----------------------------

// Weighted fill (subFillPoolGrid without the grid): garrPoolWeight from the powers and the
// exclusions, rounded to counts, the pool rebuilt and glngPoolTotal set to the sum of the counts.
// Returns the pool size.
int64_t fillPoolFromPowers(DrumState &state, const DrumShape &drum, const RecalcInputs &in);

// subFillPool: rounds garrPoolWeight (which the board may have written with its own counts) to
// counts in place and rebuilds the pool; glngPoolTotal is left to the caller. Returns the size.
int64_t subFillPool(DrumState &state);
