#include "IniFile.h"

#include "Errors.h"
#include "Text.h"
#include "TextFile.h"

#include <cerrno>

namespace tb {
namespace fs = std::filesystem;

namespace {
std::string Trim(const std::string& text) {
    std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return "";
    std::size_t end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

bool IsSectionLine(const std::string& line, std::string& name) {
    std::string trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') return false;
    name = trimmed.substr(1, trimmed.size() - 2);
    return true;
}

bool SplitKeyLine(const std::string& line, std::string& key, std::string& value) {
    std::size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    key = Trim(line.substr(0, eq));
    value = Trim(line.substr(eq + 1));
    return true;
}

// Section and key names compare without regard to ASCII case.
bool SameName(const std::string& a, const std::string& b) {
    return UpperAscii(a) == UpperAscii(b);
}

std::vector<std::string> ReadIfPresent(const fs::path& file) {
    try {
        return ReadLines(file);
    } catch (const InOutError&) {
        return {};
    }
}

std::string UnableToWrite(const fs::path& file) {
    return "Unable to write to " + file.filename().string();
}

// The lines a write starts from: none for a missing file. A file that is
// there but cannot be read is not written at all, since the rewrite would
// keep only the section being written.
std::vector<std::string> ReadForRewrite(const fs::path& file) {
    try {
        return ReadLines(file);
    } catch (const InOutError& error) {
        if (IsMissingFileError(error)) return {};
        throw InOutError(UnableToWrite(file), error.ErrnoValue(), file);
    }
}
} // namespace

bool ParseIniInteger(const std::string& text, int& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        long long result = 0;
        for (std::size_t i = 2; i < text.size(); ++i) {
            char c = text[i];
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return false;
            result = result * 16 + digit;
            if (result > 0xFFFFFFFFLL) return false;
        }
        value = static_cast<int>(static_cast<unsigned int>(result));
        return true;
    }
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == text.size()) return false;
    for (std::size_t j = i; j < text.size(); ++j)
        if (text[j] < '0' || text[j] > '9') return false;
    return TryStrToInt(text, value);
}

std::optional<std::string> ReadIniText(const fs::path& file, const std::string& section,
                                       const std::string& key) {
    bool inSection = false;
    for (const std::string& line : ReadIfPresent(file)) {
        std::string name, k, v;
        if (IsSectionLine(line, name))
            inSection = SameName(name, section);
        else if (inSection && SplitKeyLine(line, k, v) && SameName(k, key))
            return v;
    }
    return std::nullopt;
}

int ReadIniInteger(const fs::path& file, const std::string& section, const std::string& key,
                   int defaultValue) {
    const std::optional<std::string> text = ReadIniText(file, section, key);
    int value;
    return text && ParseIniInteger(*text, value) ? value : defaultValue;
}

void WriteIniTexts(const fs::path& file, const std::string& section,
                   const std::vector<std::pair<std::string, std::string>>& values) {
    const std::vector<std::string> read = ReadForRewrite(file);
    std::vector<std::string> lines = read;
    for (const auto& [key, value] : values) {
        const std::string entry = key + "=" + value.substr(0, value.find_first_of("\r\n"));
        // Find the section, then the key inside it.
        std::size_t sectionLine = lines.size();
        std::size_t sectionEnd = lines.size();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::string name;
            if (!IsSectionLine(lines[i], name)) continue;
            if (sectionLine != lines.size()) {
                sectionEnd = i;
                break;
            }
            if (SameName(name, section)) sectionLine = i;
        }
        if (sectionLine == lines.size()) {
            if (!lines.empty() && !Trim(lines.back()).empty()) lines.push_back("");
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
            continue;
        }
        bool replaced = false;
        std::size_t lastEntry = sectionLine;
        for (std::size_t i = sectionLine + 1; i < sectionEnd; ++i) {
            std::string k, v;
            if (!SplitKeyLine(lines[i], k, v)) continue;
            lastEntry = i;
            if (SameName(k, key)) {
                lines[i] = entry;
                replaced = true;
                break;
            }
        }
        if (!replaced) lines.insert(lines.begin() + static_cast<long>(lastEntry) + 1, entry);
    }
    // A file that already says all this is left as it is.
    if (lines == read && !read.empty()) return;
    try {
        SaveLines(file, lines);
    } catch (const InOutError& error) {
        throw InOutError(UnableToWrite(file), error.ErrnoValue(), file);
    }
}

void WriteIniIntegers(const fs::path& file, const std::string& section,
                      const std::vector<std::pair<std::string, int>>& values) {
    std::vector<std::pair<std::string, std::string>> texts;
    for (const auto& [key, value] : values)
        texts.emplace_back(key, std::to_string(value));
    WriteIniTexts(file, section, texts);
}

} // namespace tb
