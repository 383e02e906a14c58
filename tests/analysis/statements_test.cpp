// The statement texts, byte for byte, quirks included.

#include "analysis/gamelayout.h"
#include "analysis/statements.h"

#include <gtest/gtest.h>

namespace {

const QDate kDate(2026, 12, 5);

DrumShape mainOf(int picks) { return GameLayout::lotto(49, picks).drum(Drum::Main); }
DrumShape secondOf(int picks, int bonus) { return GameLayout::twoDrum(49, picks, 10, bonus).drum(Drum::Second); }

}  // namespace

TEST(Statements, PickCounts)
{
    EXPECT_EQ(countPicksStatement(GameLayout::digits(3).drum(Drum::Main), 7, 12, kDate),
              QStringLiteral("SELECT COUNT(WinnerNumber1), COUNT(WinnerNumber2),  COUNT(WinnerNumber3) FROM TBLRESULTS"
                             " WHERE (WinnerNumber1 = 7 OR WinnerNumber2 = 7 OR WinnerNumber3 = 7)"
                             " AND WeekNo >= 12 AND WeekDate <= #12/5/2026#"));
    EXPECT_EQ(countPicksStatement(mainOf(4), 1, 1, QDate(2009, 1, 31)),
              QStringLiteral("SELECT COUNT(WinnerNumber1), COUNT(WinnerNumber2),  COUNT(WinnerNumber3) , COUNT(WinnerNumber4)"
                             " FROM TBLRESULTS WHERE (WinnerNumber1 = 1 OR WinnerNumber2 = 1 OR WinnerNumber3 = 1"
                             " OR WinnerNumber4 = 1) AND WeekNo >= 1 AND WeekDate <= #1/31/2009#"));
    EXPECT_EQ(countPicksStatement(mainOf(6), 49, 300, kDate),
              QStringLiteral("SELECT COUNT(WinnerNumber1), COUNT(WinnerNumber2),  COUNT(WinnerNumber3) , COUNT(WinnerNumber4),"
                             " COUNT(WinnerNumber5), COUNT(WinnerNumber6) FROM TBLRESULTS WHERE (WinnerNumber1 = 49"
                             " OR WinnerNumber2 = 49 OR WinnerNumber3 = 49 OR WinnerNumber4 = 49 OR WinnerNumber5 = 49"
                             " OR WinnerNumber6 = 49) AND WeekNo >= 300 AND WeekDate <= #12/5/2026#"));
    EXPECT_TRUE(countPicksStatement(GameLayout::digits(8).drum(Drum::Main), 0, 1, kDate)
                    .startsWith(QStringLiteral("SELECT COUNT(WinnerNumber1), COUNT(WinnerNumber2),  COUNT(WinnerNumber3) ,"
                                               " COUNT(WinnerNumber4), COUNT(WinnerNumber5), COUNT(WinnerNumber6),"
                                               " COUNT(WinnerNumber7), COUNT(WinnerNumber8) FROM TBLRESULTS WHERE")));
    EXPECT_EQ(countPicksStatement(secondOf(5, 2), 9, 3, kDate),
              QStringLiteral("SELECT COUNT(WinnerNumber6) AS BONUSnumber1, COUNT(WinnerNumber7) AS BONUSnumber2"
                             " FROM TBLRESULTS WHERE (WinnerNumber6 = 9 OR WinnerNumber7 = 9) AND WeekNo >= 3"
                             " AND WeekDate <= #12/5/2026#"));
    EXPECT_EQ(countPicksStatement(secondOf(7, 1), 2, 3, kDate),
              QStringLiteral("SELECT COUNT(WinnerNumber8) AS BONUSnumber1 FROM TBLRESULTS WHERE (WinnerNumber8 = 2)"
                             " AND WeekNo >= 3 AND WeekDate <= #12/5/2026#"));
}

TEST(Statements, LastPickedWeeks)
{
    EXPECT_EQ(lastPickedWeekStatement(GameLayout::digits(3).drum(Drum::Main), 0, kDate),
              QStringLiteral("SELECT MAX(WeekNo) AS maxWeekNo FROM TBLRESULTS WHERE (WinnerNumber1 = 0"
                             " OR WinnerNumber2 = 0 OR WinnerNumber3 = 0) AND WeekDate <= #12/5/2026#"));
    EXPECT_EQ(lastPickedWeekStatement(mainOf(5), 11, kDate),
              QStringLiteral("SELECT MAX(WeekNo) AS maxWeekNo FROM TBLRESULTS WHERE (WinnerNumber1 = 11"
                             " OR WinnerNumber2 = 11 OR WinnerNumber3 = 11 OR WinnerNumber4 = 11 OR WinnerNumber5 = 11)"
                             " AND WeekDate <= #12/5/2026#"));
    EXPECT_EQ(lastPickedWeekStatement(secondOf(6, 2), 4, kDate),
              QStringLiteral("SELECT max(WeekNo) AS maxWeekNo FROM TBLRESULTS WHERE (WinnerNumber7 = 4"
                             " OR WinnerNumber8 = 4) AND WeekDate <= #12/5/2026#"));
    EXPECT_EQ(lastPickedWeekStatement(secondOf(4, 1), 4, kDate),
              QStringLiteral("SELECT max(WeekNo) AS maxWeekNo FROM TBLRESULTS WHERE (WinnerNumber5 = 4)"
                             " AND WeekDate <= #12/5/2026#"));
}

TEST(Statements, PowersAndDrawingSums)
{
    EXPECT_EQ(powerColumnStatement(3, 401, 500),
              QStringLiteral("SELECT WeekNo, WinnerNumber3 FROM TBLRESULTS WHERE WeekNo >= 401 AND WeekNo <= 500"
                             " ORDER BY WeekNo ASC"));
    EXPECT_EQ(drawingSumStatement(GameLayout::digits(3).drum(Drum::Main), 17),
              QStringLiteral("SELECT WinnerNumber1, WinnerNumber2, WinnerNumber3 FROM TBLRESULTS WHERE WeekNo = 17"));
    EXPECT_EQ(drawingSumStatement(mainOf(5), 1),
              QStringLiteral("SELECT WinnerNumber1, WinnerNumber2, WinnerNumber3, WinnerNumber4, WinnerNumber5"
                             " FROM TBLRESULTS WHERE WeekNo = 1"));
    EXPECT_EQ(drawingSumStatement(secondOf(5, 2), 8),
              QStringLiteral("SELECT WinnerNumber6, WinnerNumber7 FROM TBLRESULTS WHERE WeekNo = 8"));
    EXPECT_EQ(drawingSumStatement(secondOf(6, 1), 8),
              QStringLiteral("SELECT WinnerNumber7 FROM TBLRESULTS WHERE WeekNo = 8"));
}
