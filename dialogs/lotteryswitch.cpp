// Opening a lottery: every file it needs is read and checked before anything of the open lottery
// is touched; a lottery that cannot open is reported and leaves the board in front as it was (or
// the start window in front when no board is open).

#include "dialogs/lotteryswitch.h"

#include "analysis/clslotterydb.h"
#include "analysis/lotteryopening.h"
#include "analysis/openlottery.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "app/clsfilesystem.h"
#include "app/settingsstore.h"
#include "app/clsrecordfile.h"
#include "app/faulttext.h"
#include "app/filetitle.h"
#include "dialogs/programmessage.h"
#include "dialogs/iboard.h"
#include "platform/ui/respicture.h"
#include "dialogs/frmfilemanager.h"
#include "dialogs/startwindow.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "platform/ui/msgbox.h"

namespace {

// A results database that cannot be opened, with the reason (string table).
constexpr int kDatabaseNotOpened = 49030;

// Whether a lottery that failed to open is gone for good, so that the next start does not try it
// again: its database file is missing, or a catalogue that was read does not list it. A catalogue
// that cannot be read, a database that cannot be opened now and a game the catalogues describe in
// a way no board serves leave the lottery as it is, to be tried again.
bool forgetsLottery(const OpeningCheck &check)
{
    if (check.problem == OpeningProblem::LotteryNotListed)
        return true;
    return check.problem == OpeningProblem::DatabaseUnreadable && check.databaseFault == lotterydb::Fault::Missing;
}

QString problemText(const OpeningCheck &check, const QString &databaseFile)
{
    const QString name = fncFileTitle(databaseFile);
    switch (check.problem) {
    case OpeningProblem::CatalogueMissing:
        return res(46000).arg(check.file);
    case OpeningProblem::CatalogueDamaged:
        subLogFailureDetail(eventlog::kFileReadFailure, check.detail);
        return res(46010).arg(check.file);
    case OpeningProblem::LotteryNotListed:
        return res(46020).arg(name);
    case OpeningProblem::ConfigMissing:
        return res(46030).arg(name);
    case OpeningProblem::CountryMissing:
        return res(46040).arg(name);
    case OpeningProblem::NoBoard:
        return res(46050).arg(name);
    case OpeningProblem::DatabaseUnreadable:
        subLogFailureDetail(eventlog::kDatabaseFailure, check.detail);
        return res(kDatabaseNotOpened).arg(name, fncDatabaseFaultText(check.databaseFault));
    case OpeningProblem::None:
        break;
    }
    return {};
}

// Hides and unloads the window in front (a board, or the start window) and clears it.
void unloadWindowInFront()
{
    if (IBoard *board = currentBoard())
        board->unloadBoard();
    else if (app().gfrmCurrentBoard)
        unloadStartWindow();
    app().gfrmCurrentBoard = nullptr;
}

// A lottery that cannot open, told to the user. Its drawings read ahead are forgotten. The board
// that is open stays open, with its lottery; without one the start window comes in front, and a
// last-used lottery that is gone for good is forgotten so that the next start does not try it
// again.
void failOpening(const OpeningCheck &check, const QString &databaseFile)
{
    if (app().gobjLotteryDb)
        app().gobjLotteryDb->subForgetHistoryAhead();
    fncProgramMessage(windowInFront(), problemText(check, databaseFile), msgbox::kOkOnly);
    if (currentBoard()) {
        app().gstrLotteryDbFile = app().gstrLastLotteryDbFile;
        return;
    }
    if (forgetsLottery(check) && !databaseFile.isEmpty() && app().gstrLastLotteryDbFile == databaseFile) {
        app().gstrLastLotteryDbFile.clear();
        fncForgetLastLottery();
    }
    app().gstrLotteryDbFile.clear();
    showStartWindowInFront();
}

// The board of a checked lottery with its open lottery, made before anything changes: a lottery
// whose family has no board is refused like any other that cannot open (nothing when refused).
IBoard *makeBoardFor(const OpeningCheck &check, const QString &databaseFile)
{
    auto lottery = std::make_shared<OpenLottery>(makeOpenLottery(check.opening, app().gstrLastFileSuffix));
    lottery->gstrGameCode = check.opening.gameCode.code;
    IBoard *board = createBoard(check.opening.gameCode.family, std::move(lottery));
    if (!board) {
        OpeningCheck refused = check;
        refused.problem = OpeningProblem::NoBoard;
        failOpening(refused, databaseFile);
    }
    return board;
}

// The pictures of the balls of a lottery's power tables and pool grids, read while its board is
// made.
void readPicturesAhead(const LotteryOpening &opening)
{
    const GameLayout layout = gameLayoutFor(opening.config);
    QStringList names;
    for (const char *colour : {"B", "G"})
        for (Drum drum : layout.drums())
            for (int ball = layout.drum(drum).firstBall; ball <= layout.drum(drum).maxBall; ++ball)
                names << QString::fromLatin1(colour) + QString::number(ball);
    names.removeDuplicates();
    subReadBallPicturesAhead(names);
}

// Shows the start window while the checked lottery becomes the open one, then its board.
void showCheckedLottery(IBoard *board)
{
    showStartWindow();
    doEvents();
    app().gstrLastFileSuffix = board->lottery().gstrFileSuffix;
    app().gfrmCurrentBoard = board->window();
    board->showBoard();
    // The board's load may have given up and unloaded it again.
    if (currentBoard() == board)
        board->subLoadTicketTextFile();
}

// The board of a lottery that passes the checks, its drawings (from the moment the catalogues list
// it) and pictures being read ahead while it is made; nothing (the user told why, as failOpening
// does) when the lottery cannot open.
IBoard *checkedBoardFor(const QString &databaseFile)
{
    OpeningCheck check = prepareLotteryListing(databaseFile, app().gstrAppFolder);
    if (check.problem == OpeningProblem::None) {
        // The drawings, which take longest, are read from here on, beside the check of the
        // database and the making of the board.
        if (app().gobjLotteryDb)
            app().gobjLotteryDb->subReadHistoryAhead(app().gstrLotteryDbsFolder, databaseFile);
        checkLotteryDatabase(check, app().gstrLotteryDbsFolder + databaseFile);
    }
    if (check.problem != OpeningProblem::None) {
        failOpening(check, databaseFile);
        return nullptr;
    }
    readPicturesAhead(check.opening);
    return makeBoardFor(check, databaseFile);
}

}  // namespace

void subOpenSelectedLottery()
{
    QString choice = app().gstrLotteryDbFile;
    const QString last = app().gstrLastLotteryDbFile;
    IBoard *openBoard = currentBoard();
    if (!choice.isEmpty() && choice == last && openBoard) {
        // The lottery is already open: only the file dialog closes.
        DefaultInstance<frmFileManager>::unload();
        return;
    }
    const bool startUp = choice.isEmpty();
    if (startUp) {
        if (last.isEmpty()) {
            showStartWindowInFront();
            return;
        }
        choice = last;
    }
    IBoard *board = checkedBoardFor(choice);
    if (!board)
        return;
    if (!startUp && openBoard && !last.isEmpty()) {
        // The lottery being left keeps its settings, written from its board still on screen
        // under its own name and file suffix.
        app().gstrLotteryDbFile = last;
        fncSaveLotterySettings(windowInFront());
    }
    app().gstrLotteryDbFile = choice;
    app().gstrLastLotteryDbFile = choice;
    if (!startUp) {
        DefaultInstance<frmFileManager>::unload();
        unloadWindowInFront();
        doEvents();
    }
    showCheckedLottery(board);
}

bool subSetGameCodeAndBoard(std::shared_ptr<OpenLottery> lottery)
{
    const auto shape = gameCodeFor(configuredGame(*lottery));
    if (!shape)
        return false;
    lottery->gstrGameCode = shape->code;
    IBoard *board = createBoard(shape->family, std::move(lottery));
    if (!board)
        return false;
    app().gfrmCurrentBoard = board->window();
    return true;
}

void subReopenCurrentLottery()
{
    const QString lottery = app().gstrLotteryDbFile;
    if (lottery.isEmpty()) {
        showStartWindowInFront();
        return;
    }
    IBoard *board = checkedBoardFor(lottery);
    if (!board)
        return;
    unloadWindowInFront();
    doEvents();
    showCheckedLottery(board);
}
