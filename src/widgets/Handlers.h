#pragma once
// Every handler the program connects runs through RunHandler. A handler that
// fails throws (a conversion error, a file input/output error); the error
// must never unwind through the toolkit's signal and event code, so it is
// caught here, shown in the standard error box, and the handler stops there.

#include <QObject>

#include <functional>

class QAbstractButton;
class QAction;
class QListWidget;
class QWidget;

namespace tb {

// Runs `handler`; an error it throws is shown over `context`'s window.
// Returns false when the handler failed.
bool RunHandler(const QWidget* context, const std::function<void()>& handler) noexcept;

// Connects `signal` of `sender` to a handler that takes no arguments, run
// through RunHandler while `context` lives.
template <class Sender, class Signal>
QMetaObject::Connection Connect(Sender* sender, Signal signal, QWidget* context,
                                std::function<void()> handler) {
    return QObject::connect(sender, signal, context, [context, handler = std::move(handler)] {
        RunHandler(context, handler);
    });
}

// Binds one command to the controls that give it: a button's click, a menu
// item, a list's double-click (any of them may be null).
void BindCommand(QWidget* context, const std::function<void()>& handler, QAbstractButton* button,
                 QAction* item = nullptr, QListWidget* doubleClickedList = nullptr);

} // namespace tb
