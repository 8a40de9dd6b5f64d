// A window placement file of any bytes, then one write of two keys into one
// section: the keys written read back as written, and every other key, in
// that section or any other, reads as it did before. The section, the keys
// and the values are picked by a hash of the bytes among names the file
// holds and names it does not, so writes both replace and add.

#include "FuzzSupport.h"
#include "data/IniFile.h"
#include "data/Text.h"
#include "data/TextFile.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace {
namespace fs = std::filesystem;

// Returned for a key that is missing or no number, before and after alike.
constexpr int NoValue = -12345;
// Names looked at per kind: each pair of them is read twice per input.
constexpr std::size_t MaxNames = 6;

std::string_view Trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

struct Names {
    std::vector<std::string> sections{"Fresh"};
    std::vector<std::string> keys{"Fresh"};
};

// "[name]" lines give sections, "key=value" lines keys.
Names NamesIn(std::string_view bytes) {
    Names names;
    for (std::string_view line : tb::SplitLines(bytes)) {
        const std::string_view trimmed = Trim(line);
        const std::size_t equals = line.find('=');
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
            if (names.sections.size() < MaxNames)
                names.sections.emplace_back(trimmed.substr(1, trimmed.size() - 2));
        } else if (equals != std::string_view::npos && names.keys.size() < MaxNames) {
            names.keys.emplace_back(Trim(line.substr(0, equals)));
        }
    }
    return names;
}

std::uint32_t Hash(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (char c : bytes)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

bool SameName(const std::string& a, const std::string& b) {
    return tb::UpperAscii(a) == tb::UpperAscii(b);
}

using Readings = std::vector<int>; // one per section and key pair, sections outer

Readings ReadAll(const fs::path& file, const Names& names) {
    Readings readings;
    for (const std::string& section : names.sections)
        for (const std::string& key : names.keys)
            readings.push_back(tb::ReadIniInteger(file, section, key, NoValue));
    return readings;
}

struct Write {
    std::string section;
    std::vector<std::pair<std::string, int>> values;
};

Write PickWrite(const Names& names, std::uint32_t hash) {
    const std::vector<std::string>& keys = names.keys;
    return {names.sections[hash % names.sections.size()],
            {{keys[(hash >> 8) % keys.size()], static_cast<int>(hash)},
             {keys[(hash >> 16) % keys.size()], static_cast<int>(hash * 7u)}}};
}

// What a key reads after the write: the last value written to it, or what it
// read before.
int Expected(const std::string& section, const std::string& key, int before, const Write& write) {
    int value = before;
    if (SameName(section, write.section))
        for (const auto& [writtenKey, writtenValue] : write.values)
            if (SameName(key, writtenKey)) value = writtenValue;
    return value;
}

void CheckReadings(const Names& names, const Readings& before, const Readings& after,
                   const Write& write) {
    std::size_t pair = 0;
    for (const std::string& section : names.sections)
        for (const std::string& key : names.keys) {
            FUZZ_CHECK(after[pair] == Expected(section, key, before[pair], write));
            ++pair;
        }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = tbfuzz::AsText(data, size);
    const fs::path file = tbfuzz::ScratchFolder() / "tarnbeck.ini";
    tbfuzz::WriteFile(file, bytes);
    const Names names = NamesIn(bytes);
    const Write write = PickWrite(names, Hash(bytes));
    const Readings before = ReadAll(file, names);
    tb::WriteIniIntegers(file, write.section, write.values);
    CheckReadings(names, before, ReadAll(file, names), write);
    return 0;
}
