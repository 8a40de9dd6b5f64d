#include "Placement.h"

#include "data/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

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
