#include "platform/variantcodec.h"

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char *text) { return QByteArray::fromHex(text); }

QByteArray encoded(const VbVariant &v)
{
    VariantWriter w;
    w.write(v);
    EXPECT_TRUE(w.ok());
    return w.bytes();
}

}  // namespace

// Every tag with its exact bytes, worked out from the file form (tag, then little-endian value).
TEST(VariantCodec, EachTagHasItsBytesAndReadsBack)
{
    const struct {
        VbVariant value;
        const char *bytes;
    } cases[] = {
        {VbVariant(), "0000"},
        {VbVariant::null(), "0100"},
        {VbVariant::fromInt16(-2), "0200feff"},
        {VbVariant::fromInt32(184), "0300b8000000"},
        {VbVariant::fromInt32(-1), "0300ffffffff"},
        {VbVariant::fromSingle(1.5f), "04000000c03f"},
        {VbVariant::fromDouble(-2.25), "050000000000000002c0"},
        {VbVariant::fromDate(QDate(2009, 1, 31)), "0700000000008074e340"},  // 39844 days
        {VbVariant::fromText(QString()), "08000000"},
        {VbVariant::fromText(QStringLiteral("85")), "080002003835"},
        {VbVariant::fromText(QStringLiteral("İş")), "08000200ddfe"},  // Windows-1254
        {VbVariant::fromBool(true), "0b00ffff"},
        {VbVariant::fromBool(false), "0b000000"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(encoded(c.value), hex(c.bytes));
        const QByteArray bytes = hex(c.bytes);
        VariantReader r(bytes);
        EXPECT_EQ(r.read(), c.value) << c.bytes << r.error().toStdString();
        EXPECT_TRUE(r.atEnd());
    }
    EXPECT_EQ(VbVariant::fromDate(QDate(2009, 1, 31)).date(), QDate(2009, 1, 31));
}

TEST(VariantCodec, MalformedValuesAreErrorsNotReadsPastTheEnd)
{
    for (const char *bad : {"", "02", "0200ff", "0300010203", "0800", "08000500414243", "0700000000", "0600", "0c00",
                            "ffff0000"}) {
        const QByteArray bytes = hex(bad);
        VariantReader r(bytes);
        EXPECT_FALSE(r.read().has_value()) << bad;
        EXPECT_FALSE(r.error().isEmpty()) << bad;
        EXPECT_EQ(r.position(), 0) << bad;
    }
}

TEST(VariantCodec, ArraysRoundTripAndRefuseFalseCounts)
{
    VbArray array;
    array.bounds = {{2, 1}, {3, 1}};
    array.elements = {VbVariant::fromInt32(1),          VbVariant::fromInt16(2), VbVariant::fromText("a"),
                      VbVariant::fromText("bc"),        VbVariant(),             VbVariant::fromDouble(0.5)};
    VariantWriter w;
    w.writeArray(array);
    ASSERT_TRUE(w.ok());
    EXPECT_EQ(w.bytes().left(20), hex("0c200200" "02000000" "01000000" "03000000" "01000000"));
    VariantReader r(w.bytes());
    const auto back = r.readArray();
    ASSERT_TRUE(back.has_value()) << r.error().toStdString();
    EXPECT_EQ(*back, array);
    EXPECT_TRUE(r.atEnd());

    // One element fewer than the counts promise.
    QByteArray cut = w.bytes();
    cut.chop(10);
    VariantReader truncated(cut);
    EXPECT_FALSE(truncated.readArray().has_value());
    EXPECT_FALSE(truncated.error().isEmpty());

    // Counts far beyond the data are refused before anything is read.
    for (const char *refused : {"0c200200" "ffffff7f" "01000000" "ffffff7f" "01000000" "0000",  // huge counts
                                "0c200100" "feffffff" "01000000",                              // negative count
                                "03000100000000000000"}) {                                     // no array
        SCOPED_TRACE(refused);
        const QByteArray bytes = hex(refused);
        VariantReader r(bytes);
        EXPECT_FALSE(r.readArray().has_value());
    }

    // A writer refuses an array whose elements do not match its counts.
    VariantWriter wrong;
    wrong.writeArray(VbArray{{{2, 1}}, {VbVariant()}});
    EXPECT_FALSE(wrong.ok());
    // So is a text longer than its length field can say.
    VariantWriter longText;
    longText.write(VbVariant::fromText(QString(70000, u'x')));
    EXPECT_FALSE(longText.ok());
}
