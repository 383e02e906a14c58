#include "dialogs/iboard.h"

namespace {

BoardFactory &factory()
{
    static BoardFactory f;
    return f;
}

}  // namespace

void setBoardFactory(BoardFactory f) { factory() = std::move(f); }

IBoard *createBoard(BoardFamily family) { return factory() ? factory()(family) : nullptr; }
