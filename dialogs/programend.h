#pragma once
// The end of every Exit path (the start window's and the boards' File > Exit): closes the help
// window when one was started, releases the service objects in the order start-up created them
// and ends the program. A board saves its settings and unloads itself before it calls this.

void subEndProgram();
