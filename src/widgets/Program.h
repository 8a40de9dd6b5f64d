#pragma once
// State of the program as a whole that the windows share: whether it is
// ending, and how it ends.

namespace tb {

// True once the main window's Exit button was chosen: from then on the
// windows that remember their placement write nothing more.
extern bool Exiting;

// Ends the program at once with exit code 0. Tests replace it.
extern void (*TerminateProgram)();

// Asks every open window that holds unsaved work its own question, in the
// order the windows were opened. False when one of them is to stay (Cancel,
// or a save that failed): the program then goes on with every window as it
// was.
bool AskWindowsBeforeEnding();

// Writes the placement that open windows have not written yet.
void WritePendingPlacements();

// Writes the pending placements, then ends the program through
// TerminateProgram.
void EndProgram();

// A file-size limit then makes a write fail with an ordinary error (which a
// save reports and survives) instead of killing the program.
void IgnoreFileSizeSignal();

} // namespace tb
