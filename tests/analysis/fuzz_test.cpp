// Short mutation runs over the four readers of outside data: catalogues, settings records, ticket
// text files and results databases. Each run starts from the program's own files, changes them at
// random (deterministically, from a fixed seed) and feeds them to the reader, which must neither
// crash nor read outside its data (the sanitizer build checks that) and must keep its promises.
//
// Each reader runs for TALVINOR_FUZZ_SECONDS seconds (default 3); TALVINOR_FUZZ_SEED changes the
// sequence. scripts/fuzz runs them for longer.

#include "analysis/catalogue.h"
#include "analysis/clslotterydb.h"
#include "analysis/samplelotteries.h"
#include "analysis/state.h"
#include "analysis/ticketfile.h"
#include "app/boardsettings.h"
#include "app/globals.h"
#include "support/sandbox.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

double budgetSeconds()
{
    bool ok = false;
    const double seconds = qEnvironmentVariable("TALVINOR_FUZZ_SECONDS").toDouble(&ok);
    return ok && seconds > 0 ? seconds : 3.0;
}

quint32 seed()
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable("TALVINOR_FUZZ_SEED").toUInt(&ok);
    return ok ? value : 20261206u;
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

// Runs `feed` on mutated inputs until the time budget is spent, and records how many were tried.
void run(Mutator &mutator, int keep, const std::function<void(const QByteArray &)> &feed)
{
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

std::vector<GameConfigRecord> sampleConfigs()
{
    std::vector<GameConfigRecord> configs;
    for (const auto &s : samples::sampleLotteries())
        configs.push_back(s.config);
    return configs;
}

RecordShape shapeOf(const GameConfigRecord &c)
{
    RecordShape shape;
    shape.digit = c.highestBall == 10;
    shape.picks = shape.digit ? c.numbersDrawn - 1 : c.numbersDrawn;
    shape.bonusCount = c.bonusCount;
    shape.maxBall = shape.digit ? 9 : c.highestBall;
    shape.maxBallBONUS = c.highestBallBONUS;
    return shape;
}

TicketShape ticketShapeOf(const GameConfigRecord &c)
{
    TicketShape shape;
    const bool digit = c.highestBall == 10;
    shape.firstPosition = digit ? 0 : 1;
    shape.lastMainPosition = digit ? c.numbersDrawn - 1 : c.numbersDrawn;
    shape.lastPosition = digit ? shape.lastMainPosition
                               : (c.highestBallBONUS > 0 ? c.numbersDrawn + c.bonusCount : c.numbersDrawn);
    shape.highestMain = digit ? 9 : c.highestBall;
    shape.highestSecond = c.highestBallBONUS;
    return shape;
}

}  // namespace

TEST(Fuzz, Catalogues)
{
    std::vector<LotteryRecord> lotteries;
    for (const auto &s : samples::sampleLotteries())
        lotteries.push_back(s.lottery);
    std::vector<QByteArray> seeds;
    for (DimensionOrder order : {DimensionOrder::RowsFirst, DimensionOrder::ColumnsFirst}) {
        seeds.push_back(catalogueBytes(samples::lotteryTable(lotteries), order));
        seeds.push_back(catalogueBytes(samples::gameConfigTable(sampleConfigs()), order));
        seeds.push_back(catalogueBytes(samples::countryTable({samples::sampleCountry()}), order));
    }
    Mutator mutator(seeds, seed());
    run(mutator, 4, [](const QByteArray &bytes) {
        for (CatalogueKind kind : {CatalogueKind::Lotteries, CatalogueKind::GameConfigs, CatalogueKind::Countries}) {
            const CatalogueRead read = parseCatalogue(kind, bytes);
            if (read.status != CatalogueRead::Status::Ok) {
                EXPECT_FALSE(read.error.isEmpty());
                continue;
            }
            // What a read table offers is used as an opening uses it.
            if (kind == CatalogueKind::Lotteries)
                findLottery(read.table, QStringLiteral("Sample Lotto 6-49.mdb"));
            else if (kind == CatalogueKind::GameConfigs) {
                if (const auto config = findGameConfig(read.table, 1)) {
                    gameCodeFor(*config);
                    gameShapeFor(*config);
                }
            } else {
                findCountry(read.table, 1);
            }
        }
    });
}

TEST(Fuzz, SettingsRecords)
{
    std::vector<QByteArray> seeds;
    const DrawingsInfo drawings{500, QDate(2025, 12, 31)};
    for (const GameConfigRecord &c : sampleConfigs()) {
        const RecordShape shape = shapeOf(c);
        BoardSettings s = boardSettingsDefaults(shape, drawings);
        BoardSettingsRecord record;
        encodeBoardSettings(shape, s, record);
        seeds.push_back(recordBytes(record));
        s.hot = false;
        s.cold = true;
        s.guessSource = QStringLiteral("Çekiliş 12");
        s.interval.limits = std::array<QString, 2>{QStringLiteral("85"), QStringLiteral("130")};
        encodeBoardSettings(shape, s, record);
        seeds.push_back(recordBytes(record));
    }
    const std::vector<GameConfigRecord> configs = sampleConfigs();
    Mutator mutator(seeds, seed());
    run(mutator, 0, [&](const QByteArray &bytes) {
        int read = 0;
        const BoardSettingsRecord record = recordFromBytes(bytes, &read);
        EXPECT_GE(read, 0);
        EXPECT_LE(read, kRecordSlots);
        for (const GameConfigRecord &c : configs) {
            const RecordShape shape = shapeOf(c);
            const BoardSettings s = decodeBoardSettings(shape, record, drawings, read);
            // Whatever the file held, the board gets one of each pair of options and values in range.
            EXPECT_NE(s.hot, s.cold);
            EXPECT_TRUE(!shape.digit || s.straight != s.boxed);
            EXPECT_GE(s.powerIncreaseLevel, 2);
            EXPECT_LE(s.powerIncreaseLevel, 4);
            EXPECT_GE(s.startWeek, 1);
            EXPECT_LE(s.endWeek, drawings.totalWeeks);
        }
    });
}

TEST(Fuzz, TicketTexts)
{
    const std::vector<QByteArray> seeds = {
        fncTicketFileBytes({QStringLiteral("01- 3 8 17 25 33 40 (2)"), QStringLiteral("02- 1 9 12 30 41 49 (3+1)")}),
        fncTicketFileBytes({QStringLiteral("01- 4 11 20 38 45 (1+1)"), QStringLiteral("02- 2 3 5 7 50 (0)")}),
        fncTicketFileBytes({QStringLiteral("01- 0 7 3 (2)"), QStringLiteral("02- 9 9 9 (0)")}),
        fncTicketFileBytes({}),
    };
    const std::vector<GameConfigRecord> configs = sampleConfigs();
    Mutator mutator(seeds, seed());
    run(mutator, 0, [&](const QByteArray &bytes) {
        for (const GameConfigRecord &c : configs) {
            const TicketShape shape = ticketShapeOf(c);
            const TicketRead read = fncReadTicketText(bytes, shape);
            for (const auto &line : read.lines)
                fncParseTicketLine(line, shape);
        }
    });
}

TEST(Fuzz, ResultsDatabases)
{
    Sandbox sandbox;
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    std::vector<QByteArray> seeds;
    int n = 0;
    for (const auto &s : samples::sampleLotteries()) {
        History drawings;
        for (int w = 1; w <= 12; ++w) {
            Drawing d;
            d.weekNo = w;
            d.date = QDate(2025, 1, 1).addDays(7 * w);
            for (int i = 0; i < samples::numbersPerDrawing(s.config); ++i)
                d.numbers[static_cast<size_t>(i)] = (w * 7 + i * 5) % 10 + (s.config.highestBall == 10 ? 0 : 1);
            drawings.push_back(d);
        }
        const QString path = folder + QStringLiteral("seed%1.mdb").arg(n++);
        QString error;
        ASSERT_TRUE(lotterydb::createResultsDatabase(path, drawings, samples::numbersPerDrawing(s.config), &error))
            << error.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        seeds.push_back(file.readAll());
        if (seeds.size() == 3)
            break;
    }
    // The open lottery is a lotto 6/49 with one bonus number.
    const auto saved = std::make_tuple(glngPicks, glngBonusCount, glngMaxBall, glngFirstBall, glngCfgHighestBall, glngTotalWeeks,
                                       gstrLotteryDbsFolder, gstrLotteryDbFile);
    glngPicks = 6;
    glngBonusCount = 1;
    glngMaxBall = 49;
    glngFirstBall = 1;
    glngCfgHighestBall = 49;
    gstrLotteryDbsFolder = folder;
    gstrLotteryDbFile = QStringLiteral("fuzz.mdb");
    const QString path = folder + gstrLotteryDbFile;

    Mutator mutator(seeds, seed());
    clsLotteryDb db;
    int opened = 0;
    // The 100-byte file header is kept mostly: the engine refuses a file whose header is wrong.
    run(mutator, 100, [&](const QByteArray &bytes) {
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
        if (!db.subOpenConnection())
            return;
        ++opened;
        db.fncGetAllGameDates();
        db.fncLoadHistory();
        const auto week = db.fncGetMaxWeekNo();
        db.fncGetMaxWeekDate();
        if (week.hasValue())
            db.fncGetDrawingNumbers(week.value());
        db.subCloseConnection();
    });
    std::tie(glngPicks, glngBonusCount, glngMaxBall, glngFirstBall, glngCfgHighestBall, glngTotalWeeks, gstrLotteryDbsFolder,
             gstrLotteryDbFile) = saved;
    RecordProperty("opened", opened);
}
