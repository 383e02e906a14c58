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
    Bytes &emptyUpTo(int total)
    {
        while (filled < total)
            slot(0);
        return *this;
    }
};

RecordShape lotto(int k, int b, int n1, int n2 = 0) { return RecordShape{false, k, b, n1, n2}; }
RecordShape digits(int positions) { return RecordShape{true, positions - 1, 0, 9, 0}; }

const DrawingsInfo kDrawings{300, QDate(2024, 3, 14)};

BoardSettings sixFromFortyNine()
{
    const RecordShape shape = lotto(6, 0, 49);
    BoardSettings s = boardSettingsDefaults(shape, kDrawings);
    s.startWeek = 12;
    s.drawDate = QStringLiteral("3/14/2024");
    s.endWeek = 300;
    s.hot = false;
    s.cold = true;
    s.powerIncrease = 1;
    s.powerIncreaseLevel = 3;
    const char *guarantees[] = {"7", "13", "", "0", "0", "0"};
    for (int i = 1; i <= 6; ++i)
        s.guaranteeNumbers[i] = QString::fromLatin1(guarantees[i - 1]);
    s.guaranteeNumbersOn = 1;
    s.interval.limits = std::array<QString, 2>{QStringLiteral("85"), QStringLiteral("130")};
    s.interval.percentIndex = 3;
    s.columnsToDraw = QStringLiteral("25");
    s.incrementalTicket = 1;
    for (int i = 1; i <= 6; ++i) {
        s.guesses[i] = QString::number(i);
        s.guessPowers[i] = QString::number(i * 10);
    }
    s.excluded[13] = 1;
    s.guessSource = QStringLiteral("Week 300");
    s.guessPowerTotal = QStringLiteral("210");
    s.poolCountEdited[7] = 12;
    for (int b = 1; b <= 49; ++b)
        s.poolWeightSaved[b] = 2 * b;
    return s;
}

}  // namespace

TEST(BoardSettingsLayout, SlotCountsOfTheLayouts)
{
    // 6/49 184, with a bonus 186, 5/50 + 2/12 230, the longest 383; 3 digits 60, 8 digits 75.
    const std::pair<RecordShape, int> layouts[] = {{lotto(6, 0, 49), 184}, {lotto(6, 1, 49), 186},
                                                   {lotto(5, 2, 50, 12), 230}, {lotto(6, 2, 56, 56), 383},
                                                   {digits(3), 60}, {digits(8), 75}};
    for (const auto &[shape, n] : layouts) {
        EXPECT_EQ(shape.slotCount(), n);
        // Each layout fills exactly its slots.
        BoardSettings cold = boardSettingsDefaults(shape, kDrawings);
        cold.hot = false;
        cold.cold = true;
        BoardSettingsRecord record;
        ASSERT_TRUE(encodeBoardSettings(shape, cold, record));
        EXPECT_FALSE(record[size_t(n - 1)].isEmpty()) << n;
        EXPECT_TRUE(record[size_t(n)].isEmpty()) << n;
        // Read with any other layout the record is of another layout: every slot takes its reset
        // value.
        for (const auto &[other, m] : layouts) {
            RecordDamage damage;
            const BoardSettings read = decodeBoardSettings(other, record, kDrawings, kRecordSlots, &damage);
            EXPECT_EQ(damage.otherLayout, m != n) << n << " read as " << m;
            EXPECT_EQ(read, m == n ? cold : boardSettingsDefaults(other, kDrawings)) << n << " read as " << m;
        }
    }
}

TEST(BoardSettingsLayout, GoldenBytesOfASixFromFortyNineRecord)
{
    Bytes e;
    e.i32(12).text("3/14/2024").i32(300).boolean(false).boolean(true).i16(1).i16(3).boolean(false);
    e.text("7").text("13").text("").text("0").text("0").text("0");
    e.i16(1).i16(0).text("85").text("130").i16(3);
    e.text("25").i16(0).i16(1);
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
    ASSERT_EQ(e.filled, 184);
    e.emptyUpTo(1000);

    BoardSettingsRecord record;
    ASSERT_TRUE(encodeBoardSettings(lotto(6, 0, 49), sixFromFortyNine(), record));
    const QByteArray bytes = recordBytes(record);
    EXPECT_EQ(bytes, e.b);
    EXPECT_EQ(bytes.left(16), QByteArray::fromHex("03000c00000008000900332f31342f32"));

    // Read back: the same values, except that an empty lotto guarantee comes back as "0".
    BoardSettings expected = sixFromFortyNine();
    expected.guaranteeNumbers[3] = QStringLiteral("0");
    EXPECT_EQ(decodeBoardSettings(lotto(6, 0, 49), recordFromBytes(bytes), kDrawings), expected);
}

TEST(BoardSettingsLayout, GoldenBytesOfAThreeDigitRecord)
{
    const RecordShape shape = digits(3);
    BoardSettings s = boardSettingsDefaults(shape, kDrawings);
    s.startWeek = 5;
    s.drawDate = QStringLiteral("3/14/2024");
    s.endWeek = 280;
    s.allExcluded = true;
    s.guaranteeNumbers[1] = QStringLiteral("4");
    s.interval.on = 1;
    s.interval.limits = std::array<QString, 2>{QStringLiteral("5"), QStringLiteral("9")};
    s.interval.percentIndex = 0;
    s.compareWithGuess = 1;
    s.guesses[0] = QStringLiteral("1");
    s.guesses[1] = QStringLiteral("2");
    s.guesses[2] = QStringLiteral("3");
    s.excluded[0] = 1;
    s.equalChance = 1;
    for (int d = 0; d <= 9; ++d)
        s.poolWeightSaved[d] = d;
    s.straight = false;
    s.boxed = true;

    Bytes e;
    e.i32(5).text("3/14/2024").i32(280).boolean(true).boolean(false).i16(0).i16(2).boolean(true);
    e.text("").text("4").text("");
    e.i16(0).i16(1).text("5").text("9").i16(0);
    e.text("10").i16(1).i16(0);
    e.text("1").text("2").text("3");
    for (int d = 0; d <= 9; ++d)
        e.i16(d == 0 ? 1 : 0);
    e.text("").text("0").text("0").text("0").text("0").i16(1);
    for (int d = 0; d <= 9; ++d)
        e.i32(-3);
    for (int d = 0; d <= 9; ++d)
        e.i32(d);
    e.boolean(false).boolean(true);
    ASSERT_EQ(e.filled, 60);
    e.emptyUpTo(1000);

    BoardSettingsRecord record;
    ASSERT_TRUE(encodeBoardSettings(shape, s, record));
    EXPECT_EQ(recordBytes(record), e.b);
    // Empty digit guarantees stay empty.
    EXPECT_EQ(decodeBoardSettings(shape, record, kDrawings), s);
}

TEST(BoardSettingsLayout, SecondDrumItemsOnlyOnTwoDrumGames)
{
    const RecordShape two = lotto(5, 2, 50, 12);
    BoardSettings s = boardSettingsDefaults(two, kDrawings);
    EXPECT_EQ(s.guaranteeNumbers.hi(), 7);
    EXPECT_EQ(s.excludedBONUS.hi(), 12);
    s.guaranteeNumbers[6] = QStringLiteral("11");
    s.intervalBONUS.on = 1;
    s.intervalBONUS.limits = std::array<QString, 2>{QStringLiteral("40"), QStringLiteral("20")};
    s.intervalBONUS.percentIndex = 7;
    s.excludedBONUS[12] = 1;
    s.poolCountEditedBONUS[3] = 4;
    s.poolWeightSavedBONUS[12] = 9;
    BoardSettingsRecord record;
    encodeBoardSettings(two, s, record);
    // Slot 8 + 5 + 1: the first second-drum guarantee; then after the main interval items come
    // the second-drum ones.
    EXPECT_EQ(record[13].text(), QStringLiteral("11"));
    EXPECT_EQ(record[20], VbVariant::fromInt16(1));
    EXPECT_EQ(record[21].text(), QStringLiteral("40"));
    EXPECT_EQ(record[23], VbVariant::fromInt16(7));
    // Read back with the limits lower first.
    BoardSettings expected = s;
    expected.intervalBONUS.limits = std::array<QString, 2>{QStringLiteral("20"), QStringLiteral("40")};
    EXPECT_EQ(decodeBoardSettings(two, record, kDrawings), expected);

    // One drum with a bonus number: K guarantees, K + B guesses and guess powers.
    const RecordShape bonus = lotto(6, 1, 49);
    const BoardSettings d = boardSettingsDefaults(bonus, kDrawings);
    EXPECT_EQ(d.guaranteeNumbers.hi(), 6);
    EXPECT_EQ(d.guesses.hi(), 7);
    EXPECT_EQ(d.guessPowers.hi(), 7);
    EXPECT_TRUE(d.excludedBONUS.empty());
}

TEST(BoardSettingsLayout, ResetValuesTheGoldenRecordsDoNotShow)
{
    const BoardSettings l = boardSettingsDefaults(lotto(6, 0, 49), kDrawings);
    EXPECT_EQ(l.endWeek, 300);
    EXPECT_EQ(l.drawDate, QStringLiteral("3/14/2024"));
    EXPECT_TRUE(l.hot && !l.cold);
    EXPECT_EQ(l.guaranteeNumbers[1] + l.guesses[6], QStringLiteral("00"));
    EXPECT_EQ(l.interval.percentIndex, 1);
    EXPECT_FALSE(l.interval.limits.has_value());
    const BoardSettings d = boardSettingsDefaults(digits(4), DrawingsInfo{});
    EXPECT_TRUE(d.straight && !d.boxed);
    EXPECT_EQ(d.drawDate, QString());  // no drawings
}

TEST(BoardSettingsDecode, ValuesOutOfRangeTakeTheirResetValuesAndWrongKindsResetTheRecord)
{
    const RecordShape shape = lotto(6, 0, 49);
    BoardSettingsRecord good;
    encodeBoardSettings(shape, sixFromFortyNine(), good);
    auto decodeWith = [&](int slot, const VbVariant &value) {
        BoardSettingsRecord r = good;
        r[size_t(slot)] = value;
        return decodeBoardSettings(shape, r, kDrawings);
    };
    const BoardSettings reset = boardSettingsDefaults(shape, kDrawings);
    // A value out of range, or one slot of another kind than the layout writes there, leaves the
    // other slots as they were read; two slots of another kind make the whole record another
    // layout's.
    EXPECT_EQ(decodeWith(0, VbVariant::fromInt32(0)).columnsToDraw, QStringLiteral("25"));
    RecordDamage damage;
    BoardSettingsRecord r = good;
    r[0] = VbVariant::fromText("12");
    const BoardSettings oneStray = decodeBoardSettings(shape, r, kDrawings, kRecordSlots, &damage);
    EXPECT_EQ(oneStray.startWeek, reset.startWeek);
    EXPECT_EQ(oneStray.columnsToDraw, QStringLiteral("25"));
    EXPECT_FALSE(damage.otherLayout);
    EXPECT_EQ(damage.damagedSlots, 1);
    r[135] = VbVariant::fromDouble(2);
    EXPECT_EQ(decodeBoardSettings(shape, r, kDrawings, kRecordSlots, &damage), reset);
    EXPECT_TRUE(damage.otherLayout);

    // Weeks outside 1..300.
    EXPECT_EQ(decodeWith(0, VbVariant::fromInt32(0)).startWeek, 1);
    EXPECT_EQ(decodeWith(0, VbVariant::fromInt32(301)).startWeek, 1);
    EXPECT_EQ(decodeWith(2, VbVariant::fromInt32(301)).endWeek, 300);
    EXPECT_EQ(decodeWith(2, VbVariant::fromInt16(299)).endWeek, 299);
    // The date: a date slot shows in the short form; a text that is no date, or a date the short
    // form cannot give back, gives the newest.
    EXPECT_EQ(decodeWith(1, VbVariant::fromDate(QDate(2024, 1, 31))).drawDate, QStringLiteral("1/31/2024"));
    EXPECT_EQ(decodeWith(1, VbVariant::fromText("31.01.2024")).drawDate, reset.drawDate);
    EXPECT_EQ(decodeWith(1, VbVariant::fromDate(QDate(10000, 1, 1))).drawDate, reset.drawDate);
    // Options: Empty is False.
    EXPECT_FALSE(decodeWith(4, VbVariant()).cold);
    // The slider: 3 stays; 0, 1, 5 and Empty give Min.
    EXPECT_EQ(decodeWith(6, VbVariant::fromInt16(4)).powerIncreaseLevel, 4);
    for (const VbVariant &v : {VbVariant::fromInt16(0), VbVariant::fromInt16(1), VbVariant::fromInt16(5), VbVariant()})
        EXPECT_EQ(decodeWith(6, v).powerIncreaseLevel, 2);
    // Check boxes take 0..2.
    EXPECT_EQ(decodeWith(5, VbVariant::fromInt16(2)).powerIncrease, 2);
    EXPECT_EQ(decodeWith(5, VbVariant::fromInt16(-1)).powerIncrease, 0);
    // Guarantee texts: Empty and Null come back as "0".
    EXPECT_EQ(decodeWith(8, VbVariant()).guaranteeNumbers[1], QStringLiteral("0"));
    EXPECT_EQ(decodeWith(8, VbVariant::null()).guaranteeNumbers[1], QStringLiteral("0"));
    // Interval limits: the lower first; limits that are not both numbers leave the boxes.
    auto limits = [&](const char *a, const char *b) {
        BoardSettingsRecord r = good;
        r[16] = VbVariant::fromText(a);
        r[17] = VbVariant::fromText(b);
        return decodeBoardSettings(shape, r, kDrawings).interval.limits;
    };
    EXPECT_EQ(limits("130", "85"), (std::array<QString, 2>{QStringLiteral("85"), QStringLiteral("130")}));
    EXPECT_EQ(limits("85", "130"), (std::array<QString, 2>{QStringLiteral("85"), QStringLiteral("130")}));
    EXPECT_FALSE(limits("", "130").has_value());
    EXPECT_FALSE(limits("abc", "130").has_value());
    // The percent index: 0..10, else the reset entry 1.
    EXPECT_EQ(decodeWith(18, VbVariant::fromInt16(10)).interval.percentIndex, 10);
    EXPECT_EQ(decodeWith(18, VbVariant::fromInt16(11)).interval.percentIndex, 1);
    EXPECT_EQ(decodeWith(18, VbVariant::fromInt16(-1)).interval.percentIndex, 1);
    // Columns to draw: digits only.
    EXPECT_EQ(decodeWith(19, VbVariant::fromText("1a")).columnsToDraw, QStringLiteral("10"));
    EXPECT_EQ(decodeWith(19, VbVariant::fromText("300")).columnsToDraw, QStringLiteral("300"));
    // Exclusion marks 0..2; typed pool counts -3 or from 0; saved weights from 0.
    EXPECT_EQ(decodeWith(28 + 12, VbVariant::fromInt16(5)).excluded[13], 0);
    EXPECT_EQ(decodeWith(86 + 6, VbVariant::fromInt32(-5)).poolCountEdited[7], -3);
    EXPECT_EQ(decodeWith(86 + 6, VbVariant::fromInt32(0)).poolCountEdited[7], 0);
    EXPECT_EQ(decodeWith(135, VbVariant::fromInt32(-1)).poolWeightSaved[1], 0);
}

TEST(BoardSettingsDecode, DamagedFilesReadAsFarAsTheyCanAndNeverFail)
{
    const RecordShape shape = lotto(6, 0, 49);
    BoardSettingsRecord good;
    encodeBoardSettings(shape, sixFromFortyNine(), good);
    const QByteArray bytes = recordBytes(good);
    const BoardSettings reset = boardSettingsDefaults(shape, kDrawings);
    int read = 0;
    RecordDamage damage;
    const BoardSettingsRecord whole = recordFromBytes(bytes, &read);
    EXPECT_EQ(read, kRecordSlots);
    decodeBoardSettings(shape, whole, kDrawings, read, &damage);
    EXPECT_FALSE(damage.any());

    // Cut in the middle of the guarantee texts: what the file held whole is kept, the rest takes
    // its reset value.
    const BoardSettingsRecord cut = recordFromBytes(bytes.left(60), &read);
    EXPECT_EQ(cut[0], VbVariant::fromInt32(12));
    EXPECT_TRUE(cut[183].isEmpty());
    BoardSettings s = decodeBoardSettings(shape, cut, kDrawings, read, &damage);
    EXPECT_EQ(damage.damagedSlots, 184 - 11);
    EXPECT_FALSE(damage.otherLayout);
    EXPECT_EQ(s.startWeek, 12);
    EXPECT_TRUE(s.cold);
    EXPECT_EQ(s.columnsToDraw, reset.columnsToDraw);
    EXPECT_EQ(s.poolCountEdited, reset.poolCountEdited);
    // Slots held as Empty read as "" and 0.
    s = decodeBoardSettings(shape, cut, kDrawings);
    EXPECT_EQ(s.columnsToDraw, QString());
    EXPECT_EQ(s.poolCountEdited[1], 0);

    // An unknown tag first, bytes at random, no bytes: nothing is read, everything takes its reset
    // value, so the board gets one of Hot or Cold, nothing excluded and a pool to fill.
    QByteArray unknown = bytes;
    unknown[0] = char(0x63);
    QByteArray noise(bytes.size(), '\0');
    QRandomGenerator random(99);
    for (char &c : noise)
        c = static_cast<char>(random.bounded(256));
    for (const QByteArray &damaged : {unknown, noise, QByteArray()}) {
        const BoardSettingsRecord r = recordFromBytes(damaged, &read);
        s = decodeBoardSettings(shape, r, kDrawings, read, &damage);
        EXPECT_TRUE(damage.any());
        EXPECT_NE(s.hot, s.cold);
        EXPECT_EQ(s.excluded, reset.excluded);
        EXPECT_EQ(s.poolCountEdited, reset.poolCountEdited);
    }
    EXPECT_EQ(recordFromBytes(unknown), BoardSettingsRecord());

    // Bytes after slot 999 are not read.
    EXPECT_EQ(recordFromBytes(bytes + QByteArray("garbage")), good);
}

TEST(BoardSettingsFile, WholeRecordWrittenAtomicallyAndReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Lotto 6-49L649"));
    QString error;
    EXPECT_FALSE(readRecordFile(path, &error).has_value());
    EXPECT_FALSE(error.isEmpty());

    // A long record, then a short one over it: the file holds exactly the short one.
    BoardSettingsRecord longRecord;
    encodeBoardSettings(lotto(6, 2, 56, 56), boardSettingsDefaults(lotto(6, 2, 56, 56), kDrawings), longRecord);
    ASSERT_TRUE(writeRecordFile(path, longRecord, &error)) << error.toStdString();
    BoardSettingsRecord shortRecord;
    encodeBoardSettings(lotto(6, 0, 49), sixFromFortyNine(), shortRecord);
    ASSERT_TRUE(writeRecordFile(path, shortRecord, &error));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), recordBytes(shortRecord));
    EXPECT_EQ(readRecordFile(path, &error), shortRecord);

    EXPECT_FALSE(writeRecordFile(dir.filePath(QStringLiteral("missing/folder/x")), shortRecord, &error));
}

TEST(BoardSettingsFile, AnalysisWindowRefreshAfterADeletion)
{
    BoardSettingsRecord r;
    r[0] = VbVariant::fromInt32(100);
    r[1] = VbVariant::fromText("3/14/2024");
    r[2] = VbVariant::fromInt32(300);
    r[3] = VbVariant::fromBool(true);
    const BoardSettingsRecord before = r;

    // Deleted beyond the saved window: nothing changes.
    EXPECT_FALSE(refreshAnalysisWindow(r, 301, 300, QDate(2024, 3, 14)));
    EXPECT_EQ(r, before);

    // Deleted at the end drawing: the end drawing and date move to the new last drawing.
    EXPECT_TRUE(refreshAnalysisWindow(r, 300, 299, QDate(2024, 3, 13)));
    EXPECT_EQ(r[0], VbVariant::fromInt32(100));
    EXPECT_EQ(r[1].tag(), VbVariant::Date);
    EXPECT_EQ(r[1].date(), QDate(2024, 3, 13));
    EXPECT_EQ(r[2], VbVariant::fromInt32(299));
    EXPECT_EQ(r[3], VbVariant::fromBool(true));

    // Deleted at or below the start drawing: the start drawing moves too.
    r[0] = VbVariant::fromInt32(299);
    EXPECT_TRUE(refreshAnalysisWindow(r, 299, 298, QDate(2024, 3, 12)));
    EXPECT_EQ(r[0], VbVariant::fromInt32(298));
    EXPECT_EQ(r[2], VbVariant::fromInt32(298));
}
