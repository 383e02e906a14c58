#include "platform/dates.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace dates {

namespace {
const QDate kOleEpoch(1899, 12, 30);
}

QString shortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) {
        static const QRegularExpression years(QStringLiteral("y+"));
        format.replace(years, QStringLiteral("yyyy"));
    }
    return format;
}

QString toShortText(const QDate &date)
{
    return QLocale().toString(date, shortDateFormat());
}

QDate fromShortText(const QString &text)
{
    return QLocale().toDate(text.trimmed(), shortDateFormat());
}

QString toLongTimeText(const QTime &time)
{
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    format.replace(zone, QStringLiteral(" "));
    return QLocale().toString(time, format.trimmed());
}

QString accessLiteral(const QDate &date)
{
    return QStringLiteral("#%1/%2/%3#").arg(date.month()).arg(date.day()).arg(date.year());
}

double toOleDate(const QDate &date)
{
    return static_cast<double>(kOleEpoch.daysTo(date));
}

QDate fromOleDate(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
        return {};
    // The whole part counts the days; the fraction is the time of that day, before the epoch too
    // (-1.25 is 29 December 1899, 6:00).
    return kOleEpoch.addDays(static_cast<qint64>(std::trunc(days)));
}

}  // namespace dates
