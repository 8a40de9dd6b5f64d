#include "widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tb {

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    for (const QString& text : items) {
        auto* item = new QRadioButton(text, this);
        group_->addButton(item, static_cast<int>(items_.size()));
        layout->addWidget(item);
        item->installEventFilter(this);
        items_.push_back(item);
    }
    connect(group_, &QButtonGroup::idToggled, this, [this] { KeepTabStopOnChecked(); });
    KeepTabStopOnChecked();
}

int TRadioGroup::ItemIndex() const {
    return group_->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (items_.empty()) return;
    if (index < 0) {
        // An exclusive group will not let its checked button go.
        group_->setExclusive(false);
        for (QRadioButton* item : items_)
            item->setChecked(false);
        group_->setExclusive(true);
        KeepTabStopOnChecked();
        return;
    }
    items_[static_cast<std::size_t>(std::min(index, Count() - 1))]->setChecked(true);
}

void TRadioGroup::KeepTabStopOnChecked() {
    const int stop = std::max(ItemIndex(), 0);
    for (int i = 0; i < Count(); ++i)
        Item(i)->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TRadioGroup::CheckNeighbour(int from, int step) {
    const int next = (from + step + Count()) % Count();
    Item(next)->setChecked(true);
    Item(next)->setFocus(Qt::TabFocusReason);
}

bool TRadioGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QGroupBox::eventFilter(watched, event);
    const auto it = std::find(items_.begin(), items_.end(), watched);
    if (it == items_.end()) return false;
    const int from = static_cast<int>(it - items_.begin());
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        CheckNeighbour(from, 1);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
        CheckNeighbour(from, -1);
        return true;
    default:
        return false;
    }
}

} // namespace tb
