#pragma once
// What the golfer list and the group window share: the golfers by long name
// in a list that fills the window's height but for 26 pixels, beside a
// column of buttons of one width, in that tab order.

#include "data/Records.h"
#include "data/Store.h"
#include "widgets/Controls.h"

#include <vector>

class QListWidget;

namespace tb {

// A single-selection list in `central` beside `buttons`, the list first in
// the tab order and the buttons after it, top to bottom.
QListWidget* MakeListBesideButtons(QWidget* central, const std::vector<TButton*>& buttons);

// Reads and sorts the golfer list into `golfers` and lists their long
// names in `list`; messages go to `window`. `version` becomes what was read.
void LoadGolfersInto(GolferList& golfers, QListWidget* list, QWidget* window, FileVersion& version);
// Reads the golfer list again when golfers.vxc is no longer what was read
// (golfer maintenance saved, or another program): a changed short name or a
// deleted golfer shows at once. `position` (1-based, 0 none) follows its
// golfer by short name, or becomes 0 when the golfer is gone.
void ReloadGolfersIfChanged(GolferList& golfers, QListWidget* list, QWidget* window,
                            FileVersion& version, int& position);

} // namespace tb
