#pragma once
// The program's boards: the board of each family, made by the board factory of the window
// switching (see dialogs/iboard.h).

// Makes createBoard give the program's own board of each family.
void useProgramBoards();
