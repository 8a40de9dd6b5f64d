#pragma once
// For timing a start-up: ends the program once `window` has been drawn on the
// screen (its first expose, handled), with exit code 0.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace tb {

class QuitOnExpose : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWindow*>(watched);
        // The expose is drawn while it is handled; quit right after.
        if (event->type() == QEvent::Expose && window->isExposed())
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return false;
    }
};

inline void QuitWhenExposed(QWindow* window) {
    if (window) window->installEventFilter(new QuitOnExpose(window));
}

} // namespace tb
