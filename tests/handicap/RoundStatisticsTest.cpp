// The statistics of a hand-made set of rounds, every figure worked out by
// hand from the table below.

#include "handicap/Progress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Holes = std::vector<int>; // 18 values; 0 for an empty hole or no putts

const Holes OakPars = {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5};
const Holes None(18, 0);

tb::CourseList Courses() {
    tb::CourseRec oak;
    oak.Name = "OAK";
    for (int hole = 0; hole < 18; ++hole)
        oak.Par[hole] = std::to_string(OakPars[hole]);
    return {oak};
}

struct Round {
    const char* course;
    const char* score;
    const char* adjScore;
    const char* rating;
    Holes holes, putts;
};

tb::ScoreRec Rec(const Round& round, int position) {
    tb::ScoreRec rec;
    rec.Date = "202406" + std::to_string(30 - position);
    rec.CourseName = round.course;
    rec.Score = round.score;
    rec.AdjScore = round.adjScore;
    rec.Rating = round.rating;
    rec.Slope = "113";
    for (int hole = 0; hole < 18; ++hole) {
        rec.HoleScore[hole] = std::to_string(round.holes[hole]);
        rec.Putts[hole] = std::to_string(round.putts[hole]);
    }
    return rec;
}

TEST(RoundStatistics, HandMadeRounds) {
    // Against OAK's pars: an eagle, a birdie, two bogeys, a double and a
    // triple; the front nine alone; birdies on every par 3 and 7 on every
    // par 5.
    const Holes mixed = {2, 3, 3, 5, 5, 5, 5, 7, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5};
    const Holes frontNine = {4, 4, 3, 5, 4, 4, 3, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const Holes frontPutts = {2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const Holes birdiesAndSevens = {4, 4, 2, 7, 4, 4, 2, 4, 7, 4, 4, 2, 7, 4, 4, 2, 4, 7};
    const Holes onePuttOnPar3 = {2, 2, 1, 2, 2, 2, 1, 2, 2, 2, 2, 1, 2, 2, 2, 1, 2, 2};
    const Holes twos(18, 2);
    const std::vector<Round> rounds = {
        // newest first
        {"OAK", "76", "76", "70.0", mixed, twos},
        {"GONE", "95", "90", "70.0", None, None}, // course no longer listed
        {"OAK", "88", "88", "0.0", None, None},   // incomplete, a total alone
        {"OAK", "36", "36", "70.0", frontNine, frontPutts},
        {"OAK", "76", "76", "70.0", birdiesAndSevens, onePuttOnPar3},
        {"GONE", "95", "0", "70.0", None, None}, // as bad as round 2, older
    };
    tb::ScoreList list;
    for (std::size_t i = 0; i < rounds.size(); ++i)
        list.push_back(Rec(rounds[i], static_cast<int>(i) + 1));
    for (int old = 0; old < 20; ++old) // older rounds, totals alone
        list.push_back(Rec({"GONE", "90", "90", "70.0", None, None}, 7));

    const tb::RoundStatistics s = tb::ComputeRoundStatistics(list, Courses());
    EXPECT_EQ(s.rounds, 26);
    EXPECT_EQ(s.completeRounds, 25);
    EXPECT_DOUBLE_EQ(*s.averageScore, (466 + 20 * 90) / 26.0);
    EXPECT_DOUBLE_EQ(*s.averageScoreLast20, (466 + 14 * 90) / 20.0);
    EXPECT_DOUBLE_EQ(*s.averageAdjScore, (366 + 20 * 90) / 25.0); // round 6 has none
    EXPECT_DOUBLE_EQ(*s.averageAdjScoreLast20, (366 + 15 * 90) / 20.0);
    EXPECT_EQ(s.best->position, 4); // a total counts whatever the holes hold
    EXPECT_EQ(s.best->score, 36);
    EXPECT_EQ(s.worst->position, 2); // the newer of the two 95s
    EXPECT_EQ(s.worst->date, "20240628");

    EXPECT_EQ(s.roundsWithPutts, 2); // rounds 1 and 5; round 4 has empty holes
    EXPECT_DOUBLE_EQ(*s.puttsPerRound, (36 + 32) / 2.0);
    EXPECT_EQ(s.holesWithPutts, 18 + 9 + 18);
    EXPECT_DOUBLE_EQ(*s.puttsPerHole, (36 + 18 + 32) / 45.0);

    EXPECT_EQ(s.roundsOnListedCourses, 3); // round 3 on OAK has no hole
    EXPECT_EQ(s.holesAgainstPar, 45);
    EXPECT_EQ(s.holesByResult, (std::array<int, 6>{1, 1 + 4, 12 + 9 + 10, 2, 1 + 4, 1}));
    EXPECT_EQ(s.holesOnPar, (std::array<int, 3>{10, 25, 10}));
    EXPECT_DOUBLE_EQ(*s.averageOnPar[0], (14 + 6 + 8) / 10.0);
    EXPECT_DOUBLE_EQ(*s.averageOnPar[1], (42 + 20 + 40) / 25.0);
    EXPECT_DOUBLE_EQ(*s.averageOnPar[2], (20 + 10 + 28) / 10.0);
}

TEST(RoundStatistics, NoRoundsNoAverages) {
    const tb::RoundStatistics s = tb::ComputeRoundStatistics({}, Courses());
    EXPECT_EQ(s.rounds, 0);
    EXPECT_FALSE(s.averageScore || s.averageAdjScoreLast20 || s.best || s.worst ||
                 s.puttsPerRound || s.puttsPerHole || s.averageOnPar[1]);
}

} // namespace
