#pragma once
// Dates as the program shows, stores and queries them.

#include <QDate>
#include <QString>
#include <optional>

namespace dates {

// The user's short date format (the default QLocale), always with a four-digit year.
QString shortDateFormat();
QString toShortText(const QDate &date);
// Parses a text written by toShortText under the same locale; an invalid QDate when it is not one.
QDate fromShortText(const QString &text);

// The user's long time format without a time zone (as the event log writes it).
QString toLongTimeText(const QTime &time);

// The database statements' date literal: "#m/d/yyyy#", no padding, whatever the locale.
QString accessLiteral(const QDate &date);

// OLE Automation dates: days since 30 December 1899, the fraction being the time of day.
double toOleDate(const QDate &date);
QDate fromOleDate(double days);

}  // namespace dates
