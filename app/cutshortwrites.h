#pragma once
// Writes cut short: what a copy of the program that ended in the middle of writing its files
// (killed, or the machine went down) left behind is made whole again by the next start.

// Brings back the files of writes cut short in the folders the program writes: the settings
// store, the board settings files in the program folder (for one that is a link, the folder of
// the file it leads to too) and the saved tickets. A ticket whose record was replaced without its
// text goes back to its old record (or away, when it was new); the files those writes made beside
// their targets go. Each folder is locked meanwhile, so that no copy of the program is writing
// there; a note of a write that the program cannot have written changes nothing and goes to the
// event log.
void subRecoverCutShortWrites();
