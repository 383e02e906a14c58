#pragma once
// A test board with a lottery open on it: the sample lotteries, or a small lottery written for the
// test, opened as the program opens one, then loaded the way a board's load routine does it
// (drawings listed, settings reset, POWER, initialised, pool shown). Every message is answered.

#include "analysis/clslotterydb.h"
#include "analysis/history.h"
#include "analysis/samplelotteries.h"
#include "analysis/state.h"
#include "analysis/ui/clsanalysis.h"
#include "analysis/ui/clsanalysisbonus.h"
#include "support/sandbox.h"
#include "support/testboard.h"

#include <gtest/gtest.h>
#include <memory>

class BoardFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens a sample lottery (by its database file name) on a new test board and loads it.
    void openSample(const QString &databaseFile);
    // Writes a lottery of this shape with these drawings (numbers per drawing as the game draws
    // them) as the only lottery of the catalogues, then opens and loads it.
    void openLottery(const GameConfigRecord &config, const History &drawings);
    // Opens the lottery of that database file (its catalogues written) on a new test board.
    void openOnBoard(const QString &databaseFile);
    // What the board's load does for the analysis: drawing lists, reset settings, POWER, the
    // board initialised, the pool shown.
    void loadBoard();

    // Drawings d1, d2 ... one week apart, numbered from 1.
    static History drawings(const std::vector<std::vector<int32_t>> &numbers);
    // Selects drawing `week` in a drawing combo as the user would.
    void selectWeek(VbCombo *combo, int32_t week);
    // Captions of a label array over rows lo..hi.
    static QStringList captions(const CtlArray<VbLabel> &labels, int lo, int hi);

    Sandbox sandbox;
    MessageBoxScript messages;
    clsLotteryDb db;
    clsAnalysis analysis;
    clsAnalysisBONUS analysisBonus;
    std::unique_ptr<TestBoard> board;
};
