#include "platform/ansi.h"
#include "platform/dates.h"
#include "platform/vb.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(vb::cLng(2.5), 2);
    EXPECT_EQ(vb::cLng(3.5), 4);
    EXPECT_EQ(vb::cLng(-2.5), -2);
    EXPECT_EQ(vb::cLng(0.5), 0);
    EXPECT_EQ(vb::cLng(120.5), 120);
    EXPECT_EQ(vb::cLng(121.5), 122);
    EXPECT_EQ(vb::cLng(2.5000001), 3);
    EXPECT_EQ(vb::cInt(37.5), 38);
}

TEST(Rounding, OutOfRangeGivesNothing)
{
    EXPECT_EQ(vb::cLng(2147483647.4), 2147483647);
    EXPECT_FALSE(vb::cLng(2147483648.0).has_value());
    EXPECT_FALSE(vb::cLng(std::nan("")).has_value());
    EXPECT_FALSE(vb::cInt(32768.0).has_value());
    EXPECT_EQ(vb::cInt(-32768.0), -32768);
}

TEST(TextToNumber, NumericTexts)
{
    EXPECT_EQ(vb::numericValue(u" 12 "), 12.0);
    EXPECT_EQ(vb::numericValue(u"1.5"), 1.5);
    EXPECT_EQ(vb::numericValue(u"1e3"), 1000.0);
    EXPECT_EQ(vb::numericValue(u"-.5"), -0.5);
    EXPECT_FALSE(vb::numericValue(u"").has_value());
    EXPECT_FALSE(vb::numericValue(u"  ").has_value());
    EXPECT_FALSE(vb::numericValue(u"12a").has_value());
    EXPECT_FALSE(vb::numericValue(u"1e").has_value());
    EXPECT_FALSE(vb::numericValue(u".").has_value());
    EXPECT_EQ(vb::toLong(u"2.5"), 2);
    EXPECT_FALSE(vb::toLong(u"99999999999").has_value());
}

TEST(TextToNumber, PlainDecimalsAreWrittenAsTheirOwnValue)
{
    EXPECT_EQ(vb::plainDecimal(u"7"), 7);
    EXPECT_EQ(vb::plainDecimal(u" 49 "), 49);
    EXPECT_EQ(vb::plainDecimal(u"0"), 0);
    EXPECT_EQ(vb::plainDecimal(u"-12"), -12);
    for (const char16_t *bad : {u"007", u"05", u"+7", u"1.5", u"1e3", u"", u"-", u"-0", u"7 7", u"4294967296"})
        EXPECT_FALSE(vb::plainDecimal(bad).has_value()) << QString::fromUtf16(bad).toStdString();
}

TEST(TextToNumber, ColumnNumbers)
{
    EXPECT_EQ(vb::columnNumber(7), QStringLiteral("07-"));
    EXPECT_EQ(vb::columnNumber(123), QStringLiteral("123-"));
}

TEST(AnsiText, TurkishLettersRoundTrip)
{
    const QString text = QStringLiteral("Şans Topu ğüıİöç €");
    const QByteArray bytes = ansi::encode(text);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xDE);
    EXPECT_EQ(ansi::decode(bytes), text);
    EXPECT_EQ(ansi::encode(QStringLiteral("中")), QByteArray("?"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(ansi::encode(ansi::decode(all)), all);
}

TEST(Dates, ShortTextHasFourDigitYearsUnderEveryLocale)
{
    const QLocale saved;
    for (auto locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::Turkish, QLocale::Turkey),
                        QLocale(QLocale::French, QLocale::France), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        const QDate d(2026, 12, 5);
        const QString text = dates::toShortText(d);
        EXPECT_TRUE(text.contains(QStringLiteral("2026"))) << text.toStdString();
        EXPECT_EQ(dates::fromShortText(text), d) << text.toStdString();
    }
    QLocale::setDefault(saved);
}

TEST(Dates, StatementLiteralIgnoresTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(dates::accessLiteral(QDate(2009, 1, 31)), QStringLiteral("#1/31/2009#"));
    EXPECT_EQ(dates::accessLiteral(QDate(2026, 12, 5)), QStringLiteral("#12/5/2026#"));
    QLocale::setDefault(saved);
}

TEST(Dates, OleDates)
{
    EXPECT_EQ(dates::toOleDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(dates::toOleDate(QDate(2000, 1, 1)), 36526.0);
    EXPECT_EQ(dates::fromOleDate(36526.75), QDate(2000, 1, 1));
    EXPECT_EQ(dates::fromOleDate(-1.25), QDate(1899, 12, 29));
    EXPECT_FALSE(dates::fromOleDate(std::nan("")).isValid());
}

TEST(Dates, LongTimeHasNoTimeZone)
{
    const QString text = dates::toLongTimeText(QTime(13, 5, 9));
    EXPECT_TRUE(text.contains(QStringLiteral("05:09"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("UTC"))) << text.toStdString();
    EXPECT_EQ(text, text.trimmed());
}
