// Timings of the core on a full-size data folder (300 golfers with 200 scores
// each): loading, sorting, the index and the index history, for one golfer
// and for all of them.

#include "BenchData.h"

#include "data/GolferFile.h"
#include "data/ScoreFile.h"
#include "handicap/HandicapIndex.h"
#include "handicap/Progress.h"
#include "handicap/ScoreListLine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>

namespace {
namespace fs = std::filesystem;

class QuietNotifier : public tb::Notifier {
public:
    void Message(const std::string&) override {}
};

// The folder is written once, on first use, and removed when the run ends.
class BenchFolder {
public:
    static const BenchFolder& Get() {
        static BenchFolder folder;
        return folder;
    }
    const fs::path& dir() const { return dir_; }
    const std::vector<std::string>& shortNames() const { return shortNames_; }
    fs::path ScoreFile(const std::string& shortName) const {
        return dir_ / tb::ScoreFileName(shortName);
    }

private:
    BenchFolder() {
        std::random_device random;
        dir_ = fs::temp_directory_path() / ("tarnbeck-bench-" + std::to_string(random()));
        shortNames_ = tbbench::WriteBenchFolder(dir_);
    }
    ~BenchFolder() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    fs::path dir_;
    std::vector<std::string> shortNames_;
};

const std::string& FirstGolfer() {
    return BenchFolder::Get().shortNames().front();
}

tb::ScoreList LoadOne(const std::string& shortName) {
    QuietNotifier quiet;
    tb::ScoreList list;
    tb::LoadScores(BenchFolder::Get().ScoreFile(shortName), list, quiet);
    return list;
}

void BM_LoadGolfers(benchmark::State& state) {
    QuietNotifier quiet;
    const fs::path& dir = BenchFolder::Get().dir();
    for (auto _ : state) {
        tb::GolferList golfers;
        tb::LoadGolfers(dir, golfers, quiet);
        tb::SortGolfers(golfers);
        benchmark::DoNotOptimize(golfers.data());
    }
}
BENCHMARK(BM_LoadGolfers)->Unit(benchmark::kMicrosecond);

void BM_LoadScores_OneGolfer(benchmark::State& state) {
    QuietNotifier quiet;
    const fs::path file = BenchFolder::Get().ScoreFile(FirstGolfer());
    tb::ScoreList list;
    for (auto _ : state) {
        tb::LoadScores(file, list, quiet);
        benchmark::DoNotOptimize(list.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(list.size()));
}
BENCHMARK(BM_LoadScores_OneGolfer)->Unit(benchmark::kMicrosecond);

// Reading one stored line into a record the list already holds, as a file is
// read into a list that held scores before.
void BM_ParseScoreLine(benchmark::State& state) {
    const tb::ScoreList loaded = LoadOne(FirstGolfer());
    const std::string line = tb::FormatScoreLine(loaded.front());
    tb::ScoreRec rec = loaded.back();
    for (auto _ : state) {
        rec = tb::ParseScoreLine(line);
        benchmark::DoNotOptimize(rec.Date.str().data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(line.size()));
}
BENCHMARK(BM_ParseScoreLine);

// Sorting a copy of the list; Arg 0 sorts the file's own order (newest first,
// as saved), Arg 1 the reverse order, where every pair is exchanged.
void BM_SortScores_OneGolfer(benchmark::State& state) {
    tb::ScoreList loaded = LoadOne(FirstGolfer());
    if (state.range(0) == 1) std::reverse(loaded.begin(), loaded.end());
    for (auto _ : state) {
        tb::ScoreList list = loaded;
        tb::SortScores(list);
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_SortScores_OneGolfer)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The index of one golfer; Arg 0 computes only, Arg 1 also writes the details.
void BM_ComputeIndex_OneGolfer(benchmark::State& state) {
    tb::ScoreList list = LoadOne(FirstGolfer());
    tb::SortScores(list);
    const tb::IndexInput input{"0", "Anderson, John A.", tb::IndexVariant::Standard};
    tb::IndexDetails details;
    for (auto _ : state) {
        tb::IndexResult result = tb::ComputeIndex(list, input, state.range(0) ? &details : nullptr);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ComputeIndex_OneGolfer)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The golfer scores list of one golfer: index, then the 200 list lines.
void BM_ScoreListLines_OneGolfer(benchmark::State& state) {
    tb::ScoreList list = LoadOne(FirstGolfer());
    tb::SortScores(list);
    const tb::IndexInput input{"0", "Anderson, John A.", tb::IndexVariant::Standard};
    for (auto _ : state) {
        tb::IndexResult result = tb::ComputeIndex(list, input);
        std::size_t bytes = 0;
        for (std::size_t i = 0; i < list.size(); ++i)
            bytes += tb::ScoreListLine(list[i], static_cast<int>(i) + 1, result.usedScores).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ScoreListLines_OneGolfer)->Unit(benchmark::kMicrosecond);

// One golfer from nothing: golfer list, its score file, sort, index.
void BM_OneGolferFromFiles(benchmark::State& state) {
    QuietNotifier quiet;
    const fs::path& dir = BenchFolder::Get().dir();
    const std::string shortName = FirstGolfer();
    for (auto _ : state) {
        tb::GolferList golfers;
        tb::LoadGolfers(dir, golfers, quiet);
        tb::SortGolfers(golfers);
        auto golfer = std::find_if(golfers.begin(), golfers.end(), [&](const tb::GolferRec& g) {
            return g.ShortName == shortName;
        });
        tb::ScoreList list;
        tb::LoadScores(dir / tb::ScoreFileName(golfer->ShortName.str()), list, quiet);
        tb::SortScores(list);
        tb::IndexDetails details;
        tb::IndexResult result =
            tb::ComputeIndex(list, {std::to_string(golfer->Sex), golfer->LongName.str()}, &details);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_OneGolferFromFiles)->Unit(benchmark::kMicrosecond);

// The index after each date of one golfer's 200 rounds.
void BM_IndexHistory_OneGolfer(benchmark::State& state) {
    tb::ScoreList list = LoadOne(FirstGolfer());
    tb::SortScores(list);
    for (auto _ : state) {
        std::vector<tb::IndexPoint> history = tb::IndexHistory(list, "0");
        benchmark::DoNotOptimize(history.data());
    }
}
BENCHMARK(BM_IndexHistory_OneGolfer)->Unit(benchmark::kMicrosecond);

// Every golfer's index history, the lists read and sorted beforehand.
void BM_IndexHistory_AllGolfers(benchmark::State& state) {
    std::vector<tb::ScoreList> lists;
    for (const std::string& shortName : BenchFolder::Get().shortNames()) {
        lists.push_back(LoadOne(shortName));
        tb::SortScores(lists.back());
    }
    for (auto _ : state) {
        for (const tb::ScoreList& list : lists) {
            std::vector<tb::IndexPoint> history = tb::IndexHistory(list, "0");
            benchmark::DoNotOptimize(history.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lists.size()));
}
BENCHMARK(BM_IndexHistory_AllGolfers)->Unit(benchmark::kMillisecond);

void BM_LoadScores_AllGolfers(benchmark::State& state) {
    QuietNotifier quiet;
    const BenchFolder& folder = BenchFolder::Get();
    tb::ScoreList list;
    for (auto _ : state) {
        for (const std::string& shortName : folder.shortNames()) {
            tb::LoadScores(folder.ScoreFile(shortName), list, quiet);
            benchmark::DoNotOptimize(list.data());
        }
    }
}
BENCHMARK(BM_LoadScores_AllGolfers)->Unit(benchmark::kMillisecond);

// Every golfer's index from nothing, as the "indexes" command works.
void BM_AllIndexesFromFiles(benchmark::State& state) {
    QuietNotifier quiet;
    const fs::path& dir = BenchFolder::Get().dir();
    for (auto _ : state) {
        tb::GolferList golfers;
        tb::LoadGolfers(dir, golfers, quiet);
        tb::SortGolfers(golfers);
        for (const tb::GolferRec& golfer : golfers) {
            tb::ScoreList list;
            tb::LoadScores(dir / tb::ScoreFileName(golfer.ShortName.str()), list, quiet);
            tb::SortScores(list);
            tb::IndexResult result =
                tb::ComputeIndex(list, {std::to_string(golfer.Sex), golfer.LongName.str()});
            benchmark::DoNotOptimize(result);
        }
    }
}
BENCHMARK(BM_AllIndexesFromFiles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
