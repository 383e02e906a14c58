#pragma once
// A board test: the program with the sample lotteries (or a small lottery written for the test)
// and the board of the opened lottery in front.

#include "analysis/state.h"
#include "support/sampleworld.h"

#include <gtest/gtest.h>

class BoardFixture : public ::testing::Test {
protected:
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
