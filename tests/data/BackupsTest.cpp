// The version a save replaces is kept in backups/: for every kind of save of
// a data file and for a deleted score file, never for report or settings
// files, pruned by the retention rule, and put back byte for byte.

#include "data/Backups.h"
#include "data/CourseFile.h"
#include "data/Errors.h"
#include "data/GolferFile.h"
#include "data/IniFile.h"
#include "data/ScoreFile.h"
#include "data/ShortNames.h"
#include "print/core/CsvExport.h"
#include "print/core/Report.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <iterator>

namespace {
namespace fs = std::filesystem;
using namespace std::chrono;

// Old bytes in a layout no save writes (LF alone, no last line end), so a
// kept or restored copy is known to be the file itself.
constexpr const char* OldBytes = "OLD~71.2~121~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\nSECOND";

struct KeepCase {
    const char* name;
    const char* file;     // present before the save, holding OldBytes; "" for none
    const char* keptName; // the name its versions are kept under; "" when none is kept
    std::function<void(const fs::path&)> save;
};

struct Quiet : tb::Notifier {
    void Message(const std::string&) override {}
};

std::string VersionBytes(const tbtest::TempDir& dir, const std::string& name, std::size_t index) {
    const auto versions = tb::ListBackups(dir.path(), name);
    if (index >= versions.size()) return "<no version>";
    std::ifstream in(tb::BackupVersionPath(dir.path(), name, versions[index].id), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Backups, KeptOnEverySaveOfADataFileAndOnDeleteOnly) {
    tb::ScoreList rounds{tb::ParseScoreLine("20260101~OAK~85~71.2~121~~5~4~")};
    const std::vector<KeepCase> cases = {
        {"score file", "SMITH.vxp", "SMITH.vxp",
         [&](const fs::path& d) { tb::SaveGolferScores(d, "SMITH", rounds); }},
        {"score file in another case", "Smith.VXP", "Smith.VXP",
         [&](const fs::path& d) { tb::SaveGolferScores(d, "SMITH", rounds); }},
        {"golfer list", "golfers.vxc", "golfers.vxc",
         [](const fs::path& d) { tb::SaveGolfers(d, {}); }},
        {"course list", "courses.vxc", "courses.vxc",
         [](const fs::path& d) { tb::SaveCourseList(d, {}); }},
        {"deleted score file", "JONES.vxp", "JONES.vxp",
         [](const fs::path& d) { tb::DeleteScoreFile(d, "JONES"); }},
        {"new score file", "", "",
         [&](const fs::path& d) { tb::SaveScores(d / "NEW.vxp", rounds); }},
        {"report file", "SMITH.vxo", "",
         [](const fs::path& d) { tb::SaveReport(d / "SMITH.vxo", {}); }},
        {"export", "all.csv", "", [](const fs::path& d) { tb::SaveCsv(d / "all.csv", {"a"}); }},
        {"settings", "tarnbeck.ini", "",
         [](const fs::path& d) {
             tb::WriteIniIntegers(d / "tarnbeck.ini", "X", {{"Top", 1}});
         }},
        {"starter list taken as the course list", "sample.vxc", "",
         [](const fs::path& d) {
             tb::CourseList courses;
             Quiet quiet;
             tb::LoadCourseList(d, courses, quiet);
         }},
    };
    for (const KeepCase& c : cases) {
        SCOPED_TRACE(c.name);
        tbtest::TempDir dir;
        if (*c.file) dir.Write(c.file, OldBytes);
        c.save(dir.path());
        if (!*c.keptName) {
            EXPECT_FALSE(dir.Exists(tb::BackupFolderName));
            continue;
        }
        EXPECT_EQ(tb::FilesWithBackups(dir.path()), std::vector<std::string>{c.keptName});
        EXPECT_EQ(tb::ListBackups(dir.path(), c.keptName).size(), 1u);
        EXPECT_EQ(VersionBytes(dir, c.keptName, 0), OldBytes);
    }
}

TEST(Backups, NoSaveWithoutItsBackup) {
    tbtest::TempDir dir;
    dir.Write("SMITH.vxp", OldBytes);
    dir.Write(tb::BackupFolderName, "a file where the folder should be");
    tb::ScoreList rounds;
    try {
        tb::SaveGolferScores(dir.path(), "SMITH", rounds);
        ADD_FAILURE() << "saved without a backup";
    } catch (const tb::InOutError& e) {
        EXPECT_STREQ(e.what(), "\"SMITH.vxp\" was not saved: no backup of it could be kept (Path "
                               "not found).");
    }
    EXPECT_EQ(dir.Read("SMITH.vxp"), OldBytes);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"SMITH.vxp", tb::BackupFolderName}));

    // A golfer deleted from the list: nothing is written, the list included.
    tb::ScoreFileChanges changes;
    changes.AddDeletion("SMITH");
    EXPECT_THROW(tb::SaveGolfersWithFiles(dir.path(), {}, changes), tb::InOutError);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"SMITH.vxp", tb::BackupFolderName}));
}

// Saves four a day, at 00, 06, 12 and 18 UTC, for 40 days, then one a year on.
TEST(Backups, KeepsTheTenNewestAndOneADayForThirtyDays) {
    const char* savedTz = std::getenv("TZ");
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    tbtest::TempDir dir;
    const tb::BackupTime start = sys_days{2026y / 1 / 1};
    tb::BackupTime now = start;
    tb::ScopedBackupClock clock([&] { return now; });
    dir.Write("courses.vxc", OldBytes);
    for (int save = 0; save < 160; ++save) {
        now = start + hours{6 * save};
        tb::SaveCourseList(dir.path(), {});
    }
    // Days 37 to 39 in the ten newest, then the last save of days 10 to 36.
    auto versions = tb::ListBackups(dir.path(), "courses.vxc");
    ASSERT_EQ(versions.size(), 37u);
    EXPECT_EQ(versions[0].keptAt, start + hours{6 * 159});
    EXPECT_EQ(versions[9].keptAt, start + days{37} + hours{12});
    EXPECT_EQ(versions[10].keptAt, start + days{36} + hours{18});
    EXPECT_EQ(versions[36].keptAt, start + days{10} + hours{18});

    now += years{1};
    tb::SaveCourseList(dir.path(), {});
    versions = tb::ListBackups(dir.path(), "courses.vxc");
    ASSERT_EQ(versions.size(), 10u) << "the newest ten stay, however old";
    EXPECT_EQ(versions[0].keptAt, now);
    EXPECT_EQ(versions[1].keptAt, start + hours{6 * 159});

    savedTz ? ::setenv("TZ", savedTz, 1) : ::unsetenv("TZ");
    ::tzset();
}

TEST(Backups, RestorePutsTheBytesBackAndKeepsTheCurrentVersion) {
    tbtest::TempDir dir;
    dir.Write("JONES.vxp", OldBytes);
    tb::DeleteScoreFile(dir.path(), "JONES");
    ASSERT_FALSE(dir.Exists("JONES.vxp"));
    const std::string deleted = tb::ListBackups(dir.path(), "JONES.vxp").at(0).id;
    tb::RestoreBackup(dir.path(), "JONES.vxp", deleted);
    EXPECT_EQ(dir.Read("JONES.vxp"), OldBytes);
    EXPECT_EQ(tb::ListBackups(dir.path(), "JONES.vxp").size(), 1u) << "nothing to keep before";

    dir.Write("JONES.vxp", "CURRENT\r\n");
    tb::RestoreBackup(dir.path(), "JONES.vxp", deleted);
    EXPECT_EQ(dir.Read("JONES.vxp"), OldBytes);
    EXPECT_EQ(VersionBytes(dir, "JONES.vxp", 0), "CURRENT\r\n");
    EXPECT_THROW(tb::RestoreBackup(dir.path(), "JONES.vxp", "20260101-000000-000"), tb::InOutError);
}

} // namespace
