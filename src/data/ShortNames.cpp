#include "ShortNames.h"

#include "Backups.h"
#include "ScoreFile.h"
#include "TextFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace tb {
namespace fs = std::filesystem;

bool IsShortNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

bool HasOnlyShortNameChars(std::string_view name) {
    for (char c : name)
        if (!IsShortNameChar(c)) return false;
    return true;
}

bool IsPlainShortName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) return false;
    }
    return true;
}

std::string ShortNameBase(std::string_view longName) {
    std::string base(longName.substr(0, MaxShortNameLength));
    for (char& c : base) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (!IsShortNameChar(c)) c = '_';
    }
    return base;
}

std::string ShortNameCandidate(std::string_view base, int n) {
    if (n <= 0) return std::string(base);
    const std::size_t kept = n <= 9 ? 7 : n <= 99 ? 6 : 5;
    return std::string(base.substr(0, kept)) + std::to_string(n);
}

std::string UniqueShortName(std::string_view base,
                            const std::function<bool(const std::string&)>& taken) {
    if (base.empty()) return "";
    for (int n = 0;; ++n) {
        std::string candidate = ShortNameCandidate(base, n);
        if (candidate.size() > MaxShortNameLength) return std::string(base);
        if (!taken(candidate)) return candidate;
    }
}

bool ScoreFileExists(const fs::path& dir, std::string_view shortName) {
    return IsPlainShortName(shortName) && FileExists(FindFileNoCase(dir, ScoreFileName(shortName)));
}

std::string ProposeShortName(const fs::path& dir, std::string_view longName, bool unique) {
    std::string base = ShortNameBase(longName);
    if (!unique) return base;
    return UniqueShortName(
        base, [&dir](const std::string& candidate) { return ScoreFileExists(dir, candidate); });
}

namespace {
bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}
} // namespace

bool CanRenameScoreFile(const fs::path& dir, std::string_view oldShortName,
                        std::string_view newShortName) {
    if (!IsPlainShortName(oldShortName) || !IsPlainShortName(newShortName)) return false;
    const fs::path from = FindFileNoCase(dir, ScoreFileName(oldShortName));
    if (!FileExists(from)) return false;
    // A file answering to the new name in another case would take over the
    // golfer's scores on a case-blind system: refuse it as well. The old
    // file itself may answer to it when only the case of the name changes.
    const fs::path clash = FindFileNoCase(dir, ScoreFileName(newShortName));
    return !FileExists(clash) || SameFile(clash, from);
}

bool RenameScoreFile(const fs::path& dir, std::string_view oldShortName,
                     std::string_view newShortName) {
    if (!CanRenameScoreFile(dir, oldShortName, newShortName)) return false;
    const fs::path from = FindFileNoCase(dir, ScoreFileName(oldShortName));
    const fs::path to = dir / ScoreFileName(newShortName);
    if (from == to) return true;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without the no-replace rename: the checks above stand in
    // for it.
    if (FileExists(to)) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

void DeleteScoreFile(const fs::path& dir, std::string_view shortName) {
    if (!IsPlainShortName(shortName)) return;
    const fs::path file = FindFileNoCase(dir, ScoreFileName(shortName));
    // The rounds are kept in the backups first; a missing file, or one that
    // cannot be deleted, is not reported.
    PendingDeletion(file).Delete();
}

} // namespace tb
