#pragma once
// For timing a start-up: ends the program once a window has been drawn on
// the screen (its first expose, handled), with exit code 0 from the event
// loop.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace tb {

class QuitOnExpose : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The expose is drawn while it is handled; quit right after. Every
        // running event loop ends, a message box's included.
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed())
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return false;
    }
};

inline void QuitWhenExposed(QWindow* window) {
    if (window) window->installEventFilter(new QuitOnExpose(window));
}

// The same for whichever window of the program is drawn first.
inline void QuitWhenAnyWindowExposed() {
    qApp->installEventFilter(new QuitOnExpose(qApp));
}

} // namespace tb
