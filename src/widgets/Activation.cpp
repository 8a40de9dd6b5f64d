#include "Activation.h"

#include "widgets/TbForm.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>

namespace tb {

namespace {
// Seen before the receiving window handles its event: the application's
// event filters run first.
class ActivationWatch : public QObject {
public:
    QPointer<QWidget> current, previous; // previous is null after no window at all

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isWindow() || widget->windowType() == Qt::Popup) return false;
        if (event->type() == QEvent::WindowActivate && widget != current) {
            previous = current;
            current = widget;
        } else if (event->type() == QEvent::WindowDeactivate && !QApplication::activeWindow()) {
            current = nullptr;
        }
        return false;
    }
};

ActivationWatch* watch = nullptr;
} // namespace

void WatchActivations() {
    if (watch) return;
    watch = new ActivationWatch;
    watch->setParent(qApp);
    qApp->installEventFilter(watch);
}

bool ActivatedFromOwnWindow(const QWidget* window) {
    if (!watch || watch->current != window) return false;
    const auto* form = qobject_cast<const TbForm*>(watch->previous.data());
    return form && form != window && form->isVisible() && form->IsWorkWindow();
}

} // namespace tb
