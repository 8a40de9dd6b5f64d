#pragma once
// What the golfer list and the group window share: the golfers by long name
// in a list that fills the window's height but for 26 pixels, beside a
// column of buttons of one width, in that tab order.

#include "data/Records.h"
#include "widgets/Controls.h"

#include <vector>

class QListWidget;

namespace tb {

// A single-selection list in `central` beside `buttons`, the list first in
// the tab order and the buttons after it, top to bottom.
QListWidget* MakeListBesideButtons(QWidget* central, const std::vector<TButton*>& buttons);

// Reads and sorts the golfer list into `golfers` and lists their long
// names in `list`; messages go to `window`.
void LoadGolfersInto(GolferList& golfers, QListWidget* list, QWidget* window);

} // namespace tb
