#include "boards/common/boardbase.h"

void BoardBase::subLoadTicketTextFile() {}

void BoardBase::mnuFileExit_Click() {}
