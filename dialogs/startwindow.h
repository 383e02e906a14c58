#pragma once
// The start window as the rest of the program uses it.

class QWidget;

// Makes the start window (created when it does not exist) the window in front: it becomes
// gfrmCurrentBoard, its captions and status line are written for the present state, and it shows.
void showStartWindowInFront();
// Creates the start window when it does not exist and shows it modeless. It does not change the
// window in front (gfrmCurrentBoard); callers do that where they need it.
void showStartWindow();
// Hides and unloads the start window and clears its instance.
void unloadStartWindow();
