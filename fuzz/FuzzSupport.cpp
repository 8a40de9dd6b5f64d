#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace tbfuzz {
namespace fs = std::filesystem;

namespace {
// Every save syncs its file: in memory that costs nothing, while on a disk
// the syncs would set the pace of the whole run.
fs::path ScratchParent() {
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0) return "/dev/shm";
    return fs::temp_directory_path();
}

class Scratch {
public:
    Scratch() {
        std::string pattern = (ScratchParent() / "tarnbeck-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("tarnbeck fuzz: no scratch folder");
            std::abort();
        }
        path_ = pattern;
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};
} // namespace

const fs::path& ScratchFolder() {
    static const Scratch scratch;
    return scratch.path();
}

void ClearScratchFolder() {
    for (const fs::directory_entry& entry : fs::directory_iterator(ScratchFolder()))
        fs::remove_all(entry.path());
}

void WriteFile(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "tarnbeck fuzz: cannot write %s\n", file.c_str());
        std::abort();
    }
}

void PropertyFailed(const char* file, int line, const char* property) {
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, property);
    std::abort();
}

} // namespace tbfuzz
