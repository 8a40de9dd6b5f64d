#include "VersionOption.h"

#include "tarnbeck/Version.h"

#include <cstdio>
#include <cstring>

namespace tb {

bool PrintVersionIfAsked(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--version") != 0) return false;
    std::printf("tarnbeck %s\n", Version);
    return true;
}

} // namespace tb
