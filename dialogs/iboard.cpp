#include "dialogs/iboard.h"

void setBoardFactory(BoardFactory factory)
{
    if (!factory) {
        app().boardFactory = nullptr;
        return;
    }
    app().boardFactory = [factory = std::move(factory)](GameLayout::Family family,
                                                       std::shared_ptr<OpenLottery> lottery) -> QObject * {
        IBoard *board = factory(family, std::move(lottery));
        return board ? board->window() : nullptr;
    };
}

IBoard *createBoard(GameLayout::Family family, std::shared_ptr<OpenLottery> lottery)
{
    if (!app().boardFactory)
        return nullptr;
    return dynamic_cast<IBoard *>(app().boardFactory(family, std::move(lottery)));
}

BoardSettings fncBoardControls(IBoard &board)
{
    const OpenLottery &lottery = board.lottery();
    BoardSettings controls = boardSettingsDefaults(lottery.gLayout, DrawingsInfo::of(lottery));
    board.readBoardSettings(controls);
    return controls;
}
