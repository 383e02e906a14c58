#pragma once

// Starts the program: services, folders, the single-instance check, then the last lottery or the
// start window; returns the exit code.
int runTalvinor(int argc, char **argv);
