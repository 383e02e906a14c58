#include "boards/common/boardbase.h"

void BoardBase::cmdPower_Click() {}

void BoardBase::subRefreshPool() {}
