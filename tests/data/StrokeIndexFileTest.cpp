// The stroke index file "strokeidx.vxc": reading with any line end, broken
// and unusable lines, the changes course maintenance makes, the row check.

#include "data/StrokeIndexFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RecordingNotifier : tb::Notifier {
    std::vector<std::string> messages;
    void Message(const std::string& text) override { messages.push_back(text); }
};

const std::string Up = "1~2~3~4~5~6~7~8~9~10~11~12~13~14~15~16~17~18~";
const std::string Down = "18~17~16~15~14~13~12~11~10~9~8~7~6~5~4~3~2~1~";

TEST(StrokeIndexFileTest, ReadChangedAndSavedWhole) {
    tbtest::TempDir dir;
    RecordingNotifier notifier;
    EXPECT_TRUE(tb::LoadStrokeIndexFile(dir.path(), notifier).lines.empty());
    // Lone CR line ends; a broken line; OAK's first usable line wins; ELM's
    // first line repeats 1, so ELM has none; what follows the 19th "~" is ignored.
    dir.Write("strokeidx.vxc", "OAK~1~2~3~\rOAK~" + Up + "x\rOAK~" + Down + "\rELM~1~" + Up +
                                   "\rELM~" + Down + "\rASH~" + Down);
    tb::StrokeIndexFile file = tb::LoadStrokeIndexFile(dir.path(), notifier);
    ASSERT_EQ(notifier.messages.size(), 1u); // told once, of two lines
    EXPECT_NE(notifier.messages[0].find("holds 2 lines"), std::string::npos);
    const tb::StrokeIndexMap usable = tb::UsableStrokeIndexes(file.lines);
    ASSERT_EQ(usable.size(), 2u);
    EXPECT_EQ(usable.at("OAK")[0], 1);
    EXPECT_EQ(usable.at("ASH")[0], 18);
    EXPECT_EQ(tb::CourseStrokeIndexTexts(file.lines, "ASH")[17], "1");
    RecordingNotifier once; // the same rows and words from one reading of each line
    EXPECT_EQ(tb::LoadUsableStrokeIndexes(dir.path(), once), usable);
    EXPECT_EQ(once.messages, notifier.messages);

    tb::RenameCourseStrokeIndexes(file.lines, "OAK", "PINE");
    tb::DeleteCourseStrokeIndexes(file.lines, "ASH");
    tb::SetCourseStrokeIndexes(file.lines, "ELM", usable.at("OAK"));
    tb::SetCourseStrokeIndexes(file.lines, "FIR", usable.at("ASH"));
    tb::SaveStrokeIndexFile(dir.path(), file.lines);
    EXPECT_EQ(dir.Read("strokeidx.vxc"), "OAK~1~2~3~\r\nPINE~" + Up + "x\r\nPINE~" + Down +
                                             "\r\nELM~" + Up + "\r\nELM~" + Down + "\r\nFIR~" +
                                             Down + "\r\n");
}

TEST(StrokeIndexFileTest, RowCheck) {
    tb::StrokeIndexTexts row; // all empty: no stroke indexes, no problem
    EXPECT_EQ(tb::CheckStrokeIndexRow(row).problem, "");
    for (int hole = 0; hole < 18; ++hole)
        row[hole] = std::to_string(18 - hole);
    const struct {
        const char* text; // on hole 5, where 14 belongs and 7 stands on hole 12
        const char* problem;
        int hole; // the box to correct: for a value used twice, the first
    } cases[] = {
        {"14", "", 0},
        {" 7", "Stroke index 7 is used twice; each of 1 to 18 must be used once.", 5},
        {"", "Stroke index for hole 5 is missing; fill in all 18 holes or none.", 5},
        {"x", "Stroke index for hole 5 is not a whole number: \"x\".", 5},
        {"19", "Stroke index for hole 5 is 19; each of 1 to 18 must be used once.", 5},
    };
    for (const auto& c : cases) {
        row[4] = c.text;
        const tb::StrokeIndexCheck check = tb::CheckStrokeIndexRow(row);
        EXPECT_EQ(check.problem, c.problem);
        EXPECT_EQ(check.hole, c.hole);
        EXPECT_EQ(check.row.has_value(), *c.problem == '\0');
    }
}

} // namespace
