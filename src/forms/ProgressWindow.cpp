#include "ProgressWindow.h"

#include "data/CourseFile.h"
#include "data/Errors.h"
#include "data/StrokeIndexFile.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "handicap/ChartScale.h"
#include "handicap/HandicapIndex.h"
#include "handicap/Progress.h"
#include "handicap/WhsTable.h"
#include "print/core/CsvExport.h"
#include "widgets/Controls.h"
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
#include <future>

namespace tb {

namespace {
std::chrono::year_month_day Today() {
    const QDate today = QDate::currentDate();
    return {std::chrono::year{today.year()},
            std::chrono::month{static_cast<unsigned>(today.month())},
            std::chrono::day{static_cast<unsigned>(today.day())}};
}

QString WhyNotShown(DatePlacement placement) {
    switch (placement) {
    case DatePlacement::NoDate:
        return "no date";
    case DatePlacement::NotADay:
        return "not a day";
    case DatePlacement::AfterToday:
        return "later than today";
    case DatePlacement::Placed:
        break;
    }
    return {};
}

// A stored date on the time axis, at the start of its day in local time;
// none for one the chart cannot place.
std::optional<qint64> PlaceOnAxis(const std::string& stored, std::chrono::year_month_day today) {
    const PlacedDate placed = PlaceDate(stored, today);
    if (placed.placement != DatePlacement::Placed) return std::nullopt;
    const QDate day(static_cast<int>(placed.day.year()), static_cast<unsigned>(placed.day.month()),
                    static_cast<unsigned>(placed.day.day()));
    return day.startOfDay().toMSecsSinceEpoch();
}

// A stored date on the time axis, placed once into `placed`: the lines share
// their dates, and a local midnight costs a look at the time zone each time.
std::optional<qint64> PlaceOnce(DatesOnAxis& placed, const std::string& stored,
                                std::chrono::year_month_day today) {
    const auto [known, added] = placed.try_emplace(stored);
    if (added) known->second = PlaceOnAxis(stored, today);
    return known->second;
}

// The rounds' dates on the time axis.
DatesOnAxis PlaceAllOnAxis(const ScoreList& scores, std::chrono::year_month_day today) {
    DatesOnAxis placed;
    placed.reserve(scores.size());
    for (const ScoreRec& round : scores)
        PlaceOnce(placed, round.Date.str(), today);
    return placed;
}

// What the chart takes of the rounds alone: the index after each day of
// play, and the rounds' dates on the time axis.
struct RoundsOnChart {
    std::vector<IndexPoint> history;
    DatesOnAxis dates;
};

RoundsOnChart ChartRounds(const ScoreList& scores, const std::string& sex,
                          std::chrono::year_month_day today) {
    return {IndexHistory(scores, sex), PlaceAllOnAxis(scores, today)};
}

// The rounds not shown listed one a line up to this many; the rest counted.
constexpr int MostListed = 6;

// How far the points reach, in time and in value.
struct Extent {
    std::optional<qint64> first, last;
    std::optional<double> low, high;
    void Add(qint64 at, double value) {
        first = first ? std::min(*first, at) : at;
        last = last ? std::max(*last, at) : at;
        low = low ? std::min(*low, value) : value;
        high = high ? std::max(*high, value) : value;
    }
};

QDateTimeAxis* DateAxis(const Extent& extent) {
    auto* dates = new QDateTimeAxis;
    dates->setFormat("MM/yyyy");
    dates->setTitleText("Date");
    // A fortnight on either side, so that no point sits on the plot's edge.
    // Without a dated round the axis stands around today.
    constexpr qint64 Fortnight = 14LL * 24 * 3600 * 1000;
    const qint64 today = QDate::currentDate().startOfDay().toMSecsSinceEpoch();
    dates->setRange(QDateTime::fromMSecsSinceEpoch(extent.first.value_or(today) - Fortnight),
                    QDateTime::fromMSecsSinceEpoch(extent.last.value_or(today) + Fortnight));
    return dates;
}

QValueAxis* ValueAxis(const Extent& extent) {
    const AxisTicks ticks = ValueTicks(extent.low.value_or(0), extent.high.value_or(1));
    auto* values = new QValueAxis;
    values->setTitleText("Index");
    values->setLabelFormat(QString("%.%1f").arg(ticks.decimals));
    values->setRange(ticks.low, ticks.high);
    values->setTickCount(ticks.intervals + 1);
    return values;
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

void OpenProgressWindow(TbForm* opener, const GolferRec& golfer, ScoreList sorted) {
    (new TProgressForm(golfer, std::move(sorted)))->ShowFor(opener);
}

TProgressForm::TProgressForm(const GolferRec& golfer, ScoreList sorted, QWidget* parent)
    : TbForm(parent), golfer_(golfer), scores_(std::move(sorted)), today_(Today()) {
    // The chart's share of the rounds is worked out on a thread of its own
    // while the window is made, the files are read and the indexes and the
    // statistics are worked out: placing the dates takes longest, since each
    // local midnight looks at the time zone (the C library checks whether its
    // file changed). The scores are only read, on either thread. When no
    // thread can be had, the work is done where it is waited for.
    std::future<RoundsOnChart> charting =
        std::async(std::launch::async | std::launch::deferred, ChartRounds, std::cref(scores_),
                   std::to_string(golfer_.Sex), today_);
    HandBackWhenClosed();
    setWindowTitle("Progress - " + ToQt(golfer_.LongName));
    auto* central = new QWidget(this);
    setCentralWidget(central);

    ChartPanel = new QWidget(central);
    ChartView = new QChartView(ChartPanel);
    ChartView->setRenderHint(QPainter::Antialiasing);
    ChartView->setMinimumSize(480, 320);
    // The view and the surface it draws on, which takes the focus of its own.
    ChartView->setAccessibleName("Progress chart");
    ChartView->viewport()->setAccessibleName("Progress chart");
    NotShown = new QLabel(ChartPanel);
    SelectableOncePointedAt(NotShown);
    NotShown->setContentsMargins(9, 0, 9, 6); // about where the chart's own frame begins
    auto* chartColumn = new QVBoxLayout(ChartPanel);
    chartColumn->setContentsMargins(0, 0, 0, 0);
    chartColumn->addWidget(ChartView, 1);
    chartColumn->addWidget(NotShown);
    Statistics = new QFormLayout;
    CloseButton = new TButton("Close", central);
    auto* side = new QVBoxLayout;
    side->addLayout(Statistics);
    side->addStretch();
    side->addWidget(CloseButton, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(ChartPanel, 1);
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
    // The WHS index over the scores as given, newest first as every score
    // file is saved, with the course list and the stroke indexes.
    MessageNotifier notifier(this);
    LoadCourseList(DataDir, courses_, notifier);
    whs_ = ComputeWhsIndex(scores_, courses_, LoadUsableStrokeIndexes(DataDir, notifier));
    ScoreList indexed;
    const IndexResult own = OwnIndex(indexed);
    ListNotShown();
    ShowStatistics(own);
    RoundsOnChart rounds = charting.get();
    datesOnAxis_ = std::move(rounds.dates);
    ShowChart(BuildChart(own, indexed, rounds.history));
}

std::optional<qint64> TProgressForm::DateOnAxis(const std::string& stored) {
    return PlaceOnce(datesOnAxis_, stored, today_);
}

IndexResult TProgressForm::OwnIndex(ScoreList& indexed) const {
    indexed = scores_;
    return ComputeIndex(indexed, {std::to_string(golfer_.Sex), ""});
}

QChart* TProgressForm::BuildChart(const IndexResult& index, const ScoreList& indexed,
                                  const std::vector<IndexPoint>& indexHistory) {
    auto* chart = new QChart;
    chart->setTitle(ToQt(golfer_.LongName) + ": index after each day of play");
    Extent extent;
    auto* history = new QLineSeries;
    history->setName("Index");
    for (const IndexPoint& point : indexHistory) {
        if (const auto at = DateOnAxis(point.date)) {
            history->append(static_cast<qreal>(*at), static_cast<double>(point.index));
            extent.Add(*at, static_cast<double>(point.index));
        }
    }
    // The rounds whose differentials make today's index, at their differential.
    auto* used = new QScatterSeries;
    used->setName("Rounds in today's index");
    used->setMarkerSize(9);
    for (int position : index.usedScores) {
        if (position < 1 || position > static_cast<int>(indexed.size())) continue;
        const ScoreRec& round = indexed[static_cast<std::size_t>(position - 1)];
        if (const auto at = DateOnAxis(round.Date)) {
            const double differential = static_cast<double>(StoredScoreDifferential(round));
            used->append(static_cast<qreal>(*at), differential);
            extent.Add(*at, differential);
        }
    }
    // The WHS index after each day of play that gives one.
    auto* whs = new QLineSeries;
    whs->setName("WHS index");
    for (const WhsIndexPoint& point : WhsIndexHistory(whs_)) {
        if (const auto at = DateOnAxis(point.date)) {
            whs->append(static_cast<qreal>(*at), point.index10 / 10.0);
            extent.Add(*at, point.index10 / 10.0);
        }
    }
    const QList<QAbstractSeries*> series = {history, used, whs};
    for (QAbstractSeries* each : series)
        chart->addSeries(each);
    QDateTimeAxis* dates = DateAxis(extent);
    QValueAxis* values = ValueAxis(extent);
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries* each : series) {
        each->attachAxis(dates);
        each->attachAxis(values);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

void TProgressForm::ShowChart(QChart* chart) {
    // The view lays the chart out, lines, axes and texts, at the view's size
    // when it takes it and again whenever that size changes. The window is
    // laid out first at the size it opens with, so that the view has that
    // size already and the chart is laid out once, not first at the view's
    // first size and again when the window opens.
    ensurePolished();
    for (QWidget* outer : {static_cast<QWidget*>(this), centralWidget(), ChartPanel})
        outer->layout()->activate();
    // The view gives up the chart it was made with without deleting it.
    QChart* empty = ChartView->chart();
    ChartView->setChart(chart);
    delete empty;
}

// The rounds whose dates the chart cannot place, by their dates as stored:
// they count in the statistics and the index, yet have no place on the chart.
void TProgressForm::ListNotShown() {
    QStringList lines;
    int more = 0;
    for (const ScoreRec& round : scores_) {
        const DatePlacement placement = PlaceDate(round.Date.str(), today_).placement;
        if (placement == DatePlacement::Placed) continue;
        if (lines.size() == MostListed) {
            ++more;
            continue;
        }
        lines << QString("\"%1\" (%2): %3")
                     .arg(ToQt(round.Date.str()), ToQt(CutAtNul(round.CourseName.str())),
                          WhyNotShown(placement));
    }
    if (more > 0) lines << QString("and %1 more").arg(more);
    if (!lines.isEmpty()) lines.prepend("Rounds not shown, their dates as stored:");
    NotShown->setText(lines.join('\n'));
    NotShown->setVisible(!lines.isEmpty());
}

void TProgressForm::ShowStatistics(const IndexResult& own) {
    const RoundStatistics stats = ComputeRoundStatistics(scores_, courses_);
    auto row = [this](const QString& caption, const QString& value) {
        auto* label = new QLabel(value);
        SelectableOncePointedAt(label);
        Statistics->addRow(caption, label);
    };
    row("Index:", ToQt(FormatIndex(own.index, 0)));
    row("WHS index:", ToQt(WhsValueText(whs_.index10)));
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
    QImage picture = ChartPanel->grab().toImage();
    picture.setText("Title", ChartView->chart()->title());
    SaveWhole(path, [&](QIODevice& file) { return picture.save(&file, "PNG"); });
}

void TProgressForm::SavePdf1Click() {
    const QString path = Dialogs::ChooseSaveFile(this, "Save Chart as PDF",
                                                 Proposed("-progress.pdf"), "PDF files (*.pdf)");
    if (path.isEmpty()) return;
    SaveWhole(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setTitle(ChartView->chart()->title());
        QPainter painter;
        if (!painter.begin(&pdf)) return false;
        // The page is drawn at the writer's resolution: the panel fills it.
        const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
        const double scale = std::min(page.width() / static_cast<double>(ChartPanel->width()),
                                      page.height() / static_cast<double>(ChartPanel->height()));
        painter.scale(scale, scale);
        // The chart's scene drawn as lines and text (the legend included),
        // the list of rounds not shown under it.
        ChartView->render(&painter, QRectF(ChartView->geometry()));
        if (!NotShown->isHidden()) NotShown->render(&painter, NotShown->pos(), {}, {});
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
