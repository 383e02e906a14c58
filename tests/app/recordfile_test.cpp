#include "app/ui/clsrecordfile.h"

#include "analysis/clslotterydb.h"
#include "analysis/lotteryopening.h"
#include "analysis/samplelotteries.h"
#include "analysis/state.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "support/fakeboard.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// The open lottery "Test.mdb" (file suffix "TST1") with a board of the test kind in front.
class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sandbox.useProgramPaths();
        QDir().mkpath(gstrLotteryDbsFolder);
        gstrLotteryDbFile = QStringLiteral("Test.mdb");
        useGame(GameConfigRecord{1, "Test", 49, 0, 0, 6, 0, 0});
        glngTotalWeeks = 10;
        garrGameDates = {QDate(), QDate(2024, 1, 31)};
        gstrDrawDate = QStringLiteral("1/31/2024");
        newBoard();
        gobjLotteryDb = &db;
    }
    void TearDown() override
    {
        gobjLotteryDb = nullptr;
        delete board.data();
        gfrmCurrentBoard = nullptr;
    }

    // A new board in front, in place of the one there.
    void newBoard()
    {
        delete board.data();
        board = new FakeBoard(BoardFamily::Lotto);
        gfrmCurrentBoard = board;
    }

    static void useGame(const GameConfigRecord &config)
    {
        LotteryOpening o;
        o.lottery = LotteryRecord{1, "Test", "Test.mdb", "TST1", 1};
        o.config = config;
        o.country = CountryRecord{1, "Country"};
        commitLotteryOpening(o);
    }

    QString settingsFile() const { return gstrAppFolder + QStringLiteral("TestTST1"); }

    BoardSettingsRecord fileRecord() const
    {
        QString error;
        return readRecordFile(settingsFile(), &error).value_or(BoardSettingsRecord());
    }

    Sandbox sandbox;
    QPointer<FakeBoard> board;
    clsLotteryDb db;
    clsRecordFile recordFile;
};

}  // namespace

TEST_F(RecordFileTest, SaveFromTheBoardAndTheGlobalsThenLoadBack)
{
    BoardSettings controls = boardSettingsDefaults(RecordShape::current(), DrawingsInfo::current());
    controls.cold = true;
    controls.hot = false;
    controls.columnsToDraw = QStringLiteral("40");
    controls.excluded[5] = 1;
    controls.equalChance = 1;
    controls.guaranteeNumbers[2] = QString();
    board->controls = controls;
    glngStartWeek = 3;
    glngReferenceWeek = 9;
    gblnAllExcluded = true;
    gDrum.garrPoolCountEdited.fill(-3);
    gDrum.garrPoolCountEdited[8] = 4;
    gDrum.garrPoolWeightSaved[49] = 17;

    recordFile.subSelectRecordFile(QStringLiteral("forConfigXYZfile"));
    EXPECT_EQ(gstrRecordFilePath, settingsFile());
    ASSERT_TRUE(recordFile.subSaveBoardSettings(1)) << recordFile.lastError().toStdString();
    const BoardSettingsRecord saved = fileRecord();
    EXPECT_EQ(saved, recordFile.record());
    EXPECT_EQ(saved[0], VbVariant::fromInt32(3));
    EXPECT_EQ(saved[1], VbVariant::fromText("1/31/2024"));
    EXPECT_EQ(saved[2], VbVariant::fromInt32(9));
    EXPECT_EQ(saved[7], VbVariant::fromBool(true));
    EXPECT_EQ(saved[19], VbVariant::fromText("40"));
    EXPECT_TRUE(saved[184].isEmpty());

    // Another board loads it: the globals first, then the board's controls.
    newBoard();
    glngStartWeek = glngReferenceWeek = 0;
    gblnAllExcluded = gblnEqualChance = false;
    gstrDrawDate.clear();
    gDrum.garrExcluded.fill(0);
    gDrum.garrPoolCountEdited.fill(0);
    ASSERT_TRUE(recordFile.subLoadBoardSettings());
    EXPECT_TRUE(recordFile.loadProblem().isEmpty());  // read whole, without a word
    EXPECT_EQ(glngStartWeek, 3);
    EXPECT_EQ(glngReferenceWeek, 9);
    EXPECT_EQ(gstrDrawDate, QStringLiteral("1/31/2024"));
    EXPECT_TRUE(gblnAllExcluded);
    EXPECT_TRUE(gblnEqualChance);
    EXPECT_EQ(gDrum.garrExcluded[5], 1);
    EXPECT_EQ(gDrum.garrPoolCountEdited[8], 4);
    EXPECT_EQ(gDrum.garrPoolCountEdited[9], -3);
    EXPECT_EQ(gDrum.garrPoolWeightSaved[49], 17);
    EXPECT_FALSE(board->wasReset);
    EXPECT_TRUE(board->controls.cold);
    EXPECT_EQ(board->controls.columnsToDraw, QStringLiteral("40"));
    EXPECT_EQ(board->controls.guaranteeNumbers[2], QStringLiteral("0"));
    EXPECT_EQ(board->controls.startWeek, 3);
}

TEST_F(RecordFileTest, DigitGamesUseTheDigitLayout)
{
    useGame(GameConfigRecord{1, "Pick 3", 10, 0, 0, 3, 0, 0});
    board->controls = boardSettingsDefaults(RecordShape::current(), DrawingsInfo::current());
    board->controls.straight = false;
    board->controls.boxed = true;
    recordFile.subSelectRecordFile(QStringLiteral("forConfigXYZfile"));
    ASSERT_TRUE(recordFile.subSaveBoardSettings(1));
    const BoardSettingsRecord saved = fileRecord();
    EXPECT_EQ(saved[58], VbVariant::fromBool(false));
    EXPECT_EQ(saved[59], VbVariant::fromBool(true));
    EXPECT_TRUE(saved[60].isEmpty());
    EXPECT_EQ(saved[8], VbVariant::fromText(""));  // a digit guarantee left empty
}

TEST_F(RecordFileTest, ResetAndUnreadableFiles)
{
    recordFile.subSelectRecordFile(QStringLiteral("forConfigXYZfile"));
    gstrDrawDate = QStringLiteral("kept");
    glngStartWeek = 7;
    gDrum.garrPoolCountEdited.fill(5);
    recordFile.subResetBoardSettings();
    EXPECT_TRUE(board->wasReset);
    EXPECT_EQ(board->controls.drawDate, QStringLiteral("1/31/2024"));
    EXPECT_EQ(board->controls.endWeek, 10);
    EXPECT_EQ(gstrDrawDate, QStringLiteral("kept"));
    EXPECT_EQ(glngStartWeek, 1);
    EXPECT_EQ(glngReferenceWeek, 10);
    EXPECT_EQ(gDrum.garrPoolCountEdited[1], -3);
    EXPECT_EQ(recordFile.record(), BoardSettingsRecord());
    EXPECT_FALSE(QFile::exists(settingsFile()));

    // A file that cannot be read resets the board instead of stopping its load, and is named;
    // choosing the next file forgets the problem.
    board->wasReset = false;
    EXPECT_FALSE(recordFile.subLoadBoardSettings());
    EXPECT_TRUE(board->wasReset);
    EXPECT_FALSE(recordFile.lastError().isEmpty());
    EXPECT_EQ(recordFile.loadProblem(), res(49020).arg(QDir::toNativeSeparators(settingsFile())));
    recordFile.subSelectRecordFile(QStringLiteral("forConfigXYZfile"));
    EXPECT_TRUE(recordFile.loadProblem().isEmpty());

    // Nothing to save without a board.
    delete board.data();
    gfrmCurrentBoard = nullptr;
    EXPECT_FALSE(recordFile.subSaveBoardSettings(1));
    EXPECT_FALSE(QFile::exists(settingsFile()));
    EXPECT_FALSE(recordFile.subSaveBoardSettings(3));
}

TEST_F(RecordFileTest, ModeTwoRefreshesTheLotterysOwnFileOnly)
{
    // Ten drawings, the last one deleted; the saved window ends (and starts) at drawing 10.
    const std::vector<QDate> dates = samples::drawingDates(samples::Schedule::Daily, QDate(2024, 1, 1), QDate(2024, 1, 10));
    QString error;
    ASSERT_TRUE(lotterydb::createResultsDatabase(gstrLotteryDbsFolder + gstrLotteryDbFile,
                                                 samples::makeDrawings(GameConfigRecord{1, "", 49, 0, 0, 6, 0, 0}, dates, 1),
                                                 6, &error));
    ASSERT_TRUE(db.subOpenConnection());
    recordFile.subSelectRecordFile(QStringLiteral("forConfigXYZfile"));

    // Without a settings file nothing is written.
    ASSERT_TRUE(db.subDeleteDrawing(10));
    EXPECT_TRUE(recordFile.subSaveBoardSettings(2, 10));
    EXPECT_FALSE(QFile::exists(settingsFile()));

    BoardSettingsRecord own;
    own[0] = VbVariant::fromInt32(10);
    own[1] = VbVariant::fromText("1/10/2024");
    own[2] = VbVariant::fromInt32(10);
    own[5] = VbVariant::fromInt16(1);
    ASSERT_TRUE(writeRecordFile(settingsFile(), own, &error));
    // The record in memory belongs to something else and must not reach the file.
    BoardSettingsRecord other;
    other[5] = VbVariant::fromText("another lottery's text");
    ASSERT_TRUE(writeRecordFile(gstrAppFolder + QStringLiteral("other"), other, &error));
    gstrRecordFilePath = gstrAppFolder + QStringLiteral("other");
    ASSERT_TRUE(recordFile.subLoadBoardSettings());
    recordFile.subSelectRecordFile(QStringLiteral("forConfigXYZfile"));

    ASSERT_TRUE(recordFile.subSaveBoardSettings(2, 10)) << recordFile.lastError().toStdString();
    const BoardSettingsRecord refreshed = fileRecord();
    EXPECT_EQ(refreshed[0], VbVariant::fromInt32(9));
    EXPECT_EQ(refreshed[1].tag(), VbVariant::Date);
    EXPECT_EQ(refreshed[1].date(), QDate(2024, 1, 9));
    EXPECT_EQ(refreshed[2], VbVariant::fromInt32(9));
    EXPECT_EQ(refreshed[5], VbVariant::fromInt16(1));
    EXPECT_EQ(recordFile.record()[5], VbVariant::fromText("another lottery's text"));

    // A later read shows the date in the short form.
    newBoard();
    glngTotalWeeks = 9;
    ASSERT_TRUE(recordFile.subLoadBoardSettings());
    EXPECT_EQ(board->controls.drawDate, QStringLiteral("1/9/2024"));
    EXPECT_EQ(board->controls.startWeek, 9);
}
