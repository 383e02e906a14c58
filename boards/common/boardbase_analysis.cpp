#include "boards/common/boardbase.h"

void BoardBase::wireAnalysisHandlers() {}

void BoardBase::cmdPower_Click() {}

void BoardBase::subRefreshPool() {}
