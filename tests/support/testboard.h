#pragma once
// A board of the shared board type for tests: every control of the family's vocabulary exists
// (without the real boards' layout), and showing or unloading it does nothing more than that.

#include "boards/common/boardbase.h"

class TestBoard : public BoardBase {
public:
    explicit TestBoard(BoardFamily family = BoardFamily::Lotto) : BoardBase(family) {}

    void showBoard() override { show(); }
    void unloadBoard() override
    {
        hide();
        deleteLater();
    }
    void readBoardSettings(BoardSettings &) override {}
    void applyBoardSettings(const BoardSettings &) override {}
    void resetBoardSettings(const BoardSettings &) override {}
};
