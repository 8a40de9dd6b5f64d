#include "Help.h"

namespace tb {

namespace {
HelpShower registered = nullptr;
} // namespace

void SetHelpShower(HelpShower shower) {
    registered = shower;
}

void ShowHelp(TbForm* from, const char* page) {
    if (registered) registered(from, page);
}

} // namespace tb
