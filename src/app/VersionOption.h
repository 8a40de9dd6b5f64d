#pragma once
// The program's own command-line options, handled before the application
// object exists so that they need no display and no data folder.

namespace tb {

// With --version as the first argument: prints "tarnbeck VERSION" on stdout
// and returns true (the program then ends).
bool PrintVersionIfAsked(int argc, char** argv);

// With --help as the first argument: prints the usage on stdout and returns
// true (the program then ends).
bool PrintUsageIfAsked(int argc, char** argv);

} // namespace tb
