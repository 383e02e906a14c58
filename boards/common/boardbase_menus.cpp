#include "boards/common/boardbase.h"

void BoardBase::wireMenuHandlers() {}

void BoardBase::subLoadTicketTextFile() {}

void BoardBase::mnuFileExit_Click() {}
