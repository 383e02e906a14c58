#pragma once
// A board test: the program with the sample lotteries (or a small lottery written for the test)
// and the board of the opened lottery in front.

#include "analysis/state.h"
#include "support/sampleworld.h"

#include <gtest/gtest.h>

class BoardFixture : public ::testing::Test {
protected:
    // 5 from 1..12, four drawings; ball 12 is never drawn.
    //   pick counts  1:3 2:3 3:3 4:1 5:1 6:3 7:2 8:1 9:1 10:1 11:1 12:0
    //   weeks since  1:1 2:0 3:0 4:3 5:3 6:0 7:0 8:2 9:1 10:1 11:0 12:4
    //   hot powers (the pool counts, total 50)  6 7 8 1 1 9 6 2 3 3 4 0
    static inline const GameConfigRecord kLotto512{1, QStringLiteral("Test 5/12"), 12, 0, 0, 5, 0, 0};
    void openFourDrawings()
    {
        openLottery(kLotto512, drawings({{1, 2, 3, 4, 5}, {1, 2, 6, 7, 8}, {1, 3, 6, 9, 10}, {2, 3, 6, 7, 11}}));
    }
    void openSample(const QString &databaseFile)
    {
        world.open(databaseFile);
        board = world.board();
    }
    void openLottery(const GameConfigRecord &config, const History &history)
    {
        world.openLottery(config, history);
        board = world.board();
    }
    static History drawings(const std::vector<std::vector<int32_t>> &numbers) { return SampleWorld::drawings(numbers); }
    // Selects drawing `week` in a drawing combo as the user does.
    static void selectWeek(VbCombo *combo, int32_t week) { combo->setListIndex(glngTotalWeeks - week); }
    // Captions of a label array over rows lo..hi.
    static QStringList captions(const CtlArray<VbLabel> &labels, int lo, int hi)
    {
        QStringList out;
        for (int i = lo; i <= hi; ++i)
            out << (labels.exists(i) ? labels[i]->caption() : QStringLiteral("?"));
        return out;
    }

    SampleWorld world;
    MessageBoxScript &messages = world.messages;
    BoardBase *board = nullptr;
};
