#include "widgets/Accessible.h"

#include <QLabel>

namespace tb {

namespace {
// The caption as it is read: "&&" is an "&", a single "&" marks the
// accelerator and is not read.
QString WithoutAccelerator(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        plain += caption[i];
    }
    return plain;
}
} // namespace

void NameByLabel(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    control->setAccessibleName(WithoutAccelerator(label->text()).remove(':').trimmed());
}

QLabel* LabelFor(QWidget* control, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    NameByLabel(label, control);
    return label;
}

QString HoleBoxName(int hole, const QString& row) {
    return QString("Hole %1 %2").arg(hole).arg(row);
}

void NameSumBoxes(QWidget* out, QWidget* in, QWidget* total, const QString& row) {
    out->setAccessibleName(row + " out");
    in->setAccessibleName(row + " in");
    total->setAccessibleName(row + " total");
}

} // namespace tb
