// tarnbeck-bench-data DIR [GOLFERS [SCORES]]: writes a benchmark data folder
// (300 golfers with 200 scores each unless told otherwise) and prints the
// golfers' short names, one a line, in golfer list order.

#include "BenchData.h"

#include <cstdlib>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::cerr << "usage: tarnbeck-bench-data DIR [GOLFERS [SCORES]]\n";
        return 2;
    }
    tbbench::BenchFolderSize size;
    if (argc > 2) size.golfers = std::atoi(argv[2]);
    if (argc > 3) size.scoresPerGolfer = std::atoi(argv[3]);
    if (size.golfers < 0 || size.scoresPerGolfer < 0) {
        std::cerr << "tarnbeck-bench-data: counts must not be negative\n";
        return 2;
    }
    try {
        for (const std::string& shortName : tbbench::WriteBenchFolder(argv[1], size))
            std::cout << shortName << '\n';
    } catch (const std::exception& error) {
        std::cerr << "tarnbeck-bench-data: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
