#pragma once
// What a screen reader says when a control gets the focus: its name, taken
// from the label beside it or given where no label names it alone (a box in
// a grid of holes).

#include <QString>
#include <QWidget>

class QLabel;

namespace tb {

// Names `control` by the label's text (without the accelerator's "&") and
// makes the label its buddy, so that the label's accelerator, where it has
// one, moves the focus there.
void NameByLabel(QLabel* label, QWidget* control);
// A new label in `parent` showing `caption` that names `control` as above.
QLabel* LabelFor(QWidget* control, const QString& caption, QWidget* parent);

// "Hole 7 score": the name of hole `hole`'s box in a row of `row` ("score",
// "putts", "par", "stroke index").
QString HoleBoxName(int hole, const QString& row);

// Names the boxes of holes 1 to 18, in order, in a row of `row`.
template <typename Boxes> void NameHoleBoxes(const Boxes& boxes, const QString& row) {
    int hole = 0;
    for (QWidget* box : boxes)
        box->setAccessibleName(HoleBoxName(++hole, row));
}

// Gives every box of `boxes` the description `text` (what the keys do).
template <typename Boxes> void DescribeBoxes(const Boxes& boxes, const QString& text) {
    for (QWidget* box : boxes)
        box->setAccessibleDescription(text);
}

// Names the sums of a row of `row` ("Score"): "Score out" (holes 1 to 9),
// "Score in" (10 to 18), "Score total".
void NameSumBoxes(QWidget* out, QWidget* in, QWidget* total, const QString& row);

} // namespace tb
