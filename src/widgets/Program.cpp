#include "Program.h"

#include "widgets/Handlers.h"
#include "widgets/TbForm.h"

#include <QApplication>
#include <QPointer>

#include <csignal>
#include <cstdlib>

namespace tb {

bool Exiting = false;

namespace {
void ExitNow() {
    std::exit(0);
}

// The program's windows, oldest first.
QList<QPointer<TbForm>> OpenForms() {
    QList<QPointer<TbForm>> forms;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TbForm*>(window); form && form->isVisible()) forms << form;
    std::sort(forms.begin(), forms.end(), [](const QPointer<TbForm>& a, const QPointer<TbForm>& b) {
        return a->SerialNumber() < b->SerialNumber();
    });
    return forms;
}
} // namespace

void (*TerminateProgram)() = ExitNow;

bool AskWindowsBeforeEnding() {
    for (const QPointer<TbForm>& form : OpenForms()) {
        bool mayEnd = false;
        if (form && !RunHandler(form, [&] { mayEnd = form->QueryEnd(); })) return false;
        if (!mayEnd) return false;
    }
    return true;
}

void WritePendingPlacements() {
    for (const QPointer<TbForm>& form : OpenForms())
        if (form) form->FlushPlacement();
}

void EndProgram() {
    WritePendingPlacements();
    TerminateProgram();
}

void IgnoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace tb
