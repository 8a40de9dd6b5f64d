#pragma once
// What the fuzz targets share: one scratch folder per process, byte-exact
// file writing, a notifier that keeps quiet, and the check that ends the run
// when a property does not hold.

#include "data/Notifier.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tbfuzz {

// Made on first use and removed when the process ends. Inputs rewrite the
// files in it rather than making a folder each, which keeps runs fast.
const std::filesystem::path& ScratchFolder();
// Removes everything in the scratch folder.
void ClearScratchFolder();
void WriteFile(const std::filesystem::path& file, std::string_view bytes);

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

class QuietNotifier : public tb::Notifier {
public:
    void Message(const std::string&) override {}
};

// Names the property that failed on stderr and aborts, which libFuzzer
// reports as a crash and the replay as a failed test.
[[noreturn]] void PropertyFailed(const char* file, int line, const char* property);

} // namespace tbfuzz

#define FUZZ_CHECK(property)                                                                       \
    ((property) ? static_cast<void>(0) : tbfuzz::PropertyFailed(__FILE__, __LINE__, #property))
