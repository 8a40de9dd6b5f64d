// Data folders as they may be found rather than as the program writes them:
// folders, FIFOs and devices where a file should be, files far too large,
// symbolic links, files an ordinary user may not read or write, short names
// that lead out of the folder, and score files differing only in case.

#include "data/CourseFile.h"
#include "data/Errors.h"
#include "data/GolferFile.h"
#include "data/IniFile.h"
#include "data/ScoreFile.h"
#include "data/ShortNames.h"
#include "data/TextFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <grp.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct RecordingNotifier : tb::Notifier {
    std::vector<std::string> messages;
    void Message(const std::string& text) override { messages.push_back(text); }
};

// The text of the input/output error `action` throws, or what went wrong.
std::string IoErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const tb::InOutError& e) {
        return e.Text();
    }
    return "(no error)";
}

const std::string Round = "20240601~OAK~85~71.2~121~~";

// The three readers of a data folder, each by the file it reads. The
// notifier must stay silent: a file that is there is never "not found".
struct Reader {
    const char* file;
    std::function<void(const fs::path&, tb::Notifier&)> read;
};
const Reader Readers[] = {
    {"SMITH.vxp",
     [](const fs::path& dir, tb::Notifier& n) {
         tb::ScoreList scores;
         tb::LoadGolferScores(dir, "SMITH", scores, n);
     }},
    {"courses.vxc",
     [](const fs::path& dir, tb::Notifier& n) {
         tb::CourseList courses;
         tb::LoadCourseList(dir, courses, n);
     }},
    {"golfers.vxc",
     [](const fs::path& dir, tb::Notifier& n) {
         tb::GolferList golfers;
         tb::LoadGolfers(dir, golfers, n);
     }},
};

std::string ReadError(const Reader& reader, const fs::path& dir) {
    RecordingNotifier notifier;
    const std::string error = IoErrorOf([&] { reader.read(dir, notifier); });
    return notifier.messages.empty() ? error : "read as missing";
}

TEST(OddFiles, WhatIsNoRegularFileOrFarTooLargeIsRefusedAtOnce) {
    const struct {
        const char* name;
        std::function<void(const fs::path&)> make;
        const char* error;
        bool refusedForSaving;
    } cases[] = {
        {"folder", [](const fs::path& p) { fs::create_directory(p); }, "File access denied", true},
        {"FIFO", [](const fs::path& p) { ::mkfifo(p.c_str(), 0644); }, "File access denied", true},
        {"endless device", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
         "File access denied", true},
        {"65 MiB file", [](const fs::path& p) { fs::resize_file((std::ofstream(p), p), 65 << 20); },
         "File too large", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tbtest::TempDir dir;
        for (const Reader& reader : Readers) {
            c.make(dir / reader.file);
            EXPECT_EQ(ReadError(reader, dir.path()), c.error) << reader.file;
        }
        if (!c.refusedForSaving) continue;
        tb::ScoreList scores{tb::ParseScoreLine(Round)};
        EXPECT_EQ(IoErrorOf([&] { tb::SaveGolferScores(dir.path(), "SMITH", scores); }),
                  "File access denied");
        EXPECT_EQ(IoErrorOf([&] { tb::SaveCourseList(dir.path(), {}); }), "File access denied");
        EXPECT_EQ(dir.Entries(),
                  (std::vector<std::string>{"SMITH.vxp", "courses.vxc", "golfers.vxc"}));
    }
}

TEST(OddFiles, ASaveWritesThroughASymbolicLinkToItsTarget) {
    tbtest::TempDir dir;
    fs::create_directory(dir / "real");
    dir.Write("real/courses.vxc", "OLD~70.0~113~72~\r\n");
    fs::create_symlink("real/courses.vxc", dir / "courses.vxc");
    fs::create_symlink("real/new.vxp", dir / "NEW.vxp"); // its target is not there yet
    tb::CourseList courses{tb::ParseCourseLine("NEW~69.0~120~71~")};
    tb::SaveCourseList(dir.path(), courses);
    tb::ScoreList scores{tb::ParseScoreLine(Round)};
    tb::SaveGolferScores(dir.path(), "NEW", scores);
    EXPECT_TRUE(fs::is_symlink(dir / "courses.vxc"));
    EXPECT_TRUE(fs::is_symlink(dir / "NEW.vxp"));
    EXPECT_EQ(dir.Read("real/courses.vxc"), tb::FormatCourseLine(courses[0]) + "\r\n");
    EXPECT_EQ(dir.Read("real/new.vxp"), tb::FormatScoreLine(scores[0]) + "\r\n");
    EXPECT_EQ(dir.Entries(),
              (std::vector<std::string>{"NEW.vxp", "backups", "courses.vxc", "real"}));
    EXPECT_EQ(tbtest::TempDir::EntriesOf(dir / "real"),
              (std::vector<std::string>{"courses.vxc", "new.vxp"}));
}

// Runs `check` as the user "nobody" in a child process (the tests run as
// root, whom file modes do not stop); gives what the check reported.
std::string AsOrdinaryUser(const std::function<std::string()>& check) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return "no pipe";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        std::string report = "could not become nobody";
        if (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0)
            report = check();
        if (::write(pipeFds[1], report.data(), report.size()) < 0) ::_exit(2);
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    ::waitpid(pid, nullptr, 0);
    return report;
}

TEST(OddFiles, FilesAnOrdinaryUserMayNotReadOrWriteAreLeftAsTheyAre) {
    tbtest::TempDir dir;
    fs::permissions(dir.path(), fs::perms::all);
    const std::string before = "[Other]\r\nKept=1\r\n";
    // Unreadable: every reader gives the error.
    for (const Reader& reader : Readers) {
        dir.Write(reader.file, before);
        fs::permissions(dir / reader.file, fs::perms::none);
        EXPECT_EQ(AsOrdinaryUser([&] { return ReadError(reader, dir.path()); }),
                  "File access denied")
            << reader.file;
    }
    // Read-only score file; write-only settings file (a rewrite needs it read).
    const struct {
        const char* file;
        fs::perms mode;
        std::function<void()> write;
        const char* error;
    } writes[] = {
        {"JONES.vxp", fs::perms::owner_read | fs::perms::others_read,
         [&] {
             tb::ScoreList scores{tb::ParseScoreLine(Round)};
             tb::SaveGolferScores(dir.path(), "JONES", scores);
         },
         "File access denied"},
        {"tarnbeck.ini", fs::perms::owner_write | fs::perms::others_write,
         [&] {
             tb::WriteIniIntegers(dir / "tarnbeck.ini", "Main", {{"Top", 1}});
         },
         "Unable to write to tarnbeck.ini"},
    };
    for (const auto& w : writes) {
        dir.Write(w.file, before);
        fs::permissions(dir / w.file, w.mode);
        EXPECT_EQ(AsOrdinaryUser([&] { return IoErrorOf(w.write); }), w.error) << w.file;
    }
    for (const std::string& file : dir.Entries())
        EXPECT_EQ(dir.Read(file), before) << file;
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"JONES.vxp", "SMITH.vxp", "courses.vxc",
                                                       "golfers.vxc", "tarnbeck.ini"}));
}

TEST(OddFiles, SettingsTheFileAlreadyHoldsAreNotWrittenAgain) {
    tbtest::TempDir dir;
    dir.Write("tarnbeck.ini", "[X]\nTop=1\n");
    tb::WriteIniIntegers(dir / "tarnbeck.ini", "X", {{"Top", 1}});
    EXPECT_EQ(dir.Read("tarnbeck.ini"), "[X]\nTop=1\n");
    tb::WriteIniIntegers(dir / "tarnbeck.ini", "X", {{"Top", 2}});
    EXPECT_EQ(dir.Read("tarnbeck.ini"), "[X]\r\nTop=2\r\n");
}

TEST(OddFiles, AShortNameThatIsNoPlainFileNameNamesNoFile) {
    tbtest::TempDir outside;
    fs::create_directory(outside / "data");
    const fs::path dir = outside / "data";
    outside.Write("up.vxp", Round + "\r\n");
    outside.Write("data/OLD.vxp", "");
    outside.Write("data/golfers.vxc", "");
    const std::vector<std::string> names = {
        "", ".", "..", "../up", outside.path().string() + "/up", "..\\up", "UP\tX", "UP\x7F"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(tb::IsPlainShortName(name));
        RecordingNotifier notifier;
        tb::ScoreList scores{tb::ParseScoreLine(Round)};
        tb::LoadGolferScores(dir, name, scores, notifier);
        EXPECT_TRUE(scores.empty());
        EXPECT_EQ(notifier.messages, std::vector<std::string>{"Error: Golfer score file \"" + name +
                                                              ".vxp\" not found."});
        EXPECT_EQ(
            IoErrorOf([&] { tb::LoadGolferScores(dir, name, scores, notifier, tb::HubRead); }),
            "File not found");
        scores = {tb::ParseScoreLine(Round)};
        EXPECT_EQ(IoErrorOf([&] { tb::SaveGolferScores(dir, name, scores); }), "File not found");
        EXPECT_FALSE(tb::ScoreFileExists(dir, name));
        EXPECT_FALSE(tb::RenameScoreFile(dir, "OLD", name));
        EXPECT_FALSE(tb::RenameScoreFile(dir, name, "NEW"));
        tb::DeleteScoreFile(dir, name);
        tb::GolferRec golfer;
        golfer.LongName = "Up";
        golfer.ShortName = name;
        tb::SaveGolfers(dir, {golfer});
        EXPECT_EQ(outside.Read("up.vxp"), Round + "\r\n");
        EXPECT_EQ(outside.Entries(), (std::vector<std::string>{"data", "up.vxp"}));
        EXPECT_EQ(tbtest::TempDir::EntriesOf(dir),
                  (std::vector<std::string>{"OLD.vxp", "backups", "golfers.vxc"}));
    }
    for (const char* plain : {"SMITH", "a.b", "...", "x y"})
        EXPECT_TRUE(tb::IsPlainShortName(plain)) << plain;
}

TEST(OddFiles, EachScannedScoreFileIsReadByOneGolferOnly) {
    tbtest::TempDir dir;
    dir.Write("SMITH.vxp", Round + "\r\n");
    dir.Write("SMITH.VXP", Round + "\r\n" + Round + "\r\n");
    dir.Write("Jones.VXP", Round + "\r\n");
    dir.Write("JONES.vxp", "");
    RecordingNotifier notifier;
    tb::GolferList golfers;
    tb::LoadGolfers(dir.path(), golfers, notifier);
    tb::SortGolfers(golfers);
    std::vector<std::string> shortNames;
    std::vector<std::size_t> rounds;
    for (const tb::GolferRec& golfer : golfers) {
        shortNames.push_back(golfer.ShortName);
        tb::ScoreList scores;
        tb::LoadGolferScores(dir.path(), golfer.ShortName.str(), scores, notifier);
        rounds.push_back(scores.size());
    }
    EXPECT_EQ(shortNames, (std::vector<std::string>{"JONES", "Jones", "SMITH"}));
    EXPECT_EQ(rounds, (std::vector<std::size_t>{0, 1, 1}));
    EXPECT_EQ(notifier.messages,
              (std::vector<std::string>{"The folder holds more than one score file for \"SMITH\"; "
                                        "\"SMITH.VXP\" is not read."}));
}

TEST(OddFiles, AScoreFileThatCannotBeMadeLeavesTheGolferListAsItWas) {
    tbtest::TempDir dir;
    dir.Write("golfers.vxc", "ADAMS~ADAMS~0~\r\n");
    fs::create_symlink("no/such/folder/x", dir / "NEW.vxp"); // cannot be created
    tb::GolferList golfers{tb::ParseGolferLine("ADAMS~ADAMS~0~"),
                           tb::ParseGolferLine("BAKER~BAKER~0~"),
                           tb::ParseGolferLine("NEW~NEW~0~")};
    EXPECT_EQ(IoErrorOf([&] { tb::SaveGolfers(dir.path(), golfers); }), "File not found");
    EXPECT_EQ(dir.Read("golfers.vxc"), "ADAMS~ADAMS~0~\r\n");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"NEW.vxp", "golfers.vxc"}));
}

} // namespace

TEST(ErrorTexts, NameTheFileAndTheSystemsReason) {
    tbtest::TempDir dir;
    struct FailingWrites : tb::FileOps {
        long Write(int, const char*, std::size_t) override { return errno = EFBIG, -1; }
    } writes;
    tb::ScopedFileOps failing(writes);
    std::filesystem::create_directory(dir.path() / "courses.vxc");
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { tb::ReadLines(dir.path() / "SMITH.vxp"); },
         "File not found\nSMITH.vxp: No such file or directory"},
        {[&] { tb::SaveCourseList(dir.path(), {}); },
         "File access denied\ncourses.vxc: Is a directory"},
        {[&] { tb::SaveLines(dir.path() / "golfers.vxc", {"A"}); },
         "Disk full\ngolfers.vxc: File too large"},
    };
    for (const auto& [action, shown] : cases) {
        try {
            action();
            ADD_FAILURE() << shown;
        } catch (const tb::InOutError& e) {
            EXPECT_EQ(e.what(), shown);
        }
    }
}
