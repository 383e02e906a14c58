#include "boards/common/boardbase.h"

void BoardBase::subLoadTicketTextFile() {}
