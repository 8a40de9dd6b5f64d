#include "widgets/RadioGroup.h"

#include <QButtonGroup>
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
        items_.push_back(item);
    }
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
        return;
    }
    items_[static_cast<std::size_t>(std::min(index, Count() - 1))]->setChecked(true);
}

} // namespace tb
