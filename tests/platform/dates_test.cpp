#include "app/application.h"
#include "app/uilanguage.h"
#include "platform/dates.h"

#include <QLocale>
#include <gtest/gtest.h>

using dates::DateProblem;

// The form follows the locale's short date when it is numeric (with a four-digit year), else the
// ISO form: month names, blanks or direction marks cannot be typed in the date box.
TEST(DateForms, DatesShowInTheLocalesNumericFormOrInTheIsoForm)
{
    const struct {
        const char *locale, *form, *shown;  // shown: 7 January 2026
    } forms[] = {
        {"C", "yyyy-MM-dd", "2026-01-07"},     {"en_US", "M/d/yyyy", "1/7/2026"},
        {"tr_TR", "d.MM.yyyy", "7.01.2026"},   {"fr_FR", "dd/MM/yyyy", "07/01/2026"},
        {"ja_JP", "yyyy/MM/dd", "2026/01/07"}, {"hu_HU", "yyyy-MM-dd", "2026-01-07"},
        {"ar_EG", "yyyy-MM-dd", "2026-01-07"},
    };
    const QLocale saved;
    for (const auto &row : forms) {
        SCOPED_TRACE(row.locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(row.locale)));
        EXPECT_EQ(dates::shortDateFormat(), QString::fromLatin1(row.form));
        EXPECT_EQ(dates::toShortText(QDate(2026, 1, 7)), QString::fromLatin1(row.shown));
        // Every day of a leap year reads back as itself.
        for (QDate day(2028, 1, 1); day.year() == 2028; day = day.addDays(1))
            ASSERT_EQ(dates::fromShortText(dates::toShortText(day)), day) << dates::toShortText(day).toStdString();
    }
    QLocale::setDefault(saved);
}

TEST(DateForms, TypedNumbersInTheOrderOfTheFormWithAnySeparatorAndShortYears)
{
    using P = DateProblem;
    const struct {
        const char *form, *typed;
        QDate date;
        DateProblem problem;
    } cases[] = {
        {"yyyy-MM-dd", " 2026.1.7 ", {2026, 1, 7}, P::None}, {"M/d/yyyy", "01/07/26", {2026, 1, 7}, P::None},
        {"M/d/yyyy", "12/31/99", {1999, 12, 31}, P::None},   {"M/d/yyyy", "2/29/28", {2028, 2, 29}, P::None},
        {"d.MM.yyyy", "7/1/26", {2026, 1, 7}, P::None},      {"dd/MM/yyyy", "30-4-6", {2006, 4, 30}, P::None},
        {"M/d/yyyy", " // ", {}, P::Empty},           {"M/d/yyyy", "1/7", {}, P::NotADate},
        {"M/d/yyyy", "1/7/2026/1", {}, P::NotADate},  {"M/d/yyyy", "1/7/026", {}, P::NotADate},
        {"M/d/yyyy", "100/7/2026", {}, P::NotADate},  {"M/d/yyyy", "1/7/0000", {}, P::NotADate},
        {"M/d/yyyy", "13/1/2026", {}, P::NoSuchMonth}, {"M/d/yyyy", "0/1/2026", {}, P::NoSuchMonth},
        {"M/d/yyyy", "2/29/2026", {}, P::NoSuchDay},  {"M/d/yyyy", "1/0/2026", {}, P::NoSuchDay},
    };
    for (const auto &c : cases) {
        const auto read = dates::readTypedDate(QString::fromLatin1(c.typed), QString::fromLatin1(c.form), 2026);
        EXPECT_EQ(read.problem, c.problem) << c.form << " " << c.typed;
        EXPECT_EQ(read.date, c.date) << c.form << " " << c.typed;
    }
    // A two-digit year is the nearest year ending in it; of two equally near, the earlier.
    for (const auto &[digits, reference, year] : {std::tuple{99, 2026, 1999}, {75, 2026, 2075}, {76, 2026, 1976},
                                                  {0, 2070, 2100}, {49, 2000, 2049}, {50, 2000, 1950}})
        EXPECT_EQ(dates::nearestYear(digits, reference), year) << digits << " " << reference;

    // The message says why in the interface language, with an example of the form.
    const struct {
        int language;
        const char *typed, *message;
    } messages[] = {
        {2, "2/30/2026", "“2/30/2026” is not a date: February 2026 has 28 days."},
        {3, "2/30/2026", "« 2/30/2026 » n'est pas une date : février 2026 compte 28 jours."},
        {3, "13/2/2026", "« 13/2/2026 » n'est pas une date : il n'y a pas de mois 13 ; les mois sont numérotés de 1 à 12."},
        {2, "1/7", "“1/7” is not a date. Type it in digits in the order of this example: 12/31/YEAR."},
        {1, "1/7", "“1/7” bir tarih değil. Tarihi rakamlarla, şu örnekteki sırayla yazın: 12/31/YEAR."},
        {2, "//", ""},
    };
    for (const auto &c : messages) {
        app().glngLanguage = c.language;
        const QString typed = QString::fromUtf8(c.typed);
        const auto read = dates::readTypedDate(typed, QStringLiteral("M/d/yyyy"), 2026);
        // The example is the last day of the present year.
        const QString expected = QString::fromUtf8(c.message).replace(QStringLiteral("YEAR"),
                                                                       QString::number(QDate::currentDate().year()));
        EXPECT_EQ(fncDateProblemText(typed, read, QStringLiteral("M/d/yyyy")), expected);
    }
    app().glngLanguage = 2;
}

// The event log writes the time of an event in the locale's long time form when it is made of
// hours, minutes, seconds and the AM/PM mark alone, else in the form 15:04:05; always in the digits
// 0 to 9, never with the time zone or the brackets that held it, so that the log (single-byte text)
// shows the time in every locale.
TEST(DateForms, TheLogsTimeIsInDigitsInTheLocalesNumericTimeForm)
{
    const struct {
        const char *locale, *shown;  // shown: 15:04:05
    } forms[] = {
        {"en_US", "3:04:05 PM"}, {"de_DE", "15:04:05"}, {"tr_TR", "15:04:05"}, {"fi_FI", "15.04.05"},
        {"es_ES", "15:04:05"},   {"ar_EG", "3:04:05 PM"}, {"fa_IR", "15:04:05"}, {"ja_JP", "15:04:05"},
        {"ko_KR", "15:04:05"},   {"zh_CN", "15:04:05"},
    };
    const QLocale saved;
    for (const auto &row : forms) {
        QLocale::setDefault(QLocale(QString::fromLatin1(row.locale)));
        EXPECT_EQ(dates::toLongTimeText(QTime(15, 4, 5)).toStdString(), row.shown) << row.locale;
    }
    QLocale::setDefault(saved);
}
