#pragma once

// Starts the program: services, folders, the single-instance check, then the last lottery or the
// start window; returns the exit code.
int runTalvinor(int argc, char **argv);

// Begins reading the drawings of the last lottery, which the program opens with and which take
// longest of all to read, on a thread beside the whole start (before Main), once this copy holds
// the single-instance lock and when the catalogues list the lottery: the opening of that lottery
// takes them over, and any other end forgets them.
void subReadLastLotteryAhead();

// The start-up procedure inside a running application: false when another copy is running and
// this one must end at once (after logging it), true when the start window or the last lottery is
// in front.
bool Main();
