#include "analysis/samplelotteries.h"

#include "analysis/clslotterydb.h"
#include "analysis/gamelayout.h"

#include <QDir>
#include <QFile>
#include "platform/filewrite.h"

#include <algorithm>
#include <random>

namespace samples {

namespace {

// A number below n from the generator, with every value equally likely (the standard
// distributions differ between libraries; this does not).
uint32_t below(std::mt19937 &rng, uint32_t n)
{
    const uint32_t limit = UINT32_MAX - UINT32_MAX % n;
    uint32_t x;
    do {
        x = static_cast<uint32_t>(rng());
    } while (x >= limit);
    return x % n;
}

SampleLottery sample(int32_t id, const char *name, const char *file, const char *suffix, const char *title,
                     int32_t n1, int32_t n2, int32_t k, int32_t b, Schedule schedule)
{
    SampleLottery s;
    s.lottery = LotteryRecord{id, QString::fromLatin1(name), QString::fromLatin1(file), QString::fromLatin1(suffix),
                              sampleCountry().countryId};
    s.config = GameConfigRecord{id, QString::fromLatin1(title), n1, n2, 0, k, b, 0};
    s.schedule = schedule;
    if (schedule == Schedule::Daily) {
        s.firstDate = QDate(2022, 1, 1);
        s.lastDate = QDate(2025, 12, 31);
    } else {
        s.firstDate = QDate(2019, 1, 2);
        s.lastDate = QDate(2025, 12, 31);
    }
    s.seed = 20260000u + static_cast<uint32_t>(id);
    return s;
}

}  // namespace

CountryRecord sampleCountry() { return CountryRecord{1, QStringLiteral("Sample Country")}; }

const std::vector<SampleLottery> &sampleLotteries()
{
    using S = Schedule;
    static const std::vector<SampleLottery> list = {
        sample(1, "Sample Lotto 6/49", "Sample Lotto 6-49.mdb", "SM01", "Lotto 6/49 + Bonus", 49, 0, 6, 1, S::TwiceWeekly),
        sample(2, "Sample Two-Drum 5/50 + 2/12", "Sample Two-Drum 5-50 + 2-12.mdb", "SM02", "5/50 + 2/12", 50, 12, 5, 2,
               S::TwiceWeekly),
        sample(3, "Sample Two-Drum 6/49 + 1/10", "Sample Two-Drum 6-49 + 1-10.mdb", "SM03", "6/49 + 1/10", 49, 10, 6, 1,
               S::TwiceWeekly),
        sample(4, "Sample Lotto 7/35", "Sample Lotto 7-35.mdb", "SM04", "Lotto 7/35", 35, 0, 7, 0, S::TwiceWeekly),
        sample(5, "Sample Lotto 6/49 Two Bonus", "Sample Lotto 6-49 Two Bonus.mdb", "SM05", "Lotto 6/49 + 2 Bonus", 49, 0,
               6, 2, S::TwiceWeekly),
        sample(6, "Sample Pick 3", "Sample Pick 3.mdb", "SM06", "Pick 3", 10, 0, 3, 0, S::Daily),
        sample(7, "Sample Pick 4", "Sample Pick 4.mdb", "SM07", "Pick 4", 10, 0, 4, 0, S::Daily),
    };
    return list;
}

int numbersPerDrawing(const GameConfigRecord &config)
{
    const bool digit = GameLayout::familyOf(config.highestBall, config.highestBallBONUS) == GameLayout::Family::Digit;
    return digit ? config.numbersDrawn : config.numbersDrawn + config.bonusCount;
}

std::vector<QDate> drawingDates(Schedule schedule, const QDate &first, const QDate &last)
{
    std::vector<QDate> dates;
    for (QDate d = first; d.isValid() && d <= last; d = d.addDays(1)) {
        if (schedule == Schedule::Daily || d.dayOfWeek() == Qt::Wednesday || d.dayOfWeek() == Qt::Saturday)
            dates.push_back(d);
    }
    return dates;
}

History makeDrawings(const GameConfigRecord &config, const std::vector<QDate> &dates, uint32_t seed)
{
    std::mt19937 rng(seed);
    const bool digit = GameLayout::familyOf(config.highestBall, config.highestBallBONUS) == GameLayout::Family::Digit;
    // A row has 8 number columns.
    const int32_t k = std::clamp(config.numbersDrawn, 0, 8);
    const int32_t b = std::clamp(config.bonusCount, 0, 8 - k);
    const bool secondDrum = config.highestBallBONUS > 0;
    // Draws `count` distinct balls from 1..highest into numbers[from..], none equal to those
    // from numbers[avoidFrom] on. Positions a drum too small cannot fill stay empty.
    auto drawDistinct = [&](Drawing &d, int from, int count, int32_t highest, int avoidFrom) {
        const int end = from + std::min(count, std::max(0, highest - (from - avoidFrom)));
        for (int i = from; i < end; ++i) {
            int32_t ball;
            bool again;
            do {
                ball = static_cast<int32_t>(below(rng, static_cast<uint32_t>(highest))) + 1;
                again = false;
                for (int j = avoidFrom; j < i; ++j)
                    again = again || d.numbers[static_cast<size_t>(j)] == ball;
            } while (again);
            d.numbers[static_cast<size_t>(i)] = ball;
        }
    };
    History history;
    history.reserve(dates.size());
    int32_t week = 0;
    for (const QDate &date : dates) {
        Drawing d;
        d.weekNo = ++week;
        d.date = date;
        if (digit) {
            for (int i = 0; i < k; ++i)
                d.numbers[static_cast<size_t>(i)] = static_cast<int32_t>(below(rng, 10));
        } else if (secondDrum) {
            drawDistinct(d, 0, k, config.highestBall, 0);
            drawDistinct(d, k, b, config.highestBallBONUS, k);
        } else {
            drawDistinct(d, 0, k + b, config.highestBall, 0);
        }
        history.push_back(d);
    }
    return history;
}

CatalogueTable lotteryTable(const std::vector<LotteryRecord> &rows)
{
    const int n = static_cast<int>(rows.size());
    std::vector<VbVariant> cells;
    for (const auto &r : rows)
        cells.push_back(VbVariant::fromInt32(r.lotteryId));
    for (const auto &r : rows)
        cells.push_back(VbVariant::fromText(r.lotteryName));
    for (const auto &r : rows)
        cells.push_back(VbVariant::fromText(r.databaseFile));
    for (const auto &r : rows)
        cells.push_back(VbVariant::fromText(r.fileSuffix));
    for (const auto &r : rows)
        cells.push_back(VbVariant::fromInt32(r.countryId));
    return CatalogueTable(n, 5, std::move(cells));
}

CatalogueTable gameConfigTable(const std::vector<GameConfigRecord> &rows)
{
    const int n = static_cast<int>(rows.size());
    std::vector<VbVariant> cells;
    auto small = [](int32_t v) { return VbVariant::fromInt16(static_cast<int16_t>(v)); };
    for (const auto &r : rows)
        cells.push_back(VbVariant::fromInt32(r.lotteryId));
    for (const auto &r : rows)
        cells.push_back(VbVariant::fromText(r.gameTitle));
    for (int32_t GameConfigRecord::*field :
         {&GameConfigRecord::highestBall, &GameConfigRecord::highestBallBONUS, &GameConfigRecord::reserved5,
          &GameConfigRecord::numbersDrawn, &GameConfigRecord::bonusCount, &GameConfigRecord::reserved8})
        for (const auto &r : rows)
            cells.push_back(small(r.*field));
    return CatalogueTable(n, 8, std::move(cells));
}

CatalogueTable countryTable(const std::vector<CountryRecord> &rows)
{
    const int n = static_cast<int>(rows.size());
    std::vector<VbVariant> cells;
    for (const auto &r : rows)
        cells.push_back(VbVariant::fromInt32(r.countryId));
    for (const auto &r : rows)
        cells.push_back(VbVariant::fromText(r.countryName));
    return CatalogueTable(n, 2, std::move(cells));
}

WriteResult writeNewFile(const QString &path, const QByteArray &bytes, QString *error)
{
    if (QFile::exists(path))
        return WriteResult::Kept;
    filewrite::Error why;
    if (!filewrite::writeWhole(path, bytes, &why)) {
        *error = why.detail;
        return WriteResult::Failed;
    }
    return WriteResult::Written;
}

Outcome writeSampleLotteries(const QString &programFolder)
{
    Outcome outcome;
    auto note = [&](WriteResult result, const QString &path, const QString &error) {
        if (result == WriteResult::Written)
            outcome.written << path;
        else if (result == WriteResult::Kept)
            outcome.kept << path;
        else
            outcome.errors << error;
    };
    const QString folder = QDir::cleanPath(programFolder) + u'/';
    std::vector<LotteryRecord> lotteries;
    std::vector<GameConfigRecord> configs;
    for (const SampleLottery &s : sampleLotteries()) {
        lotteries.push_back(s.lottery);
        configs.push_back(s.config);
    }
    const std::pair<CatalogueKind, CatalogueTable> catalogues[] = {
        {CatalogueKind::Lotteries, lotteryTable(lotteries)},
        {CatalogueKind::GameConfigs, gameConfigTable(configs)},
        {CatalogueKind::Countries, countryTable({sampleCountry()})},
    };
    for (const auto &[kind, table] : catalogues) {
        const QString path = folder + catalogueFileName(kind);
        QString error;
        note(writeNewFile(path, catalogueBytes(table, DimensionOrder::RowsFirst), &error), path, error);
    }

    const QString dbFolder = folder + QStringLiteral("LotteryDBs/");
    if (!QDir().mkpath(dbFolder)) {
        outcome.errors << QStringLiteral("%1 cannot be created").arg(dbFolder);
        return outcome;
    }
    for (const SampleLottery &s : sampleLotteries()) {
        const QString path = dbFolder + s.lottery.databaseFile;
        if (QFile::exists(path)) {
            outcome.kept << path;
            continue;
        }
        const History drawings = makeDrawings(s.config, drawingDates(s.schedule, s.firstDate, s.lastDate), s.seed);
        QString error;
        note(lotterydb::createResultsDatabase(path, drawings, numbersPerDrawing(s.config), &error)
                 ? WriteResult::Written
                 : WriteResult::Failed,
             path, error);
    }
    return outcome;
}

}  // namespace samples
