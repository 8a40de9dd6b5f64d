#include "Tbprogress.h"

#include "data/CourseFile.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "handicap/HandicapIndex.h"
#include "handicap/Progress.h"
#include "print/core/CsvExport.h"
#include "widgets/Dialogs.h"
#include "widgets/Latin1.h"

#include <QAction>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QDateTimeAxis>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace tb {

namespace {
// A stored date on the time axis; none for a date that is no date.
std::optional<qint64> DateOnAxis(const std::string& stored) {
    const QDate date = QDate::fromString(ToQt(DateForDisplay(stored)), "MM/dd/yyyy");
    if (!date.isValid()) return std::nullopt;
    return date.startOfDay().toMSecsSinceEpoch();
}

QString OneDecimal(const std::optional<double>& value) {
    return value ? QString::number(*value, 'f', 1) : QString("-");
}

QString Share(int count, int of) {
    if (of == 0) return "-";
    return QString("%1 (%2%)").arg(count).arg(100.0 * count / of, 0, 'f', 1);
}

QString Notable(const std::optional<NotableRound>& round) {
    if (!round) return "-";
    return QString("%1 on %2").arg(round->score).arg(ToQt(DateForDisplay(round->date)));
}

// Composes the file through `write` in memory, then saves it as the data
// files are saved: it replaces `path` only once whole, and a failure is told
// in the same words (a file-size limit is "Disk full" for every file).
template <class Write> void SaveWhole(const QString& path, Write write) {
    const std::filesystem::path file = QFile::encodeName(path).toStdString();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer)) throw InOutError("Unable to draw the chart", 0, file);
    const QByteArray& bytes = buffer.data();
    SaveBytes(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
} // namespace

void OpenProgress(TbForm* opener, const GolferRec& golfer, ScoreList sorted) {
    (new TProgressForm(golfer, std::move(sorted)))->ShowFor(opener);
}

TProgressForm::TProgressForm(const GolferRec& golfer, ScoreList sorted, QWidget* parent)
    : TbForm(parent), golfer_(golfer), scores_(std::move(sorted)) {
    HandBackWhenClosed();
    setWindowTitle("Progress - " + ToQt(golfer_.LongName));
    auto* central = new QWidget(this);
    setCentralWidget(central);

    ChartView = new QChartView(central);
    ChartView->setRenderHint(QPainter::Antialiasing);
    ChartView->setMinimumSize(480, 320);
    Statistics = new QFormLayout;
    CloseButton = new TButton("Close", central);
    auto* side = new QVBoxLayout;
    side->addLayout(Statistics);
    side->addStretch();
    side->addWidget(CloseButton, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(ChartView, 1);
    layout->addLayout(side);

    QMenu* file = menuBar()->addMenu("&File");
    SavePng1 = file->addAction("Save Chart as &PNG...");
    SavePdf1 = file->addAction("Save Chart as P&DF...");
    ExportCsv1 = file->addAction("&Export Rounds as CSV...");
    file->addSeparator();
    Close1 = file->addAction("&Close");

    Bind(&TProgressForm::SavePng1Click, nullptr, SavePng1);
    Bind(&TProgressForm::SavePdf1Click, nullptr, SavePdf1);
    Bind(&TProgressForm::ExportCsv1Click, nullptr, ExportCsv1);
    Connect(Close1, &QAction::triggered, this, [this] { close(); });
    Connect(CloseButton, &QAbstractButton::clicked, this, [this] { close(); });
    SetCancelButton(CloseButton);
    UsePlacement("ProgressForm", {520, 120, 110, 960});
    BuildChart();
    ShowStatistics();
}

void TProgressForm::BuildChart() {
    auto* chart = new QChart;
    chart->setTitle("Index after each day of play");
    auto* history = new QLineSeries;
    history->setName("Index");
    double low = 0, high = 1;
    bool any = false;
    std::optional<qint64> first, last;
    auto widenDates = [&](qint64 at) {
        first = first ? std::min(*first, at) : at;
        last = last ? std::max(*last, at) : at;
    };
    auto widen = [&](double value) {
        low = any ? std::min(low, value) : value;
        high = any ? std::max(high, value) : value;
        any = true;
    };
    for (const IndexPoint& point : IndexHistory(scores_, std::to_string(golfer_.Sex))) {
        if (const auto at = DateOnAxis(point.date)) {
            history->append(static_cast<qreal>(*at), static_cast<double>(point.index));
            widen(static_cast<double>(point.index));
            widenDates(*at);
        }
    }
    // The rounds whose differentials make today's index, at their differential.
    auto* used = new QScatterSeries;
    used->setName("Rounds in today's index");
    used->setMarkerSize(9);
    ScoreList copy = scores_;
    const IndexResult index = ComputeIndex(copy, {std::to_string(golfer_.Sex), ""});
    for (int position : index.usedScores) {
        if (position < 1 || position > static_cast<int>(copy.size())) continue;
        const ScoreRec& round = copy[static_cast<std::size_t>(position - 1)];
        if (const auto at = DateOnAxis(round.Date)) {
            const double differential = static_cast<double>(StoredScoreDifferential(round));
            used->append(static_cast<qreal>(*at), differential);
            widen(differential);
        }
    }
    chart->addSeries(history);
    chart->addSeries(used);
    auto* dates = new QDateTimeAxis;
    dates->setFormat("MM/yyyy");
    dates->setTitleText("Date");
    // A fortnight on either side, so that no point sits on the plot's edge.
    constexpr qint64 Fortnight = 14LL * 24 * 3600 * 1000;
    // Without a dated round the axis stands around today.
    if (!first) widenDates(QDate::currentDate().startOfDay().toMSecsSinceEpoch());
    if (first && last)
        dates->setRange(QDateTime::fromMSecsSinceEpoch(*first - Fortnight),
                        QDateTime::fromMSecsSinceEpoch(*last + Fortnight));
    auto* values = new QValueAxis;
    values->setTitleText("Index");
    values->setLabelFormat("%.1f");
    values->setRange(std::floor(low) - 1, std::ceil(high) + 1);
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(history), static_cast<QAbstractSeries*>(used)}) {
        series->attachAxis(dates);
        series->attachAxis(values);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    // The view gives up the chart it was made with without deleting it.
    QChart* empty = ChartView->chart();
    ChartView->setChart(chart);
    delete empty;
}

void TProgressForm::ShowStatistics() {
    MessageNotifier notifier(this);
    CourseList courses;
    LoadCourseList(DataDir, courses, notifier);
    const RoundStatistics stats = ComputeRoundStatistics(scores_, courses);
    auto row = [this](const QString& caption, const QString& value) {
        auto* label = new QLabel(value);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        Statistics->addRow(caption, label);
    };
    row("Rounds:", QString("%1 (%2 complete)").arg(stats.rounds).arg(stats.completeRounds));
    row("Average score:", OneDecimal(stats.averageScore) +
                              " (last 20: " + OneDecimal(stats.averageScoreLast20) + ")");
    row("Average AGS:", OneDecimal(stats.averageAdjScore) +
                            " (last 20: " + OneDecimal(stats.averageAdjScoreLast20) + ")");
    row("Best round:", Notable(stats.best));
    row("Worst round:", Notable(stats.worst));
    row("Putts per round:", OneDecimal(stats.puttsPerRound) +
                                QString(" (%1 rounds with putts)").arg(stats.roundsWithPutts));
    row("Putts per hole:", OneDecimal(stats.puttsPerHole));
    row("Holes against par:", QString("%1 holes of %2 rounds")
                                  .arg(stats.holesAgainstPar)
                                  .arg(stats.roundsOnListedCourses));
    const char* const kinds[ParResultKinds] = {
        "Eagle or better:", "Birdie:", "Par:", "Bogey:", "Double bogey:", "Worse:"};
    for (int kind = 0; kind < ParResultKinds; ++kind)
        row(kinds[kind],
            Share(stats.holesByResult[static_cast<std::size_t>(kind)], stats.holesAgainstPar));
    for (int par = 3; par <= 5; ++par)
        row(QString("Average on par %1:").arg(par),
            OneDecimal(stats.averageOnPar[static_cast<std::size_t>(par - 3)]));
}

QString TProgressForm::Proposed(const QString& suffix) const {
    return QDir(DataDir).absoluteFilePath(ToQt(golfer_.ShortName) + suffix);
}

void TProgressForm::SavePng1Click() {
    const QString path = Dialogs::ChooseSaveFile(this, "Save Chart as PNG",
                                                 Proposed("-progress.png"), "PNG images (*.png)");
    if (path.isEmpty()) return;
    const QPixmap picture = ChartView->grab();
    SaveWhole(path, [&](QIODevice& file) { return picture.save(&file, "PNG"); });
}

void TProgressForm::SavePdf1Click() {
    const QString path = Dialogs::ChooseSaveFile(this, "Save Chart as PDF",
                                                 Proposed("-progress.pdf"), "PDF files (*.pdf)");
    if (path.isEmpty()) return;
    SaveWhole(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setTitle(windowTitle());
        QPainter painter;
        if (!painter.begin(&pdf)) return false;
        ChartView->render(&painter);
        return painter.end();
    });
}

void TProgressForm::ExportCsv1Click() {
    const QString path = Dialogs::ChooseSaveFile(this, "Export Rounds as CSV", Proposed(".csv"),
                                                 "CSV files (*.csv)");
    if (path.isEmpty()) return;
    ScoreList copy = scores_;
    SaveCsv(QFile::encodeName(path).toStdString(), GolferCsvLines(golfer_, copy));
}

} // namespace tb
