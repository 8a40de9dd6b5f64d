#pragma once
// A data folder the size the program is built for: a golfer list, a course
// list and one score file per golfer, with rounds that look like real play.

#include <filesystem>
#include <string>
#include <vector>

namespace tbbench {

struct BenchFolderSize {
    int golfers = 300;
    int scoresPerGolfer = 200;
    int courses = 200;        // the first 12 are the ones the rounds are played on
    unsigned seed = 20240601; // the same seed always writes the same bytes
};

// Writes golfers.vxc, courses.vxc, strokeidx.vxc and <SHORT>.vxp for every golfer into `dir`
// (created when missing), CR LF line ends, the score files newest first as
// the program saves them. Gives the short names in golfer list order.
std::vector<std::string> WriteBenchFolder(const std::filesystem::path& dir,
                                          const BenchFolderSize& size = {});

} // namespace tbbench
