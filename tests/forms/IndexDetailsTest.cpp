// The golfer list's "Calculate Index": a window of its own showing how the
// index was obtained, with the golfer list's variant of the detail lines.

#include "ScoreEntryFixture.h"
#include "forms/Tbgpick.h"
#include "forms/Tbindex.h"

namespace tbtest {
namespace {

class IndexDetailsTest : public ScoreEntryTest {
protected:
    tb::TIndexForm* OpenedIndexForm() {
        tb::TIndexForm* found = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] {
            found = qobject_cast<tb::TIndexForm*>(QApplication::activeWindow());
            return found != nullptr;
        }));
        return found;
    }
};

// Lines 1 and 2, the differentials, then the index two lines after the last
// differential; the lines after it are empty.
TEST_F(IndexDetailsTest, TheDetailsLandOnTheirLinesAndTheListKeepsItsGolfer) {
    const struct {
        int rounds;
        int differentials;
        const char* first;
    } cases[] = {
        {0, 0, "0 scores on file for John Smith.  (0 are valid)"},
        {5, 1, "5 scores on file for John Smith.  (5 are valid)"},
        {20, 10, "20 scores on file for John Smith."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rounds);
        WriteGolfers(Rounds(c.rounds));
        tb::TGPickForm* hub = OpenHub();
        ASSERT_TRUE(hub);
        hub->GolferListBox->setCurrentRow(1);
        Click(hub->IndexButton);
        Settle();
        tb::TIndexForm* form = OpenedIndexForm();
        ASSERT_TRUE(form);
        EXPECT_EQ(form->windowTitle(), "Current Index");
        EXPECT_EQ(form->Field[0]->text(), c.first);
        const int indexLine = c.differentials + 3; // 0-based
        for (int k = 0; k < c.differentials; ++k)
            EXPECT_TRUE(form->Field[k + 2]->text().startsWith(
                QString("Differential %1 ").arg(k + 1) + (k + 1 == 10 ? " = " : "")))
                << form->Field[k + 2]->text().toStdString();
        EXPECT_EQ(form->Field[indexLine - 1]->text(), "");
        EXPECT_TRUE(
            form->Field[indexLine]->text().startsWith("The current index for John Smith is"));
        for (int line = indexLine + 1; line < tb::DetailLineCount; ++line)
            EXPECT_EQ(form->Field[line]->text(), "") << line;
        Click(form->OkButton);
        Settle();
        EXPECT_EQ(QApplication::activeWindow(), hub);
        EXPECT_EQ(hub->GolferListBox->currentRow(), 1);
        EXPECT_EQ(hub->Mode(), 'I');
        hub->close();
        Settle();
    }
}

} // namespace
} // namespace tbtest
