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

// The open lottery "Test.mdb" (file suffix "TST1", 5/50 + 2/12) with a board of the test kind in
// front.
class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sandbox.useProgramPaths();
        QDir().mkpath(gstrLotteryDbsFolder);
        gstrLotteryDbFile = QStringLiteral("Test.mdb");
        useGame(GameConfigRecord{1, "Test", 50, 12, 0, 5, 2, 0});
        glngTotalWeeks = 10;
        garrGameDates = {QDate(), QDate(2024, 1, 31)};
        newBoard();
        gobjLotteryDb = &db;
        recordFile.subSelectRecordFile(QStringLiteral("forConfigXYZfile"));
    }
    void TearDown() override
    {
        gobjLotteryDb = nullptr;
        delete board.data();
        gfrmCurrentBoard = nullptr;
    }
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

// The board's controls and the globals go to the file; another board loads them back, the
// globals first (both drums), then the controls.
TEST_F(RecordFileTest, SaveFromTheBoardAndTheGlobalsThenLoadBack)
{
    BoardSettings controls = boardSettingsDefaults(RecordShape::current(), DrawingsInfo::current());
    controls.cold = !(controls.hot = false);
    controls.columnsToDraw = QStringLiteral("40");
    controls.excluded[5] = controls.excludedBONUS[3] = controls.equalChance = 1;
    controls.guaranteeNumbers[2] = QString();
    board->controls = controls;
    glngStartWeek = 3;
    glngReferenceWeek = 9;
    gstrDrawDate = QStringLiteral("1/31/2024");
    gblnAllExcluded = true;
    gDrum.garrPoolCountEdited.fill(-3);
    gDrum.garrPoolCountEdited[8] = 4;
    gDrumBONUS.garrPoolWeightSaved[12] = 17;
    ASSERT_TRUE(recordFile.subSaveBoardSettings(1)) << recordFile.lastError().toStdString();
    EXPECT_EQ(std::tuple(fileRecord()[0], fileRecord()[2], fileRecord()[7], fileRecord()[24]),
              std::tuple(VbVariant::fromInt32(3), VbVariant::fromInt32(9), VbVariant::fromBool(true),
                         VbVariant::fromText("40")));

    newBoard();
    glngStartWeek = glngReferenceWeek = 0;
    gblnAllExcluded = gblnEqualChance = false;
    gstrDrawDate.clear();
    for (DrumState *drum : {&gDrum, &gDrumBONUS}) {
        drum->garrExcluded.fill(0);
        drum->garrPoolCountEdited.fill(0);
        drum->garrPoolWeightSaved.fill(0);
    }
    ASSERT_TRUE(recordFile.subLoadBoardSettings());
    EXPECT_TRUE(recordFile.loadProblem().isEmpty());  // read whole, without a word
    EXPECT_EQ(std::tuple(glngStartWeek, glngReferenceWeek, gstrDrawDate, gblnAllExcluded, gblnEqualChance),
              std::tuple(3, 9, QStringLiteral("1/31/2024"), true, true));
    EXPECT_EQ(std::tuple(gDrum.garrExcluded[5], gDrumBONUS.garrExcluded[3], gDrum.garrPoolCountEdited[8],
                         gDrum.garrPoolCountEdited[9], gDrumBONUS.garrPoolWeightSaved[12]),
              std::tuple(1, 1, 4, -3, 17));
    controls.guaranteeNumbers[2] = QStringLiteral("0");
    EXPECT_FALSE(board->wasReset);
    EXPECT_EQ(std::tuple(board->controls.cold, board->controls.columnsToDraw, board->controls.guaranteeNumbers),
              std::tuple(true, QStringLiteral("40"), controls.guaranteeNumbers));

    // Digit games use the digit layout: straight and boxed last, empty guarantees kept.
    useGame(GameConfigRecord{1, "Pick 3", 10, 0, 0, 3, 0, 0});
    board->controls = boardSettingsDefaults(RecordShape::current(), DrawingsInfo::current());
    board->controls.boxed = !(board->controls.straight = false);
    ASSERT_TRUE(recordFile.subSaveBoardSettings(1));
    EXPECT_EQ(std::tuple(fileRecord()[8], fileRecord()[58], fileRecord()[59]),
              std::tuple(VbVariant::fromText(""), VbVariant::fromBool(false), VbVariant::fromBool(true)));
}

TEST_F(RecordFileTest, ResetAndUnreadableFiles)
{
    gstrDrawDate = QStringLiteral("kept");
    glngStartWeek = 7;
    gDrum.garrPoolCountEdited.fill(5);
    recordFile.subResetBoardSettings();
    EXPECT_TRUE(board->wasReset);
    EXPECT_EQ(std::pair(board->controls.drawDate, board->controls.endWeek), std::pair(QStringLiteral("1/31/2024"), 10));
    EXPECT_EQ(std::tuple(gstrDrawDate, glngStartWeek, glngReferenceWeek, gDrum.garrPoolCountEdited[1]),
              std::tuple(QStringLiteral("kept"), 1, 10, -3));
    EXPECT_FALSE(QFile::exists(settingsFile()));

    // A file that cannot be read resets the board instead of stopping its load, and is named;
    // choosing the next file forgets the problem.
    board->wasReset = false;
    EXPECT_FALSE(recordFile.subLoadBoardSettings());
    EXPECT_TRUE(board->wasReset);
    EXPECT_EQ(recordFile.loadProblem(), res(49020).arg(QDir::toNativeSeparators(settingsFile())));
    recordFile.subSelectRecordFile(QStringLiteral("forConfigXYZfile"));
    EXPECT_TRUE(recordFile.loadProblem().isEmpty());

    // Nothing to save without a board.
    delete board.data();
    gfrmCurrentBoard = nullptr;
    EXPECT_FALSE(recordFile.subSaveBoardSettings(1));
    EXPECT_FALSE(recordFile.subSaveBoardSettings(3));
    EXPECT_FALSE(QFile::exists(settingsFile()));
}

// After a deletion the lottery's own file is refreshed; the record last read, another lottery's,
// does not reach it.
TEST_F(RecordFileTest, ModeTwoRefreshesTheLotterysOwnFileOnly)
{
    const std::vector<QDate> dates = samples::drawingDates(samples::Schedule::Daily, QDate(2024, 1, 1), QDate(2024, 1, 10));
    QString error;
    ASSERT_TRUE(lotterydb::createResultsDatabase(gstrLotteryDbsFolder + gstrLotteryDbFile,
                                                 samples::makeDrawings(GameConfigRecord{1, "", 50, 12, 0, 5, 2, 0}, dates, 1),
                                                 7, &error));
    ASSERT_TRUE(db.subOpenConnection());
    ASSERT_TRUE(db.subDeleteDrawing(10));
    EXPECT_TRUE(recordFile.subSaveBoardSettings(2, 10));
    EXPECT_FALSE(QFile::exists(settingsFile()));  // without a settings file nothing is written

    BoardSettingsRecord own, other;
    own[0] = own[2] = VbVariant::fromInt32(10);
    own[1] = VbVariant::fromText("1/10/2024");
    own[5] = VbVariant::fromInt16(1);
    other[5] = VbVariant::fromText("another lottery's text");
    ASSERT_TRUE(writeRecordFile(settingsFile(), own, &error) && writeRecordFile(gstrAppFolder + "other", other, &error));
    gstrRecordFilePath = gstrAppFolder + QStringLiteral("other");
    ASSERT_TRUE(recordFile.subLoadBoardSettings());
    recordFile.subSelectRecordFile(QStringLiteral("forConfigXYZfile"));
    ASSERT_TRUE(recordFile.subSaveBoardSettings(2, 10)) << recordFile.lastError().toStdString();
    EXPECT_EQ(std::tuple(fileRecord()[0], fileRecord()[1].date(), fileRecord()[2], fileRecord()[5]),
              std::tuple(VbVariant::fromInt32(9), QDate(2024, 1, 9), VbVariant::fromInt32(9), VbVariant::fromInt16(1)));

    // A later read shows the date in the short form.
    newBoard();
    glngTotalWeeks = 9;
    ASSERT_TRUE(recordFile.subLoadBoardSettings());
    EXPECT_EQ(std::pair(board->controls.drawDate, board->controls.startWeek), std::pair(QStringLiteral("1/9/2024"), 9));
}
