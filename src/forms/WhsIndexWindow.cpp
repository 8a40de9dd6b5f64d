#include "WhsIndexWindow.h"

#include "data/CourseFile.h"
#include "data/StrokeIndexFile.h"
#include "handicap/WhsTable.h"
#include "widgets/Accessible.h"
#include "widgets/Dialogs.h"
#include "widgets/Latin1.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tb {

namespace {

// The columns from the AGS to the low index hold numbers.
constexpr int FirstNumberColumn = 3;
constexpr int LastNumberColumn = 7;

QTreeWidget* Table(QWidget* parent) {
    auto* table = new QTreeWidget(parent);
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setAllColumnsShowFocus(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->header()->setSectionsMovable(false);
    return table;
}

template <std::size_t Columns>
void Fill(QTreeWidget* table, const std::array<const char*, Columns>& heads,
          const std::vector<std::array<std::string, Columns>>& rows, bool numbers) {
    QStringList labels;
    for (const char* head : heads)
        labels << head;
    table->setHeaderLabels(labels);
    // Numbers, and their heads, stand right-aligned.
    auto align = [numbers](QTreeWidgetItem* item, int column) {
        if (numbers && column >= FirstNumberColumn && column <= LastNumberColumn)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    };
    for (int column = 0; column < table->columnCount(); ++column)
        align(table->headerItem(), column);
    for (const auto& row : rows) {
        auto* item = new QTreeWidgetItem(table);
        for (std::size_t column = 0; column < Columns; ++column) {
            item->setText(static_cast<int>(column), ToQt(row[column]));
            align(item, static_cast<int>(column));
        }
    }
    // Every column as wide as its widest text, and the table wide enough for
    // all of them: nothing is cut off.
    int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < table->columnCount(); ++column) {
        table->resizeColumnToContents(column);
        width += table->columnWidth(column);
    }
    table->setMinimumWidth(width);
}

// The mark column as a screen reader says it: whether the round's
// differential is one today's index uses.
void SayMarks(QTreeWidget* table) {
    for (int row = 0; row < table->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = table->topLevelItem(row);
        item->setData(0, Qt::AccessibleTextRole,
                      item->text(0).isEmpty() ? "Not used for today's index"
                                              : "Used for today's index");
    }
}

} // namespace

TWhsIndexForm::TWhsIndexForm(QWidget* parent) : TbForm(parent) {
    HandBackWhenClosed();
    auto* central = new QWidget(this);
    setCentralWidget(central);

    IndexField = new QLabel(central);
    LowIndexField = new QLabel(central);
    StrokeIndexAdvice = new QLabel(central);
    StrokeIndexAdvice->setWordWrap(true);
    RoundsTable = Table(central);
    RoundsLegend = new QLabel(WhsRoundsLegend, central);
    SkippedLabel = new QLabel("Rounds that do not take part:", central);
    SkippedTable = Table(central);
    CloseButton = new TButton("Close", central);

    RoundsTable->setAccessibleName("Rounds");
    RoundsTable->setAccessibleDescription(WhsRoundsLegend);
    NameByLabel(SkippedLabel, SkippedTable);

    auto* values = new QHBoxLayout;
    values->addWidget(new QLabel("WHS index:", central));
    values->addWidget(IndexField);
    values->addSpacing(24);
    values->addWidget(new QLabel("Low index:", central));
    values->addWidget(LowIndexField);
    values->addStretch();
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(values);
    layout->addWidget(StrokeIndexAdvice);
    layout->addWidget(RoundsTable, 3);
    layout->addWidget(RoundsLegend);
    layout->addWidget(SkippedLabel);
    layout->addWidget(SkippedTable, 1);
    layout->addWidget(CloseButton, 0, Qt::AlignRight);
    setTabOrder(RoundsTable, SkippedTable);
    setTabOrder(SkippedTable, CloseButton);

    Bind(&TWhsIndexForm::CloseButtonClick, CloseButton);
    SetCancelButton(CloseButton);
    UsePlacement("WhsIndexForm", {480, 140, 120, 820});
    RoundsTable->setFocus();
}

void TWhsIndexForm::OpenFor(TbForm* opener, const QString& golferName, const ScoreList& scores) {
    MessageNotifier notifier(opener);
    CourseList courses;
    LoadCourseList(DataDir, courses, notifier);
    const StrokeIndexMap strokeIndexes =
        UsableStrokeIndexes(LoadStrokeIndexFile(DataDir, notifier).lines);
    const WhsResult result = ComputeWhsIndex(scores, courses, strokeIndexes);

    auto* form = new TWhsIndexForm();
    form->setWindowTitle("WHS Index - " + golferName);
    form->IndexField->setText(ToQt(WhsValueText(result.index10)));
    form->LowIndexField->setText(ToQt(WhsValueText(result.low10)));
    const std::string advice = WhsStrokeIndexAdvice(result, strokeIndexes);
    form->StrokeIndexAdvice->setText(ToQt(advice));
    form->StrokeIndexAdvice->setVisible(!advice.empty());
    Fill(form->RoundsTable, WhsRoundColumns, WhsRoundRows(result), true);
    SayMarks(form->RoundsTable);
    // The newest round, under which the rounds of today's index stand.
    if (QTreeWidgetItem* newest =
            form->RoundsTable->topLevelItem(form->RoundsTable->topLevelItemCount() - 1))
        form->RoundsTable->setCurrentItem(newest);
    Fill(form->SkippedTable, WhsSkippedColumns, WhsSkippedRows(result), false);
    const bool anySkipped = !result.skipped.empty();
    form->SkippedLabel->setVisible(anySkipped);
    form->SkippedTable->setVisible(anySkipped);
    form->ShowFor(opener);
}

void TWhsIndexForm::CloseButtonClick() {
    close();
}

} // namespace tb
