#include "GuiTiming.h"

#include "widgets/Dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace tbbench {

namespace {
constexpr int WaitLimitMs = 10000;

std::string LastMessage() {
    const std::vector<QString> shown = tb::Dialogs::ShownTexts();
    return shown.empty() ? std::string() : shown.back().toStdString();
}
} // namespace

WindowTest IsWindow(const QWidget* wanted) {
    return [wanted](QWidget* window) { return window == wanted; };
}

PaintWatch::PaintWatch() {
    qApp->installEventFilter(this);
}

PaintWatch& Painting() {
    static PaintWatch watch;
    return watch;
}

bool PaintWatch::RunUntilPainted(const std::function<void()>& command, const WindowTest& isTarget) {
    target_ = isTarget;
    painted_ = nullptr;
    command();
    if (!painted_) {
        // Quit from the painting itself, queued so that the whole pass (the
        // window and every child) is done when the loop returns.
        QEventLoop loop;
        loop_ = &loop;
        QTimer::singleShot(WaitLimitMs, &loop, &QEventLoop::quit);
        loop.exec();
        loop_ = nullptr;
    }
    target_ = nullptr;
    return painted_ != nullptr;
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && target_ && !painted_ && watched->isWidgetType() &&
        target_(static_cast<QWidget*>(watched)->window())) {
        painted_ = static_cast<QWidget*>(watched)->window();
        if (loop_)
            QMetaObject::invokeMethod(
                loop_,
                [this] {
                    drawnAt_ = std::chrono::steady_clock::now();
                    loop_->quit();
                },
                Qt::QueuedConnection);
    }
    return false;
}

bool WaitUntil(const std::function<bool()>& done) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > WaitLimitMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

void TimeEach(benchmark::State& state, const std::function<void()>& prepare,
              const std::function<bool()>& timed, const std::function<void()>& finish,
              const std::string& failure) {
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        prepare();
        Painting().TakeDrawnAt();
        const Clock::time_point start = Clock::now();
        const bool ok = timed();
        const std::chrono::duration<double> took =
            Painting().TakeDrawnAt().value_or(Clock::now()) - start;
        state.SetIterationTime(took.count());
        finish();
        if (!ok) {
            const std::string said = LastMessage();
            state.SkipWithError(
                (failure + (said.empty() ? "" : "; last message: " + said)).c_str());
            break;
        }
    }
}

void TimeDrawing(benchmark::State& state, const std::function<void()>& prepare,
                 const std::function<void()>& command, const WindowTest& isTarget,
                 const std::function<void()>& finish) {
    TimeEach(
        state, prepare, [&] { return Painting().RunUntilPainted(command, isTarget); }, finish,
        "the window was not drawn within ten seconds");
}

} // namespace tbbench
