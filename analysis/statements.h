#pragma once
// The texts of the statistics, power and drawing-sum queries on TBLRESULTS. The analysis works on
// the drawings held in memory; these statements define what it computes, and the tests run them
// on a results database to show that both give the same numbers. Numbers are written in plain
// decimal, dates as the #m/d/yyyy# literal that the connection layer turns into ISO text.

#include "analysis/drum.h"

#include <QDate>
#include <QString>
#include <cstdint>

// Pick count of one ball: field 0 (main and digit drums) or field BONUSnumber1 (second drum).
QString countPicksStatement(const DrumShape &drum, int32_t ball, int32_t fromWeek, const QDate &upToDate);
// Last picked week of one ball: field maxWeekNo.
QString lastPickedWeekStatement(const DrumShape &drum, int32_t ball, const QDate &upToDate);
// The week numbers and one result column (1-based) of the window, in week order.
QString powerColumnStatement(int32_t column, int32_t fromWeek, int32_t toWeek);
// The drum's numbers of one drawing.
QString drawingSumStatement(const DrumShape &drum, int32_t weekNo);
