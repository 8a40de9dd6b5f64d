#pragma once
// What the window benchmarks time: a command, from the moment it is given
// until the window it opens, or changes, has been drawn. "Drawn" is the
// first QEvent::Paint delivered to a widget of that window after the
// command, and the whole painting pass it belongs to: the clock stops at the
// first event after that pass, before anything the program queued for after
// its drawing.

#include <benchmark/benchmark.h>

#include <QObject>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>

class QEventLoop;
class QWidget;

namespace tbbench {

using WindowTest = std::function<bool(QWidget* window)>;

// The window that `widget` is, when it is of class T.
template <class T> WindowTest IsWindowOf() {
    return [](QWidget* window) { return qobject_cast<T*>(window) != nullptr; };
}
WindowTest IsWindow(const QWidget* wanted);

class PaintWatch : public QObject {
public:
    PaintWatch();
    // Gives `command`, then waits until a window `isTarget` accepts has been
    // painted. False when none was within ten seconds.
    bool RunUntilPainted(const std::function<void()>& command, const WindowTest& isTarget);
    // The window whose drawing ended the last wait.
    QWidget* PaintedWindow() const { return painted_; }
    // When the painting pass that ended the last wait was over, once; none
    // when the command drew the window itself, before any wait.
    std::optional<std::chrono::steady_clock::time_point> TakeDrawnAt() {
        return std::exchange(drawnAt_, std::nullopt);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowTest target_;
    QEventLoop* loop_ = nullptr;
    QWidget* painted_ = nullptr;
    std::optional<std::chrono::steady_clock::time_point> drawnAt_;
};

PaintWatch& Painting();

// Runs the event loop until `done` holds (ten seconds at most), deleting what
// was closed on the way. For the untimed steps between measurements.
bool WaitUntil(const std::function<bool()>& done);

// One measured iteration per round of `state`: `prepare` and `finish`
// untimed, `timed` timed (the benchmark uses manual time). A `timed` that
// gives false ends the benchmark with `failure`.
void TimeEach(benchmark::State& state, const std::function<void()>& prepare,
              const std::function<bool()>& timed, const std::function<void()>& finish,
              const std::string& failure);

// TimeEach for a command that ends once `isTarget`'s window is drawn.
void TimeDrawing(benchmark::State& state, const std::function<void()>& prepare,
                 const std::function<void()>& command, const WindowTest& isTarget,
                 const std::function<void()>& finish);

} // namespace tbbench
