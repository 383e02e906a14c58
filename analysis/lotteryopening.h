#pragma once
// Opening a lottery, the part that works on data: everything is read and checked first (the
// catalogues by prepareLotteryListing, then the results database by checkLotteryDatabase), and
// only an opening that can succeed makes the new open lottery (makeOpenLottery), so that a lottery
// that cannot open leaves the open one as it was.

#include "analysis/catalogue.h"
#include "analysis/clslotterydb.h"
#include "analysis/openlottery.h"

#include <QString>

struct LotteryOpening {
    CatalogueTable lotteries;
    CatalogueTable configs;
    CatalogueTable countries;
    LotteryRecord lottery;
    GameConfigRecord config;
    CountryRecord country;
    GameCode gameCode;
};

enum class OpeningProblem {
    None,
    CatalogueMissing,    // `file` names the catalogue
    CatalogueDamaged,    // `file` names the catalogue, `detail` says what is wrong with it
    LotteryNotListed,    // no row of the lottery catalogue names the database file
    ConfigMissing,       // no game configuration row for the lottery
    CountryMissing,      // no country row for the lottery
    NoBoard,             // a game shape no board serves
    DatabaseUnreadable,  // `detail` says why
};

struct OpeningCheck {
    OpeningProblem problem = OpeningProblem::None;
    QString file;    // the catalogue of a catalogue problem
    QString detail;  // the technical reason, for the event log
    lotterydb::Fault databaseFault = lotterydb::Fault::None;  // with DatabaseUnreadable
    LotteryOpening opening;
};

// Reads the three catalogues from the program folder, finds the lottery whose database file is
// `databaseFile`, its game configuration and its country, and derives its game shape. Opens no
// database and changes nothing. The folder path ends with "/".
OpeningCheck prepareLotteryListing(const QString &databaseFile, const QString &programFolder);
// Checks that the results database at `path` of a lottery the catalogues list (`check`, without a
// problem) can be opened; a problem goes to `check`. Changes nothing.
void checkLotteryDatabase(OpeningCheck &check, const QString &path);

// The open lottery of a checked opening, made anew: the lottery, game configuration and country
// (with the file-suffix copies; `previousFileSuffix`, that of the lottery open before, kept as the
// previous one), the game shape, the per-ball tables of the main drum (and of the second drum when
// there is one) sized and cleared, no result of POWER, and the board options and view flags reset.
// The game code is set with the board.
OpenLottery makeOpenLottery(const LotteryOpening &opening, const QString &previousFileSuffix);

// Puts the lottery's configured game (glngCfg...) into its game shape (glngFirstBall, glngMaxBall
// ...), sizes and clears the per-ball tables of the main drum (and of the second drum when there is
// one), empties the results of the last POWER and resets the board options and view flags, as a new
// opening does.
void applyConfiguredGame(OpenLottery &lottery);

// The configured game of the lottery.
GameConfigRecord configuredGame(const OpenLottery &lottery);
