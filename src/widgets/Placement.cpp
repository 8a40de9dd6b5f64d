#include "widgets/Placement.h"

#include "data/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>
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
    const int left = std::clamp(window->x(), area.left(), std::max(area.left(), area.right() + 1 - size.width()));
    const int top = std::clamp(window->y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    if (QPoint(left, top) != window->pos()) window->move(left, top);
}

void CentreWindowOnScreen(QWidget* window) {
    const QRect area = AvailableArea(window);
    if (area.isEmpty()) return;
    const QSize size = window->frameGeometry().size();
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
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
