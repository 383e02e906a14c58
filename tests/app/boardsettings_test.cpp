#include "app/boardsettings.h"

#include <QFile>
#include <QRandomGenerator>
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
    QByteArray upTo1000() { return b + QByteArray(2 * (1000 - filled), '\0'); }
};

RecordShape lotto(int k, int b, int n1, int n2 = 0) { return RecordShape{false, k, b, n1, n2}; }
RecordShape digits(int positions) { return RecordShape{true, positions - 1, 0, 9, 0}; }

const DrawingsInfo kDrawings{300, QDate(2024, 3, 14)};

BoardSettings sixFromFortyNine()
{
    BoardSettings s = boardSettingsDefaults(lotto(6, 0, 49), kDrawings);
    s.startWeek = 12;
    s.hot = false;
    s.cold = true;
    s.powerIncrease = 1;
    s.powerIncreaseLevel = 3;
    const char *guarantees[] = {"7", "13", "", "0", "0", "0"};
    for (int i = 1; i <= 6; ++i) {
        s.guaranteeNumbers[i] = QString::fromLatin1(guarantees[i - 1]);
        s.guesses[i] = QString::number(i);
        s.guessPowers[i] = QString::number(i * 10);
    }
    s.guaranteeNumbersOn = 1;
    s.interval.limits = std::array<QString, 2>{QStringLiteral("85"), QStringLiteral("130")};
    s.interval.percentIndex = 3;
    s.columnsToDraw = QStringLiteral("25");
    s.incrementalTicket = 1;
    s.excluded[13] = 1;
    s.guessSource = QStringLiteral("Week 300");
    s.guessPowerTotal = QStringLiteral("210");
    s.poolCountEdited[7] = 12;
    for (int b = 1; b <= 49; ++b)
        s.poolWeightSaved[b] = 2 * b;
    return s;
}

BoardSettingsRecord encoded(const RecordShape &shape, const BoardSettings &s)
{
    BoardSettingsRecord record;
    EXPECT_TRUE(encodeBoardSettings(shape, s, record));
    return record;
}

}  // namespace

TEST(BoardSettingsLayout, EachLayoutFillsItsSlotsAndOtherLayoutsReadItAsReset)
{
    // 6/49 184 slots, with a bonus 186, 5/50 + 2/12 230, the longest 383; 3 digits 60, 8 digits 75.
    const std::pair<RecordShape, int> layouts[] = {{lotto(6, 0, 49), 184}, {lotto(6, 1, 49), 186},
                                                   {lotto(5, 2, 50, 12), 230}, {lotto(6, 2, 56, 56), 383},
                                                   {digits(3), 60}, {digits(8), 75}};
    for (const auto &[shape, n] : layouts) {
        BoardSettings cold = boardSettingsDefaults(shape, kDrawings);
        cold.hot = false;
        cold.cold = true;
        const BoardSettingsRecord record = encoded(shape, cold);
        EXPECT_FALSE(record[size_t(n - 1)].isEmpty()) << n;
        EXPECT_TRUE(record[size_t(n)].isEmpty()) << n;
        for (const auto &[other, m] : layouts) {
            RecordDamage damage;
            const BoardSettings read = decodeBoardSettings(other, record, kDrawings, kRecordSlots, &damage);
            EXPECT_EQ(damage.otherLayout, m != n) << n << " read as " << m;
            EXPECT_EQ(read, m == n ? cold : boardSettingsDefaults(other, kDrawings)) << n << " read as " << m;
        }
    }
}

TEST(BoardSettingsLayout, GoldenBytesOfASixFromFortyNineAndAThreeDigitRecord)
{
    Bytes e;
    e.i32(12).text("3/14/2024").i32(300).boolean(false).boolean(true).i16(1).i16(3).boolean(false);
    e.text("7").text("13").text("").text("0").text("0").text("0");
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
    EXPECT_EQ(bytes, e.upTo1000());
    // Read back: the same values, except that an empty lotto guarantee comes back as "0".
    BoardSettings expected = sixFromFortyNine();
    expected.guaranteeNumbers[3] = QStringLiteral("0");
    EXPECT_EQ(decodeBoardSettings(lotto(6, 0, 49), recordFromBytes(bytes), kDrawings), expected);

    BoardSettings s = boardSettingsDefaults(digits(3), kDrawings);
    s.allExcluded = true;
    s.guaranteeNumbers[1] = QStringLiteral("4");
    s.interval.on = 1;
    s.guesses[2] = QStringLiteral("3");
    s.excluded[0] = 1;
    s.poolWeightSaved[9] = 9;
    s.straight = false;
    s.boxed = true;
    Bytes d;
    d.i32(1).text("3/14/2024").i32(300).boolean(true).boolean(false).i16(0).i16(2).boolean(true);
    d.text("").text("4").text("").i16(0).i16(1).text("").text("").i16(1).text("10").i16(0).i16(0);
    d.text("").text("").text("3");
    for (int digit = 0; digit <= 9; ++digit)
        d.i16(digit == 0 ? 1 : 0);
    d.text("").text("0").text("0").text("0").text("0").i16(0);
    for (int digit = 0; digit <= 19; ++digit)
        d.i32(digit < 10 ? -3 : digit == 19 ? 9 : 0);
    d.boolean(false).boolean(true);
    EXPECT_EQ(recordBytes(encoded(digits(3), s)), d.upTo1000());
    EXPECT_EQ(decodeBoardSettings(digits(3), encoded(digits(3), s), kDrawings), s);  // empty guarantees stay empty
}

TEST(BoardSettingsLayout, SecondDrumItemsOnlyOnTwoDrumGames)
{
    const RecordShape two = lotto(5, 2, 50, 12);
    BoardSettings s = boardSettingsDefaults(two, kDrawings);
    EXPECT_EQ(std::pair(s.guaranteeNumbers.hi(), s.excludedBONUS.hi()), std::pair(7, 12));
    s.guaranteeNumbers[6] = QStringLiteral("11");
    s.intervalBONUS = {1, std::array<QString, 2>{QStringLiteral("40"), QStringLiteral("20")}, 7};
    s.excludedBONUS[12] = 1;
    s.poolCountEditedBONUS[3] = 4;
    const BoardSettingsRecord record = encoded(two, s);
    // Slot 8 + 5 + 1: the first second-drum guarantee; after the main interval items come the
    // second drum's, whose limits read back lower first.
    EXPECT_EQ(record[13].text(), QStringLiteral("11"));
    EXPECT_EQ(std::tuple(record[20], record[21].text(), record[23]),
              std::tuple(VbVariant::fromInt16(1), QStringLiteral("40"), VbVariant::fromInt16(7)));
    s.intervalBONUS.limits = std::array<QString, 2>{QStringLiteral("20"), QStringLiteral("40")};
    EXPECT_EQ(decodeBoardSettings(two, record, kDrawings), s);
    // One drum with a bonus number: K guarantees, K + B guesses and guess powers.
    const BoardSettings d = boardSettingsDefaults(lotto(6, 1, 49), kDrawings);
    EXPECT_EQ(std::tuple(d.guaranteeNumbers.hi(), d.guesses.hi(), d.guessPowers.hi()), std::tuple(6, 7, 7));
    EXPECT_TRUE(d.excludedBONUS.empty());
}

TEST(BoardSettingsDecode, ValuesOutOfRangeTakeTheirResetValuesAndWrongKindsResetTheRecord)
{
    const RecordShape shape = lotto(6, 0, 49);
    const BoardSettingsRecord good = encoded(shape, sixFromFortyNine());
    const BoardSettings reset = boardSettingsDefaults(shape, kDrawings);
    auto decodeWith = [&](std::initializer_list<std::pair<int, VbVariant>> changes, RecordDamage *damage = nullptr) {
        BoardSettingsRecord r = good;
        for (const auto &[index, value] : changes)
            r[size_t(index)] = value;
        return decodeBoardSettings(shape, r, kDrawings, kRecordSlots, damage);
    };
    // One slot of another kind than the layout writes there takes its reset value alone; two make
    // the whole record another layout's.
    RecordDamage damage;
    const BoardSettings oneStray = decodeWith({{0, VbVariant::fromText("12")}}, &damage);
    EXPECT_EQ(std::tuple(oneStray.startWeek, oneStray.columnsToDraw, damage.otherLayout, damage.damagedSlots),
              std::tuple(reset.startWeek, QStringLiteral("25"), false, 1));
    EXPECT_EQ(decodeWith({{0, VbVariant::fromText("12")}, {135, VbVariant::fromDouble(2)}}, &damage), reset);
    EXPECT_TRUE(damage.otherLayout);

    EXPECT_EQ(decodeWith({{0, VbVariant::fromInt32(301)}}).startWeek, 1);
    EXPECT_EQ(decodeWith({{2, VbVariant::fromInt32(301)}}).endWeek, 300);
    EXPECT_EQ(decodeWith({{2, VbVariant::fromInt16(299)}}).endWeek, 299);
    // A date shows in the short form; a text that is no date, or a date the short form cannot
    // give back, gives the newest.
    EXPECT_EQ(decodeWith({{1, VbVariant::fromDate(QDate(2024, 1, 31))}}).drawDate, QStringLiteral("1/31/2024"));
    EXPECT_EQ(decodeWith({{1, VbVariant::fromText("31.01.2024")}}).drawDate, reset.drawDate);
    EXPECT_EQ(decodeWith({{1, VbVariant::fromDate(QDate(10000, 1, 1))}}).drawDate, reset.drawDate);
    EXPECT_FALSE(decodeWith({{4, VbVariant()}}).cold);  // Empty is False
    EXPECT_EQ(decodeWith({{6, VbVariant::fromInt16(4)}}).powerIncreaseLevel, 4);
    for (const VbVariant &v : {VbVariant::fromInt16(1), VbVariant::fromInt16(5), VbVariant()})
        EXPECT_EQ(decodeWith({{6, v}}).powerIncreaseLevel, 2);
    EXPECT_EQ(decodeWith({{5, VbVariant::fromInt16(2)}}).powerIncrease, 2);
    EXPECT_EQ(decodeWith({{5, VbVariant::fromInt16(-1)}}).powerIncrease, 0);
    EXPECT_EQ(decodeWith({{8, VbVariant::null()}}).guaranteeNumbers[1], QStringLiteral("0"));
    // Interval limits: the lower first; limits that are not both numbers leave the boxes.
    const auto limits = [&](const char *a, const char *b) {
        return decodeWith({{16, VbVariant::fromText(a)}, {17, VbVariant::fromText(b)}}).interval.limits;
    };
    EXPECT_EQ(limits("130", "85"), (std::array<QString, 2>{QStringLiteral("85"), QStringLiteral("130")}));
    EXPECT_FALSE(limits("abc", "130").has_value());
    EXPECT_EQ(decodeWith({{18, VbVariant::fromInt16(10)}}).interval.percentIndex, 10);
    EXPECT_EQ(decodeWith({{18, VbVariant::fromInt16(11)}}).interval.percentIndex, 1);
    EXPECT_EQ(decodeWith({{19, VbVariant::fromText("1a")}}).columnsToDraw, QStringLiteral("10"));
    EXPECT_EQ(decodeWith({{28 + 12, VbVariant::fromInt16(5)}}).excluded[13], 0);
    EXPECT_EQ(decodeWith({{86 + 6, VbVariant::fromInt32(-5)}}).poolCountEdited[7], -3);
    EXPECT_EQ(decodeWith({{86 + 6, VbVariant::fromInt32(0)}}).poolCountEdited[7], 0);
    EXPECT_EQ(decodeWith({{135, VbVariant::fromInt32(-1)}}).poolWeightSaved[1], 0);
}

TEST(BoardSettingsDecode, DamagedFilesReadAsFarAsTheyCanAndNeverFail)
{
    const RecordShape shape = lotto(6, 0, 49);
    const BoardSettingsRecord good = encoded(shape, sixFromFortyNine());
    const QByteArray bytes = recordBytes(good);
    const BoardSettings reset = boardSettingsDefaults(shape, kDrawings);
    int read = 0;
    RecordDamage damage;
    EXPECT_EQ(recordFromBytes(bytes + "garbage", &read), good);  // bytes after slot 999 are not read
    EXPECT_EQ(read, kRecordSlots);

    // Cut in the middle of the guarantee texts: what the file held whole is kept, the rest takes
    // its reset value.
    const BoardSettingsRecord head = recordFromBytes(bytes.left(60), &read);
    const BoardSettings cut = decodeBoardSettings(shape, head, kDrawings, read, &damage);
    EXPECT_EQ(std::tuple(damage.damagedSlots, damage.otherLayout, cut.startWeek, cut.cold), std::tuple(184 - 11, false, 12, true));
    EXPECT_EQ(std::pair(cut.columnsToDraw, cut.poolCountEdited), std::pair(reset.columnsToDraw, reset.poolCountEdited));

    // An unknown tag first, bytes at random, no bytes: nothing is read, everything takes its reset
    // value, so the board gets one of Hot or Cold, nothing excluded and a pool to fill.
    QByteArray unknown = bytes, noise(bytes.size(), '\0');
    unknown[0] = char(0x63);
    QRandomGenerator random(99);
    for (char &c : noise)
        c = static_cast<char>(random.bounded(256));
    for (const QByteArray &damaged : {unknown, noise, QByteArray()}) {
        const BoardSettingsRecord r = recordFromBytes(damaged, &read);
        const BoardSettings s = decodeBoardSettings(shape, r, kDrawings, read, &damage);
        EXPECT_TRUE(damage.any() && s.hot != s.cold);
        EXPECT_EQ(std::pair(s.excluded, s.poolCountEdited), std::pair(reset.excluded, reset.poolCountEdited));
    }
}

TEST(BoardSettingsFile, WrittenWholeReadBackAndRefreshedAfterADeletion)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Lotto 6-49L649"));
    QString error;
    EXPECT_FALSE(readRecordFile(path, &error).has_value());
    EXPECT_FALSE(error.isEmpty());
    // A long record, then a short one over it: the file holds exactly the short one.
    ASSERT_TRUE(writeRecordFile(path, encoded(lotto(6, 2, 56, 56), boardSettingsDefaults(lotto(6, 2, 56, 56), kDrawings)), &error));
    BoardSettingsRecord r = encoded(lotto(6, 0, 49), sixFromFortyNine());
    ASSERT_TRUE(writeRecordFile(path, r, &error));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), recordBytes(r));
    EXPECT_EQ(readRecordFile(path, &error), r);

    // Deleted beyond the saved window (start 12, end 300): nothing changes; at the end drawing:
    // the end drawing and date move to the new last drawing; at the start drawing: it moves too.
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
