#include "widgets/GolferPicker.h"

#include "data/GolferFile.h"
#include "widgets/Dialogs.h"
#include "widgets/Latin1.h"
#include "widgets/TbForm.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tb {

QListWidget* MakeListBesideButtons(QWidget* central, const std::vector<TButton*>& buttons) {
    auto* list = new QListWidget(central);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // One line of one font each: the list need not measure every name.
    list->setUniformItemSizes(true);
    list->setAccessibleName("Golfers");
    // One width for the column, with room on both sides of the longest caption.
    int buttonWidth = 0;
    for (TButton* button : buttons)
        buttonWidth =
            std::max(buttonWidth, button->fontMetrics().horizontalAdvance(button->text()) +
                                      3 * button->fontMetrics().averageCharWidth());
    auto* column = new QVBoxLayout;
    for (TButton* button : buttons) {
        button->setMinimumWidth(buttonWidth);
        column->addWidget(button);
    }
    column->addStretch();
    // The list fills the client height but for 26 pixels, 13 above and below.
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(8, 13, 8, 13);
    layout->addWidget(list, 1);
    layout->addLayout(column);
    QWidget* previous = list;
    for (TButton* button : buttons) {
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
    // The golfers have the focus when the window first becomes active.
    list->setFocus();
    return list;
}

void LoadGolfersInto(GolferList& golfers, QListWidget* list, QWidget* window,
                     FileVersion& version) {
    golfers.reserve(MaxGolfers);
    MessageNotifier notifier(window);
    LoadGolfers(DataDir, golfers, notifier, &version);
    SortGolfers(golfers);
    ShowLines(list, TextsOf(golfers, &GolferRec::LongName));
}

void ReloadGolfersIfChanged(GolferList& golfers, QListWidget* list, QWidget* window,
                            FileVersion& version, int& position) {
    if (VersionOnDisk(std::filesystem::path(DataDir) / GolferFileName) == version) return;
    const bool chosen = position > 0 && position <= static_cast<int>(golfers.size());
    const std::string shortName = chosen ? golfers[position - 1].ShortName.str() : "";
    LoadGolfersInto(golfers, list, window, version);
    auto found = std::find_if(golfers.begin(), golfers.end(), [&](const GolferRec& golfer) {
        return chosen && golfer.ShortName == shortName;
    });
    position = found == golfers.end() ? 0 : static_cast<int>(found - golfers.begin()) + 1;
}

} // namespace tb
