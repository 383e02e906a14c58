#pragma once
// The end of every Exit path (the start window's and the boards' File > Exit): closes the help
// window when one was started, releases the service objects in the order start-up created them
// and ends the program. A board saves its settings and unloads itself before it calls this.
// Asked for during start-up, the end waits until start-up is over (subEndAfterStartUp).

void subEndProgram();

// Run when start-up is over: an Exit asked for during start-up ends the program as soon as its
// event loop runs, through the Exit of the window then in front.
void subEndAfterStartUp();
