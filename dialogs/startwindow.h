#pragma once
// The start window as the rest of the program uses it.

class QWidget;

// The start window, created (not shown) when it does not exist; callers make it the window in
// front (gfrmCurrentBoard) where they need to.
QWidget *startWindow();
// Creates the start window when it does not exist and shows it modeless. It does not change the
// window in front (gfrmCurrentBoard); callers do that where they need it.
void showStartWindow();
// Hides and unloads the start window and clears its instance.
void unloadStartWindow();
