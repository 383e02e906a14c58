#include "dialogs/iboard.h"

void setBoardFactory(BoardFactory factory)
{
    if (!factory) {
        app().boardFactory = nullptr;
        return;
    }
    app().boardFactory = [factory = std::move(factory)](BoardFamily family) -> QObject * {
        IBoard *board = factory(family);
        return board ? board->window() : nullptr;
    };
}

IBoard *createBoard(BoardFamily family)
{
    return app().boardFactory ? dynamic_cast<IBoard *>(app().boardFactory(family)) : nullptr;
}
