#include "WhsIndexWindow.h"

#include "data/CourseFile.h"
#include "data/StrokeIndexFile.h"
#include "handicap/WhsTable.h"
#include "widgets/Accessible.h"
#include "widgets/Dialogs.h"
#include "widgets/Latin1.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>
#include <functional>
#include <future>
#include <memory>
#include <optional>

namespace tb {

namespace {

// The columns from the AGS to the low index hold numbers.
constexpr int FirstNumberColumn = 3;
constexpr int LastNumberColumn = 7;

// The width QStyledItemDelegate gives a cell of the view `option` is for
// that holds text and nothing else. QCommonStyle lays the text out on one
// line and takes its natural width, rounded up, with a margin on either
// side. For a text of digits and signs that ends in a glyph whose ink stays
// within its advance, that natural width is the text's advance, which font
// metrics give without a layout of their own: such texts are measured that
// way. The first of them is measured by the delegate as well; if the two
// differ there, every later text goes to the delegate.
class CellWidths {
public:
    CellWidths(const QTreeWidget& table, const QStyleOptionViewItem& option)
        : table_(table), option_(option), metrics_(option.font),
          margin_(table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, &table) + 1) {}

    // The width of the cell at `index`, `item`'s in `column`.
    int Of(const QTreeWidgetItem* item, int column, const QModelIndex& index) {
        QAbstractItemDelegate* delegate = table_.itemDelegateForIndex(index);
        const auto byDelegate = [&] { return delegate->sizeHint(option_, index).width(); };
        const std::optional<int> advance =
            IsPlainText(item, column, delegate) ? AdvanceWidth(item->text(column)) : std::nullopt;
        if (!advance) return byDelegate();
        if (!checked_) {
            checked_ = true;
            const int measured = byDelegate();
            advanceHolds_ = measured == *advance;
            return measured;
        }
        return *advance;
    }

private:
    // A cell with nothing but its text (a string) and alignment, drawn by
    // the view's own delegate, a bare QStyledItemDelegate.
    bool IsPlainText(const QTreeWidgetItem* item, int column,
                     const QAbstractItemDelegate* delegate) const {
        if (!advanceHolds_ || delegate != table_.itemDelegate() ||
            delegate->metaObject() != &QStyledItemDelegate::staticMetaObject)
            return false;
        for (int role : {Qt::DecorationRole, Qt::CheckStateRole, Qt::FontRole, Qt::SizeHintRole})
            if (item->data(column, role).isValid()) return false;
        return item->data(column, Qt::DisplayRole).typeId() == QMetaType::QString;
    }

    static bool IsDigitOrSign(QChar c) {
        return (c >= u'0' && c <= u'9') || QStringView(u" .,/+-*:%()").contains(c);
    }

    std::optional<int> AdvanceWidth(const QString& text) const {
        if (text.isEmpty() || text.back() == u' ') return std::nullopt;
        if (!std::all_of(text.begin(), text.end(), IsDigitOrSign)) return std::nullopt;
        if (metrics_.rightBearing(text.back()) < 0) return std::nullopt;
        return qCeil(metrics_.horizontalAdvance(text)) + 2 * margin_;
    }

    const QTreeWidget& table_;
    const QStyleOptionViewItem& option_;
    const QFontMetricsF metrics_;
    const int margin_;
    bool checked_ = false;
    bool advanceHolds_ = true;
};

// A table whose columns are sized to their widest text. The cells of one
// column differ only in their texts, and the item delegate gives a text the
// same width wherever it stands, so each distinct text is measured once:
// the width comes out as QTreeView's, which measures every row.
class TextTable : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    int sizeHintForColumn(int column) const override {
        // QTreeView measures at most this many rows, and indents the tree's
        // column: both left to it.
        const int rows = topLevelItemCount();
        if (rows == 0 || rootIsDecorated() || rows > header()->resizeContentsPrecision())
            return QTreeWidget::sizeHintForColumn(column);
        ensurePolished();
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        CellWidths widths(*this, option);
        QSet<QString> measured;
        int width = 0;
        for (int row = 0; row < rows; ++row) {
            QTreeWidgetItem* item = topLevelItem(row);
            if (item->childCount() > 0) return QTreeWidget::sizeHintForColumn(column);
            if (item->isHidden()) continue;
            const QString text = item->text(column);
            if (measured.contains(text)) continue;
            measured.insert(text);
            width = std::max(width, widths.Of(item, column, indexFromItem(item, column)));
        }
        return width;
    }
};

QTreeWidget* Table(QWidget* parent) {
    auto* table = new TextTable(parent);
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setAllColumnsShowFocus(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->header()->setSectionsMovable(false);
    return table;
}

// The mark column as a screen reader says it: whether the round's
// differential is one today's index uses.
void SayMark(QTreeWidgetItem* item) {
    item->setData(0, Qt::AccessibleTextRole,
                  item->text(0).isEmpty() ? "Not used for today's index"
                                          : "Used for today's index");
}

// The rows are made whole, then put in the table together: one change of
// the table instead of one for each cell. `each`, when given, finishes a row.
template <std::size_t Columns>
void Fill(QTreeWidget* table, const std::array<const char*, Columns>& heads,
          const std::vector<std::array<std::string, Columns>>& rows, bool numbers,
          void (*each)(QTreeWidgetItem*) = nullptr) {
    // Numbers, and their heads, stand right-aligned.
    auto align = [numbers](QTreeWidgetItem* item, int column) {
        if (numbers && column >= FirstNumberColumn && column <= LastNumberColumn)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    };
    // The heads made whole too, then given to the table at once.
    auto* header = new QTreeWidgetItem;
    for (std::size_t column = 0; column < Columns; ++column) {
        header->setText(static_cast<int>(column), heads[column]);
        align(header, static_cast<int>(column));
    }
    table->setHeaderItem(header);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const auto& row : rows) {
        auto* item = new QTreeWidgetItem;
        for (std::size_t column = 0; column < Columns; ++column) {
            item->setText(static_cast<int>(column), ToQt(row[column]));
            align(item, static_cast<int>(column));
        }
        if (each) each(item);
        items << item;
    }
    table->addTopLevelItems(items);
    // Every column as wide as its widest text, and the table wide enough for
    // all of them: nothing is cut off.
    int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < table->columnCount(); ++column) {
        table->resizeColumnToContents(column);
        width += table->columnWidth(column);
    }
    table->setMinimumWidth(width);
}

// What the window shows of the WHS index: the result, the advice on stroke
// indexes, and the texts of both tables.
struct WhsShown {
    WhsResult result;
    std::string advice;
    std::vector<WhsRoundRow> rounds;
    std::vector<WhsSkippedRow> skipped;
};

WhsShown WorkOutWhs(const ScoreList& scores, const CourseList& courses,
                    const StrokeIndexMap& strokeIndexes) {
    WhsShown shown;
    shown.result = ComputeWhsIndex(scores, courses, strokeIndexes);
    shown.advice = WhsStrokeIndexAdvice(shown.result, strokeIndexes);
    shown.rounds = WhsRoundRows(shown.result);
    shown.skipped = WhsSkippedRows(shown.result);
    return shown;
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
    const StrokeIndexMap strokeIndexes = LoadUsableStrokeIndexes(DataDir, notifier);
    // The index and the tables' texts are worked out on a thread of their own
    // while the window is made; the scores, courses and stroke indexes are
    // only read, on either thread. When no thread can be had, the work is
    // done where it is waited for.
    std::future<WhsShown> working =
        std::async(std::launch::async | std::launch::deferred, WorkOutWhs, std::cref(scores),
                   std::cref(courses), std::cref(strokeIndexes));
    auto form = std::make_unique<TWhsIndexForm>();
    const WhsShown shown = working.get();
    const WhsResult& result = shown.result;

    form->setWindowTitle("WHS Index - " + golferName);
    form->IndexField->setText(ToQt(WhsValueText(result.index10)));
    form->LowIndexField->setText(ToQt(WhsValueText(result.low10)));
    form->StrokeIndexAdvice->setText(ToQt(shown.advice));
    form->StrokeIndexAdvice->setVisible(!shown.advice.empty());
    Fill(form->RoundsTable, WhsRoundColumns, shown.rounds, true, SayMark);
    // The newest round, under which the rounds of today's index stand.
    if (QTreeWidgetItem* newest =
            form->RoundsTable->topLevelItem(form->RoundsTable->topLevelItemCount() - 1))
        form->RoundsTable->setCurrentItem(newest);
    Fill(form->SkippedTable, WhsSkippedColumns, shown.skipped, false);
    const bool anySkipped = !result.skipped.empty();
    form->SkippedLabel->setVisible(anySkipped);
    form->SkippedTable->setVisible(anySkipped);
    form.release()->ShowFor(opener);
}

void TWhsIndexForm::CloseButtonClick() {
    close();
}

} // namespace tb
