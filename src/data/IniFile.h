#pragma once
// The window placement file: an initialisation file of "[Section]" lines and
// "Key=Value" lines. Opened and closed on every read and write; nothing is
// cached between calls.

#include <filesystem>
#include <optional>
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

// The text stored under section/key without its surrounding blanks, or none
// when the file, section or key is missing.
std::optional<std::string> ReadIniText(const std::filesystem::path& file,
                                       const std::string& section, const std::string& key);
// Stores the values under the section, replacing earlier ones and creating
// the section and keys when missing. Throws InOutError
// "Unable to write to <file name>" when the file cannot be written.
void WriteIniIntegers(const std::filesystem::path& file, const std::string& section,
                      const std::vector<std::pair<std::string, int>>& values);
// The same for texts. A text is kept up to its first line end, which would
// otherwise break the file's lines.
void WriteIniTexts(const std::filesystem::path& file, const std::string& section,
                   const std::vector<std::pair<std::string, std::string>>& values);

} // namespace tb
