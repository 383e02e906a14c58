#include "analysis/catalogue.h"
#include "analysis/samplelotteries.h"

#include <gtest/gtest.h>

namespace {

CatalogueTable lotteries()
{
    return samples::lotteryTable({
        {1, "First", "Same.mdb", "AAAA", 1},
        {2, "Second", "Other.mdb", "BBBB", 2},
        {3, "Third", "Same.mdb", "CCCC", 1},
    });
}

GameConfigRecord config(int32_t n1, int32_t n2, int32_t k, int32_t b, int32_t c5 = 0, int32_t c8 = 0)
{
    return GameConfigRecord{1, "Game", n1, n2, c5, k, b, c8};
}

// The stored bytes of a table, by hand: header, bounds in the order given, then the elements
// (the row index varying fastest).
QByteArray storedTable(int32_t firstCount, int32_t secondCount, const std::vector<VbVariant> &elements)
{
    VariantWriter w;
    w.writeArray(VbArray{{{firstCount, 1}, {secondCount, 1}}, elements});
    return w.bytes();
}

}  // namespace

TEST(Catalogue, BothDimensionOrdersReadTheSameTable)
{
    const CatalogueTable table = lotteries();
    for (DimensionOrder order : {DimensionOrder::RowsFirst, DimensionOrder::ColumnsFirst}) {
        const CatalogueRead read = parseCatalogue(CatalogueKind::Lotteries, catalogueBytes(table, order));
        ASSERT_EQ(read.status, CatalogueRead::Status::Ok) << read.error.toStdString();
        EXPECT_EQ(read.order, order);
        EXPECT_EQ(read.table.rows(), 3);
        EXPECT_EQ(read.table.columns(), 5);
        EXPECT_EQ(read.table.cell(2, 3).text(), QStringLiteral("Other.mdb"));
        EXPECT_EQ(read.table.cell(3, 4).text(), QStringLiteral("CCCC"));
    }
    // Rows first: 3 rows, 5 columns; the second element is row 2 of column 1.
    EXPECT_EQ(catalogueBytes(table, DimensionOrder::RowsFirst).mid(4, 28),
              QByteArray::fromHex("03000000" "01000000" "05000000" "01000000" "030001000000" "030002000000"));
}

TEST(Catalogue, ColumnKindsDecideTheDimensionOrder)
{
    // Three countries stored with the column count first: read with the row count first, column 2
    // would start with the number 9.
    const std::vector<VbVariant> elements = {VbVariant::fromInt16(7),     VbVariant::fromInt16(8),
                                             VbVariant::fromInt16(9),     VbVariant::fromText("Seven"),
                                             VbVariant::fromText("Eight"), VbVariant::fromText("Nine")};
    const CatalogueRead read = parseCatalogue(CatalogueKind::Countries, storedTable(2, 3, elements));
    ASSERT_EQ(read.status, CatalogueRead::Status::Ok) << read.error.toStdString();
    EXPECT_EQ(read.order, DimensionOrder::ColumnsFirst);
    EXPECT_EQ(read.table.rows(), 3);
    EXPECT_EQ(findCountry(read.table, 8)->countryName, QStringLiteral("Eight"));

    // Fits neither way: refused.
    const std::vector<VbVariant> mixed = {VbVariant::fromText("7"), VbVariant::fromInt16(8), VbVariant::fromInt16(9),
                                          VbVariant::fromText("Seven"), VbVariant::fromText("Eight"), VbVariant::fromText("Nine")};
    EXPECT_EQ(parseCatalogue(CatalogueKind::Countries, storedTable(2, 3, mixed)).status, CatalogueRead::Status::Malformed);
}

TEST(Catalogue, MalformedFilesAreRefusedWithAReason)
{
    const QByteArray good = catalogueBytes(lotteries(), DimensionOrder::RowsFirst);
    auto refused = [](const QByteArray &bytes, CatalogueKind kind = CatalogueKind::Lotteries) {
        const CatalogueRead read = parseCatalogue(kind, bytes);
        EXPECT_EQ(read.status, CatalogueRead::Status::Malformed);
        EXPECT_FALSE(read.error.isEmpty());
        return read.status == CatalogueRead::Status::Malformed;
    };
    EXPECT_TRUE(refused(QByteArray()));
    for (int cut : {1, 3, 10, 19, 21, 40, int(good.size()) - 1})
        EXPECT_TRUE(refused(good.left(cut))) << cut;
    EXPECT_TRUE(refused(good + QByteArray(2, '\0')));  // a second value after the table

    // A wrong tag, one dimension, four rows promised and three stored, counted from 0, an
    // element of an unknown type.
    for (const auto &[at, byte] : {std::pair{0, 0x0B}, {2, 1}, {4, 4}, {8, 0}, {20, 0x0D}}) {
        QByteArray bad = good;
        bad[at] = char(byte);
        EXPECT_TRUE(refused(bad)) << at;
    }

    // Right form, wrong contents: a text where the id goes, too few columns, a number beyond 32
    // bits, a Boolean.
    EXPECT_TRUE(refused(storedTable(1, 5, {VbVariant::fromText("1"), VbVariant::fromText("a"), VbVariant::fromText("a.mdb"),
                                           VbVariant::fromText("AAAA"), VbVariant::fromInt16(1)})));
    EXPECT_TRUE(refused(storedTable(1, 1, {VbVariant::fromInt16(1)}), CatalogueKind::Countries));
    EXPECT_TRUE(refused(storedTable(1, 2, {VbVariant::fromDouble(3e10), VbVariant::fromText("x")}), CatalogueKind::Countries));
    EXPECT_TRUE(refused(storedTable(1, 2, {VbVariant::fromBool(true), VbVariant::fromText("x")}), CatalogueKind::Countries));
}

TEST(Catalogue, RowsAreFoundAsTheProgramLooksThemUp)
{
    // The database file is compared exactly; the first of two equal rows wins.
    const CatalogueTable t = lotteries();
    EXPECT_EQ(findLottery(t, QStringLiteral("Same.mdb"))->fileSuffix, QStringLiteral("AAAA"));
    EXPECT_FALSE(findLottery(t, QStringLiteral("same.mdb")).has_value());
    EXPECT_FALSE(findLottery(t, QStringLiteral("Same")).has_value());
    EXPECT_EQ(findLottery(t, QStringLiteral("Other.mdb"))->countryId, 2);

    // Ids compare as numbers, whatever their stored type; 3.5 is not 4. Other number columns
    // round half to even.
    const std::vector<VbVariant> cells = {
        VbVariant::fromDouble(3.5),  VbVariant::fromSingle(4.0f),  // ids
        VbVariant::fromText("Half"), VbVariant::fromText("Four"),
        VbVariant::fromInt16(49),    VbVariant::fromDouble(48.5),  // N1
        VbVariant(),                 VbVariant::fromInt32(0),      // N2 (Empty is 0)
        VbVariant::fromInt16(0),     VbVariant::fromInt16(0),
        VbVariant::fromInt16(6),     VbVariant::fromDouble(6.5),
        VbVariant::fromInt16(1),     VbVariant::fromInt16(1),
        VbVariant::fromInt16(0),     VbVariant::fromInt16(0),
    };
    const CatalogueRead read = parseCatalogue(CatalogueKind::GameConfigs, storedTable(2, 8, cells));
    ASSERT_EQ(read.status, CatalogueRead::Status::Ok) << read.error.toStdString();
    const auto four = findGameConfig(read.table, 4);
    ASSERT_TRUE(four.has_value());
    EXPECT_EQ(four->gameTitle, QStringLiteral("Four"));
    EXPECT_EQ(four->highestBall, 48);
    EXPECT_EQ(four->numbersDrawn, 6);
    EXPECT_FALSE(findGameConfig(read.table, 3).has_value());
    EXPECT_FALSE(findGameConfig(read.table, 5).has_value());
}

TEST(GameCode, EveryShapeWithABoard)
{
    using F = GameLayout::Family;
    const char *digitCodes[] = {"130", "140", "150", "160", "170", "180"};
    for (int k = 3; k <= 8; ++k)
        EXPECT_EQ(gameCodeFor(config(10, 0, k, 0)), (GameCode{F::Digit, QString::fromLatin1(digitCodes[k - 3])}));
    const struct {
        int k, b;
        const char *code;
    } lotto[] = {{5, 0, "500"}, {6, 0, "600"}, {7, 0, "700"}, {5, 1, "510"}, {6, 1, "610"}, {7, 1, "710"}, {6, 2, "620"}};
    for (const auto &s : lotto)
        for (int n1 : {11, 49, 56})
            EXPECT_EQ(gameCodeFor(config(n1, 0, s.k, s.b)), (GameCode{F::Lotto, QString::fromLatin1(s.code)}));
    const struct {
        int k, b;
        const char *code;
    } two[] = {{4, 1, "2P410"}, {5, 1, "2P510"}, {6, 1, "2P610"}, {7, 1, "2P710"}, {5, 2, "2P520"}, {6, 2, "2P620"}};
    for (const auto &s : two)
        for (int n2 : {9, 12, 56})
            EXPECT_EQ(gameCodeFor(config(50, n2, s.k, s.b)), (GameCode{F::TwoDrum, QString::fromLatin1(s.code)}));
}

TEST(GameCode, ShapesWithoutABoard)
{
    const GameConfigRecord none[] = {
        config(57, 0, 6, 0),  config(10, 0, 2, 0),  config(10, 0, 9, 0), config(10, 0, 3, 1), config(10, 9, 3, 0),
        config(49, 0, 8, 0),  config(49, 0, 4, 0),  config(49, 0, 5, 2), config(49, 0, 7, 2), config(49, 0, 6, 3),
        config(50, 8, 5, 2),  config(50, 57, 5, 2), config(50, 10, 4, 2), config(50, 10, 7, 2), config(50, 10, 3, 1),
        config(50, 10, 6, 0), config(49, 0, 6, 1, 1), config(49, 0, 6, 1, 0, 1), config(10, 0, 3, 0, 0, 2),
        config(9, 0, 6, 0),   config(0, 0, 0, 0),
    };
    for (const auto &c : none)
        EXPECT_FALSE(gameCodeFor(c).has_value())
            << c.highestBall << " " << c.highestBallBONUS << " " << c.numbersDrawn << " " << c.bonusCount;
}

TEST(GameCode, WorkingShapeOfDigitAndLottoGames)
{
    // Five digits: balls 0..9, positions 0..4.
    const GameLayout digits = gameLayoutFor(config(10, 0, 5, 0));
    EXPECT_TRUE(digits.digits());
    EXPECT_EQ(digits.firstPosition, 0);
    EXPECT_EQ(digits.highestMain, 9);
    EXPECT_EQ(digits.lastMainPosition, 4);
    EXPECT_EQ(gameLayoutFor(config(49, 0, 6, 1)), GameLayout::lotto(49, 6, 1));
    EXPECT_EQ(gameLayoutFor(config(50, 10, 5, 2)), GameLayout::twoDrum(50, 5, 10, 2));
}
