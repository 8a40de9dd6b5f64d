// A golfer's progress window: opened from the golfer list and from the
// golfer's scores, its chart and statistics, and what its File menu saves.

#include "SaveFailures.h"
#include "ScoreEntryFixture.h"
#include "forms/GolferScoresWindow.h"
#include "forms/ProgressWindow.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QFileInfo>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <cmath>

namespace tbtest {
namespace {

class ProgressTest : public ScoreEntryTest {
protected:
    static tb::TProgressForm* Opened() {
        return qobject_cast<tb::TProgressForm*>(QApplication::activeWindow());
    }
    // John Smith's progress from the golfer list's Activities menu.
    static tb::TProgressForm* OpenFromTheList(tb::TGPickForm* hub) {
        hub->GolferListBox->setCurrentRow(1);
        ChooseMenu(hub, Qt::Key_A, Qt::Key_P);
        return Opened();
    }
    static QLabel* StatisticLabel(tb::TProgressForm* form, const QString& caption) {
        for (int row = 0; row < form->Statistics->rowCount(); ++row) {
            auto* label = qobject_cast<QLabel*>(
                form->Statistics->itemAt(row, QFormLayout::LabelRole)->widget());
            if (label && label->text() == caption)
                return qobject_cast<QLabel*>(
                    form->Statistics->itemAt(row, QFormLayout::FieldRole)->widget());
        }
        return nullptr;
    }
    static QString Statistic(tb::TProgressForm* form, const QString& caption) {
        QLabel* label = StatisticLabel(form, caption);
        return label ? label->text() : QString();
    }
};

TEST_F(ProgressTest, BothMenusOpenTheChartAndTheStatisticsAndEscapeCloses) {
    WriteGolfers(Rounds(8) + RoundLine("19990101", "ABBEY", "90", "70.5", "125"));
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    tb::TProgressForm* form = OpenFromTheList(hub);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "Progress - John Smith");
    const QList<QAbstractSeries*> series = form->ChartView->chart()->series();
    ASSERT_EQ(series.size(), 3);
    EXPECT_EQ(static_cast<QLineSeries*>(series[0])->count(), 9) << "one point per date";
    EXPECT_EQ(static_cast<QScatterSeries*>(series[1])->count(), 3) << "9 rounds: the best 3";
    EXPECT_EQ(static_cast<QLineSeries*>(series[2])->count(), 7) << "WHS: from the third round";
    EXPECT_EQ(Statistic(form, "Rounds:"), "9 (9 complete)");
    EXPECT_EQ(Statistic(form, "WHS index:"), "17.6");
    Press(form, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), hub);

    Click(hub->EditScoresButton);
    Settle();
    ChooseMenu(tb::GolferForm.Get(), Qt::Key_C, Qt::Key_P);
    form = Opened();
    ASSERT_TRUE(form);
    EXPECT_EQ(Statistic(form, "Rounds:"), "9 (9 complete)");
    form->close();
    Settle();
}

TEST_F(ProgressTest, AStatisticsTextIsSelectedWithTheMouse) {
    WriteGolfers(Rounds(9));
    tb::TProgressForm* form = OpenFromTheList(OpenHub());
    ASSERT_TRUE(form);
    QLabel* rounds = StatisticLabel(form, "Rounds:");
    ASSERT_TRUE(rounds);
    const QPoint start(QFontMetrics(rounds->font()).horizontalAdvance("9 (9 co"),
                       rounds->height() / 2);
    QTest::mouseMove(rounds, start);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return rounds->textInteractionFlags().testFlag(Qt::TextSelectableByMouse); }));
    QTest::mouseDClick(rounds, Qt::LeftButton, {}, start);
    EXPECT_EQ(rounds->selectedText(), "complete");
    form->close();
    Settle();
}

TEST_F(ProgressTest, TheFileMenuSavesTheChartAndTheRounds) {
    WriteGolfers(Rounds(3));
    tb::TGPickForm* hub = OpenHub();
    ASSERT_TRUE(hub);
    tb::TProgressForm* form = OpenFromTheList(hub);
    ASSERT_TRUE(form);
    form->SavePng1->trigger();
    form->SavePdf1->trigger();
    form->ExportCsv1->trigger();
    EXPECT_FALSE(QImage(QString::fromStdString((dir / "SMITH-progress.png").string())).isNull());
    EXPECT_EQ(dir.Read("SMITH-progress.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(dir.Read("SMITH.csv").substr(0, 12), "date,course,");
    // Cancelled, nothing is written.
    std::filesystem::remove(dir / "SMITH.csv");
    tb::Dialogs::QueueAnswer(tb::Dialogs::Answer::Cancel);
    form->ExportCsv1->trigger();
    EXPECT_FALSE(dir.Exists("SMITH.csv"));
    for (QAction* save : {form->SavePng1, form->SavePdf1, form->ExportCsv1}) { // one wording
        tb::Dialogs::ClearShown();
        FileSizeLimit limit(16);
        save->trigger();
        const QString file = QFileInfo(tb::Dialogs::ShownDialogs().front().text).fileName();
        EXPECT_EQ(tb::Dialogs::ShownDialogs().back().text,
                  "Disk full\n" + file + ": File too large");
    }
    form->close();
    Settle();
}

TEST_F(ProgressTest, TheChartNamesTheGolferAndListsTheDatesItCannotPlace) {
    WriteGolfers(Rounds(8) + RoundLine("690101", "OAK", "90", "70.5", "125") +
                 RoundLine("20250230", "ELM", "90", "70.5", "125"));
    tb::TProgressForm* form = OpenFromTheList(OpenHub());
    ASSERT_TRUE(form);
    QChart* chart = form->ChartView->chart();
    EXPECT_EQ(chart->title(), "John Smith: index after each day of play");
    EXPECT_EQ(form->NotShown->text(), "Rounds not shown, their dates as stored:\n"
                                      "\"20690101\" (OAK): later than today\n"
                                      "\"20250230\" (ELM): not a day");
    EXPECT_EQ(Statistic(form, "Rounds:"), "10 (10 complete)");
    // The time axis ends a fortnight after the last round placed (12/28/1999).
    EXPECT_EQ(static_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).at(0))->max().date(),
              QDate(2000, 1, 11));
    auto* values = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).at(0));
    const double step = (values->max() - values->min()) / (values->tickCount() - 1);
    EXPECT_EQ(std::fmod(values->min(), step), 0.0) << values->min() << " by " << step;
    form->SavePng1->trigger();
    EXPECT_EQ(QImage(QString::fromStdString((dir / "SMITH-progress.png").string())).text("Title"),
              chart->title());
    form->close();
    Settle();
}

} // namespace
} // namespace tbtest
