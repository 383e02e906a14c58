#pragma once
// The sample lotteries shipped beside the program, and the pieces they are made from, which also
// serve to make catalogues and results databases of any shape: drawing schedules, drawings from a
// fixed seed, catalogue tables and files.

#include "analysis/catalogue.h"
#include "analysis/history.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace samples {

enum class Schedule {
    TwiceWeekly,  // Wednesdays and Saturdays
    Daily
};

struct SampleLottery {
    LotteryRecord lottery;
    GameConfigRecord config;
    Schedule schedule = Schedule::TwiceWeekly;
    QDate firstDate;
    QDate lastDate;
    uint32_t seed = 0;
};

// The samples: lotto 6/49 with one bonus ("610"), 5/50 + 2/12 ("2P520"), 6/49 + 1/10 ("2P610"),
// 7/35 ("700"), 6/49 with two bonus numbers ("620"), and 3 and 4 digits ("130", "140"), all of
// the one sample country.
const std::vector<SampleLottery> &sampleLotteries();
CountryRecord sampleCountry();

// How many WinnerNumber columns a drawing of the game fills: K + B, or the positions of a digit
// game.
int numbersPerDrawing(const GameConfigRecord &config);

// The drawing dates of a schedule from `first` to `last`, oldest first.
std::vector<QDate> drawingDates(Schedule schedule, const QDate &first, const QDate &last);

// Drawings of a game on the given dates, week numbers from 1, made from a fixed seed: distinct
// main numbers from 1..N1, then the bonus numbers (distinct from the main numbers when they come
// from the same drum, from 1..N2 on two-drum games), or one digit per position. Numbers a shape
// cannot hold (a drum with fewer balls than numbers, more than 8 numbers) stay empty.
History makeDrawings(const GameConfigRecord &config, const std::vector<QDate> &dates, uint32_t seed);

// Catalogue tables holding the given rows, in the column order of the catalogues.
CatalogueTable lotteryTable(const std::vector<LotteryRecord> &rows);
CatalogueTable gameConfigTable(const std::vector<GameConfigRecord> &rows);
CatalogueTable countryTable(const std::vector<CountryRecord> &rows);

// Writes a whole file, only when no file of that name exists. Written, kept or failed.
enum class WriteResult { Written, Kept, Failed };
WriteResult writeNewFile(const QString &path, const QByteArray &bytes, QString *error);

struct Outcome {
    QStringList written;
    QStringList kept;
    QStringList errors;
};
// Writes the three catalogues into `programFolder` and each sample's results database into its
// "LotteryDBs" folder, each only where no file of that name exists yet.
Outcome writeSampleLotteries(const QString &programFolder);

}  // namespace samples
