#include "boards/common/iboard.h"

#include "boards/digit/frmdigitboard.h"
#include "boards/lotto/frmlottoboard.h"
#include "boards/twopool/frmtwopoolboard.h"

namespace {

IBoard *createProgramBoard(BoardFamily family)
{
    switch (family) {
    case BoardFamily::Lotto:
        return new frmLottoBoard();
    case BoardFamily::Digit:
        return new frmDigitBoard();
    case BoardFamily::TwoPool:
        return new frmTwoPoolBoard();
    }
    return nullptr;
}

BoardFactory &factory()
{
    static BoardFactory f = createProgramBoard;
    return f;
}

}  // namespace

void setBoardFactory(BoardFactory f)
{
    factory() = f ? std::move(f) : BoardFactory(createProgramBoard);
}

IBoard *createBoard(BoardFamily family) { return factory()(family); }
