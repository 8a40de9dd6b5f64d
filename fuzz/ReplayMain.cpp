// Runs a fuzz target once over every file named on the command line and every
// file in the folders named there, as libFuzzer replays a corpus, so builds
// without libFuzzer still check each target's seeds. A broken property aborts.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {
namespace fs = std::filesystem;

// The files named, those in a named folder in name order.
std::vector<fs::path> InputFiles(int argc, char** argv) {
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path named = argv[i];
        if (!fs::is_directory(named)) {
            files.push_back(named);
            continue;
        }
        std::vector<fs::path> inFolder;
        for (const fs::directory_entry& entry : fs::directory_iterator(named))
            if (entry.is_regular_file()) inFolder.push_back(entry.path());
        std::sort(inFolder.begin(), inFolder.end());
        files.insert(files.end(), inFolder.begin(), inFolder.end());
    }
    return files;
}

bool ReadBytes(const fs::path& file, std::string& bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}
} // namespace

int main(int argc, char** argv) {
    const std::vector<fs::path> files = InputFiles(argc, argv);
    if (files.empty()) {
        std::fprintf(stderr, "usage: %s FILE-OR-FOLDER... (no input found)\n", argv[0]);
        return 2;
    }
    std::string bytes;
    for (const fs::path& file : files) {
        if (!ReadBytes(file, bytes)) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 2;
        }
        std::fprintf(stderr, "replaying %s\n", file.c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", files.size());
    return 0;
}
