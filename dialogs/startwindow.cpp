#include "dialogs/startwindow.h"

void showStartWindow() {}

void unloadStartWindow() {}
