#pragma once
// The window placement file: an initialisation file of "[Section]" lines and
// "Key=Value" lines. Opened and closed on every read and write; nothing is
// cached between calls.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tb {

// The integer stored under section/key, or `defaultValue` when the file,
// section or key is missing or the text is no number. A text longer than 2
// characters that begins with "0x" or "0X" is hexadecimal.
int ReadIniInteger(const std::filesystem::path& file, const std::string& section,
                   const std::string& key, int defaultValue);

// Parses an integer as the placement file stores it; false when it is none.
bool ParseIniInteger(const std::string& text, int& value);

// Stores the values under the section, replacing earlier ones and creating
// the section and keys when missing. Throws InOutError
// "Unable to write to <file name>" when the file cannot be written.
void WriteIniIntegers(const std::filesystem::path& file, const std::string& section,
                      const std::vector<std::pair<std::string, int>>& values);

} // namespace tb
