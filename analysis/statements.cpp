#include "analysis/statements.h"

#include "platform/dates.h"

namespace {

QString num(int64_t n) { return QString::number(static_cast<qint64>(n)); }

bool twoSecondDrumColumns(const DrumShape &drum) { return drum.columnCount == 2; }

}  // namespace

QString countPicksStatement(const DrumShape &drum, int32_t ball, int32_t fromWeek, const QDate &upToDate)
{
    const QString b = num(ball);
    QString s;
    if (drum.drum == Drum::Second) {
        const int k = drum.mainPicks;
        s = QStringLiteral("SELECT COUNT(WinnerNumber") + num(k + 1) + QStringLiteral(") AS BONUSnumber1");
        if (twoSecondDrumColumns(drum))
            s += QStringLiteral(", COUNT(WinnerNumber") + num(k + 2) + QStringLiteral(") AS BONUSnumber2");
        s += QStringLiteral(" FROM TBLRESULTS");
        s += QStringLiteral(" WHERE (WinnerNumber") + num(k + 1) + QStringLiteral(" = ") + b;
        if (twoSecondDrumColumns(drum))
            s += QStringLiteral(" OR WinnerNumber") + num(k + 2) + QStringLiteral(" = ") + b;
    } else {
        const int k = drum.columnCount;
        s = QStringLiteral("SELECT COUNT(WinnerNumber1), COUNT(WinnerNumber2),  COUNT(WinnerNumber3)");
        if (k >= 4 && k <= 8) {
            s += QStringLiteral(" , COUNT(WinnerNumber4)");
            for (int c = 5; c <= k; ++c)
                s += QStringLiteral(", COUNT(WinnerNumber") + num(c) + QStringLiteral(")");
        }
        s += QStringLiteral(" FROM TBLRESULTS");
        s += QStringLiteral(" WHERE (WinnerNumber1 = ") + b;
        for (int c = 2; c <= k; ++c)
            s += QStringLiteral(" OR WinnerNumber") + num(c) + QStringLiteral(" = ") + b;
    }
    s += QStringLiteral(") AND WeekNo >= ") + num(fromWeek);
    s += QStringLiteral(" AND WeekDate <= ") + dates::accessLiteral(upToDate);
    return s;
}

QString lastPickedWeekStatement(const DrumShape &drum, int32_t ball, const QDate &upToDate)
{
    const QString b = num(ball);
    QString s;
    if (drum.drum == Drum::Second) {
        const int k = drum.mainPicks;
        s = QStringLiteral("SELECT max(WeekNo) AS maxWeekNo");
        s += QStringLiteral(" FROM TBLRESULTS");
        s += QStringLiteral(" WHERE (WinnerNumber") + num(k + 1) + QStringLiteral(" = ") + b;
        if (twoSecondDrumColumns(drum))
            s += QStringLiteral(" OR WinnerNumber") + num(k + 2) + QStringLiteral(" = ") + b;
    } else {
        s = QStringLiteral("SELECT MAX(WeekNo) AS maxWeekNo");
        s += QStringLiteral(" FROM TBLRESULTS");
        s += QStringLiteral(" WHERE (WinnerNumber1 = ") + b + QStringLiteral(" OR WinnerNumber2 = ") + b
             + QStringLiteral(" OR WinnerNumber3 = ") + b;
        for (int c = 4; c <= drum.columnCount; ++c)
            s += QStringLiteral(" OR WinnerNumber") + num(c) + QStringLiteral(" = ") + b;
    }
    s += QStringLiteral(") AND WeekDate <= ") + dates::accessLiteral(upToDate);
    return s;
}

QString powerColumnStatement(int32_t column, int32_t fromWeek, int32_t toWeek)
{
    return QStringLiteral("SELECT WeekNo, WinnerNumber") + num(column) + QStringLiteral(" FROM TBLRESULTS")
           + QStringLiteral(" WHERE WeekNo >= ") + num(fromWeek) + QStringLiteral(" AND WeekNo <= ") + num(toWeek)
           + QStringLiteral(" ORDER BY WeekNo ASC");
}

QString drawingSumStatement(const DrumShape &drum, int32_t weekNo)
{
    QString s;
    if (drum.drum == Drum::Second) {
        const int k = drum.mainPicks;
        s = QStringLiteral("SELECT WinnerNumber") + num(k + 1);
        if (twoSecondDrumColumns(drum))
            s += QStringLiteral(", WinnerNumber") + num(k + 2);
    } else {
        s = QStringLiteral("SELECT WinnerNumber1, WinnerNumber2, WinnerNumber3");
        if (drum.columnCount <= 8)
            for (int c = 4; c <= drum.columnCount; ++c)
                s += QStringLiteral(", WinnerNumber") + num(c);
    }
    s += QStringLiteral(" FROM TBLRESULTS");
    s += QStringLiteral(" WHERE WeekNo = ") + num(weekNo);
    return s;
}
