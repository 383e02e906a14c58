#include "program/boardfactory.h"

#include "dialogs/iboard.h"

#include "boards/digit/frmdigitboard.h"
#include "boards/lotto/frmlottoboard.h"
#include "boards/twopool/frmtwopoolboard.h"

namespace {

IBoard *createProgramBoard(BoardFamily family, std::shared_ptr<OpenLottery> lottery)
{
    switch (family) {
    case BoardFamily::Lotto:
        return new frmLottoBoard(std::move(lottery));
    case BoardFamily::Digit:
        return new frmDigitBoard(std::move(lottery));
    case BoardFamily::TwoPool:
        return new frmTwoPoolBoard(std::move(lottery));
    }
    return nullptr;
}

}  // namespace

void useProgramBoards() { setBoardFactory(createProgramBoard); }
