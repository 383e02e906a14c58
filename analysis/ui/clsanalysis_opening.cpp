#include "analysis/ui/clsanalysis.h"

void clsAnalysis::subOpenSelectedLottery() {}

void clsAnalysis::subReopenCurrentLottery() {}
