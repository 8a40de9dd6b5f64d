// Report files: the course handicap sheet byte for byte, and every report
// written whole or not at all: a save that fails, or a short name that
// cannot name a file, leaves an earlier report as it was.

#include "data/Errors.h"
#include "data/TextFile.h"
#include "print/core/CourseHandicapSheet.h"
#include "print/core/HandicapReports.h"
#include "print/core/ReportTestData.h"
#include "print/core/ScoreHistory.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <functional>
#include <iterator>

namespace {

const tb::CourseSummary OakHollow{"OAK HOLLOW", "71.2", "121", "72"};

TEST(ReportFiles, CourseHandicapSheet) {
    tbtest::TempDir dir;
    const tb::CourseHandicapSheet sheet{"Smith, John", OakHollow, " 12.3",
                                        "Handicap for Smith, John at this course is: 13",
                                        "Predicted score for Smith, John is: 85"};
    tb::WriteCourseHandicap(dir.path(), "SMITH", sheet, "06/14/2024");
    EXPECT_EQ(dir.Read("SMITH.vxh"),
              tbtest::JoinCrLf({"TARNBECK COURSE HANDICAP AS OF:  06/14/2024", "FOR:  Smith, John",
                                "AT:   OAK HOLLOW", "", "Course Rating: 71.2", "Slope Rating:  121",
                                "Par:           72", "Index:          12.3", "",
                                "Handicap for Smith, John at this course is: 13",
                                "Predicted score for Smith, John is: 85"}));
}

// Real file calls, except that the last step of a save, the rename over the
// old file, fails.
class FailingRename : public tb::FileOps {
public:
    int Rename(const char*, const char*) override {
        errno = EACCES;
        return -1;
    }
};

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ReportFiles, AFailedWriteLeavesTheEarlierReport) {
    const tb::CourseHandicapSheet sheet{"Smith, John", OakHollow, " 9.6", "", ""};
    auto history = [](const std::string& shortName) {
        return [shortName](const std::filesystem::path& dir) {
            tb::ScoreList scores;
            tb::WriteScoreHistory(dir, {"Smith, John", shortName, 0}, scores);
        };
    };
    auto courseHandicap = [&](const std::string& shortName) {
        return [&, shortName](const std::filesystem::path& dir) {
            tb::WriteCourseHandicap(dir, shortName, sheet, "06/14/2024");
        };
    };
    const struct {
        const char* name;
        const char* file; // in the data folder
        std::function<void(const std::filesystem::path&)> write;
        bool namesNoFile;
    } cases[] = {
        {"score history", "SMITH.vxo", history("SMITH"), false},
        {"handicap list", "hdcplist.vxo",
         [](const auto& dir) {
             tb::WriteHandicapList(dir, OakHollow, {{}, {}}, "06/14/2024");
         },
         false},
        {"course handicap", "SMITH.vxh", courseHandicap("SMITH"), false},
        {"score history, short name leading out", "../up.vxo", history("../up"), true},
        {"course handicap, short name leading out", "../up.vxh", courseHandicap("../up"), true},
    };
    const std::string earlier = "an earlier report\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tbtest::TempDir parent;
        const std::filesystem::path dir = parent / "data";
        std::filesystem::create_directory(dir);
        std::ofstream(dir / c.file, std::ios::binary) << earlier;
        const auto before = tbtest::TempDir::EntriesOf(dir);
        FailingRename ops;
        tb::ScopedFileOps scoped(ops);
        try {
            c.write(dir);
            ADD_FAILURE() << "no error";
        } catch (const tb::InOutError& error) {
            EXPECT_EQ(error.Text(), c.namesNoFile ? "File not found" : "File access denied");
        }
        EXPECT_EQ(ReadBytes(dir / c.file), earlier);
        EXPECT_EQ(tbtest::TempDir::EntriesOf(dir), before);
    }
}

} // namespace
