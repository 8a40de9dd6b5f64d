// tarnbeck-cli's backups and restore on a folder whose course list was saved
// twice: the listing, a restore, unknown names and versions, and a restore
// refused while a running program holds the folder's lock.

#include "data/Backups.h"
#include "data/CourseFile.h"
#include "data/FolderLock.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <regex>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using tbtest::RunIn;

std::string LockFor(pid_t pid, const std::string& program) {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    return std::to_string(pid) + "\n" + program + "\n" + host + "\n";
}

pid_t EndedProcess() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

TEST(BackupCli, ListsAndRestoresVersionsUnlessTheFolderIsHeld) {
    tbtest::TempDir dir;
    const std::string original = "FIRST~70.0~113~72~4~\n";
    dir.Write("courses.vxc", original);
    tb::SaveCourseList(dir.path(), {});
    tb::SaveCourseList(dir.path(), {});

    const tbtest::CliRun list = RunIn(dir, {"backups", "courses.vxc"});
    ASSERT_EQ(list.code, 0) << list.err;
    const std::regex line(R"((\d{8}-\d{6}-\d{3}(-\d+)?)\t\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\t(\d+)\n)");
    std::smatch newest, oldest;
    const std::string second = list.out.substr(list.out.find('\n') + 1);
    ASSERT_TRUE(std::regex_search(list.out, newest, line, std::regex_constants::match_continuous));
    ASSERT_TRUE(std::regex_match(second, oldest, line)) << list.out;
    EXPECT_EQ(newest[3], "0");
    EXPECT_EQ(oldest[3], std::to_string(original.size()));
    EXPECT_GT(newest[1].str(), oldest[1].str());

    EXPECT_EQ(RunIn(dir, {"backups", "SMITH.vxp"}).code, 1);
    EXPECT_EQ(RunIn(dir, {"restore", "courses.vxc", "20000101-000000-000"}).code, 1);
    EXPECT_EQ(RunIn(dir, {"backups", "../courses.vxc"}).code, 2);
    EXPECT_EQ(RunIn(dir, {"restore", "SMITH.vxo", oldest[1]}).code, 2);

    dir.Write(tb::FolderLockFileName, LockFor(::getpid(), "core_tests"));
    const tbtest::CliRun held = RunIn(dir, {"restore", "courses.vxc", oldest[1]});
    EXPECT_EQ(held.code, 4);
    EXPECT_NE(held.err.find("(process " + std::to_string(::getpid()) + " on host "),
              std::string::npos)
        << held.err;
    EXPECT_EQ(dir.Read("courses.vxc"), "");

    dir.Write(tb::FolderLockFileName, LockFor(EndedProcess(), "tarnbeck"));
    const tbtest::CliRun restored = RunIn(dir, {"restore", "courses.vxc", oldest[1]});
    EXPECT_EQ(restored.code, 0) << restored.err;
    EXPECT_EQ(dir.Read("courses.vxc"), original);
    EXPECT_EQ(tb::ListBackups(dir.path(), "courses.vxc").size(), 3u);
}

} // namespace
