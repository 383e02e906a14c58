#pragma once
// The program with the sample lotteries in a sandboxed program folder: every service object,
// test boards in place of the real ones, and the lottery opened as the program opens it. The
// destructor unloads every window and puts the program's state back.

#include "sandbox.h"
#include "testboard.h"

#include <QString>

class SampleWorld {
public:
    SampleWorld();
    ~SampleWorld();

    // Opens the lottery as Lottery > Load does and connects its results database (the real
    // boards connect it when they load).
    void open(const QString &databaseFile);
    // The board in front, when it is a test board.
    TestBoard *board() const;

    QString savedTickets() const;

    Sandbox sandbox;

    static const QString kLotto;    // "610", 6/49 + 1 bonus, suffix SM01
    static const QString kTwoDrum;  // "2P520", 5/50 + 2/12, suffix SM02
    static const QString kPick3;    // "130", suffix SM06
};

// Deletes the windows unloaded so far.
void deleteUnloadedWindows();
