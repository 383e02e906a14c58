#pragma once
// A board of the shared board type for tests: every control of the family's vocabulary exists,
// without a layout of its own; it loads and unloads as every board does.

#include "boards/common/boardbase.h"

class TestBoard : public BoardBase {
public:
    explicit TestBoard(BoardFamily family = BoardFamily::Lotto) : BoardBase(family) {}
};
