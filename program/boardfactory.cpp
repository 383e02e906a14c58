#include "program/boardfactory.h"

#include "dialogs/iboard.h"

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

}  // namespace

void useProgramBoards() { setBoardFactory(createProgramBoard); }
