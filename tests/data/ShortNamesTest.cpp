// Short names: the allowed characters, the proposal made from a long name and
// made unique against the score files present, and the rename and delete of
// a golfer's score file whatever the case of its file name.

#include "data/ShortNames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using tb::ShortNameBase;
using tb::ShortNameCandidate;

TEST(ShortNameCharsTest, OnlyCapitalsDigitsDashAndUnderline) {
    EXPECT_TRUE(tb::HasOnlyShortNameChars("SMITH-J_9"));
    EXPECT_TRUE(tb::HasOnlyShortNameChars(""));
    EXPECT_FALSE(tb::HasOnlyShortNameChars("A B"));
    EXPECT_FALSE(tb::HasOnlyShortNameChars("SMITH.J"));
    EXPECT_FALSE(tb::HasOnlyShortNameChars("Smith"));
    EXPECT_FALSE(tb::HasOnlyShortNameChars("\xC9"
                                           "MILE"));
    EXPECT_FALSE(tb::IsShortNameChar('~'));
    EXPECT_FALSE(tb::IsShortNameChar('/'));
}

TEST(ShortNameBaseTest, FirstEightCharactersUpperCasedWithOthersAsUnderline) {
    EXPECT_EQ(ShortNameBase("Mary O'Neil"), "MARY_O_N");
    EXPECT_EQ(ShortNameBase("Smith"), "SMITH");
    EXPECT_EQ(ShortNameBase("al-Amin_2"), "AL-AMIN_");
    EXPECT_EQ(ShortNameBase("J.R. Ewing"), "J_R__EWI");
    EXPECT_EQ(ShortNameBase("\xC9mile"), "_MILE") << "Latin-1 letters are not A-Z";
    EXPECT_EQ(ShortNameBase(""), "");
}

TEST(ShortNameCandidateTest, SuffixReplacesTheEndOfTheBase) {
    EXPECT_EQ(ShortNameCandidate("MARY_O_N", 0), "MARY_O_N");
    EXPECT_EQ(ShortNameCandidate("MARY_O_N", 1), "MARY_O_1");
    EXPECT_EQ(ShortNameCandidate("MARY_O_N", 9), "MARY_O_9");
    EXPECT_EQ(ShortNameCandidate("MARY_O_N", 10), "MARY_O10");
    EXPECT_EQ(ShortNameCandidate("MARY_O_N", 99), "MARY_O99");
    EXPECT_EQ(ShortNameCandidate("MARY_O_N", 100), "MARY_100");
    EXPECT_EQ(ShortNameCandidate("MARY_O_N", 999), "MARY_999");
    EXPECT_EQ(ShortNameCandidate("SMITH", 1), "SMITH1");
    EXPECT_EQ(ShortNameCandidate("SMITH", 42), "SMITH42");
    EXPECT_EQ(ShortNameCandidate("SMITH", 123), "SMITH123");
}

TEST(UniqueShortNameTest, FirstFreeCandidateCountingFromTheBase) {
    std::set<std::string> taken{"SMITH", "SMITH1", "SMITH2"};
    auto isTaken = [&](const std::string& name) { return taken.count(name) > 0; };
    EXPECT_EQ(tb::UniqueShortName("SMITH", isTaken), "SMITH3");
    EXPECT_EQ(tb::UniqueShortName("JONES", isTaken), "JONES");
    for (int n = 3; n <= 9; ++n)
        taken.insert("SMITH" + std::to_string(n));
    EXPECT_EQ(tb::UniqueShortName("SMITH", isTaken), "SMITH10");
}

TEST(UniqueShortNameTest, GivesTheBaseBackWhenEveryEightCharacterCandidateIsTaken) {
    int asked = 0;
    auto everyName = [&](const std::string&) {
        ++asked;
        return true;
    };
    EXPECT_EQ(tb::UniqueShortName("MARY_O_N", everyName), "MARY_O_N");
    EXPECT_EQ(asked, 1000) << "the base and candidates 1 to 999";
    EXPECT_EQ(tb::UniqueShortName("", everyName), "");
}

class ScoreFileNamesTest : public ::testing::Test {
protected:
    tbtest::TempDir dir;
};

TEST_F(ScoreFileNamesTest, ProposalSkipsScoreFilesOfAnyCase) {
    EXPECT_EQ(tb::ProposeShortName(dir.path(), "Mary O'Neil", true), "MARY_O_N");
    dir.Write("MARY_O_N.VXP", "");
    EXPECT_EQ(tb::ProposeShortName(dir.path(), "Mary O'Neil", true), "MARY_O_1");
    dir.Write("mary_o_1.vxp", "");
    EXPECT_EQ(tb::ProposeShortName(dir.path(), "Mary O'Neil", true), "MARY_O_2");
    EXPECT_EQ(tb::ProposeShortName(dir.path(), "Mary O'Neil", false), "MARY_O_N")
        << "a golfer being changed gets the base";
    dir.Write("SMITH.vxp", "");
    EXPECT_EQ(tb::ProposeShortName(dir.path(), "smith", true), "SMITH1");
    dir.Write("JONES.vxo", "");
    EXPECT_EQ(tb::ProposeShortName(dir.path(), "Jones", true), "JONES") << "only score files count";
}

TEST_F(ScoreFileNamesTest, ExistenceIgnoresCase) {
    dir.Write("SMITH.VXP", "");
    EXPECT_TRUE(tb::ScoreFileExists(dir.path(), "SMITH"));
    EXPECT_FALSE(tb::ScoreFileExists(dir.path(), "SMITHJ"));
}

TEST_F(ScoreFileNamesTest, RenameMovesTheScoresToTheNewLowerCaseExtension) {
    dir.Write("SMITH.VXP", "19980614~ABBEY~\r\n");
    EXPECT_TRUE(tb::RenameScoreFile(dir.path(), "SMITH", "SMITHJ"));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"SMITHJ.vxp"}));
    EXPECT_EQ(dir.Read("SMITHJ.vxp"), "19980614~ABBEY~\r\n");
}

TEST_F(ScoreFileNamesTest, RenameNeverReplacesAFileOfTheNewNameInAnyCase) {
    dir.Write("SMITH.vxp", "old");
    dir.Write("SMITHJ.VXP", "other");
    EXPECT_FALSE(tb::RenameScoreFile(dir.path(), "SMITH", "SMITHJ"));
    EXPECT_EQ(dir.Read("SMITH.vxp"), "old");
    EXPECT_EQ(dir.Read("SMITHJ.VXP"), "other");
    EXPECT_EQ(dir.Entries().size(), 2u);

    dir.Write("JONES.vxp", "third");
    EXPECT_FALSE(tb::RenameScoreFile(dir.path(), "SMITH", "JONES"));
    EXPECT_EQ(dir.Read("JONES.vxp"), "third");
    EXPECT_EQ(dir.Read("SMITH.vxp"), "old");
}

TEST_F(ScoreFileNamesTest, RenameFailsWhenTheOldFileIsMissing) {
    EXPECT_FALSE(tb::RenameScoreFile(dir.path(), "SMITH", "SMITHJ"));
    EXPECT_TRUE(dir.Entries().empty());
}

TEST_F(ScoreFileNamesTest, RenameThatOnlyChangesTheCaseOfTheNameWorks) {
    dir.Write("smith.vxp", "scores");
    EXPECT_TRUE(tb::RenameScoreFile(dir.path(), "smith", "SMITH"));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"SMITH.vxp"}));
    EXPECT_EQ(dir.Read("SMITH.vxp"), "scores");
}

TEST_F(ScoreFileNamesTest, DeleteFindsTheFileInAnyCaseAndIgnoresAMissingOne) {
    dir.Write("SMITH.VXP", "");
    dir.Write("JONES.vxp", "");
    tb::DeleteScoreFile(dir.path(), "SMITH");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"JONES.vxp", "backups"}));
    tb::DeleteScoreFile(dir.path(), "SMITH");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"JONES.vxp", "backups"}));
}

} // namespace
