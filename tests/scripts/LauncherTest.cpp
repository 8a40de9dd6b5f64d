// The launcher (scripts/tarnbeck-launcher.sh, installed as bin/tarnbeck) run
// as a separate process in a fresh home folder, with a stand-in for the
// program that writes down the folder it was started in and its arguments.

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <ostream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct LauncherCase {
    const char* name;
    // Files there before the run, relative to the temporary folder, which is
    // also the home folder and the current folder.
    std::vector<std::pair<std::string, std::string>> before;
    std::vector<std::string> args;
    std::vector<std::string> env; // besides HOME and PATH
    int code;
    // What the stand-in wrote: "FOLDER|ARGS", "" when it was not started.
    std::string started;
    // Files after the run and their contents; nullptr for no such file.
    std::vector<std::pair<std::string, const char*>> after;
};

// Shown as its name in test names and failures.
void PrintTo(const LauncherCase& c, std::ostream* out) {
    *out << c.name;
}

const char* const Display = "QT_QPA_PLATFORM=offscreen";
const char* const Remembered = ".config/tarnbeck/data-folder";

// "{root}" stands for the temporary folder.
std::string Expand(std::string text, const std::string& root) {
    for (std::size_t at; (at = text.find("{root}")) != std::string::npos;)
        text.replace(at, 6, root);
    return text;
}

int RunLauncher(const tbtest::TempDir& dir, std::vector<std::string> args,
                std::vector<std::string> env) {
    const std::string launcher = std::string(TARNBECK_SOURCE_DIR) + "/scripts/tarnbeck-launcher.sh";
    args.insert(args.begin(), launcher);
    env.push_back("HOME=" + dir.path().string());
    env.push_back("PATH=/usr/bin:/bin");
    env.push_back("TARNBECK_PROGRAM=" + (dir / "program").string());
    env.push_back("TARNBECK_SAMPLE=" + (dir / "starter.vxc").string());
    std::vector<char*> argv, envp;
    for (std::string& word : args)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    for (std::string& word : env)
        envp.push_back(word.data());
    envp.push_back(nullptr);
    const std::string out = (dir / "out").string(), err = (dir / "err").string();

    const pid_t pid = ::fork();
    if (pid == 0) {
        const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (outFd < 0 || errFd < 0 || ::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0 ||
            ::chdir(dir.path().c_str()) != 0)
            ::_exit(126);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class Launcher : public ::testing::TestWithParam<LauncherCase> {};

TEST_P(Launcher, ChoosesPreparesAndStartsInTheDataFolder) {
    const LauncherCase& c = GetParam();
    tbtest::TempDir dir;
    const std::string root = dir.path().string();
    dir.Write("program", "#!/bin/sh\nprintf '%s|%s' \"$(pwd)\" \"$*\" >" + root + "/started\n");
    fs::permissions(dir / "program", fs::perms::owner_all);
    dir.Write("starter.vxc", "starter");
    for (const auto& [name, content] : c.before) {
        fs::create_directories((dir / name).parent_path());
        dir.Write(name, Expand(content, root));
    }
    std::vector<std::string> args, env;
    for (const std::string& arg : c.args)
        args.push_back(Expand(arg, root));
    for (const std::string& assignment : c.env)
        env.push_back(Expand(assignment, root));

    const int code = RunLauncher(dir, args, env);
    EXPECT_EQ(code, c.code) << dir.Read("err");
    // A failure is told on stderr; a start says nothing there.
    EXPECT_EQ(dir.Read("err").empty(), c.code == 0) << dir.Read("err");
    EXPECT_EQ(dir.Read("started"), Expand(c.started, root));
    for (const auto& [name, content] : c.after) {
        if (content)
            EXPECT_EQ(dir.Read(name), Expand(content, root)) << name;
        else
            EXPECT_FALSE(dir.Exists(name)) << name;
    }
}

const LauncherCase Cases[] = {
    {"FreshHomeGetsTarnbeckWithTheStarterList",
     {},
     {},
     {Display},
     0,
     "{root}/Tarnbeck|",
     {{"Tarnbeck/sample.vxc", "starter"}, {Remembered, nullptr}}},
    {"NamedFolderIsCreatedAndRemembered",
     {},
     {"--data", "clubs/../club"},
     {Display},
     0,
     "{root}/club|",
     {{"club/sample.vxc", "starter"}, {Remembered, "{root}/club\n"}, {"Tarnbeck", nullptr}}},
    {"RememberedFolderIsUsed",
     {{Remembered, "{root}/club\n"}},
     {},
     {Display},
     0,
     "{root}/club|",
     {{"club/sample.vxc", "starter"}, {"Tarnbeck", nullptr}}},
    {"RememberedBesideTheSettingsOfXdgConfigHome",
     {},
     {"--data={root}/club"},
     {Display, "XDG_CONFIG_HOME={root}/config"},
     0,
     "{root}/club|",
     {{"config/tarnbeck/data-folder", "{root}/club\n"}, {Remembered, nullptr}}},
    {"ExistingCourseListIsKept",
     {{"Tarnbeck/courses.vxc", "mine"}},
     {},
     {Display},
     0,
     "{root}/Tarnbeck|",
     {{"Tarnbeck/courses.vxc", "mine"}, {"Tarnbeck/sample.vxc", nullptr}}},
    {"ExistingStarterListIsKept",
     {{"Tarnbeck/sample.vxc", "edited"}},
     {},
     {Display},
     0,
     "{root}/Tarnbeck|",
     {{"Tarnbeck/sample.vxc", "edited"}}},
    {"FolderThatCannotBeCreated",
     {{"file", ""}},
     {"--data", "{root}/file/club"},
     {Display},
     1,
     "",
     {{Remembered, nullptr}}},
    {"NoDisplay", {}, {}, {}, 1, "", {{"Tarnbeck", nullptr}}},
    {"VersionIsTheProgramsAndNeedsNoDisplay", {}, {"--version"}, {}, 0, "{root}|--version", {}},
    {"Help", {}, {"--help"}, {}, 0, "", {{"Tarnbeck", nullptr}}},
    {"UnknownArgument", {}, {"--frobnicate"}, {Display}, 2, "", {{"Tarnbeck", nullptr}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, Launcher, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
