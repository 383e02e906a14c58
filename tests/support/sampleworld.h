#pragma once
// The program with the sample lotteries in a sandboxed program folder: every service object, the
// program's own boards, fixed screen metrics, a synchronous column dialog with a fixed seed, and every message answered.
// A lottery opens as the program opens one; the destructor unloads every window and puts the
// program's state back.

#include "analysis/catalogue.h"
#include "analysis/history.h"
#include "sandbox.h"
#include "boards/common/boardbase.h"

#include <QString>
#include <vector>

class SampleWorld {
public:
    SampleWorld();
    ~SampleWorld();

    // Opens the lottery of that database file as Lottery > Load does: its board loads (drawings
    // listed, settings restored or reset, POWER, pool shown) and shows.
    void open(const QString &databaseFile);
    // Writes a lottery of this shape with these drawings as the only lottery of the catalogues
    // (kTestLottery, suffix TL01, of the sample country).
    void writeLottery(const GameConfigRecord &config, const History &drawings);
    // Writes it and opens it.
    void openLottery(const GameConfigRecord &config, const History &drawings);
    // The board in front.
    BoardBase *board() const;
    // Unloads the board in front and lets it go: no window is in front afterwards.
    void closeBoard();
    // An executable file of the program folder made the editor File > Print hands its report to
    // (the hand-over itself is the test's: setReportOpenerForTests); false when it cannot be made.
    bool useStandInEditor() const;

    // Drawings 1, 2 ... one week apart from 2024-01-03, with these numbers (as the game draws them).
    static History drawings(const std::vector<std::vector<int32_t>> &numbers);

    Sandbox sandbox;
    MessageBoxScript messages;

    static const QString kLotto;    // "610", 6/49 + 1 bonus, suffix SM01
    static const QString kTwoDrum;  // "2P520", 5/50 + 2/12, suffix SM02
    static const QString kPick3;    // "130", suffix SM06
    static const QString kTestLottery;  // "Test Lottery.mdb", written by writeLottery
};

// Deletes the windows unloaded so far.
void deleteUnloadedWindows();

// A test that ended the program (QCoreApplication::exit) leaves every later event loop, modal
// dialogs included, returning at once; running the application's own loop once clears that.
void clearProgramEnd();
