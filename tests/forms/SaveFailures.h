#pragma once
// Saves a user starts from a window, made to fail in every way a full save
// can: each of its writes in turn failing as on a full disk, and a file-size
// limit too small for the temporary file. After each failure the old file
// must be as it was byte for byte, the folder must hold the same entries (no
// temporary file, no file made for the save) and the error box must have
// been shown; the test checks that the window still holds the user's work.
// Then the same save, meeting no failure, must store it.

#include "data/TextFile.h"
#include "support/TempDir.h"
#include "widgets/Dialogs.h"
#include "widgets/Program.h"

#include <QString>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tbtest {

// Real file calls, except that the `failAt`-th write into the temporary file
// of a save of `file` fails with ENOSPC. Writes into other files (the
// settings file, written after a window moved) pass and are not counted.
class FailingWrites : public tb::FileOps {
public:
    FailingWrites(const std::string& file, int failAt)
        : prefix_("." + file + ".tmp-"), failAt_(failAt) {}
    long Write(int fd, const char* data, std::size_t size) override {
        if (IntoTheTemporaryFile(fd) && ++writes == failAt_) {
            errno = ENOSPC;
            return -1;
        }
        return FileOps::Write(fd, data, size);
    }
    // Writes into the temporary file so far, a failed one included.
    int writes = 0;

private:
    bool IntoTheTemporaryFile(int fd) const {
        std::error_code ec;
        const std::filesystem::path target =
            std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), ec);
        return !ec && target.filename().string().starts_with(prefix_);
    }

    std::string prefix_;
    int failAt_;
};

// Limits the size of the files this process writes while it lives. The
// program ignores SIGXFSZ, so a write past the limit fails with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

// The folder's entries but the settings file, which a window's move may
// write at any time.
inline std::vector<std::string> EntriesButSettings(const TempDir& dir) {
    std::vector<std::string> entries = dir.Entries();
    std::erase(entries, "tarnbeck.ini");
    return entries;
}

// Runs `save`, a user's action that replaces dir/`file` with `stored` (a
// click, and the hand-over it starts), under each failure in turn: a
// file-size limit one byte short of `stored` (the last write is cut short and
// the next one fails), then the N-th write into the temporary file failing,
// for N = 1, 2, ... After each failed save it checks the file, the folder and
// the error box, then calls `workKept` to check the window. The failing
// writes end with the first N the save no longer reaches: that save met no
// failure and must have stored `stored`. Stops at the first failure found.
inline void SaveUnderEveryFailure(const TempDir& dir, const std::string& file,
                                  const std::string& stored, const std::function<void()>& save,
                                  const std::function<void()>& workKept) {
    ASSERT_FALSE(stored.empty());
    const std::string before = dir.Read(file);
    const std::vector<std::string> entries = EntriesButSettings(dir);
    auto nothingChanged = [&] {
        EXPECT_EQ(dir.Read(file), before) << "the old file is kept byte for byte";
        EXPECT_EQ(EntriesButSettings(dir), entries) << "a file was left behind or removed";
        const std::vector<tb::Dialogs::Shown>& shown = tb::Dialogs::ShownDialogs();
        ASSERT_EQ(shown.size(), 1u) << "the error box, and nothing else";
        EXPECT_EQ(shown[0].kind, tb::Dialogs::Kind::Error);
        EXPECT_EQ(shown[0].text.section('\n', 0, 0), "Disk full") << "then the file and why";
        workKept();
        tb::Dialogs::ClearShown();
    };

    {
        const rlim_t bytes = stored.size() - 1;
        SCOPED_TRACE(file + ": a file-size limit of " + std::to_string(bytes) + " bytes");
        tb::Dialogs::ClearShown();
        // A placement pending now is written first, not under the limit.
        tb::WritePendingPlacements();
        {
            FileSizeLimit limit(bytes);
            save();
        }
        nothingChanged();
        if (::testing::Test::HasFailure()) return;
    }
    for (int failAt = 1;; ++failAt) {
        SCOPED_TRACE(file + ": write " + std::to_string(failAt) + " fails");
        tb::Dialogs::ClearShown();
        FailingWrites writes(file, failAt);
        {
            tb::ScopedFileOps failing(writes);
            save();
        }
        if (writes.writes < failAt) {
            EXPECT_GT(writes.writes, 0) << "the save wrote nothing";
            EXPECT_EQ(dir.Read(file), stored);
            return;
        }
        nothingChanged();
        if (::testing::Test::HasFailure()) return;
    }
}

} // namespace tbtest
