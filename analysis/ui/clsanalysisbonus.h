#pragma once
// The second-drum twin of the analysis service: the power table, pool grid, power interval and
// table orders of the second drum of the two-pool board, as clsAnalysis has them for the main drum.

#include <QString>
#include <cstdint>

class clsAnalysisBONUS {
public:
    void subCalculatePowerTableBONUS();
    void subShowPowerTableRowBONUS(int32_t ball);
    void subResetColorOfHighlightedBallsBONUS();

    // "1/" and glngPoolTotal of the second drum / count; empty for a count of 0 or less.
    QString fncPoolOddsTextBONUS(int64_t count);
    void subFillPoolGridBONUS();

    void subShowPowerIntervalBONUS();

    void subRefreshPowerTableOrderBONUS();
    void subRankByLastPickedWeekBONUS();
    void subRankByPowerPercentageBONUS();
    void subCALCULATEorderBYlastPICKEDWEEKBONUS();
    void subCALCULATEorderBYpowerPERCENTAGEBONUS();
    void subCalculateOrderByPickCountBONUS();
    void subCalculateOrderByBallNumberBONUS();
};
