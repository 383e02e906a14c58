#include "platform/dates.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <QStringList>

namespace dates {

namespace {
const QDate kOleEpoch(1899, 12, 30);
}

QString numericDateFormat(const QLocale &locale)
{
    static const QString iso = QStringLiteral("yyyy-MM-dd");
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression years(QStringLiteral("y+"));
    format.replace(years, QStringLiteral("yyyy"));
    // Only d, dd, M, MM and one yyyy, each once, between the separators the date box accepts.
    static const QRegularExpression numeric(
        QStringLiteral("^(d{1,2}|M{1,2}|yyyy)([-./])(d{1,2}|M{1,2}|yyyy)\\2(d{1,2}|M{1,2}|yyyy)$"));
    const QRegularExpressionMatch match = numeric.match(format);
    if (!match.hasMatch())
        return iso;
    QString letters;
    for (int field : {1, 3, 4})
        letters += match.captured(field).at(0);
    std::sort(letters.begin(), letters.end());
    return letters == QLatin1String("Mdy") ? format : iso;
}

QString shortDateFormat() { return numericDateFormat(QLocale()); }

QString toShortText(const QDate &date)
{
    // The C locale writes the digits 0 to 9 whatever the user's locale writes.
    return QLocale::c().toString(date, shortDateFormat());
}

QDate fromShortText(const QString &text)
{
    return readTypedDate(text, shortDateFormat(), QDate::currentDate().year()).date;
}

int nearestYear(int twoDigits, int referenceYear)
{
    const int century = referenceYear - ((referenceYear % 100) + 100) % 100;
    int best = century + twoDigits;
    for (int candidate : {century - 100 + twoDigits, century + 100 + twoDigits}) {
        const int distance = std::abs(candidate - referenceYear);
        const int bestDistance = std::abs(best - referenceYear);
        if (distance < bestDistance || (distance == bestDistance && candidate < best))
            best = candidate;
    }
    return best;
}

TypedDate readTypedDate(const QString &text, const QString &format, int referenceYear)
{
    TypedDate result;
    static const QRegularExpression separators(QStringLiteral("[-./]"));
    const QString trimmed = text.trimmed();
    if (QString(trimmed).remove(separators).trimmed().isEmpty())
        return result;  // DateProblem::Empty

    result.problem = DateProblem::NotADate;
    const QStringList fields = trimmed.split(separators);
    if (fields.size() != 3)
        return result;
    // The order of the fields is the order of the first d, M and y of the form.
    QString order;
    for (QChar c : format)
        if ((c == u'd' || c == u'M' || c == u'y') && !order.contains(c))
            order += c;
    if (order.size() != 3)
        return result;
    int yearDigits = 0;
    for (int i = 0; i < 3; ++i) {
        const QString &field = fields[i];
        if (field.isEmpty() || field.size() > 4)
            return result;
        for (QChar c : field)
            if (c < u'0' || c > u'9')
                return result;
        const int value = field.toInt();
        switch (order[i].unicode()) {
        case 'd':
            if (field.size() > 2)
                return result;
            result.day = value;
            break;
        case 'M':
            if (field.size() > 2)
                return result;
            result.month = value;
            break;
        default:
            if (field.size() == 3)
                return result;
            yearDigits = static_cast<int>(field.size());
            result.year = value;
            break;
        }
    }
    if (yearDigits <= 2)
        result.year = nearestYear(result.year, referenceYear);
    if (result.year < 1)
        return result;
    if (result.month < 1 || result.month > 12) {
        result.problem = DateProblem::NoSuchMonth;
        return result;
    }
    if (result.day < 1 || result.day > QDate(result.year, result.month, 1).daysInMonth()) {
        result.problem = DateProblem::NoSuchDay;
        return result;
    }
    result.date = QDate(result.year, result.month, result.day);
    result.problem = DateProblem::None;
    return result;
}

QString numericTimeFormat(const QLocale &locale)
{
    static const QString plain = QStringLiteral("HH:mm:ss");
    QString format = locale.timeFormat(QLocale::LongFormat);
    // The time zone goes, with the comma or the brackets that set it apart.
    static const QRegularExpression zone(QStringLiteral(",?\\s*[(\\[]?\\s*t+\\s*[)\\]]?"));
    format = format.replace(zone, QStringLiteral(" ")).simplified();
    // Only hours, minutes, seconds and the AM/PM mark, between colons, dots and blanks.
    static const QRegularExpression numeric(QStringLiteral("^(?:h{1,2}|H{1,2}|m{1,2}|s{1,2}|AP|ap|[:. ])+$"));
    if (!numeric.match(format).hasMatch() || !format.contains(u'm') || !format.contains(u's')
        || (!format.contains(u'h') && !format.contains(u'H')))
        return plain;
    return format;
}

QString toLongTimeText(const QTime &time)
{
    // The C locale writes the digits 0 to 9 and "AM" and "PM" whatever the user's locale writes.
    return QLocale::c().toString(time, numericTimeFormat(QLocale()));
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
