#pragma once
// A framed group of radio buttons of which at most one is checked, addressed
// by the item index of the checked one. The group is one stop of the tab
// order, on its checked item (the first when none is checked), and the arrow
// keys check the next or previous item and move there, so the keyboard
// always changes the value it shows.

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QRadioButton;

namespace tb {

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    // The index of the checked item, -1 when none is checked.
    int ItemIndex() const;
    // Checks the item; an index past the last item checks the last one, a
    // negative index unchecks them all.
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    int Count() const { return static_cast<int>(items_.size()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Only the checked item (or the first) is reached with Tab.
    void KeepTabStopOnChecked();
    // Checks the item `step` places on from `from`, round the ends.
    void CheckNeighbour(int from, int step);

    QButtonGroup* group_;
    std::vector<QRadioButton*> items_;
};

} // namespace tb
