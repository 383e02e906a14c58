#pragma once
// The analysis service: opening a lottery, and the routines that put the analysis of the open
// lottery on the board in front.

#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

class clsAnalysis {
public:
    // Opens the lottery gstrLotteryDbFile (or, at start-up when that is empty, the last one).
    void subOpenSelectedLottery();
    // Sets gstrGameCode and makes the board of the configured game (a new one from the board
    // factory) the window in front, without showing it. False, with nothing changed, when the
    // game has no board.
    bool subSetGameCodeAndBoard();
    // Opens the open lottery again (after the lottery manager closes).
    void subReopenCurrentLottery();

    // ---- POWER and the drawing lists ----------------------------------------------------------
    // These work on the board in front through its interface (iboard.h) and do nothing without
    // one; the board puts the tables of each drum on its controls.

    // POWER: the analysis of the window in the drawing combos recomputed and shown (power
    // tables, pool grids, power intervals of every drum of the game). False, with the tables as
    // they were, when the results cannot be read or the window is refused (the user is told).
    bool subRecalculateAll();

    // Lists the drawings in the three drawing combos (newest first), only while the board is not
    // initialised; connects the results database. False, after telling the user, when the
    // drawings cannot be read.
    bool fncTotalWeekNumberAndAllGameDates();
    // Hit marks off the guess boxes, and off the drawing-number labels.
    void subResetColorOfDrawingNumbers();
    void fncResetCOLORofSelectedWeekNumbers();

    // ---- Help and text export ---------------------------------------------------------------
    // Help > Contents of every window, and the file dialog's HELP: subFindHelpWindow(own);
    // subShowHelp(); subFindHelpWindow(own), so that glngHelpHwnd names the help window shown.
    void subHelpContents(QWidget *own);

    // Looks among the program's open windows, other than `own` (never compared), for the help
    // window: the one whose title is exactly gstrHelpTitle. Sets glngHelpHwnd to its handle, or 0.
    void subFindHelpWindow(QWidget *own);
    // Brings the help window found last to the front, or opens the help window on the guide
    // gstrHelpFile (a message when the program has no such guide).
    void subShowHelp();
    // Writes the board in front as a text report to a temporary text file and opens it in the
    // text editor found at start-up (gstrNotepadPath), or, without one, in a read-only window of
    // the program; the report also goes to the clipboard.
    void subExportReportToNotepad();

    // How the report file is handed to the editor: (editor, file) -> started. Tests put their own
    // in place; an empty function gives the desktop's own way back.
    using ReportOpener = std::function<bool(const QString &editor, const QString &file)>;
    static void setReportOpenerForTests(ReportOpener opener);
    // Removes the report files written for the editor; run when the program ends.
    static void subRemoveReportFiles();
};
