#pragma once
// What the command-line tool's commands share: the data folder, the exit
// codes, the usage error and the golfer look-up.

#include "data/Notifier.h"
#include "data/Records.h"
#include "data/ScoreFile.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace tbcli {

inline constexpr int ExitUnknown = 1; // no golfer or course of that name
inline constexpr int ExitUsage = 2;
inline constexpr int ExitInOutError = 3;
inline constexpr int ExitFolderInUse = 4; // restore refused: a program holds the folder

class StderrNotifier : public tb::Notifier {
public:
    void Message(const std::string& text) override { std::cerr << text << '\n'; }
};

struct Context {
    std::filesystem::path dir = ".";
    StderrNotifier notifier;
    // A golfer's short name could not name a score file (a hand-edited
    // golfer list): the golfer's scores read as not found, and the run ends
    // with exit 3.
    bool damagedGolferList = false;
};

// The problem (when there is one) and the usage text on stderr; ExitUsage.
int UsageError(const std::string& problem);
// "unknown golfer: NAME" (or course) on stderr; ExitUnknown.
int Unknown(const std::string& what, const std::string& name);

tb::GolferList LoadSortedGolfers(Context& ctx);
// The first golfer in list order with exactly this short name, or null.
const tb::GolferRec* FindGolfer(const tb::GolferList& golfers, const std::string& shortName);

// A golfer's scores read and sorted as the golfer scores form does: a
// missing score file is told on stderr and gives no scores. The records
// already in `scores` are reused.
void LoadSortedScores(Context& ctx, const tb::GolferRec& golfer, tb::ScoreList& scores);
// The golfer's scores in the order of the file, with the same messages;
// false when there was no score file to read.
bool LoadScoresAsRead(Context& ctx, const tb::GolferRec& golfer, tb::ScoreList& scores);

// The commands that write report files into the data folder.
bool IsReportCommand(const std::string& command);
// Runs one of them on the words that follow it.
int RunReportCommand(Context& ctx, const std::string& command,
                     const std::vector<std::string>& words);

// The commands that print a golfer's progress and rounds on stdout.
bool IsProgressCommand(const std::string& command);
int RunProgressCommand(Context& ctx, const std::string& command,
                       const std::vector<std::string>& words);

// The commands that list and restore the kept versions of the data files.
bool IsBackupCommand(const std::string& command);
int RunBackupCommand(Context& ctx, const std::string& command,
                     const std::vector<std::string>& words);

} // namespace tbcli
