#include "BareCopy.h"

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QTreeWidget>
#include <QValueAxis>

namespace tbbench {

namespace {

using Kind = ControlCopy::Kind;

// A control drawn whole, whose own children are its parts.
bool IsCompound(const QWidget* widget) {
    return qobject_cast<const QChartView*>(widget) || qobject_cast<const QTreeWidget*>(widget) ||
           qobject_cast<const QListWidget*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget);
}

bool InsideCompound(const QWidget* widget, const QWidget* window) {
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (IsCompound(up)) return true;
    return false;
}

void CopyChart(const QChartView* view, ControlCopy& copy) {
    copy.kind = Kind::Chart;
    for (QAbstractSeries* series : view->chart()->series()) {
        auto* xy = qobject_cast<QXYSeries*>(series);
        if (!xy) continue;
        copy.series.push_back(xy->points());
        auto* scatter = qobject_cast<QScatterSeries*>(series);
        copy.scatter.push_back(scatter != nullptr);
        copy.markerSizes.push_back(scatter ? scatter->markerSize() : 0);
        copy.seriesNames << series->name();
    }
    copy.antialiased = view->renderHints().testFlag(QPainter::Antialiasing);
    copy.legendAt = view->chart()->legend()->alignment();
    copy.chartTitle = view->chart()->title();
    for (QAbstractAxis* axis : view->chart()->axes(Qt::Horizontal)) {
        copy.xTitle = axis->titleText();
        if (auto* dates = qobject_cast<QDateTimeAxis*>(axis)) {
            copy.dateAxis = true;
            copy.xRange = {double(dates->min().toMSecsSinceEpoch()),
                           double(dates->max().toMSecsSinceEpoch())};
            copy.xFormat = dates->format();
            copy.xTicks = dates->tickCount();
        } else if (auto* values = qobject_cast<QValueAxis*>(axis)) {
            copy.xRange = {values->min(), values->max()};
            copy.xFormat = values->labelFormat();
            copy.xTicks = values->tickCount();
        }
    }
    for (QAbstractAxis* axis : view->chart()->axes(Qt::Vertical)) {
        if (auto* values = qobject_cast<QValueAxis*>(axis)) {
            copy.yTitle = axis->titleText();
            copy.yRange = {values->min(), values->max()};
            copy.yFormat = values->labelFormat();
            copy.yTicks = values->tickCount();
        }
    }
}

void CopyTree(const QTreeWidget* tree, ControlCopy& copy) {
    copy.kind = Kind::Tree;
    for (int column = 0; column < tree->columnCount(); ++column) {
        copy.items << tree->headerItem()->text(column);
        copy.columnAlignments << Qt::Alignment(tree->headerItem()->textAlignment(column));
    }
    copy.current = tree->indexOfTopLevelItem(tree->currentItem());
    copy.firstShown = tree->indexOfTopLevelItem(tree->itemAt(0, 0));
    copy.height = tree->height();
    for (int row = 0; row < tree->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < tree->columnCount(); ++column)
            cells << tree->topLevelItem(row)->text(column);
        copy.rows << cells;
    }
}

bool CopyControl(const QWidget* widget, ControlCopy& copy) {
    if (auto* view = qobject_cast<const QChartView*>(widget)) {
        CopyChart(view, copy);
    } else if (auto* tree = qobject_cast<const QTreeWidget*>(widget)) {
        CopyTree(tree, copy);
    } else if (auto* list = qobject_cast<const QListWidget*>(widget)) {
        copy.kind = Kind::List;
        for (int row = 0; row < list->count(); ++row)
            copy.items << list->item(row)->text();
        copy.current = list->currentRow();
    } else if (auto* combo = qobject_cast<const QComboBox*>(widget)) {
        copy.kind = Kind::Combo;
        for (int row = 0; row < combo->count(); ++row)
            copy.items << combo->itemText(row);
        copy.current = combo->currentIndex();
    } else if (auto* memo = qobject_cast<const QPlainTextEdit*>(widget)) {
        copy.kind = Kind::Memo;
        copy.text = memo->toPlainText();
    } else if (auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        copy.kind = Kind::Edit;
        copy.text = edit->text();
    } else if (auto* check = qobject_cast<const QCheckBox*>(widget)) {
        copy.kind = Kind::Check;
        copy.text = check->text();
    } else if (auto* button = qobject_cast<const QPushButton*>(widget)) {
        copy.kind = Kind::Button;
        copy.text = button->text();
    } else if (auto* label = qobject_cast<const QLabel*>(widget)) {
        copy.kind = Kind::Label;
        copy.text = label->text();
        copy.selectable = label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
    } else {
        return false;
    }
    copy.font = widget->font();
    return true;
}

QWidget* MakeChart(const ControlCopy& copy) {
    auto* chart = new QChart();
    chart->setTitle(copy.chartTitle);
    QAbstractAxis* x = nullptr;
    if (copy.dateAxis) {
        auto* dates = new QDateTimeAxis();
        dates->setFormat(copy.xFormat);
        dates->setTickCount(copy.xTicks);
        dates->setRange(QDateTime::fromMSecsSinceEpoch(qint64(copy.xRange.x())),
                        QDateTime::fromMSecsSinceEpoch(qint64(copy.xRange.y())));
        x = dates;
    } else {
        auto* values = new QValueAxis();
        values->setLabelFormat(copy.xFormat);
        values->setTickCount(copy.xTicks);
        values->setRange(copy.xRange.x(), copy.xRange.y());
        x = values;
    }
    x->setTitleText(copy.xTitle);
    auto* y = new QValueAxis();
    y->setTitleText(copy.yTitle);
    y->setLabelFormat(copy.yFormat);
    y->setTickCount(copy.yTicks);
    y->setRange(copy.yRange.x(), copy.yRange.y());
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (std::size_t i = 0; i < copy.series.size(); ++i) {
        QXYSeries* series = nullptr;
        if (copy.scatter[i]) {
            auto* scatter = new QScatterSeries();
            scatter->setMarkerSize(copy.markerSizes[i]);
            series = scatter;
        } else {
            series = new QLineSeries();
        }
        series->setName(copy.seriesNames[qsizetype(i)]);
        series->replace(copy.series[i]);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    chart->legend()->setAlignment(copy.legendAt);
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing, copy.antialiased);
    return view;
}

// The tree drawn as the window's was: its columns aligned as they were and
// each as wide as its widest text (Qt measures them all, as a bare table
// sized to its contents does), the same row current and the same rows in
// view, at its height.
QWidget* MakeTree(const ControlCopy& copy) {
    auto* tree = new QTreeWidget();
    tree->setColumnCount(int(copy.items.size()));
    tree->setHeaderLabels(copy.items);
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    QList<QTreeWidgetItem*> items;
    for (const QStringList& row : copy.rows) {
        auto* item = new QTreeWidgetItem(row);
        for (int column = 0; column < copy.columnAlignments.size(); ++column)
            item->setTextAlignment(column, copy.columnAlignments[column]);
        items << item;
    }
    tree->addTopLevelItems(items);
    // The last column stretches to the tree's edge, as it did there.
    for (int column = 0; column < copy.columnAlignments.size(); ++column) {
        tree->headerItem()->setTextAlignment(column, copy.columnAlignments[column]);
        if (column + 1 < copy.columnAlignments.size()) tree->resizeColumnToContents(column);
    }
    if (copy.current >= 0) tree->setCurrentItem(tree->topLevelItem(copy.current));
    if (copy.firstShown >= 0)
        tree->scrollToItem(tree->topLevelItem(copy.firstShown), QAbstractItemView::PositionAtTop);
    tree->setMinimumHeight(copy.height);
    return tree;
}

QWidget* MakeControl(const ControlCopy& copy) {
    QWidget* made = nullptr;
    switch (copy.kind) {
    case Kind::Label: {
        auto* label = new QLabel(copy.text);
        if (copy.selectable) label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        made = label;
        break;
    }
    case Kind::Edit:
        made = new QLineEdit(copy.text);
        break;
    case Kind::Button:
        made = new QPushButton(copy.text);
        break;
    case Kind::Check:
        made = new QCheckBox(copy.text);
        break;
    case Kind::Memo:
        made = new QPlainTextEdit(copy.text);
        break;
    case Kind::Chart:
        made = MakeChart(copy);
        break;
    case Kind::Tree:
        made = MakeTree(copy);
        break;
    case Kind::Combo: {
        auto* combo = new QComboBox();
        combo->addItems(copy.items);
        combo->setCurrentIndex(copy.current);
        made = combo;
        break;
    }
    case Kind::List: {
        auto* list = new QListWidget();
        list->addItems(copy.items);
        list->setCurrentRow(copy.current);
        made = list;
        break;
    }
    }
    made->setFont(copy.font);
    return made;
}

// A control that takes a row of its own: a list, table, chart or memo, and a
// line of text long enough that an eighth of the row would hide most of it.
bool IsLarge(const ControlCopy& control) {
    const Kind kind = control.kind;
    constexpr int LongText = 20;
    return kind == Kind::List || kind == Kind::Tree || kind == Kind::Chart || kind == Kind::Memo ||
           ((kind == Kind::Edit || kind == Kind::Label) && control.text.size() > LongText);
}

// The name a bare window gives its control made from `copy.controls[i]`.
QString ControlName(std::ptrdiff_t i) {
    return QString("control%1").arg(i);
}

// Shows `to`, a later copy of the control `made` was made from as `from`.
void ChangeControl(QWidget* made, const ControlCopy& from, const ControlCopy& to) {
    if (to.text != from.text) {
        if (auto* label = qobject_cast<QLabel*>(made)) label->setText(to.text);
        if (auto* edit = qobject_cast<QLineEdit*>(made)) edit->setText(to.text);
        if (auto* button = qobject_cast<QAbstractButton*>(made)) button->setText(to.text);
        if (auto* memo = qobject_cast<QPlainTextEdit*>(made)) memo->setPlainText(to.text);
    }
    if (to.current != from.current) {
        if (auto* combo = qobject_cast<QComboBox*>(made)) combo->setCurrentIndex(to.current);
        if (auto* list = qobject_cast<QListWidget*>(made)) list->setCurrentRow(to.current);
    }
}

} // namespace

void ShowChanges(QWidget* window, const WindowCopy& shown, const WindowCopy& changed) {
    const std::size_t count = std::min(shown.controls.size(), changed.controls.size());
    for (std::size_t i = 0; i < count; ++i) {
        auto* made = window->findChild<QWidget*>(ControlName(std::ptrdiff_t(i)));
        if (made && shown.controls[i].kind == changed.controls[i].kind)
            ChangeControl(made, shown.controls[i], changed.controls[i]);
    }
}

WindowCopy CopyWindow(const QWidget* window) {
    WindowCopy copy{window->windowTitle(), window->size(), {}, {}};
    if (auto* main = qobject_cast<const QMainWindow*>(window); main && main->menuWidget()) {
        for (const QAction* menu : main->menuBar()->actions()) {
            QStringList texts{menu->text()};
            if (menu->menu())
                for (const QAction* item : menu->menu()->actions())
                    texts << item->text();
            copy.menus.push_back(texts);
        }
    }
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || InsideCompound(widget, window)) continue;
        ControlCopy control;
        if (CopyControl(widget, control)) copy.controls.push_back(std::move(control));
    }
    return copy;
}

std::unique_ptr<QWidget> BareWindow(const WindowCopy& copy) {
    // Small controls eight to a row; large ones a row of their own.
    constexpr int Columns = 8;
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(copy.title);
    auto* grid = new QGridLayout(window.get());
    if (!copy.menus.empty()) {
        auto* bar = new QMenuBar(window.get());
        for (const QStringList& menu : copy.menus) {
            QMenu* added = bar->addMenu(menu.front());
            for (const QString& item : menu.mid(1))
                added->addAction(item);
        }
        grid->setMenuBar(bar);
    }
    int row = 0, column = 0;
    for (const ControlCopy& control : copy.controls) {
        QWidget* made = MakeControl(control);
        made->setObjectName(ControlName(&control - copy.controls.data()));
        if (IsLarge(control)) {
            if (column > 0) ++row;
            grid->addWidget(made, row++, 0, 1, Columns);
            column = 0;
            continue;
        }
        grid->addWidget(made, row, column);
        if (++column == Columns) column = 0, ++row;
    }
    window->resize(copy.size);
    return window;
}

int WriteBarePdf(const QString& path, const tb::Report& report) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    QPainter painter(&writer);
    QFont font("Courier");
    font.setPointSizeF(12);
    painter.setFont(font);
    const double inch = writer.resolution();
    const double lineHeight = painter.fontMetrics().height();
    const double top = 1.0 * inch, bottom = 10.0 * inch, left = 0.5 * inch;
    double y = top;
    int pages = 1;
    for (const tb::ReportLine& line : report) {
        double at = line.absoluteY == tb::NextLine ? y : line.absoluteY * inch;
        const bool backUp = line.absoluteY != tb::NextLine && at < y && y > top;
        if (backUp || at + lineHeight > bottom) {
            writer.newPage();
            ++pages;
            if (line.absoluteY == tb::NextLine) at = top;
        }
        painter.drawText(QPointF(left, at + painter.fontMetrics().ascent()),
                         QString::fromLatin1(line.text.c_str()));
        y = at + lineHeight;
    }
    return pages;
}

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    static const QRegularExpression page("/Type\\s*/Page(?![s\\w])");
    return int(QString::fromLatin1(file.readAll()).count(page));
}

} // namespace tbbench
