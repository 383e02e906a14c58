#include "analysis/lotteryopening.h"
#include "analysis/samplelotteries.h"
#include "analysis/openlottery.h"
#include "dialogs/lotteryswitch.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "app/clsregistry.h"
#include "app/settingsstore.h"
#include "app/clsrecordfile.h"
#include "app/faulttext.h"
#include "support/fakeboard.h"
#include "support/sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kLotto = QStringLiteral("Sample Lotto 6-49.mdb");         // "610", suffix SM01
const QString kTwoDrum = QStringLiteral("Sample Two-Drum 5-50 + 2-12.mdb");  // "2P520", suffix SM02

// The sample lotteries in a sandboxed program folder, test boards, and every message answered.
class OpeningTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sandbox.useProgramPaths();
        const samples::Outcome outcome = samples::writeSampleLotteries(sandbox.programFolder());
        ASSERT_TRUE(outcome.errors.isEmpty()) << outcome.errors.join(u'\n').toStdString();
        app().gstrLotteryDbFile.clear();
        app().gstrLastLotteryDbFile.clear();
        app().gfrmCurrentBoard = nullptr;
        app().gobjRecordFile = std::make_unique<clsRecordFile>();
        // A marker in the settings store shows whether a failed lottery was forgotten there.
        clsRegistry().fncREGSetStringVal(reg::HKEY_CURRENT_USER, settingsstore::kKey,
                                         settingsstore::kLastLotteryDbFile, kStoreMarker);
        FakeBoard::install();
        FakeBoard::log.clear();
    }
    void TearDown() override
    {
        FakeBoard::uninstall();
        if (IBoard *board = currentBoard())
            board->unloadBoard();
        app().gfrmCurrentBoard = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app().gobjRecordFile.reset();
    }

    void startUpWith(const QString &last)
    {
        app().gstrLastLotteryDbFile = last;
        app().gstrLotteryDbFile.clear();
        subOpenSelectedLottery();
    }
    void choose(const QString &name)
    {
        app().gstrLotteryDbFile = name;
        subOpenSelectedLottery();
    }
    FakeBoard *board() const { return dynamic_cast<FakeBoard *>(currentBoard()); }
    // The lottery of the board in front.
    OpenLottery &lottery() const { return board()->lottery(); }

    void writeCatalogues(const std::vector<LotteryRecord> &lotteries, const std::vector<GameConfigRecord> &configs,
                         const std::vector<CountryRecord> &countries)
    {
        const std::pair<CatalogueKind, CatalogueTable> tables[] = {
            {CatalogueKind::Lotteries, samples::lotteryTable(lotteries)},
            {CatalogueKind::GameConfigs, samples::gameConfigTable(configs)},
            {CatalogueKind::Countries, samples::countryTable(countries)},
        };
        for (const auto &[kind, table] : tables) {
            const QString path = app().gstrAppFolder + catalogueFileName(kind);
            QFile::remove(path);
            QString error;
            ASSERT_EQ(samples::writeNewFile(path, catalogueBytes(table, DimensionOrder::ColumnsFirst), &error),
                      samples::WriteResult::Written);
        }
    }

    // The one message asked, which must be `base` for the lottery (or file) `name`.
    void expectMessage(int base, const QString &name)
    {
        ASSERT_EQ(messages.asked().size(), 1u) << messages.texts().join(u'\n').toStdString();
        EXPECT_EQ(messages.asked()[0].text, res(base).arg(name));
        EXPECT_EQ(messages.asked()[0].style, 0);
        EXPECT_EQ(messages.asked()[0].title, QStringLiteral("TALVINOR"));
    }

    // A refused opening with no board before it: nothing of the lottery was taken.
    void expectNothingOpened() { EXPECT_EQ(board(), nullptr); }
    // A refused opening over the sample lotto's board: the board and its lottery as they were,
    // nothing saved, unloaded or forgotten.
    void expectLottoStillOpen(FakeBoard *open)
    {
        EXPECT_EQ(board(), open);
        EXPECT_TRUE(FakeBoard::log.isEmpty());
        EXPECT_EQ(app().gstrLotteryDbFile + u'|' + app().gstrLastLotteryDbFile, kLotto + u'|' + kLotto);
        EXPECT_EQ(storedLastLottery(), kStoreMarker);
        EXPECT_EQ(lottery().gstrGameCode, QStringLiteral("610"));
        EXPECT_FALSE(QFile::exists(app().gstrAppFolder + QStringLiteral("Sample Lotto 6-49SM01")));
    }

    Sandbox sandbox;
    MessageBoxScript messages;
    static QString storedLastLottery()
    {
        return clsRegistry().fncREGGetVersionVal(reg::HKEY_CURRENT_USER, settingsstore::kKey,
                                                 settingsstore::kLastLotteryDbFile, QStringLiteral("?"));
    }
    static inline const QString kStoreMarker = QStringLiteral("marker.mdb");
};

}  // namespace

TEST_F(OpeningTest, StartUpOpensTheLastLotteryWithoutSavingOrUnloading)
{
    startUpWith(kLotto);
    ASSERT_NE(board(), nullptr);
    EXPECT_EQ(board()->family, GameLayout::Family::Lotto);
    EXPECT_EQ(FakeBoard::log, (QStringList{"show Lotto", "ticket Lotto"}));
    EXPECT_TRUE(messages.asked().empty());
    EXPECT_EQ(app().gstrLotteryDbFile, kLotto);
    EXPECT_EQ(app().gstrLastLotteryDbFile, kLotto);
    EXPECT_EQ(lottery().gstrGameCode, QStringLiteral("610"));
    EXPECT_EQ(QStringList({QString::number(lottery().glngLotteryId), lottery().gstrLotteryName, lottery().gstrDatabaseFile, lottery().gstrConfigFileSuffix,
                           QString::number(lottery().glngCountryRecordId), lottery().gstrCountryName, lottery().gstrGameTitle}),
              QStringList({"1", "Sample Lotto 6/49", kLotto, "SM01", "1", "Sample Country", "Lotto 6/49 + Bonus"}));
    EXPECT_EQ(lottery().gLayout, GameLayout::lotto(49, 6, 1));
    EXPECT_EQ(lottery().drum(Drum::Main).garrExcluded.lo(), 1);
    EXPECT_EQ(lottery().drum(Drum::Main).garrExcluded.hi(), 49);
    EXPECT_EQ(lottery().drum(Drum::Main).garrPoolCountEdited.hi(), 49);
    EXPECT_FALSE(lottery().gblnBoardInitialised);
    EXPECT_FALSE(QFile::exists(app().gstrAppFolder + QStringLiteral("Sample Lotto 6-49SM01")));
}

TEST_F(OpeningTest, SwitchingSavesTheBoardBeingLeftUnderItsOwnName)
{
    startUpWith(kLotto);
    ASSERT_NE(board(), nullptr);
    board()->controls = boardSettingsDefaults(lottery().gLayout, DrawingsInfo::of(lottery()));
    board()->controls.columnsToDraw = QStringLiteral("33");
    lottery().gblnPowerIncrease = lottery().gblnEqualChance = true;
    lottery().drum(Drum::Main).garrPool = Pool(1, std::vector<int64_t>(49, 2));  // the pool of the 6/49's last POWER
    lottery().drum(Drum::Main).glngPoolTotal = 98;
    FakeBoard::log.clear();

    choose(kTwoDrum);
    EXPECT_EQ(FakeBoard::log, (QStringList{"read Lotto", "unload Lotto", "show TwoPool", "ticket TwoPool"}));
    EXPECT_TRUE(messages.asked().empty());
    ASSERT_NE(board(), nullptr);
    EXPECT_EQ(board()->family, GameLayout::Family::TwoDrum);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FakeBoard::alive, 1);

    QString error;
    const auto saved = readRecordFile(app().gstrAppFolder + QStringLiteral("Sample Lotto 6-49SM01"), &error);
    ASSERT_TRUE(saved.has_value()) << error.toStdString();
    EXPECT_EQ((*saved)[19], VbVariant::fromText("33"));
    EXPECT_FALSE((*saved)[185].isEmpty());  // the 6/49 + 1 layout: 186 slots
    EXPECT_TRUE((*saved)[186].isEmpty());

    EXPECT_EQ(app().gstrLotteryDbFile + app().gstrLastLotteryDbFile, kTwoDrum + kTwoDrum);
    EXPECT_EQ(QStringList({lottery().gstrPreviousFileSuffix, lottery().gstrFileSuffix, lottery().gstrNewFileSuffix, lottery().gstrConfigFileSuffix}),
              QStringList({"SM01", "SM02", "SM02", "SM02"}));
    EXPECT_EQ(lottery().gstrGameCode, QStringLiteral("2P520"));
    EXPECT_EQ(lottery().glngMaxBallBONUS, 12);
    EXPECT_EQ(lottery().drum(Drum::Second).garrExcluded, BallArray<int32_t>(1, 12, 0));
    EXPECT_TRUE(lottery().gblnMainPoolView);
    EXPECT_FALSE(lottery().gblnPowerIncrease || lottery().gblnEqualChance);
    EXPECT_EQ(lottery().drum(Drum::Main).garrPool.size(), 0);  // no drawing from another lottery's pool
    EXPECT_EQ(lottery().drum(Drum::Main).glngPoolTotal, 0);

    // Back to the one-drum lottery: nothing of the two-drum lottery's state carries over.
    lottery().drum(Drum::Second).garrExcluded[12] = 1;
    lottery().gblnMainPoolView = false;
    lottery().garrTicketLines = QStringList{QStringLiteral("01- 1 2 3 4 5 6 7 (0)")};
    choose(kLotto);
    EXPECT_EQ(lottery().gstrGameCode, QStringLiteral("610"));
    EXPECT_TRUE(lottery().drum(Drum::Second).garrExcluded.empty());
    EXPECT_TRUE(lottery().gblnMainPoolView);
    EXPECT_TRUE(lottery().garrTicketLines.isEmpty());
    EXPECT_EQ(lottery().gstrPreviousFileSuffix, QStringLiteral("SM02"));
    EXPECT_TRUE(QFile::exists(app().gstrAppFolder + QStringLiteral("Sample Two-Drum 5-50 + 2-12SM02")));
}

TEST_F(OpeningTest, ChoosingTheOpenLotteryOnlyClosesTheFileDialog)
{
    startUpWith(kLotto);
    FakeBoard *open = board();
    FakeBoard::log.clear();
    choose(kLotto);
    EXPECT_TRUE(FakeBoard::log.isEmpty());
    EXPECT_EQ(board(), open);
    EXPECT_FALSE(QFile::exists(app().gstrAppFolder + QStringLiteral("Sample Lotto 6-49SM01")));

    // With no board open, the same name is opened (after a start-up whose lottery was gone).
    open->unloadBoard();
    app().gfrmCurrentBoard = nullptr;
    FakeBoard::log.clear();
    choose(kLotto);
    EXPECT_EQ(FakeBoard::log, (QStringList{"show Lotto", "ticket Lotto"}));
}

TEST_F(OpeningTest, ReopeningAfterTheLotteryManagerSavesNothing)
{
    startUpWith(kLotto);
    // The lottery manager: the board goes without saving, the start window is in front. The
    // manager keeps the lottery the board left (here marked); the reopening makes it anew from
    // the catalogues.
    const std::shared_ptr<OpenLottery> left = board()->openLottery();
    left->glngMaxBall = 0;
    board()->unloadBoard();
    app().gfrmCurrentBoard = nullptr;
    FakeBoard::log.clear();
    subReopenCurrentLottery();
    EXPECT_EQ(FakeBoard::log, (QStringList{"show Lotto", "ticket Lotto"}));
    EXPECT_EQ(lottery().glngMaxBall, 49);
    EXPECT_EQ(app().gstrLotteryDbFile, kLotto);
    EXPECT_FALSE(QFile::exists(app().gstrAppFolder + QStringLiteral("Sample Lotto 6-49SM01")));

    // Reopening with the board itself in front replaces it.
    FakeBoard::log.clear();
    subReopenCurrentLottery();
    EXPECT_EQ(FakeBoard::log, (QStringList{"unload Lotto", "show Lotto", "ticket Lotto"}));
}

// At start-up a last lottery that cannot open is forgotten only when it is gone: its database is
// missing, or the lottery catalogue, read whole, does not list it. A catalogue that cannot be read
// is named, without the reader's words, and nothing is forgotten for it.
TEST_F(OpeningTest, AtStartUpOnlyALotteryThatIsGoneIsForgotten)
{
    const QString database = app().gstrLotteryDbsFolder + kLotto;
    const QString name = QStringLiteral("Sample Lotto 6-49");
    auto cutTo = [](const QString &path, qint64 size) { return [=] { ASSERT_TRUE(QFile(path).resize(size)); }; };
    const struct {
        const char *fault;
        std::function<void()> harm;
        QString message;
        bool forgotten;
    } cases[] = {
        {"missing catalogue", [&] { QFile::remove(app().gstrAppFolder + QStringLiteral("country.bin")); },
         res(46000).arg(QStringLiteral("country.bin")), false},
        {"damaged catalogue", cutTo(app().gstrAppFolder + QStringLiteral("lotteryconfigs.bin"), 50),
         res(46010).arg(QStringLiteral("lotteryconfigs.bin")), false},
        {"empty catalogue", cutTo(app().gstrAppFolder + QStringLiteral("lotterydbs.bin"), 0),
         res(46010).arg(QStringLiteral("lotterydbs.bin")), false},
        {"lottery not listed",
         [&] {
             const samples::SampleLottery &other = samples::sampleLotteries()[1];
             writeCatalogues({other.lottery}, {other.config}, {samples::sampleCountry()});
         },
         res(46020).arg(name), true},
        {"database missing", [&] { QFile::remove(database); },
         res(49030).arg(name, fncDatabaseFaultText(lotterydb::Fault::Missing)), true},
        {"no database", cutTo(database, 4096),
         res(49030).arg(name, fncDatabaseFaultText(lotterydb::Fault::NotADatabase)), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fault);
        for (const CatalogueKind kind : {CatalogueKind::Lotteries, CatalogueKind::GameConfigs, CatalogueKind::Countries})
            QFile::remove(app().gstrAppFolder + catalogueFileName(kind));
        QFile::remove(database);
        ASSERT_TRUE(samples::writeSampleLotteries(sandbox.programFolder()).errors.isEmpty());
        clsRegistry().fncREGSetStringVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLastLotteryDbFile,
                                         kLotto);
        c.harm();
        MessageBoxScript script;
        startUpWith(kLotto);
        EXPECT_EQ(script.texts(), QStringList{c.message});
        expectNothingOpened();
        EXPECT_TRUE(FakeBoard::log.isEmpty());
        EXPECT_TRUE(app().gstrLotteryDbFile.isEmpty());
        EXPECT_EQ(app().gstrLastLotteryDbFile, c.forgotten ? QString() : kLotto);
        EXPECT_EQ(storedLastLottery(), c.forgotten ? QString() : kLotto);
    }
}

TEST_F(OpeningTest, ALotteryThatCannotOpenLeavesTheOpenBoardAsItWas)
{
    startUpWith(kLotto);
    FakeBoard *open = board();
    FakeBoard::log.clear();
    choose(QStringLiteral("Unknown.mdb"));
    expectMessage(46020, QStringLiteral("Unknown"));
    expectLottoStillOpen(open);
}

TEST_F(OpeningTest, MissingRowsAndShapesWithoutABoard)
{
    const QString file = QStringLiteral("Custom.mdb");
    QFile::copy(app().gstrLotteryDbsFolder + kLotto, app().gstrLotteryDbsFolder + file);
    const CountryRecord country{5, "Land"};
    const struct {
        LotteryRecord lottery;
        GameConfigRecord config;
        int message;
    } cases[] = {
        {{9, "No config", file, "CU01", 5}, {8, "Other", 49, 0, 0, 6, 0, 0}, 46030},
        {{9, "No country", file, "CU01", 6}, {9, "Game", 49, 0, 0, 6, 0, 0}, 46040},
        {{9, "57 balls", file, "CU01", 5}, {9, "Game", 57, 0, 0, 6, 0, 0}, 46050},
        {{9, "Reserved", file, "CU01", 5}, {9, "Game", 49, 0, 1, 6, 0, 0}, 46050},
        {{9, "Eight drum two", file, "CU01", 5}, {9, "Game", 49, 8, 0, 5, 2, 0}, 46050},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.lottery.lotteryName.toStdString());
        writeCatalogues({c.lottery}, {c.config}, {country});
        MessageBoxScript script;
        app().gstrLastLotteryDbFile = QStringLiteral("Other.mdb");
        choose(file);
        ASSERT_EQ(script.asked().size(), 1u);
        EXPECT_EQ(script.asked()[0].text, res(c.message).arg(QStringLiteral("Custom")));
        expectNothingOpened();
        // Another lottery was the last one; it is not forgotten for this one's fault.
        EXPECT_EQ(app().gstrLastLotteryDbFile, QStringLiteral("Other.mdb"));
    }
}

TEST_F(OpeningTest, AGameWhoseBoardIsMissingIsRefusedBeforeAnythingChanges)
{
    FakeBoard::install({GameLayout::Family::TwoDrum});
    startUpWith(kLotto);
    FakeBoard *open = board();
    ASSERT_NE(open, nullptr);
    const GameLayout layout = lottery().gLayout;
    FakeBoard::log.clear();
    choose(kTwoDrum);
    // The lotto board stays as it was, with its lottery: nothing saved, nothing unloaded.
    expectMessage(46050, QStringLiteral("Sample Two-Drum 5-50 + 2-12"));
    expectLottoStillOpen(open);
    EXPECT_EQ(lottery().gstrFileSuffix, QStringLiteral("SM01"));
    EXPECT_EQ(lottery().gLayout, layout);

    // Reopening after the lottery manager finds the board missing the same way.
    FakeBoard::install({GameLayout::Family::TwoDrum, GameLayout::Family::Lotto});
    MessageBoxScript reopen;
    subReopenCurrentLottery();
    EXPECT_EQ(reopen.asked().size(), 1u);
    expectLottoStillOpen(open);

    // At start-up, with no board for the game: the start window, and the lottery kept.
    open->unloadBoard();
    app().gfrmCurrentBoard = nullptr;
    FakeBoard::install({GameLayout::Family::TwoDrum});
    MessageBoxScript again;
    startUpWith(kTwoDrum);
    EXPECT_EQ(again.asked().size(), 1u);
    EXPECT_EQ(currentBoard(), nullptr);
    EXPECT_EQ(app().gstrLastLotteryDbFile, kTwoDrum);
}

TEST_F(OpeningTest, TheGameCodeFollowsTheConfiguredValues)
{
    const auto configured = std::make_shared<OpenLottery>();
    configured->glngCfgHighestBall = 10;
    configured->glngCfgHighestBallBONUS = 0;
    configured->glngCfgReserved5 = configured->glngCfgReserved8 = 0;
    configured->glngCfgNumbersDrawn = 5;
    configured->glngCfgBonusCount = 0;
    ASSERT_TRUE(subSetGameCodeAndBoard(configured));
    EXPECT_EQ(configured->gstrGameCode, QStringLiteral("150"));
    EXPECT_EQ(board()->family, GameLayout::Family::Digit);
    EXPECT_TRUE(FakeBoard::log.isEmpty());  // not shown

    configured->glngCfgHighestBall = 57;
    EXPECT_FALSE(subSetGameCodeAndBoard(configured));
    EXPECT_EQ(configured->gstrGameCode, QStringLiteral("150"));
    EXPECT_EQ(board()->family, GameLayout::Family::Digit);
}
