// tarnbeck-cli's backups and restore on a folder whose course list was saved
// twice: the listing, a restore, unknown names and versions, and a restore
// refused while a running program holds the folder's lock.

#include "data/Backups.h"
#include "data/CourseFile.h"
#include "data/FolderLock.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using tbtest::RunIn;

std::string LockFor(pid_t pid, const std::string& program) {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    return std::to_string(pid) + "\n" + program + "\n" + host + "\n";
}

// Whether `text` has the shape of `pattern`, in which "9" stands for a digit.
bool Shaped(const std::string& text, const std::string& pattern) {
    return text.size() == pattern.size() &&
           std::equal(text.begin(), text.end(), pattern.begin(), [](char t, char p) {
               return p == '9' ? std::isdigit(static_cast<unsigned char>(t)) != 0 : t == p;
           });
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
    std::istringstream out(list.out);
    std::vector<std::array<std::string, 3>> lines; // identifier, time, size
    for (std::array<std::string, 3> f;
         std::getline(out, f[0], '\t') && std::getline(out, f[1], '\t') && std::getline(out, f[2]);)
        lines.push_back(f);
    ASSERT_EQ(lines.size(), 2u) << list.out;
    for (const auto& fields : lines) {
        EXPECT_TRUE(Shaped(fields[0].substr(0, 19), "99999999-999999-999")) << fields[0];
        EXPECT_TRUE(Shaped(fields[1], "9999-99-99 99:99:99")) << fields[1];
    }
    const std::string oldest = lines[1][0];
    EXPECT_EQ(lines[0][2], "0");
    EXPECT_EQ(lines[1][2], std::to_string(original.size()));
    EXPECT_GT(lines[0][0], oldest);

    EXPECT_EQ(RunIn(dir, {"backups", "SMITH.vxp"}).code, 1);
    EXPECT_EQ(RunIn(dir, {"restore", "courses.vxc", "20000101-000000-000"}).code, 1);
    EXPECT_EQ(RunIn(dir, {"backups", "../courses.vxc"}).code, 2);
    EXPECT_EQ(RunIn(dir, {"restore", "SMITH.vxo", oldest}).code, 2);

    dir.Write(tb::FolderLockFileName, LockFor(::getpid(), "core_tests"));
    const tbtest::CliRun held = RunIn(dir, {"restore", "courses.vxc", oldest});
    EXPECT_EQ(held.code, 4);
    EXPECT_NE(held.err.find("(process " + std::to_string(::getpid()) + " on host "),
              std::string::npos)
        << held.err;
    EXPECT_EQ(dir.Read("courses.vxc"), "");

    dir.Write(tb::FolderLockFileName, LockFor(EndedProcess(), "tarnbeck"));
    const tbtest::CliRun restored = RunIn(dir, {"restore", "courses.vxc", oldest});
    EXPECT_EQ(restored.code, 0) << restored.err;
    EXPECT_EQ(dir.Read("courses.vxc"), original);
    EXPECT_EQ(tb::ListBackups(dir.path(), "courses.vxc").size(), 3u);
}

} // namespace
