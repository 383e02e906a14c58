#pragma once
// The board in front. Start-up, the opening of a lottery and the dialogs reach the open board
// through this interface; the start window is in front when no board is open.

#include <QPointer>
#include <QWidget>
#include <functional>

class IBoard {
public:
    virtual ~IBoard() = default;

    virtual QWidget *window() = 0;
    // Shows the board; the first show runs its load routine (layout for the game code, drawings
    // listed, settings restored, POWER).
    virtual void showBoard() = 0;
    // Reads the text file of the saved ticket gstrTicketName into the ticket when it exists.
    virtual void subLoadTicketTextFile() = 0;
    // Writes the board's settings record of the selected kind (Mode 1).
    virtual void saveBoardSettings() = 0;
    // Hides and unloads the board; its unload routine runs once.
    virtual void unloadBoard() = 0;
};

// The window in front: the open board, or the start window when no board is open, or nothing
// while a lottery is being opened.
inline QPointer<QWidget> gfrmCurrentBoard;

// The open board, or nullptr when the window in front is not a board.
inline IBoard *currentBoard() { return dynamic_cast<IBoard *>(gfrmCurrentBoard.data()); }

// The three game families and their boards.
enum class BoardFamily { Digit, Lotto, TwoPool };

// Creates the board window of a family (nullptr when the program has none for it). Tests put a
// board of their own in place.
using BoardFactory = std::function<IBoard *(BoardFamily)>;
void setBoardFactory(BoardFactory factory);
IBoard *createBoard(BoardFamily family);
