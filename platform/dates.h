#pragma once
// Dates as the program shows, stores and queries them.

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace dates {

// The numeric date form that dates are shown in and typed in: `locale`'s short date format with
// a four-digit year when it is made of day, month and year numbers and the separators "/", "-"
// and "." only; otherwise (month names, blanks, other marks) the ISO form "yyyy-MM-dd".
QString numericDateFormat(const QLocale &locale);
// numericDateFormat of the user's locale (the default QLocale).
QString shortDateFormat();
// A date in shortDateFormat, always with the digits 0 to 9.
QString toShortText(const QDate &date);
// Reads a typed date (readTypedDate under shortDateFormat and this year); an invalid QDate when
// the text is not one.
QDate fromShortText(const QString &text);

// What is wrong with a typed date.
enum class DateProblem {
    None,        // a date
    Empty,       // nothing typed but blanks and separators
    NotADate,    // not three numbers in the order of the date form
    NoSuchMonth, // a month outside 1 to 12
    NoSuchDay,   // a day outside 1 to the days of its month
};

struct TypedDate {
    QDate date;  // valid exactly when problem is None
    DateProblem problem = DateProblem::Empty;
    int day = 0;
    int month = 0;
    int year = 0;  // with the century added to a two-digit year
};

// Reads a typed date: three numbers in the order of day, month and year in `format`, separated by
// any of "/", "-" and "."; day and month of one or two digits, the year of four digits or of one
// or two, which are read as the year nearest to `referenceYear` that ends in them (the earlier
// one when two are equally near).
TypedDate readTypedDate(const QString &text, const QString &format, int referenceYear);

// The year nearest to `referenceYear` whose last two digits are `twoDigits` (0 to 99); the
// earlier of two equally near years.
int nearestYear(int twoDigits, int referenceYear);

// The numeric time form that the event log writes: `locale`'s long time format without its time
// zone when it is made of hours, minutes, seconds and the AM/PM mark between colons, dots and
// blanks only; otherwise (words, signs of other scripts) "HH:mm:ss".
QString numericTimeFormat(const QLocale &locale);
// A time in the numeric time form of the user's locale, always with the digits 0 to 9.
QString toLongTimeText(const QTime &time);

// The database statements' date literal: "#m/d/yyyy#", no padding, whatever the locale.
QString accessLiteral(const QDate &date);

// OLE Automation dates: days since 30 December 1899, the fraction being the time of day.
double toOleDate(const QDate &date);
QDate fromOleDate(double days);

}  // namespace dates
