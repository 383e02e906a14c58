// Short mutation runs over the four readers of outside data: catalogues, settings records, ticket
// text files and results databases. Each run starts from the program's own files for every game
// of the sample lotteries (both lotto families and the digit games), changes them at random and
// feeds them to the reader, which must neither crash nor read outside its data (the sanitizer
// build checks that), and checks what was read: values in their ranges, and what is written back
// from it reads back the same.
//
// Each run takes a new seed, printed in the test's output; TALVINOR_FUZZ_SEED sets it, to replay
// a run that failed. Each reader runs for TALVINOR_FUZZ_SECONDS seconds (default 3); scripts/fuzz
// runs them for longer.

#include "analysis/catalogue.h"
#include "analysis/clslotterydb.h"
#include "analysis/power.h"
#include "analysis/recalc.h"
#include "analysis/samplelotteries.h"
#include "analysis/openlottery.h"
#include "analysis/ticketfile.h"
#include "app/boardsettings.h"
#include "app/application.h"
#include "support/sandbox.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>

namespace {

double budgetSeconds()
{
    bool ok = false;
    const double seconds = qEnvironmentVariable("TALVINOR_FUZZ_SECONDS").toDouble(&ok);
    return ok && seconds > 0 ? seconds : 3.0;
}

// The seed of this run: TALVINOR_FUZZ_SEED when it is set, else a new one.
quint32 runSeed()
{
    static const quint32 seed = [] {
        bool ok = false;
        const quint32 value = qEnvironmentVariable("TALVINOR_FUZZ_SEED").toUInt(&ok);
        return ok ? value : QRandomGenerator::system()->generate();
    }();
    return seed;
}

// Changes a copy of one of the seeds a few times: bit flips, bytes set to edge values, bytes
// inserted, removed or repeated, a cut, a splice with another seed.
class Mutator {
public:
    Mutator(std::vector<QByteArray> seeds, quint32 seedValue) : seeds_(std::move(seeds)), random_(seedValue) {}

    // `keep` bytes at the start are changed only rarely (a file header that the reader checks
    // first would otherwise turn away nearly every input).
    QByteArray next(int keep = 0)
    {
        QByteArray data = seeds_[random_.bounded(static_cast<quint32>(seeds_.size()))];
        const int changes = 1 + static_cast<int>(random_.bounded(8u));
        for (int i = 0; i < changes; ++i)
            mutate(data, random_.bounded(16u) == 0 ? 0 : keep);
        return data;
    }

private:
    qsizetype at(const QByteArray &data, int keep)
    {
        const qsizetype from = std::min<qsizetype>(keep, data.size());
        const qsizetype span = data.size() - from;
        return span <= 0 ? data.size() : from + static_cast<qsizetype>(random_.bounded(static_cast<quint64>(span)));
    }
    void mutate(QByteArray &data, int keep)
    {
        static const quint8 edges[] = {0x00, 0x01, 0x02, 0x03, 0x07, 0x08, 0x0B, 0x0C, 0x20, 0x7F, 0x80, 0xFE, 0xFF};
        const qsizetype pos = at(data, keep);
        const quint32 kind = random_.bounded(9u);
        switch (kind) {
        case 0:  // flip a bit, set an edge value or a random byte
        case 1:
        case 2:
            if (pos < data.size())
                data[pos] = static_cast<char>(
                    kind == 0   ? static_cast<quint32>(data[pos]) ^ (1u << random_.bounded(8u))
                    : kind == 1 ? quint32{edges[random_.bounded(static_cast<quint32>(std::size(edges)))]}
                                : random_.bounded(256u));
            break;
        case 3:  // a 16- or 32-bit edge number
        {
            static const quint32 numbers[] = {0, 1, 0x7F, 0x80, 0xFF, 0x7FFF, 0x8000, 0xFFFF, 0x7FFFFFFF, 0x80000000,
                                              0xFFFFFFFF, 999, 1000, 65535};
            const quint32 v = numbers[random_.bounded(static_cast<quint32>(std::size(numbers)))];
            const int width = random_.bounded(2u) ? 2 : 4;
            for (int b = 0; b < width && pos + b < data.size(); ++b)
                data[pos + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
            break;
        }
        case 4:  // insert bytes
            data.insert(pos, QByteArray(1 + static_cast<int>(random_.bounded(16u)), static_cast<char>(random_.bounded(256u))));
            break;
        case 5:  // remove bytes
            data.remove(pos, 1 + static_cast<int>(random_.bounded(32u)));
            break;
        case 6:  // repeat a piece
            if (pos < data.size())
                data.insert(pos, data.mid(pos, 1 + static_cast<int>(random_.bounded(64u))));
            break;
        case 7:  // cut short
            data.truncate(pos);
            break;
        default:  // splice with another seed
        {
            const QByteArray &other = seeds_[random_.bounded(static_cast<quint32>(seeds_.size()))];
            const qsizetype from = at(other, 0);
            data = data.left(pos) + other.mid(from);
            break;
        }
        }
    }

    std::vector<QByteArray> seeds_;
    QRandomGenerator random_;
};

// Runs `feed` on inputs made from `seeds` until the time budget is spent, and records how many were
// tried.
void run(std::vector<QByteArray> seeds, int keep, const std::function<void(const QByteArray &)> &feed)
{
    const quint32 seed = runSeed();
    std::cout << "Mutation seed " << seed << " (TALVINOR_FUZZ_SEED=" << seed << " replays this run)" << std::endl;
    ::testing::Test::RecordProperty("seed", std::to_string(seed));
    SCOPED_TRACE("TALVINOR_FUZZ_SEED=" + std::to_string(seed));
    Mutator mutator(std::move(seeds), seed);
    QElapsedTimer clock;
    clock.start();
    const qint64 budget = static_cast<qint64>(budgetSeconds() * 1000);
    long tried = 0;
    while (clock.elapsed() < budget && !::testing::Test::HasFailure()) {
        feed(mutator.next(keep));
        ++tried;
    }
    ::testing::Test::RecordProperty("inputs", static_cast<int>(tried));
    EXPECT_GT(tried, 0);
}

// The game of every sample lottery: lotto with one drum and with two, and digit games.
std::vector<GameLayout> sampleGames()
{
    std::vector<GameLayout> games;
    for (const auto &s : samples::sampleLotteries())
        games.push_back(gameLayoutFor(s.config));
    return games;
}

// The runs change the open game; none is left open afterwards.
class Fuzz : public ::testing::Test {
protected:
};

}  // namespace

TEST_F(Fuzz, Catalogues)
{
    std::vector<LotteryRecord> lotteries;
    std::vector<GameConfigRecord> configs;
    for (const auto &s : samples::sampleLotteries()) {
        lotteries.push_back(s.lottery);
        configs.push_back(s.config);
    }
    std::vector<QByteArray> seeds;
    for (DimensionOrder order : {DimensionOrder::RowsFirst, DimensionOrder::ColumnsFirst}) {
        seeds.push_back(catalogueBytes(samples::lotteryTable(lotteries), order));
        seeds.push_back(catalogueBytes(samples::gameConfigTable(configs), order));
        seeds.push_back(catalogueBytes(samples::countryTable({samples::sampleCountry()}), order));
    }
    const QString lotto = lotteries.front().databaseFile;
    run(seeds, 4, [&](const QByteArray &bytes) {
        for (CatalogueKind kind : {CatalogueKind::Lotteries, CatalogueKind::GameConfigs, CatalogueKind::Countries}) {
            const CatalogueRead read = parseCatalogue(kind, bytes);
            if (read.status != CatalogueRead::Status::Ok) {
                EXPECT_FALSE(read.error.isEmpty());
                continue;
            }
            // The table read, written again, reads back the same.
            const QByteArray written = catalogueBytes(read.table, read.order);
            const CatalogueRead again = parseCatalogue(kind, written);
            ASSERT_EQ(again.status, CatalogueRead::Status::Ok) << again.error.toStdString();
            EXPECT_EQ(again.order, read.order);
            EXPECT_EQ(catalogueBytes(again.table, again.order), written);
            // What a read table offers is used as an opening uses it.
            if (kind == CatalogueKind::Lotteries) {
                const auto lottery = findLottery(read.table, lotto);
                EXPECT_TRUE(!lottery || lottery->databaseFile == lotto);
            } else if (kind == CatalogueKind::GameConfigs) {
                if (const auto config = findGameConfig(read.table, 1); config && gameCodeFor(*config))
                    gameLayoutFor(*config);
            } else {
                findCountry(read.table, 1);
            }
        }
    });
}

TEST_F(Fuzz, SettingsRecords)
{
    const DrawingsInfo drawings{500, QDate(2025, 12, 31)};
    std::vector<GameLayout> shapes;
    std::vector<QByteArray> seeds;
    for (const GameLayout &game : sampleGames()) {
        const GameLayout shape = game;
        shapes.push_back(shape);
        BoardSettings s = boardSettingsDefaults(shape, drawings);
        BoardSettingsRecord record;
        encodeBoardSettings(shape, s, record);
        seeds.push_back(recordBytes(record));
        s.hot = false;
        s.cold = true;
        s.startWeek = 120;
        s.guessSource = QStringLiteral("Çekiliş 12");
        s.drum(Drum::Main).interval.limits = std::array<QString, 2>{QStringLiteral("85"), QStringLiteral("130")};
        s.drum(Drum::Second).interval = s.drum(Drum::Main).interval;
        for (int i = s.guesses.lo(); i <= s.guesses.hi(); ++i)
            s.guesses[i] = QString::number(i + 1);
        s.drum(Drum::Main).poolCountEdited.fill(4);
        s.drum(Drum::Second).excluded.fill(1);
        s.straight = !shape.digits();
        s.boxed = shape.digits();
        encodeBoardSettings(shape, s, record);
        seeds.push_back(recordBytes(record));
    }
    // Each record is read with every layout: its own and those of the other games.
    run(seeds, 0, [&](const QByteArray &bytes) {
        int read = 0;
        const BoardSettingsRecord record = recordFromBytes(bytes, &read);
        ASSERT_GE(read, 0);
        ASSERT_LE(read, kRecordSlots);
        for (const GameLayout &shape : shapes) {
            RecordDamage damage;
            const BoardSettings s = decodeBoardSettings(shape, record, drawings, read, &damage);
            // Whatever the file held, the board gets one of each pair of options and values in range.
            EXPECT_TRUE(s.hot != s.cold && (!shape.digits() || s.straight != s.boxed));
            EXPECT_TRUE(s.powerIncreaseLevel >= 2 && s.powerIncreaseLevel <= 4) << s.powerIncreaseLevel;
            EXPECT_TRUE(s.startWeek >= 1 && s.endWeek >= 1) << s.startWeek << " " << s.endWeek;
            EXPECT_TRUE(s.startWeek <= drawings.totalWeeks && s.endWeek <= drawings.totalWeeks);
            // A record of another layout gives the reset values whole.
            EXPECT_TRUE(!damage.otherLayout || s == boardSettingsDefaults(shape, drawings));
            // What was read, saved again, reads back the same and whole.
            BoardSettingsRecord saved;
            ASSERT_TRUE(encodeBoardSettings(shape, s, saved));
            RecordDamage again;
            EXPECT_EQ(decodeBoardSettings(shape, saved, drawings, kRecordSlots, &again), s);
            EXPECT_FALSE(again.any());
        }
    });
}

TEST_F(Fuzz, TicketTexts)
{
    std::vector<TicketShape> shapes;
    std::vector<QByteArray> seeds = {fncTicketFileBytes({})};
    for (const GameLayout &game : sampleGames()) {
        const TicketShape shape = TicketShape::of(game);
        shapes.push_back(shape);
        // Three columns as the board lists them, with their hit tails; digit games also without.
        QStringList lines;
        QStringList untailed;
        for (int row = 1; row <= 3; ++row) {
            QString line = QStringLiteral("%1-").arg(row, 2, 10, QLatin1Char('0'));
            for (int p = shape.firstPosition; p <= shape.lastPosition; ++p) {
                const int32_t highest = shape.highestAt(p);
                line += u' ' + QString::number(game.digits() ? (row * 3 + p) % 10 : 1 + (row + p) % highest);
            }
            untailed << line;
            lines << line + (game.twoDrums() ? QStringLiteral(" (%1+1)").arg(row) : QStringLiteral(" (%1)").arg(row));
        }
        seeds.push_back(fncTicketFileBytes(lines));
        if (game.digits())
            seeds.push_back(fncTicketFileBytes(untailed));
    }
    run(seeds, 0, [&](const QByteArray &bytes) {
        for (const TicketShape &shape : shapes) {
            const TicketRead read = fncReadTicketText(bytes, shape);
            ASSERT_EQ(read.grid.rowCount(), read.lines.size());
            EXPECT_TRUE(read.lines.isEmpty() || (read.announced && read.lines.size() <= *read.announced));
            for (int row = 1; row <= read.grid.rowCount(); ++row) {
                // Each line holds the numbers of its grid row, each within its drum.
                const int32_t *numbers = read.grid.row(row);
                for (int p = shape.firstPosition; p <= shape.lastPosition; ++p) {
                    EXPECT_GE(numbers[p - shape.firstPosition], 0);
                    EXPECT_LE(numbers[p - shape.firstPosition], shape.highestAt(p));
                }
                EXPECT_EQ(fncParseTicketLine(read.lines[row - 1], shape),
                          std::vector<int32_t>(numbers, numbers + shape.count()));
            }
            // The lines read, saved again, read back the same.
            const TicketRead again = fncReadTicketText(fncTicketFileBytes(read.lines), shape);
            EXPECT_EQ(again.lines, read.lines);
            EXPECT_EQ(again.grid, read.grid);
            EXPECT_TRUE(again.complete());
        }
    });
}

TEST_F(Fuzz, ResultsDatabases)
{
    Sandbox sandbox;
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    std::vector<QByteArray> seeds;
    int n = 0;
    for (const auto &s : samples::sampleLotteries()) {
        const History drawings = samples::makeDrawings(
            s.config, samples::drawingDates(samples::Schedule::TwiceWeekly, QDate(2025, 1, 1), QDate(2025, 2, 12)),
            s.seed);
        const QString path = folder + QStringLiteral("seed%1.mdb").arg(n++);
        QString error;
        ASSERT_TRUE(lotterydb::createResultsDatabase(path, drawings, samples::numbersPerDrawing(s.config), &error))
            << error.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        seeds.push_back(file.readAll());
    }
    const auto saved = std::make_tuple(app().gstrLotteryDbsFolder, app().gstrLotteryDbFile);
    app().gstrLotteryDbsFolder = folder;
    app().gstrLotteryDbFile = QStringLiteral("fuzz.mdb");
    const QString path = folder + app().gstrLotteryDbFile;
    const std::vector<GameLayout> games = sampleGames();

    clsLotteryDb db;
    int opened = 0;
    long input = 0;
    // The 100-byte file header is kept mostly: the engine refuses a file whose header is wrong.
    run(seeds, 100, [&](const QByteArray &bytes) {
        ++input;
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
        }
        QString why;
        lotterydb::Fault fault = lotterydb::Fault::None;
        if (!lotterydb::canOpenResultsDatabase(path, &why, &fault)) {
            EXPECT_NE(fault, lotterydb::Fault::None);
            return;
        }
        // A board lists the drawings, then POWER reads them all.
        const bool listed = db.subOpenConnection(path) && db.fncGetAllGameDates().has_value();
        if (!db.isConnected())
            return;
        ++opened;
        const auto history = db.fncLoadHistory();
        const auto week = db.fncGetMaxWeekNo();
        db.fncGetMaxWeekDate();
        // The drawings go through POWER's recalculation under every game.
        for (const GameLayout &game : games) {
            if (week.hasValue())
                db.fncGetDrawingNumbers(week.value(), game);
            if (!listed || !history || history->empty())
                continue;
            RecalcInputs in;
            in.fromWeek = 1;
            in.toWeek = in.totalWeeks = static_cast<int32_t>(history->size());
            in.upToDate = std::max_element(history->begin(), history->end(), [](const Drawing &a, const Drawing &b) {
                              return a.date < b.date;
                          })->date;
            in.hotColdMode = static_cast<int32_t>(input % 2);
            in.powerIncrease = input % 3 == 0;
            in.level = 2 + static_cast<int32_t>(input % 3);
            const PowerTables tables = recalculateAll(*history, in, game);
            const WindowCheck &check = tables.check;
            const int64_t columns = static_cast<int64_t>(history->size()) * (game.mainPositions() + game.bonusPositions());
            EXPECT_LE(check.numbersOutside + check.emptyNumbers, columns);
            if (check.refused())
                continue;
            for (Drum drum : kDrums) {
                if (drum == Drum::Second && !game.twoDrums())
                    continue;
                const DrumShape shape = drum == Drum::Main ? game.drum(Drum::Main) : game.drum(Drum::Second);
                const DrumAnalysis &analysis = tables.of(drum);
                for (int b = shape.firstBall; b <= shape.maxBall; ++b) {
                    EXPECT_TRUE(analysis.pickCount[b] >= 0 && analysis.pickCount[b] <= in.totalWeeks) << b;
                    EXPECT_TRUE(analysis.power[b] >= 0 && analysis.power[b] <= kPowerCap + 1) << analysis.power[b];
                }
                const Pool pool = fillPoolFromPowers(analysis.power, {}, shape, in).pool;
                EXPECT_TRUE(pool.size() == 0 || (pool.firstBall() >= shape.firstBall && pool.lastBall() <= shape.maxBall));
                if (analysis.sumStats) {
                    EXPECT_LE(analysis.sumStats->smallest, analysis.sumStats->mean);
                    EXPECT_LE(analysis.sumStats->mean, analysis.sumStats->largest);
                }
            }
        }
    });
    db.subCloseConnection();
    std::tie(app().gstrLotteryDbsFolder, app().gstrLotteryDbFile) = saved;
    RecordProperty("opened", opened);
}
