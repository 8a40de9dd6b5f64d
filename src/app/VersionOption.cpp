#include "VersionOption.h"

#include "tarnbeck/Version.h"

#include <cstdio>
#include <cstring>

namespace tb {

namespace {
bool FirstArgumentIs(int argc, char** argv, const char* option) {
    return argc >= 2 && std::strcmp(argv[1], option) == 0;
}
} // namespace

bool PrintVersionIfAsked(int argc, char** argv) {
    if (!FirstArgumentIs(argc, argv, "--version")) return false;
    std::printf("tarnbeck %s\n", Version);
    return true;
}

bool PrintUsageIfAsked(int argc, char** argv) {
    if (!FirstArgumentIs(argc, argv, "--help")) return false;
    std::printf("usage: tarnbeck\n"
                "       tarnbeck --help | --version\n"
                "Keeps golf scores and handicaps in the data files of the current folder.\n"
                "One program at a time works on a folder: a second one started there says\n"
                "which program holds it and ends with status 1.\n");
    return true;
}

} // namespace tb
