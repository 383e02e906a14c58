#include "platform/ansi.h"
#include "platform/dates.h"
#include "platform/vb.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(Numbers, HalvesRoundToTheEvenNeighbourAndTextsReadOnlyInTheProgramsNotation)
{
    for (const auto &[value, rounded] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {121.5, 122},
                                         {2.5000001, 3}, {2147483647.4, 2147483647}})
        EXPECT_EQ(vb::cLng(value), rounded) << value;
    EXPECT_FALSE(vb::cLng(2147483648.0).has_value());
    EXPECT_FALSE(vb::cLng(std::nan("")).has_value());
    EXPECT_FALSE(vb::cInt(32768.0).has_value());
    EXPECT_EQ(vb::cLngOrClamp(-3e10), -2147483647 - 1);

    // Texts become numbers only in the program's own notation.
    for (const auto &[text, value] : {std::pair{u" 12 ", 12.0}, {u"1e3", 1000.0}, {u"-.5", -0.5}})
        EXPECT_EQ(vb::numericValue(text), value);
    for (const char16_t *bad : {u"", u"  ", u"12a", u"1e", u".", u"1e400"})
        EXPECT_FALSE(vb::numericValue(bad).has_value()) << QString::fromUtf16(bad).toStdString();
    EXPECT_EQ(vb::toLong(u"2.5"), 2);
    EXPECT_EQ(vb::plainDecimal(u" 49 "), 49);
    EXPECT_EQ(vb::plainDecimal(u"-12"), -12);
    for (const char16_t *bad : {u"007", u"+7", u"1.5", u"1e3", u"", u"-", u"-0", u"7 7", u"4294967296"})
        EXPECT_FALSE(vb::plainDecimal(bad).has_value()) << QString::fromUtf16(bad).toStdString();
}

TEST(AnsiText, TurkishLettersAndEveryByteRoundTrip)
{
    const QString text = QStringLiteral("Şans Topu Ğğüıİöç €");
    const QByteArray bytes = ansi::encode(text);
    EXPECT_EQ(bytes, QByteArray::fromHex("de616e7320546f707520d0f0fcfdddf6e72080"));
    EXPECT_EQ(ansi::decode(bytes), text);
    EXPECT_EQ(ansi::encode(QStringLiteral("中")), QByteArray("?"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(ansi::encode(ansi::decode(all)), all);
}

TEST(Dates, ShortTextAndStatementLiteralUnderEveryLocaleAndOleDays)
{
    const QLocale saved;
    for (const char *name : {"en_US", "tr_TR", "fr_FR", "de_DE"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        const QString text = dates::toShortText(QDate(2026, 12, 5));
        EXPECT_EQ(dates::fromShortText(text), QDate(2026, 12, 5)) << text.toStdString();
        // Day first or not, the statements' literal is month/day/year without padding.
        EXPECT_EQ(dates::accessLiteral(QDate(2009, 1, 31)), QStringLiteral("#1/31/2009#"));
        EXPECT_EQ(dates::accessLiteral(QDate(2026, 12, 5)), QStringLiteral("#12/5/2026#"));
    }
    QLocale::setDefault(saved);
    EXPECT_EQ(dates::fromOleDate(-1.25), QDate(1899, 12, 29));
    EXPECT_FALSE(dates::fromOleDate(std::nan("")).isValid());
}
