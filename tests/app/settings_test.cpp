// The board settings record: its layouts and bytes, the reading of damaged and foreign records,
// its file, and the record service that fills it from the board in front and puts it back.

#include "analysis/lotteryopening.h"
#include "analysis/openlottery.h"
#include "app/boardsettings.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "app/clsrecordfile.h"
#include "dialogs/programmessage.h"
#include "support/fakeboard.h"
#include "support/sampleworld.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Little-endian slot bytes written out by hand, slot by slot, as the file form describes them.
struct Bytes {
    QByteArray b;
    int filled = 0;
    Bytes &u16(uint16_t v) { return b.append(char(v & 0xFF)).append(char(v >> 8)), *this; }
    Bytes &slot(uint16_t tag) { return ++filled, u16(tag); }
    Bytes &i16(int16_t v) { return slot(2).u16(uint16_t(v)); }
    Bytes &i32(int32_t v) { return slot(3).u16(uint16_t(uint32_t(v) & 0xFFFF)).u16(uint16_t(uint32_t(v) >> 16)); }
    Bytes &boolean(bool v) { return slot(11).u16(v ? 0xFFFF : 0); }
    Bytes &text(const char *t) { return slot(8).u16(uint16_t(qstrlen(t))), b.append(t), *this; }
};

GameLayout lotto(int k, int b, int n1, int n2 = 0) { return GameLayout::lotto(n1, k, b, n2); }
const DrawingsInfo kDrawings{300, QDate(2024, 3, 14)};

BoardSettings sixFromFortyNine()
{
    BoardSettings s = boardSettingsDefaults(lotto(6, 0, 49), kDrawings);
    s.startWeek = 12;
    s.cold = !(s.hot = false);
    s.powerIncrease = 1;
    s.powerIncreaseLevel = 3;
    for (int i = 1; i <= 6; ++i) {
        s.guaranteeNumbers[i] = QString::fromLatin1(i == 3 ? "" : i == 1 ? "7" : "0");
        s.guesses[i] = QString::number(i);
        s.guessPowers[i] = QString::number(i * 10);
    }
    s.guaranteeNumbersOn = s.incrementalTicket = s.drum(Drum::Main).excluded[13] = 1;
    s.drum(Drum::Main).interval.limits = std::array<QString, 2>{QStringLiteral("85"), QStringLiteral("130")};
    s.drum(Drum::Main).interval.percentIndex = 3;
    s.columnsToDraw = QStringLiteral("25");
    s.guessSource = QStringLiteral("Week 300");
    s.guessPowerTotal = QStringLiteral("210");
    s.drum(Drum::Main).poolCountEdited[7] = 12;
    for (int b = 1; b <= 49; ++b)
        s.drum(Drum::Main).poolWeightSaved[b] = 2 * b;
    return s;
}

BoardSettingsRecord encoded(const GameLayout &shape, const BoardSettings &s)
{
    BoardSettingsRecord record;
    EXPECT_TRUE(encodeBoardSettings(shape, s, record));
    return record;
}

}  // namespace

// Each layout fills its slots from slot 0 (6/49 184, with a bonus 186, 5/50 + 2/12 230, the
// longest 383; 3 digits 60, 8 digits 75); read with another layout, a record is another game's
// and every slot takes its reset value.
TEST(BoardSettingsLayout, EachLayoutFillsItsSlotsAndOtherLayoutsReadItAsReset)
{
    const std::pair<GameLayout, int> layouts[] = {{lotto(6, 0, 49), 184}, {lotto(6, 1, 49), 186},
                                                   {lotto(5, 2, 50, 12), 230}, {lotto(6, 2, 56, 56), 383},
                                                   {GameLayout::digits(3), 60}, {GameLayout::digits(8), 75}};
    for (const auto &[shape, n] : layouts) {
        BoardSettings cold = boardSettingsDefaults(shape, kDrawings);
        cold.cold = !(cold.hot = false);
        const BoardSettingsRecord record = encoded(shape, cold);
        EXPECT_TRUE(!record[size_t(n - 1)].isEmpty() && record[size_t(n)].isEmpty()) << n;
        for (const auto &[other, m] : layouts) {
            RecordDamage damage;
            const BoardSettings read = decodeBoardSettings(other, record, kDrawings, kRecordSlots, &damage);
            EXPECT_EQ(std::pair(damage.otherLayout, read), std::pair(m != n, m == n ? cold : boardSettingsDefaults(other, kDrawings)))
                << n << " read as " << m;
        }
    }
}

TEST(BoardSettingsLayout, GoldenBytesOfASixFromFortyNineRecord)
{
    Bytes e;
    e.i32(12).text("3/14/2024").i32(300).boolean(false).boolean(true).i16(1).i16(3).boolean(false);
    e.text("7").text("0").text("").text("0").text("0").text("0");
    e.i16(1).i16(0).text("85").text("130").i16(3).text("25").i16(0).i16(1);
    for (const char *g : {"1", "2", "3", "4", "5", "6"})
        e.text(g);
    for (int b = 1; b <= 49; ++b)
        e.i16(b == 13 ? 1 : 0);
    e.text("Week 300");
    for (const char *p : {"10", "20", "30", "40", "50", "60"})
        e.text(p);
    e.text("210").i16(0);
    for (int b = 1; b <= 49; ++b)
        e.i32(b == 7 ? 12 : -3);
    for (int b = 1; b <= 49; ++b)
        e.i32(2 * b);
    const QByteArray bytes = recordBytes(encoded(lotto(6, 0, 49), sixFromFortyNine()));
    EXPECT_EQ(bytes, e.b + QByteArray(2 * (1000 - e.filled), '\0'));
    // Read back: the same values, except that an empty lotto guarantee comes back as "0".
    BoardSettings expected = sixFromFortyNine();
    expected.guaranteeNumbers[3] = QStringLiteral("0");
    EXPECT_EQ(decodeBoardSettings(lotto(6, 0, 49), recordFromBytes(bytes), kDrawings), expected);
}

// After the main interval items come the second drum's, whose limits read back lower first.
TEST(BoardSettingsLayout, SecondDrumItemsOnlyOnTwoDrumGames)
{
    const GameLayout two = lotto(5, 2, 50, 12);
    BoardSettings s = boardSettingsDefaults(two, kDrawings);
    s.guaranteeNumbers[6] = QStringLiteral("11");
    s.drum(Drum::Second).interval = {1, std::array<QString, 2>{QStringLiteral("40"), QStringLiteral("20")}, 7};
    s.drum(Drum::Second).excluded[12] = s.drum(Drum::Second).poolCountEdited[3] = 1;
    const BoardSettingsRecord record = encoded(two, s);
    EXPECT_EQ(std::tuple(record[13].text(), record[20], record[21].text(), record[23]),
              std::tuple(QStringLiteral("11"), VbVariant::fromInt16(1), QStringLiteral("40"), VbVariant::fromInt16(7)));
    s.drum(Drum::Second).interval.limits = std::array<QString, 2>{QStringLiteral("20"), QStringLiteral("40")};
    EXPECT_EQ(decodeBoardSettings(two, record, kDrawings), s);
}

// One slot of another kind than the layout writes there, or a value out of range, takes its reset
// value alone; two slots of another kind make the whole record another layout's.
TEST(BoardSettingsDecode, ValuesOutOfRangeTakeTheirResetValuesAndWrongKindsResetTheRecord)
{
    const GameLayout shape = lotto(6, 0, 49);
    const BoardSettingsRecord good = encoded(shape, sixFromFortyNine());
    const BoardSettings reset = boardSettingsDefaults(shape, kDrawings);
    auto decodeWith = [&](std::initializer_list<std::pair<int, VbVariant>> changes, RecordDamage *damage = nullptr) {
        BoardSettingsRecord r = good;
        for (const auto &[index, value] : changes)
            r[size_t(index)] = value;
        return decodeBoardSettings(shape, r, kDrawings, kRecordSlots, damage);
    };
    RecordDamage damage;
    const BoardSettings oneStray = decodeWith({{0, VbVariant::fromText("12")}}, &damage);
    EXPECT_EQ(std::tuple(oneStray.startWeek, oneStray.columnsToDraw, damage.otherLayout, damage.damagedSlots),
              std::tuple(reset.startWeek, QStringLiteral("25"), false, 1));
    EXPECT_EQ(decodeWith({{0, VbVariant::fromText("12")}, {135, VbVariant::fromDouble(2)}}, &damage), reset);
    EXPECT_TRUE(damage.otherLayout);
    // Each value out of range alone: the rest as written.
    using S = BoardSettings;
    const std::tuple<int, VbVariant, std::function<void(S &)>> cases[] = {
        {0, VbVariant::fromInt32(301), [](S &s) { s.startWeek = 1; }},
        {2, VbVariant::fromInt32(301), [](S &s) { s.endWeek = 300; }},
        {1, VbVariant::fromDate(QDate(2024, 1, 31)), [](S &s) { s.drawDate = QStringLiteral("1/31/2024"); }},  // short form
        // No date, or one the short form cannot give back: none, for the board to take the end drawing's.
        {1, VbVariant::fromText("31.01.2024"), [](S &s) { s.drawDate.clear(); }},
        {1, VbVariant::fromText(""), [](S &s) { s.drawDate.clear(); }},
        {1, VbVariant::fromDate(QDate(10000, 1, 1)), [](S &s) { s.drawDate.clear(); }},
        {6, VbVariant::fromInt16(5), [](S &s) { s.powerIncreaseLevel = 2; }},
        {6, VbVariant(), [](S &s) { s.powerIncreaseLevel = 2; }},
        {5, VbVariant::fromInt16(-1), [](S &s) { s.powerIncrease = 0; }},
        {8, VbVariant::null(), [](S &s) { s.guaranteeNumbers[1] = QStringLiteral("0"); }},
        {16, VbVariant::fromText("abc"), [](S &s) { s.drum(Drum::Main).interval.limits.reset(); }},  // the boxes are left as they are
        {18, VbVariant::fromInt16(11), [](S &s) { s.drum(Drum::Main).interval.percentIndex = 1; }},
        {19, VbVariant::fromText("1a"), [](S &s) { s.columnsToDraw = QStringLiteral("10"); }},
        {28 + 12, VbVariant::fromInt16(5), [](S &s) { s.drum(Drum::Main).excluded[13] = 0; }},
        {86 + 6, VbVariant::fromInt32(-5), [](S &s) { s.drum(Drum::Main).poolCountEdited[7] = -3; }},
        {86 + 6, VbVariant::fromInt32(0), [](S &s) { s.drum(Drum::Main).poolCountEdited[7] = 0; }},
        {135, VbVariant::fromInt32(-1), [](S &s) { s.drum(Drum::Main).poolWeightSaved[1] = 0; }},
    };
    const BoardSettings asWritten = decodeWith({});
    for (const auto &[index, value, change] : cases) {
        BoardSettings expected = asWritten;
        change(expected);
        EXPECT_EQ(decodeWith({{index, value}}), expected) << index;
    }
    EXPECT_FALSE(decodeWith({{4, VbVariant()}}).cold);  // Empty is False
    EXPECT_EQ(decodeWith({{16, VbVariant::fromText("130")}, {17, VbVariant::fromText("85")}}).drum(Drum::Main).interval.limits,
              (std::array<QString, 2>{QStringLiteral("85"), QStringLiteral("130")}));  // the lower first
}

// A damaged file reads as far as it can and never fails: cut in the middle of the guarantee texts,
// what the file held whole is kept; from an unknown tag on, or from no bytes at all, every slot
// takes its reset value, so the board gets one of Hot or Cold, nothing excluded and a pool to fill.
TEST(BoardSettingsDecode, DamagedFilesReadAsFarAsTheyCan)
{
    const GameLayout shape = lotto(6, 0, 49);
    const BoardSettingsRecord good = encoded(shape, sixFromFortyNine());
    const QByteArray bytes = recordBytes(good);
    const BoardSettings reset = boardSettingsDefaults(shape, kDrawings);
    int read = 0;
    RecordDamage damage;
    const BoardSettingsRecord head = recordFromBytes(bytes.left(60), &read);
    const BoardSettings cut = decodeBoardSettings(shape, head, kDrawings, read, &damage);
    EXPECT_EQ(std::tuple(damage.damagedSlots, damage.otherLayout, cut.startWeek, cut.cold, cut.columnsToDraw),
              std::tuple(184 - 11, false, 12, true, reset.columnsToDraw));
    QByteArray unknown = bytes;
    unknown[0] = char(0x63);
    for (const QByteArray &damaged : {unknown, QByteArray()}) {
        const BoardSettingsRecord r = recordFromBytes(damaged, &read);
        const BoardSettings s = decodeBoardSettings(shape, r, kDrawings, read, &damage);
        EXPECT_TRUE(damage.any() && s.hot != s.cold && read == 0);
        EXPECT_EQ(std::pair(s.drum(Drum::Main).excluded, s.drum(Drum::Main).poolCountEdited), std::pair(reset.drum(Drum::Main).excluded, reset.drum(Drum::Main).poolCountEdited));
    }
}

// The file holds exactly the record last written. After the newest drawing was deleted: beyond
// the saved window (start 12, end 300) nothing changes; at the end drawing the end drawing and
// date move to the new newest drawing; at the start drawing that moves too.
TEST(BoardSettingsFile, WrittenWholeReadBackAndRefreshedAfterADeletion)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(readRecordFile(dir.filePath("none"), &error).has_value() || error.isEmpty());
    BoardSettingsRecord r = encoded(lotto(6, 0, 49), sixFromFortyNine());
    ASSERT_TRUE(writeRecordFile(dir.filePath("L649"), r, &error));
    EXPECT_EQ(readRecordFile(dir.filePath("L649"), &error), r);
    const BoardSettingsRecord before = r;
    EXPECT_FALSE(refreshAnalysisWindow(r, 301, 300, QDate(2024, 3, 14)));
    EXPECT_EQ(r, before);
    EXPECT_TRUE(refreshAnalysisWindow(r, 300, 299, QDate(2024, 3, 13)));
    EXPECT_EQ(std::tuple(r[0], r[1].tag(), r[1].date(), r[2]),
              std::tuple(VbVariant::fromInt32(12), VbVariant::Date, QDate(2024, 3, 13), VbVariant::fromInt32(299)));
    r[0] = VbVariant::fromInt32(299);
    EXPECT_TRUE(refreshAnalysisWindow(r, 299, 298, QDate(2024, 3, 12)));
    EXPECT_EQ(std::pair(r[0], r[2]), std::pair(VbVariant::fromInt32(298), VbVariant::fromInt32(298)));
}

namespace {

// The open lottery "Test.mdb" (file suffix "TST1", 5/50 + 2/12) with a board of the test kind in
// front.
class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sandbox.useProgramPaths();
        app().gstrLotteryDbFile = QStringLiteral("Test.mdb");
        LotteryOpening o;
        o.lottery = LotteryRecord{1, "Test", "Test.mdb", "TST1", 1};
        o.config = GameConfigRecord{1, "Test", 50, 12, 0, 5, 2, 0};
        lottery = std::make_shared<OpenLottery>(makeOpenLottery(o, {}));
        lottery->glngTotalWeeks = 10;
        lottery->garrGameDates = {QDate(), QDate(2024, 1, 31)};
        newBoard();
        recordFile.subSelectRecordFile(QStringLiteral("forConfigXYZfile"), *lottery);
    }
    void TearDown() override
    {
        delete board.data();
        app().gfrmCurrentBoard = nullptr;
        app().gstrLotteryDbFile.clear();
    }
    void newBoard()
    {
        delete board.data();
        app().gfrmCurrentBoard = board = new FakeBoard(GameLayout::Family::Lotto, lottery);
    }
    QString settingsFile() const { return app().gstrAppFolder + QStringLiteral("TestTST1"); }

    Sandbox sandbox;
    std::shared_ptr<OpenLottery> lottery;
    QPointer<FakeBoard> board;
    clsRecordFile recordFile;
};

}  // namespace

// The board's controls and the globals go to the file; another board loads them back, the
// globals first (both drums), then the controls. A count set aside beyond the record's 32 bits
// comes back as the largest it holds, not wrapped into another number.
TEST_F(RecordFileTest, SaveFromTheBoardAndTheGlobalsThenLoadBack)
{
    BoardSettings controls = boardSettingsDefaults(lottery->gLayout, DrawingsInfo::of(*lottery));
    controls.cold = !(controls.hot = false);
    controls.columnsToDraw = QStringLiteral("40");
    controls.drum(Drum::Main).excluded[5] = controls.drum(Drum::Second).excluded[3] = controls.equalChance = 1;
    board->controls = controls;
    lottery->glngStartWeek = 3;
    lottery->glngReferenceWeek = 9;
    lottery->gstrDrawDate = QStringLiteral("1/31/2024");
    lottery->drum(Drum::Main).gblnAllExcluded = true;
    lottery->drum(Drum::Main).garrPoolCountEdited.fill(-3);
    lottery->drum(Drum::Main).garrPoolCountEdited[8] = 4;
    lottery->drum(Drum::Second).garrPoolWeightSaved[12] = 17;
    lottery->drum(Drum::Main).garrPoolWeightSaved[10] = 9'252'357'359;
    ASSERT_TRUE(recordFile.subSaveBoardSettings(*lottery, fncBoardControls(*board))) << recordFile.lastError().toStdString();

    newBoard();
    lottery->glngStartWeek = lottery->glngReferenceWeek = 0;
    lottery->drum(Drum::Main).gblnAllExcluded = lottery->gblnEqualChance = false;
    lottery->gstrDrawDate.clear();
    lottery->drum(Drum::Main) = lottery->drum(Drum::Second) = DrumState();
    board->showSettings(recordFile.subLoadBoardSettings(*lottery));
    EXPECT_EQ(std::tuple(recordFile.loadProblem(), lottery->glngStartWeek, lottery->glngReferenceWeek, lottery->gstrDrawDate, lottery->drum(Drum::Main).gblnAllExcluded, lottery->gblnEqualChance),
              std::tuple(QString(), 3, 9, QStringLiteral("1/31/2024"), true, true));  // read whole, without a word
    EXPECT_EQ(std::tuple(lottery->drum(Drum::Main).garrExcluded.value(5, 0), lottery->drum(Drum::Second).garrExcluded.value(3, 0), lottery->drum(Drum::Main).garrPoolCountEdited.value(8, 0),
                         lottery->drum(Drum::Main).garrPoolCountEdited.value(9, 0), lottery->drum(Drum::Second).garrPoolWeightSaved.value(12, 0),
                         lottery->drum(Drum::Main).garrPoolWeightSaved.value(10, 0)),
              std::tuple(1, 1, 4, -3, 17, int64_t{INT32_MAX}));
    EXPECT_EQ(std::tuple(board->wasReset, board->controls.cold, board->controls.columnsToDraw, board->controls.guaranteeNumbers),
              std::tuple(false, true, QStringLiteral("40"), controls.guaranteeNumbers));
}

// The reset puts the reset values into the board and the globals (not the date). A file that
// cannot be read, or holds another game's record, resets the board instead of stopping its load,
// and is named; choosing the next file forgets the problem. Nothing is saved without a board. A
// lottery opened with such a file, with drawings or none yet, shows its board reset and the user
// is told.
TEST_F(RecordFileTest, ResetAndUnreadableFiles)
{
    lottery->gstrDrawDate = QStringLiteral("kept");
    lottery->glngStartWeek = 7;
    lottery->drum(Drum::Main).garrPoolCountEdited.fill(5);
    board->resetBoardSettings(recordFile.subResetBoardSettings(*lottery));
    EXPECT_EQ(std::tuple(board->wasReset, board->controls.drawDate, lottery->gstrDrawDate, lottery->glngStartWeek, lottery->drum(Drum::Main).garrPoolCountEdited[1]),
              std::tuple(true, QStringLiteral("1/31/2024"), QStringLiteral("kept"), 1, -3));
    for (const bool present : {false, true}) {
        BoardSettingsRecord pick3;
        encodeBoardSettings(GameLayout::digits(3), boardSettingsDefaults(GameLayout::digits(3), {}), pick3);
        QString error;
        ASSERT_TRUE(!present || writeRecordFile(settingsFile(), pick3, &error));
        board->wasReset = false;
        bool read = false;
        board->showSettings(recordFile.subLoadBoardSettings(*lottery, &read));
        EXPECT_EQ(read, present);
        EXPECT_EQ(std::pair(board->wasReset, recordFile.loadProblem()),
                  std::pair(true, res(49020).arg(QDir::toNativeSeparators(settingsFile()))));
    }
    recordFile.subSelectRecordFile(QStringLiteral("forConfigXYZfile"), *lottery);
    EXPECT_TRUE(recordFile.loadProblem().isEmpty());
    delete board.data();
    app().gfrmCurrentBoard = nullptr;
    app().createServiceObjects();
    MessageBoxScript told;
    EXPECT_FALSE(fncSaveLotterySettings(nullptr));
    EXPECT_EQ(told.asked().size(), 1u);

    SampleWorld world;
    BoardSettings pick3 = boardSettingsDefaults(GameLayout::digits(3), {});
    pick3.columnsToDraw = QStringLiteral("25");
    for (const bool drawn : {true, false}) {
        world.writeLottery(GameConfigRecord{1, QStringLiteral("Test"), 49, 0, 0, 6, 0, 0},
                           drawn ? SampleWorld::drawings({{1, 2, 3, 4, 5, 6}}) : History{});
        for (const QByteArray &bytes : {recordBytes(encoded(GameLayout::digits(3), pick3)), QByteArray("no record")}) {
            SCOPED_TRACE(drawn ? "drawings" : "no drawings");
            QFile file(app().gstrAppFolder + QStringLiteral("Test LotteryTL01"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();
            const qsizetype asked = world.messages.texts().size();
            world.open(SampleWorld::kTestLottery);
            EXPECT_EQ(world.board()->txtColumnsToDraw->text(), QStringLiteral("10"));
            EXPECT_TRUE(world.messages.texts().mid(asked).contains(res(49020).arg(QDir::toNativeSeparators(file.fileName()))))
                << world.messages.texts().join(u'\n').toStdString();
            world.closeBoard();
        }
    }
}
