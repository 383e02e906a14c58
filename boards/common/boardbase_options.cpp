#include "boards/common/boardbase.h"

void BoardBase::chkGuaranteeNumbers_Click() {}

void BoardBase::chkCompareWithGuess_Click() {}
