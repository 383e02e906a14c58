#include "app/globals.h"
#include "app/uilanguage.h"
#include "platform/dates.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

using dates::DateProblem;

struct LocaleForm {
    const char *locale;
    const char *form;     // the numeric form dates are shown and typed in
    const char *shown;    // 7 January 2026 in that form
};

// The form follows the locale's short date when it is numeric (with a four-digit year), else
// the ISO form: month names, blanks or direction marks cannot be typed in the date box.
const LocaleForm kForms[] = {
    {"C", "yyyy-MM-dd", "2026-01-07"},     {"en_US", "M/d/yyyy", "1/7/2026"},
    {"tr_TR", "d.MM.yyyy", "7.01.2026"},   {"fr_FR", "dd/MM/yyyy", "07/01/2026"},
    {"de_DE", "dd.MM.yyyy", "07.01.2026"}, {"ja_JP", "yyyy/MM/dd", "2026/01/07"},
    {"ko_KR", "yyyy-MM-dd", "2026-01-07"}, {"hu_HU", "yyyy-MM-dd", "2026-01-07"},
    {"ar_EG", "yyyy-MM-dd", "2026-01-07"},
};

class DefaultLocale : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(saved_); }

private:
    const QLocale saved_;
};

}  // namespace

TEST_F(DefaultLocale, DatesShowInTheLocalesNumericFormOrInTheIsoForm)
{
    for (const LocaleForm &row : kForms) {
        SCOPED_TRACE(row.locale);
        const QLocale locale(QString::fromLatin1(row.locale));
        EXPECT_EQ(dates::numericDateFormat(locale), QString::fromLatin1(row.form));
        QLocale::setDefault(locale);
        EXPECT_EQ(dates::toShortText(QDate(2026, 1, 7)), QString::fromLatin1(row.shown));
        // Every day of a leap year reads back as itself.
        for (QDate day(2028, 1, 1); day.year() == 2028; day = day.addDays(1))
            ASSERT_EQ(dates::fromShortText(dates::toShortText(day)), day) << dates::toShortText(day).toStdString();
        // A text that is no date is answered with an example in this form.
        const QString form = dates::shortDateFormat();
        const QString message = fncDateProblemText(
            QStringLiteral("7"), dates::readTypedDate(QStringLiteral("7"), form, 2026), form);
        EXPECT_TRUE(message.endsWith(dates::toShortText(QDate(QDate::currentDate().year(), 12, 31)) + u'.'))
            << message.toStdString();
    }
}

TEST(TypedDates, NumbersInTheOrderOfTheFormWithAnySeparatorAndShortYears)
{
    struct Case {
        const char *form;
        const char *typed;
        QDate date;
    };
    const Case cases[] = {
        {"yyyy-MM-dd", "2026-01-07", {2026, 1, 7}}, {"yyyy-MM-dd", "26-1-7", {2026, 1, 7}},
        {"yyyy-MM-dd", " 2026.1.7 ", {2026, 1, 7}}, {"M/d/yyyy", "1/7/2026", {2026, 1, 7}},
        {"M/d/yyyy", "1/7/26", {2026, 1, 7}},       {"M/d/yyyy", "01/07/26", {2026, 1, 7}},
        {"M/d/yyyy", "12/31/99", {1999, 12, 31}},   {"M/d/yyyy", "2/29/28", {2028, 2, 29}},
        {"d.MM.yyyy", "7.01.2026", {2026, 1, 7}},   {"d.MM.yyyy", "7.1.26", {2026, 1, 7}},
        {"d.MM.yyyy", "7/1/26", {2026, 1, 7}},      {"dd/MM/yyyy", "07/01/2026", {2026, 1, 7}},
        {"dd/MM/yyyy", "7-1-6", {2006, 1, 7}},      {"dd/MM/yyyy", "31/12/1899", {1899, 12, 31}},
    };
    for (const Case &c : cases) {
        const dates::TypedDate read = dates::readTypedDate(QString::fromLatin1(c.typed), QString::fromLatin1(c.form), 2026);
        EXPECT_EQ(read.problem, DateProblem::None) << c.form << " " << c.typed;
        EXPECT_EQ(read.date, c.date) << c.form << " " << c.typed;
    }
}

TEST(TypedDates, WhatIsWrongWithATextThatIsNoDate)
{
    struct Case {
        const char *typed;
        DateProblem problem;
    };
    // Read in the form M/d/yyyy.
    const Case cases[] = {
        {"", DateProblem::Empty},           {" // ", DateProblem::Empty},       {"-.", DateProblem::Empty},
        {"1/7", DateProblem::NotADate},     {"1/7/2026/1", DateProblem::NotADate},
        {"1//2026", DateProblem::NotADate}, {"1/7/026", DateProblem::NotADate}, {"1/7/20266", DateProblem::NotADate},
        {"100/7/2026", DateProblem::NotADate}, {"1/7/2O26", DateProblem::NotADate}, {"1/7/0000", DateProblem::NotADate},
        {"13/1/2026", DateProblem::NoSuchMonth}, {"0/1/2026", DateProblem::NoSuchMonth},
        {"2/29/2026", DateProblem::NoSuchDay},   {"4/31/26", DateProblem::NoSuchDay}, {"1/0/2026", DateProblem::NoSuchDay},
    };
    for (const Case &c : cases) {
        const dates::TypedDate read = dates::readTypedDate(QString::fromLatin1(c.typed), QStringLiteral("M/d/yyyy"), 2026);
        EXPECT_EQ(read.problem, c.problem) << c.typed;
        EXPECT_FALSE(read.date.isValid()) << c.typed;
    }
}

TEST(TypedDates, ATwoDigitYearIsTheNearestYearEndingInIt)
{
    struct Case {
        int digits, reference, year;
    };
    const Case cases[] = {
        {26, 2026, 2026}, {99, 2026, 1999}, {75, 2026, 2075}, {77, 2026, 1977},
        {76, 2026, 1976},  // 50 years either way: the earlier
        {0, 2026, 2000},  {0, 2070, 2100}, {49, 2000, 2049}, {50, 2000, 1950}, {51, 2000, 1951},
    };
    for (const Case &c : cases)
        EXPECT_EQ(dates::nearestYear(c.digits, c.reference), c.year) << c.digits << " " << c.reference;
}

TEST(TypedDates, TheMessageSaysWhyInTheInterfaceLanguage)
{
    struct Case {
        int language;
        const char *typed;
        const char *message;
    };
    const Case cases[] = {
        {2, "2/30/2026", "“2/30/2026” is not a date: February 2026 has 28 days."},
        {3, "2/30/2026", "« 2/30/2026 » n'est pas une date : février 2026 compte 28 jours."},
        {1, "2/30/2026", "“2/30/2026” bir tarih değil: Şubat 2026 ayında 28 gün var."},
        {2, "13/2/2026", "“13/2/2026” is not a date: there is no month 13; the months are numbered 1 to 12."},
        {3, "13/2/2026", "« 13/2/2026 » n'est pas une date : il n'y a pas de mois 13 ; les mois sont numérotés de 1 à 12."},
        {2, "1/7", "“1/7” is not a date. Type it in digits in the order of this example: 12/31/YEAR."},
        {1, "1/7", "“1/7” bir tarih değil. Tarihi rakamlarla, şu örnekteki sırayla yazın: 12/31/YEAR."},
        {3, "1/7", "« 1/7 » n'est pas une date. Tapez-la en chiffres, dans l'ordre de cet exemple : 12/31/YEAR."},
        {2, "//", ""},
    };
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const Case &c : cases) {
        glngLanguage = c.language;
        const QString typed = QString::fromUtf8(c.typed);
        const dates::TypedDate read = dates::readTypedDate(typed, QStringLiteral("M/d/yyyy"), 2026);
        // The example is the last day of the present year.
        const QString expected =
            QString::fromUtf8(c.message).replace(QStringLiteral("YEAR"), QString::number(QDate::currentDate().year()));
        EXPECT_EQ(fncDateProblemText(typed, read, QStringLiteral("M/d/yyyy")), expected);
    }
    glngLanguage = 2;
    QLocale::setDefault(saved);
}

TEST(InterfaceLocale, NamesComeFromTheInterfaceLanguageAndTheUsersOwnLocaleWhenItSpeaksIt)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const std::pair<int, const char *> expected[] = {{1, "tr_TR"}, {2, "en_GB"}, {3, "fr_FR"}, {4, "de_DE"}};
    for (const auto &[language, name] : expected) {
        glngLanguage = language;
        EXPECT_EQ(fncInterfaceLocale().name(), QString::fromLatin1(name));
    }
    glngLanguage = 2;
    QLocale::setDefault(saved);
}
