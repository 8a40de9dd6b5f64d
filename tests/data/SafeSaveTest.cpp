// Saving a score file, the course list or the golfer list must never damage
// the file already on disk: whichever low-level call fails, the old file
// stays byte for byte, no temporary file is left behind, the list in memory
// is as it was and the user sees the input/output error.

#include "data/CourseFile.h"
#include "data/Errors.h"
#include "data/GolferFile.h"
#include "data/ScoreFile.h"
#include "data/TextFile.h"
#include "support/CorePrinters.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

enum class Call { Write, WriteNothing, Fsync, Close, Rename };

// Real file calls, except that one chosen call fails with a chosen errno.
class FailingOps : public tb::FileOps {
public:
    FailingOps(Call call, int failAtWrite, int error)
        : call_(call), failAt_(failAtWrite), error_(error) {}
    long Write(int fd, const char* data, std::size_t size) override {
        ++writes;
        if (call_ == Call::Write && writes == failAt_) return Fail();
        if (call_ == Call::WriteNothing && writes == failAt_) return 0;
        return FileOps::Write(fd, data, size);
    }
    int Fsync(int fd) override { return call_ == Call::Fsync ? Fail() : FileOps::Fsync(fd); }
    int Close(int fd) override {
        int result = FileOps::Close(fd); // the descriptor is gone either way
        return call_ == Call::Close ? Fail() : result;
    }
    int Rename(const char* from, const char* to) override {
        return call_ == Call::Rename ? Fail() : FileOps::Rename(from, to);
    }
    int writes = 0;

private:
    int Fail() {
        errno = error_;
        return -1;
    }
    Call call_;
    int failAt_;
    int error_;
};

// Real file calls that write one byte at a time and are interrupted once.
class TrickleOps : public tb::FileOps {
public:
    long Write(int fd, const char* data, std::size_t) override {
        if (!interrupted_) {
            interrupted_ = true;
            errno = EINTR;
            return -1;
        }
        return FileOps::Write(fd, data, 1);
    }

private:
    bool interrupted_ = false;
};

tb::ScoreRec Round(int day) {
    tb::ScoreRec rec = tb::ParseScoreLine("200101" + std::to_string(10 + day % 20) +
                                          "~OAK HOLLOW~85~71.2~121~~5~4~4~3~5~");
    rec.AdjScore = "83";
    return rec;
}

// Runs `save` against `dir` under every failure a full save can meet and
// checks that nothing on disk or in memory changed. `save` saves into the
// folder it is given; `listUnchanged` checks the in-memory list.
void ExpectEveryFailureIsSafe(const tbtest::TempDir& dir, const std::string& file,
                              const std::function<void(const fs::path&)>& save,
                              const std::function<void()>& listUnchanged) {
    const std::string before = dir.Read(file);
    const std::vector<std::string> entries = dir.Entries();

    // How many writes a full save makes, measured in a scratch folder.
    tbtest::TempDir scratch;
    FailingOps counter(Call::Write, 0, 0);
    {
        tb::ScopedFileOps scoped(counter);
        save(scratch.path());
    }
    ASSERT_GE(counter.writes, 1);

    struct Failure {
        std::string name;
        Call call;
        int failAt;
        int error;
        std::string text;
    };
    std::vector<Failure> failures;
    for (int n = 1; n <= counter.writes; ++n)
        failures.push_back({"write " + std::to_string(n), Call::Write, n, ENOSPC, "Disk full"});
    failures.push_back({"write takes nothing", Call::WriteNothing, 1, 0, "Disk full"});
    failures.push_back({"write denied", Call::Write, 1, EACCES, "File access denied"});
    failures.push_back({"fsync", Call::Fsync, 0, EIO, "I/O error 5"});
    failures.push_back({"close", Call::Close, 0, EDQUOT, "Disk full"});
    failures.push_back({"rename", Call::Rename, 0, EACCES, "File access denied"});

    for (const Failure& f : failures) {
        SCOPED_TRACE(file + ": " + f.name);
        FailingOps ops(f.call, f.failAt, f.error);
        tb::ScopedFileOps scoped(ops);
        try {
            save(dir.path());
            ADD_FAILURE() << "the save did not fail";
        } catch (const tb::InOutError& e) {
            EXPECT_EQ(e.Text(), f.text);
        }
        EXPECT_EQ(dir.Read(file), before);
        EXPECT_EQ(dir.Entries(), entries);
        listUnchanged();
    }
}

TEST(SafeSave, ScoreFileSurvivesEveryFailure) {
    tbtest::TempDir dir;
    dir.Write("SMITH.vxp", "19990101~OLD COURSE~80~70.0~113~old~\r\n\r\n");
    tb::ScoreList list;
    for (int day = 0; day < 12; ++day)
        list.push_back(Round(day));
    list[3].Comment = "cut\0here"s; // a successful save would cut it in the list
    const tb::ScoreList original = list;
    ExpectEveryFailureIsSafe(
        dir, "SMITH.vxp",
        [&](const fs::path& d) {
            if (d == dir.path()) {
                tb::SaveScores(d / "SMITH.vxp", list);
            } else {
                tb::ScoreList copy = list;
                tb::SaveScores(d / "SMITH.vxp", copy);
            }
        },
        [&] { EXPECT_EQ(list, original); });
}

TEST(SafeSave, MissingScoreFileStaysMissingOnFailure) {
    tbtest::TempDir dir;
    tb::ScoreList list = {Round(1)};
    FailingOps ops(Call::Rename, 0, ENOSPC);
    tb::ScopedFileOps scoped(ops);
    EXPECT_THROW(tb::SaveScores(dir / "NEW.vxp", list), tb::InOutError);
    EXPECT_TRUE(dir.Entries().empty());
}

TEST(SafeSave, CourseListSurvivesEveryFailure) {
    tbtest::TempDir dir;
    dir.Write("courses.vxc", "OLD~70.0~113~72~\r\n");
    tb::CourseList list;
    for (int i = 0; i < 9; ++i)
        list.push_back(tb::ParseCourseLine("COURSE " + std::to_string(i) + "~71.2~121~72~4~"));
    const tb::CourseList original = list;
    ExpectEveryFailureIsSafe(
        dir, "courses.vxc", [&](const fs::path& d) { tb::SaveCourseList(d, list); },
        [&] { EXPECT_EQ(list, original); });
}

TEST(SafeSave, GolferListSurvivesEveryFailureAndCreatesNoScoreFile) {
    tbtest::TempDir dir;
    dir.Write("golfers.vxc", "ADAMS~ADAMS~0~\r\n");
    dir.Write("ADAMS.vxp", "");
    tb::GolferList list;
    for (const char* line : {"ADAMS~ADAMS~0~", "BAKER~BAKER~1~", "COOK~COOK~0~", "DEAN~DEAN~1~"})
        list.push_back(tb::ParseGolferLine(line));
    const tb::GolferList original = list;
    ExpectEveryFailureIsSafe(
        dir, "golfers.vxc", [&](const fs::path& d) { tb::SaveGolfers(d, list); },
        [&] { EXPECT_EQ(list, original); });
}

TEST(SafeSave, ShortAndInterruptedWritesStillWriteEverything) {
    tbtest::TempDir dir;
    tb::ScoreList list = {Round(1), Round(2), Round(3)};
    tb::SaveScores(dir / "A.vxp", list);
    TrickleOps ops;
    {
        tb::ScopedFileOps scoped(ops);
        tb::SaveScores(dir / "B.vxp", list);
    }
    EXPECT_EQ(dir.Read("B.vxp"), dir.Read("A.vxp"));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"A.vxp", "B.vxp"}));
}

TEST(SafeSave, KeepsTheFilePermissions) {
    tbtest::TempDir dir;
    dir.Write("SMITH.vxp", "");
    ::chmod((dir / "SMITH.vxp").c_str(), 0640);
    tb::ScoreList list = {Round(1)};
    tb::SaveScores(dir / "SMITH.vxp", list);
    struct stat st {};
    ASSERT_EQ(::stat((dir / "SMITH.vxp").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// A real full disk: a child process may not write files over 4 KB, and saves
// a list bigger than that. The child reports through its exit code: 0 the
// save failed with "Disk full", 1 it succeeded, 2 another error text, 3
// another exception.
void ExpectDiskFullInChild(const tbtest::TempDir& dir, const std::string& file,
                           const std::function<void()>& save) {
    const std::string before = dir.Read(file);
    const std::vector<std::string> entries = dir.Entries();
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {
            4096, 4096
        };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        int code = 1;
        try {
            save();
        } catch (const tb::InOutError& e) {
            code = std::string(e.Text()) == "Disk full" ? 0 : 2;
        } catch (...) {
            code = 3;
        }
        ::_exit(code);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << file;
    EXPECT_EQ(WEXITSTATUS(status), 0) << file;
    EXPECT_EQ(dir.Read(file), before) << file;
    EXPECT_EQ(dir.Entries(), entries) << file;
}

TEST(SafeSave, FileSizeLimitGivesDiskFullAndKeepsTheOldFiles) {
    tbtest::TempDir dir;
    dir.Write("SMITH.vxp", "19990101~OLD COURSE~80~70.0~113~old~\r\n");
    dir.Write("courses.vxc", "OLD~70.0~113~72~\r\n");
    dir.Write("golfers.vxc", "ADAMS~ADAMS~0~\r\n");
    dir.Write("ADAMS.vxp", "");

    tb::ScoreList scores;
    for (int day = 0; day < 150; ++day)
        scores.push_back(Round(day));
    ExpectDiskFullInChild(dir, "SMITH.vxp", [&] { tb::SaveScores(dir / "SMITH.vxp", scores); });

    tb::CourseList courses;
    for (int i = 0; i < 200; ++i)
        courses.push_back(
            tb::ParseCourseLine("COURSE " + std::to_string(i) + "~71.2~121~72~4~4~3~5~4~4~3~4~5~"));
    ExpectDiskFullInChild(dir, "courses.vxc", [&] { tb::SaveCourseList(dir.path(), courses); });

    tb::GolferList golfers;
    for (int i = 0; i < 300; ++i)
        golfers.push_back(tb::ParseGolferLine("GOLFER NUMBER " + std::to_string(i) + "~G" +
                                              std::to_string(i) + "~0~"));
    ExpectDiskFullInChild(dir, "golfers.vxc", [&] { tb::SaveGolfers(dir.path(), golfers); });
}

} // namespace
