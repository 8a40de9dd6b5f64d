#pragma once
// Window placement remembered between runs in "tarnbeck.ini", one section per
// window with the keys Height, Left, Top and Width.

#include <QString>

class QWidget;

namespace tb {

struct PlacementDefaults {
    int height, left, top, width;
};

// The settings file: $TARNBECK_INI when set, else "tarnbeck.ini" in the
// user's configuration folder (~/.config/tarnbeck/).
QString IniFilePath();
void SetIniFilePath(const QString& path);

// Reads and applies Height, Left, Top and Width in that order, each as soon
// as it is read; missing or unreadable values take their defaults. A
// placement that would put the window out of reach (a hand-edited file, a
// screen that has gone) is brought inside the available screen area.
void ReadPlacement(QWidget* window, const char* section, const PlacementDefaults& defaults);
// Writes the window's Height, Left, Top and Width. Throws InOutError
// "Unable to write to tarnbeck.ini" when the file cannot be written.
void WritePlacement(QWidget* window, const char* section);

// Moves and shrinks `window` where needed so that all of it lies inside the
// available area of the screen it is on (the primary screen when none).
void KeepOnScreen(QWidget* window);
// Centres `window`, at its present size, on the screen it is on.
void CentreWindowOnScreen(QWidget* window);
// Centres `window` on its screen when it is shown: at every showing (the
// modal dialogs) or the first only (the long-lived forms).
enum class CentreAt { EveryShowing, FirstShowing };
void CentreWhenShown(QWidget* window, CentreAt when = CentreAt::EveryShowing);

} // namespace tb
