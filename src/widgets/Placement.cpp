#include "widgets/Placement.h"

#include "data/IniFile.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLayout>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace tb {

namespace {
QString& OverridePath() {
    static QString path;
    return path;
}

std::filesystem::path IniFile() {
    return IniFilePath().toStdString();
}

// The window manager's frame around `window`. Before a window is first
// shown its frame is not known yet; the frame of a window already on the
// screen stands in for it.
QMargins OwnFrameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry(), inner = window->geometry();
    return QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                    frame.right() - inner.right(), frame.bottom() - inner.bottom());
}

bool HasFrame(const QWidget* window) {
    return !OwnFrameMargins(window).isNull();
}

QMargins FrameMargins(const QWidget* window) {
    if (HasFrame(window)) return OwnFrameMargins(window);
    for (const QWidget* shown : QApplication::topLevelWidgets())
        if (shown != window && shown->isVisible() && shown->windowType() != Qt::Popup &&
            HasFrame(shown))
            return OwnFrameMargins(shown);
    return {};
}

QRect AvailableArea(const QWidget* window) {
    QScreen* screen = QGuiApplication::screenAt(window->geometry().center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}
} // namespace

QString IniFilePath() {
    if (!OverridePath().isEmpty()) return OverridePath();
    QByteArray fromEnvironment = qgetenv("TARNBECK_INI");
    if (!fromEnvironment.isEmpty()) return QString::fromLocal8Bit(fromEnvironment);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/tarnbeck/tarnbeck.ini";
}

void SetIniFilePath(const QString& path) {
    OverridePath() = path;
}

void ReadPlacement(QWidget* window, const char* section, const PlacementDefaults& defaults) {
    const auto file = IniFile();
    window->resize(window->width(), ReadIniInteger(file, section, "Height", defaults.height));
    window->move(ReadIniInteger(file, section, "Left", defaults.left), window->y());
    window->move(window->x(), ReadIniInteger(file, section, "Top", defaults.top));
    window->resize(ReadIniInteger(file, section, "Width", defaults.width), window->height());
    KeepOnScreen(window);
}

void KeepOnScreen(QWidget* window) {
    const QRect area = AvailableArea(window);
    if (area.isEmpty()) return;
    const QSize size = window->size().boundedTo(area.size()).expandedTo(window->minimumSize());
    if (size != window->size()) window->resize(size);
    const int left = std::clamp(window->x(), area.left(),
                                std::max(area.left(), area.right() + 1 - size.width()));
    const int top = std::clamp(window->y(), area.top(),
                               std::max(area.top(), area.bottom() + 1 - size.height()));
    if (QPoint(left, top) != window->pos()) window->move(left, top);
}

namespace {
// Centres its window each time the window is about to be shown, once the
// window's own layout has sized it. For a while after that it is centred
// again whenever it is found off centre: a window manager may place a modal
// dialog by rules of its own (openbox does), even after it has framed it, the
// frame's true size may become known later, and a dialog's layout may still
// grow it once it is on the screen.
class CentreAtShow : public QObject {
public:
    CentreAtShow(QWidget* window, CentreAt when) : QObject(window), when_(when) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !event->spontaneous() && !centred_) {
            centred_ = when_ == CentreAt::FirstShowing;
            if (window->layout()) window->layout()->activate();
            window->adjustSize();
            CentreWindowOnScreen(window);
            Watch(window);
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
                   watching_) {
            CentreIfOffCentre(window);
        }
        return false;
    }

private:
    // How long after showing, and how many times, the window is put back.
    static constexpr int WatchMs = 2500;
    static constexpr int MaxTries = 12;

    void Watch(QWidget* window) {
        const int showing = ++showings_;
        watching_ = true;
        tries_ = 0;
        // Looked at again later too, as a frame's size may change unannounced.
        for (int ms : {150, 400, 1000, 2000})
            QTimer::singleShot(ms, this, [this, window, showing] {
                if (showing == showings_ && watching_) CentreIfOffCentre(window);
            });
        QTimer::singleShot(WatchMs, this, [this, showing] {
            if (showing == showings_) watching_ = false;
        });
    }

    void CentreIfOffCentre(QWidget* window) {
        if (!window->isVisible() || (HasFrame(window) && IsCentred(window))) return;
        if (++tries_ > MaxTries) {
            watching_ = false;
            return;
        }
        CentreWindowOnScreen(window);
    }

    static bool IsCentred(const QWidget* window) {
        const QRect area = AvailableArea(window);
        const QPoint offset = window->frameGeometry().center() - area.center();
        return std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1;
    }

    CentreAt when_;
    bool centred_ = false;
    bool watching_ = false;
    int tries_ = 0;
    int showings_ = 0;
};
} // namespace

void CentreWhenShown(QWidget* window, CentreAt when) {
    window->installEventFilter(new CentreAtShow(window, when));
}

void CentreWindowOnScreen(QWidget* window) {
    const QRect area = AvailableArea(window);
    if (area.isEmpty()) return;
    const QMargins frame = FrameMargins(window);
    const QSize outer = window->size().grownBy(frame);
    QPoint topLeft = area.center() - QPoint(outer.width() / 2, outer.height() / 2);
    // Until the window manager has framed it, a window is placed by its
    // inside: move that in by the frame it is going to get.
    if (!HasFrame(window)) topLeft += QPoint(frame.left(), frame.top());
    window->move(topLeft);
}

void WritePlacement(QWidget* window, const char* section) {
    const QString path = IniFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    WriteIniIntegers(path.toStdString(), section,
                     {{"Height", window->height()},
                      {"Left", window->x()},
                      {"Top", window->y()},
                      {"Width", window->width()}});
}

} // namespace tb
