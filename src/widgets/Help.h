#pragma once
// The user guide as the kit reaches it. The kit has no help window of its
// own: the program's help window registers itself at start-up, and every
// window opens the guide at its own page through ShowHelp (F1, Help > Help).

namespace tb {

class TbForm;

// Shows the guide's `page` (a file name of the guide, "ScoreForm.html") for
// the window `from`.
using HelpShower = void (*)(TbForm* from, const char* page);
void SetHelpShower(HelpShower shower);

// Opens the guide at `page` for `from`; nothing while no help window is
// registered.
void ShowHelp(TbForm* from, const char* page);

} // namespace tb
