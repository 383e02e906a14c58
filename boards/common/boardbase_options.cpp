#include "boards/common/boardbase.h"

void BoardBase::wireWindowHandlers() {}

void BoardBase::chkGuaranteeNumbers_Click() {}

void BoardBase::chkCompareWithGuess_Click() {}
