#include "program/boardfactory.h"

#include "dialogs/iboard.h"

#include "boards/digit/frmdigitboard.h"
#include "boards/lotto/frmlottoboard.h"
#include "boards/twopool/frmtwopoolboard.h"

namespace {

IBoard *createProgramBoard(GameLayout::Family family, std::shared_ptr<OpenLottery> lottery)
{
    switch (family) {
    case GameLayout::Family::Lotto:
        return new frmLottoBoard(std::move(lottery));
    case GameLayout::Family::Digit:
        return new frmDigitBoard(std::move(lottery));
    case GameLayout::Family::TwoDrum:
        return new frmTwoPoolBoard(std::move(lottery));
    }
    return nullptr;
}

}  // namespace

void useProgramBoards() { setBoardFactory(createProgramBoard); }
