#include "analysis/clslotterydb.h"
#include "analysis/samplelotteries.h"
#include "analysis/openlottery.h"
#include "dialogs/lotteryswitch.h"
#include "app/application.h"
#include "support/fakeboard.h"
#include "support/sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <set>

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(SampleLotteries, EachSampleOpensWithTheGameItsCatalogueDescribes)
{
    Sandbox sandbox;
    MessageBoxScript messages;
    sandbox.useProgramPaths();
    ASSERT_TRUE(samples::writeSampleLotteries(sandbox.programFolder()).errors.isEmpty());
    FakeBoard::install();
    const struct {
        const char *file;
        const char *code;
        GameLayout::Family family;
        GameLayout shape;
    } expected[] = {
        {"Sample Lotto 6-49.mdb", "610", GameLayout::Family::Lotto, GameLayout::lotto(49, 6, 1)},
        {"Sample Two-Drum 5-50 + 2-12.mdb", "2P520", GameLayout::Family::TwoDrum, GameLayout::twoDrum(50, 5, 12, 2)},
        {"Sample Two-Drum 6-49 + 1-10.mdb", "2P610", GameLayout::Family::TwoDrum, GameLayout::twoDrum(49, 6, 10, 1)},
        {"Sample Lotto 7-35.mdb", "700", GameLayout::Family::Lotto, GameLayout::lotto(35, 7)},
        {"Sample Lotto 6-49 Two Bonus.mdb", "620", GameLayout::Family::Lotto, GameLayout::lotto(49, 6, 2)},
        {"Sample Pick 3.mdb", "130", GameLayout::Family::Digit, GameLayout::digits(3)},
        {"Sample Pick 4.mdb", "140", GameLayout::Family::Digit, GameLayout::digits(4)},
    };
    for (const auto &e : expected) {
        SCOPED_TRACE(e.file);
        app().gstrLotteryDbFile = QString::fromLatin1(e.file);
        subOpenSelectedLottery();
        const auto *board = dynamic_cast<FakeBoard *>(currentBoard());
        ASSERT_NE(board, nullptr);
        EXPECT_EQ(board->family, e.family);
        const OpenLottery &lottery = currentBoard()->lottery();
        EXPECT_EQ(lottery.gstrGameCode, QString::fromLatin1(e.code));
        EXPECT_EQ(lottery.gLayout, e.shape);
        EXPECT_EQ(lottery.gstrCountryName, QStringLiteral("Sample Country"));
        EXPECT_TRUE(lottery.gstrLotteryName.startsWith(QStringLiteral("Sample ")));
    }
    EXPECT_TRUE(messages.asked().empty());
    EXPECT_EQ(samples::sampleLotteries().size(), std::size(expected));
    currentBoard()->unloadBoard();
    app().gfrmCurrentBoard = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FakeBoard::uninstall();
}

TEST(SampleLotteries, DrawingsFollowARealisticScheduleForSeveralYears)
{
    Sandbox sandbox;
    sandbox.useProgramPaths();
    ASSERT_TRUE(samples::writeSampleLotteries(sandbox.programFolder()).errors.isEmpty());
    std::set<QString> suffixes;
    for (const samples::SampleLottery &s : samples::sampleLotteries()) {
        SCOPED_TRACE(s.lottery.lotteryName.toStdString());
        suffixes.insert(s.lottery.fileSuffix.right(3));
        app().gstrLotteryDbFile = s.lottery.databaseFile;
        clsLotteryDb db;
        ASSERT_TRUE(db.subOpenConnection(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile)) << db.lastError().toStdString();
        const History history = db.fncLoadHistory().value_or(History{});
        ASSERT_GT(history.size(), 600u);
        EXPECT_GE(history.front().date.daysTo(history.back().date), 3 * 365);
        const bool digit = s.config.highestBall == 10;
        const int k = s.config.numbersDrawn, b = s.config.bonusCount, used = digit ? k : k + b;
        for (size_t i = 0; i < history.size(); ++i) {
            const Drawing &d = history[i];
            ASSERT_EQ(d.weekNo, int(i) + 1);
            // Daily, or every Wednesday and Saturday.
            const qint64 gap = i ? history[i - 1].date.daysTo(d.date) : (digit ? 1 : 3);
            ASSERT_TRUE(digit ? gap == 1 : (gap == 3 || gap == 4) && (d.date.dayOfWeek() == Qt::Wednesday
                                                                       || d.date.dayOfWeek() == Qt::Saturday))
                << d.date.toString().toStdString();
            std::set<int32_t> main;
            for (int p = 0; p < 8; ++p) {
                const int32_t n = d.numbers[size_t(p)];
                const bool secondDrum = p >= k && s.config.highestBallBONUS > 0;
                const int32_t lo = digit ? 0 : 1;
                const int32_t hi = digit ? 9 : secondDrum ? s.config.highestBallBONUS : s.config.highestBall;
                if (p >= used) {
                    ASSERT_EQ(n, Drawing::kEmpty);
                    continue;
                }
                ASSERT_TRUE(n >= lo && n <= hi) << n;
                ASSERT_TRUE(digit || secondDrum || main.insert(n).second) << "repeated " << n;
            }
        }
    }
    EXPECT_EQ(suffixes.size(), samples::sampleLotteries().size());
}

TEST(SampleLotteries, DrawingsComeFromTheSeed)
{
    const GameConfigRecord config{1, "", 49, 0, 0, 6, 1, 0};
    const auto dates = samples::drawingDates(samples::Schedule::TwiceWeekly, QDate(2024, 1, 1), QDate(2024, 12, 31));
    EXPECT_EQ(dates.size(), 104u);  // 52 Wednesdays and 52 Saturdays
    const History a = samples::makeDrawings(config, dates, 7);
    const History b = samples::makeDrawings(config, dates, 7);
    const History c = samples::makeDrawings(config, dates, 8);
    ASSERT_EQ(a.size(), dates.size());
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_EQ(a[i].numbers, b[i].numbers);
    int same = 0;
    for (size_t i = 0; i < a.size(); ++i)
        same += a[i].numbers == c[i].numbers;
    EXPECT_LT(same, 3);

    // Shapes no drum can draw end all the same, the numbers they cannot hold left empty: 6 of 5
    // balls, 8 + 2 numbers, no balls, 3 second-drum numbers of 2.
    const std::pair<GameConfigRecord, int> impossible[] = {
        {{1, "", 5, 0, 0, 6, 0, 0}, 5}, {{1, "", 49, 0, 0, 8, 2, 0}, 8}, {{1, "", 0, 0, 0, 6, 0, 0}, 0},
        {{1, "", 49, 2, 0, 5, 3, 0}, 7}};
    for (const auto &[shape, filled] : impossible) {
        const auto numbers = samples::makeDrawings(shape, {QDate(2024, 1, 6)}, 1).front().numbers;
        EXPECT_EQ(8 - std::count(numbers.begin(), numbers.end(), Drawing::kEmpty), filled);
    }
}

TEST(SampleLotteries, AnotherRunOverwritesNothing)
{
    Sandbox sandbox;
    const QString folder = sandbox.programFolder();
    const samples::Outcome first = samples::writeSampleLotteries(folder);
    EXPECT_EQ(first.written.size(), 3 + int(samples::sampleLotteries().size()));
    EXPECT_TRUE(first.errors.isEmpty());

    // The user's own database, catalogue and settings file stay; a missing sample comes back.
    const QString database = folder + QStringLiteral("/LotteryDBs/Sample Lotto 7-35.mdb");
    const QString catalogue = folder + QStringLiteral("/country.bin");
    const QString settings = folder + QStringLiteral("/Sample Lotto 7-35SM04");
    QFile(database).resize(100);
    QFile(catalogue).resize(3);
    QFile f(settings);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("mine");
    f.close();
    QFile::remove(folder + QStringLiteral("/LotteryDBs/Sample Pick 4.mdb"));

    const samples::Outcome second = samples::writeSampleLotteries(folder);
    EXPECT_EQ(second.written, QStringList{folder + QStringLiteral("/LotteryDBs/Sample Pick 4.mdb")});
    EXPECT_EQ(contents(database).size(), 100);
    EXPECT_EQ(contents(catalogue).size(), 3);
    EXPECT_EQ(contents(settings), QByteArray("mine"));
}

TEST(SampleLotteries, TheToolWritesIntoTheFolderItIsGiven)
{
    const QString tool = QStringLiteral(TALVINOR_MAKE_SAMPLES);
    ASSERT_TRUE(QFile::exists(tool));
    Sandbox sandbox;
    QProcess run;
    run.start(tool, {sandbox.programFolder()});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(sandbox.programFolder() + QStringLiteral("/lotterydbs.bin")));
    EXPECT_TRUE(QFile::exists(sandbox.programFolder() + QStringLiteral("/LotteryDBs/Sample Pick 3.mdb")));
}
