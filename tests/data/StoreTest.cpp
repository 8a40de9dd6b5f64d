// The store: a list edited from a copy is saved over a file that changed
// since it was read without losing either side, and the golfer list's save
// moves score files only when the list itself is written.

#include "data/Store.h"
#include "data/Errors.h"
#include "data/GolferFile.h"
#include "data/TextFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// Records are plain strings here: the line is the string, the key its first letter.
using Rec = std::string;
const tb::ListKind<Rec> Letters{[](const Rec& r) { return r; },
                                [](const Rec& r) { return r.substr(0, 1); }, "round", "rounds",
                                200};

struct MergeCase {
    const char* name;
    std::vector<Rec> base, mine, now;
    std::vector<Rec> kept; // keep both, sorted
    const char* told;      // what the user is told of `now`
};

TEST(Store, KeepBothAppliesThisWindowsChangesToTheFileAsItIsNow) {
    const char* const prefix = "F was changed outside this window since it was opened";
    const MergeCase cases[] = {
        {"outside added",
         {"a1"},
         {"a1", "b1"},
         {"a1", "c1", "d1"},
         {"a1", "b1", "c1", "d1"},
         ": 2 rounds added."},
        {"outside changed, removed",
         {"a1", "b1", "c1"},
         {"a1", "b1", "c1", "e1"},
         {"a2", "c1"},
         {"a2", "c1", "e1"},
         ": 1 round changed, 1 removed."},
        {"both removed one", {"a1", "b1"}, {"a1"}, {"a1"}, {"a1"}, ": 1 round removed."},
        {"both changed one: both kept", {"a1"}, {"a2"}, {"a3"}, {"a2", "a3"}, ": 1 round changed."},
        {"equal rounds count twice",
         {"a1", "a1"},
         {"a1"},
         {"a1", "a1", "a1"},
         {"a1", "a1"},
         ": 1 round added."},
        {"mine removed what outside kept",
         {"a1", "b1"},
         {"b1"},
         {"a1", "b1", "c1"},
         {"b1", "c1"},
         ": 1 round added."},
    };
    for (const MergeCase& c : cases) {
        std::vector<Rec> kept = tb::KeepBoth(c.base, c.mine, c.now, Letters);
        std::sort(kept.begin(), kept.end());
        EXPECT_EQ(kept, c.kept) << c.name;
        const tb::OutsideChanges changes = tb::CountChanges(c.base, c.now, Letters);
        EXPECT_EQ(tb::DescribeOutsideChanges("F", changes, "round", "rounds"),
                  std::string(prefix) + c.told)
            << c.name;
    }
}

TEST(Store, VersionsTellMissingUnchangedAndChangedFiles) {
    tbtest::TempDir dir;
    EXPECT_FALSE(tb::VersionOnDisk(dir / "X.vxp").exists);
    dir.Write("X.vxp", "a~\r\n");
    tb::FileVersion read;
    EXPECT_EQ(tb::ReadLinesWithVersion(dir / "X.vxp", &read), std::vector<std::string>{"a~"});
    EXPECT_EQ(tb::VersionOnDisk(dir / "X.vxp"), read);
    dir.Write("X.vxp", "b~\r\n");
    EXPECT_NE(tb::VersionOnDisk(dir / "X.vxp"), read);
}

// Renames and deletions go with the golfer list's save: all of them, or,
// when the list cannot be written, none.
TEST(Store, ScoreFilesMoveWithTheGolferListSave) {
    for (const bool listWriteFails : {false, true}) {
        tbtest::TempDir dir;
        dir.Write("golfers.vxc", "A~SMITH~0~\r\nB~JONES~0~\r\n");
        dir.Write("SMITH.vxp", "smith\r\n");
        dir.Write("JONES.vxp", "jones\r\n");
        tb::ScoreFileChanges changes;
        changes.AddRename("SMITH", "SMYTH");
        changes.AddRename("SMYTH", "SMIT");
        changes.AddDeletion("JONES");
        EXPECT_EQ(changes.NameOnDisk("SMIT"), "SMITH");
        tb::GolferList list{{"A", "SMIT", 0}};
        struct FailingRename : tb::FileOps {
            int Rename(const char*, const char*) override { return errno = EIO, -1; }
        } failing;
        std::optional<tb::ScopedFileOps> fail;
        if (listWriteFails) fail.emplace(failing);
        if (listWriteFails)
            EXPECT_THROW(tb::SaveGolfersWithFiles(dir.path(), list, changes), tb::InOutError);
        else
            tb::SaveGolfersWithFiles(dir.path(), list, changes);
        const auto expected =
            listWriteFails ? std::vector<std::string>{"JONES.vxp", "SMITH.vxp", "golfers.vxc"}
                           : std::vector<std::string>{"SMIT.vxp", "backups", "golfers.vxc"};
        EXPECT_EQ(dir.Entries(), expected) << listWriteFails;
        EXPECT_EQ(dir.Read(listWriteFails ? "SMITH.vxp" : "SMIT.vxp"), "smith\r\n");
    }
}

} // namespace
