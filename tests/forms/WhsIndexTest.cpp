// The WHS index window, opened by keyboard from the golfer list and from the
// golfer's scores: the current values, the rounds with the ones today's index
// uses marked, and the rounds that do not take part with the reason.

#include "ScoreEntryFixture.h"
#include "forms/GolferScoresWindow.h"
#include "forms/WhsIndexWindow.h"

#include <QScrollBar>
#include <QTreeWidget>

namespace tbtest {
namespace {

using WhsIndexTest = ScoreEntryTest;

tb::TWhsIndexForm* Opened() {
    tb::TWhsIndexForm* found = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        found = qobject_cast<tb::TWhsIndexForm*>(QApplication::activeWindow());
        return found != nullptr;
    }));
    return found;
}

TEST_F(WhsIndexTest, BothMenusShowTheIndexTheMarkedRoundsAndWhyARoundIsLeftOut) {
    dir.Write("courses.vxc", ScoreCourses);
    dir.Write("strokeidx.vxc", "ABBEY~1~2~3~4~5~6~7~8~9~10~11~12~13~14~15~16~17~18~\r\n");
    // Three totals at ABBEY (17.6 each: 15.6 after the third), then 18 holes
    // at OAK HOLLOW, which has no stroke indexes (17.6: 16.6), then a slope
    // that cannot take part.
    std::string holes = "19991204~OAK HOLLOW~90~71.2~121~~";
    for (int hole = 0; hole < 36; ++hole)
        holes += hole < 18 ? "5~" : "0~";
    WriteGolfers(RoundLine("19991205", "ABBEY", "90", "70.5", "54") + holes + "90~\r\n" +
                 RoundLine("19991203", "ABBEY", "90", "70.5", "125") +
                 RoundLine("19991202", "ABBEY", "90", "70.5", "125") +
                 RoundLine("19991201", "ABBEY", "90", "70.5", "125"));
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    hub->GolferListBox->setCurrentRow(1);
    ChooseMenu(hub, Qt::Key_A, Qt::Key_W);
    tb::TWhsIndexForm* form = Opened();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "WHS Index - John Smith");
    EXPECT_EQ(form->IndexField->text(), "16.6");
    EXPECT_EQ(form->LowIndexField->text(), "none");
    EXPECT_TRUE(form->StrokeIndexAdvice->isVisibleTo(form));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Focus() == form->RoundsTable; }));
    ASSERT_EQ(form->RoundsTable->topLevelItemCount(), 4);
    const QTreeWidgetItem* newest = form->RoundsTable->topLevelItem(3);
    EXPECT_EQ(form->RoundsTable->topLevelItem(2)->text(0), "");
    EXPECT_EQ((QStringList{newest->text(0), newest->text(1), newest->text(4), newest->text(6),
                           newest->text(8)}),
              (QStringList{"*", "12/04/1999", "17.6", "16.6", "no stroke indexes, AGS as stored"}))
        << "marked: the more recent of equal differentials";
    // Each column as wide as a plain table measures it, row by row (the last
    // one stretches on screen: the table's least width holds it).
    QTreeWidget plain;
    plain.setRootIsDecorated(false);
    plain.setHeaderItem(form->RoundsTable->headerItem()->clone());
    for (int row = 0; row < 4; ++row)
        plain.addTopLevelItem(form->RoundsTable->topLevelItem(row)->clone());
    int width = 2 * plain.frameWidth() + plain.verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < plain.columnCount(); ++column) {
        plain.resizeColumnToContents(column);
        width += plain.columnWidth(column);
        if (column < plain.columnCount() - 1) {
            EXPECT_EQ(form->RoundsTable->columnWidth(column), plain.columnWidth(column)) << column;
        }
    }
    EXPECT_EQ(form->RoundsTable->minimumWidth(), width);
    ASSERT_EQ(form->SkippedTable->topLevelItemCount(), 1);
    EXPECT_EQ(form->SkippedTable->topLevelItem(0)->text(0), "12/05/1999");
    EXPECT_EQ(form->SkippedTable->topLevelItem(0)->text(2), "bad rating or slope");
    Key(Qt::Key_Escape);
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), hub);

    Click(hub->EditScoresButton);
    Settle();
    ChooseMenu(tb::GolferForm.Get(), Qt::Key_C, Qt::Key_W);
    form = Opened();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->IndexField->text(), "16.6");
    Key(Qt::Key_Escape);
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), tb::GolferForm.Get());
}

} // namespace
} // namespace tbtest
