#pragma once
// The baselines of the window benchmarks: what a window of the program shows
// (its texts, lists, tables and chart points, its size and fonts), copied
// once, and drawn again with bare Qt widgets and no program logic.

#include "print/core/Report.h"

#include <QFont>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QStringList>

#include <memory>
#include <vector>

class QWidget;

namespace tbbench {

// One control of the window as it shows.
struct ControlCopy {
    enum class Kind { Label, Edit, Button, Check, Combo, List, Tree, Memo, Chart };
    Kind kind = Kind::Label;
    QString text;            // label, edit, button, check box, memo
    QStringList items;       // combo box, list, tree headers
    QList<QStringList> rows; // tree rows
    int current = -1;        // combo box, list, tree
    // A tree as it shows: each column's alignment, the first row in view,
    // and the height it was given.
    QList<Qt::Alignment> columnAlignments;
    int firstShown = 0;
    int height = 0;
    bool selectable = false; // a label whose text the mouse can select
    QFont font;
    // A chart: each series' points (scatter when `scatter[i]`), and the
    // axes' ranges as the window's chart sets them.
    std::vector<QList<QPointF>> series;
    std::vector<bool> scatter;
    QStringList seriesNames;        // as the legend gives them
    std::vector<qreal> markerSizes; // of each scatter series
    bool antialiased = false;       // the view's drawing
    Qt::Alignment legendAt = Qt::AlignTop;
    QPointF xRange, yRange;
    bool dateAxis = false;
    // The texts the chart draws besides its points: its title, the axes'
    // titles, and the labels' formats and number.
    QString chartTitle, xTitle, yTitle, xFormat, yFormat;
    int xTicks = 5, yTicks = 5;
};

struct WindowCopy {
    QString title;
    QSize size;
    std::vector<ControlCopy> controls;
    // The menu bar: each menu's title, then its items' texts.
    std::vector<QStringList> menus;
};

// What `window` shows now, its visible controls in creation order.
WindowCopy CopyWindow(const QWidget* window);

// A bare window drawing `copy`; not shown yet.
std::unique_ptr<QWidget> BareWindow(const WindowCopy& copy);

// Changes what the bare window of `shown` shows to what `changed` (a copy of
// the same window later) shows: the texts, current items and choices that
// differ, as the program's controls were given them.
void ShowChanges(QWidget* window, const WindowCopy& shown, const WindowCopy& changed);

// The report's lines in 12-point Courier on Letter paper, from 1.0 to 10.0
// inches, as QPdfWriter and QPainter place them; gives the number of pages.
int WriteBarePdf(const QString& path, const tb::Report& report);

// Pages in a PDF file the program wrote.
int PdfPageCount(const QString& path);

} // namespace tbbench
