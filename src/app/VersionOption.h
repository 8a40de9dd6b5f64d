#pragma once
// The program's own command-line option, handled before the application
// object exists so that it needs no display.

namespace tb {

// With --version as the first argument: prints "tarnbeck VERSION" on stdout
// and returns true (the program then ends).
bool PrintVersionIfAsked(int argc, char** argv);

} // namespace tb
