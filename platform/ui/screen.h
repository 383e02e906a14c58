#pragma once
// The screen a window opens on, and the size rule of the program's main windows (the start window
// and the boards): 15450 x 11610 twips, centred on the screen, or maximised.

#include <QRect>
#include <optional>

class QWidget;

// What the size rule looks at: the screen width in pixels (the horizontal resolution), the whole
// screen and the part of it windows may use.
struct ScreenMetrics {
    int horzRes = 0;
    QRect screen;
    QRect available;
};

// Where a main window goes: maximised, or the given geometry (position and size of the window) in
// pixels.
struct WindowPlacement {
    bool maximised = false;
    QRect geometry;
};

inline constexpr int kMainWindowWidthTwips = 15450;
inline constexpr int kMainWindowHeightTwips = 11610;

// The size rule: a screen exactly 1024 pixels wide, or one whose usable area cannot hold the
// 15450 x 11610 twip window, gives a maximised window; otherwise that window centred on the screen.
WindowPlacement fncMainWindowPlacement(const ScreenMetrics &metrics);

// The metrics of the screen `window` is on (the primary screen when it has none yet), or the
// metrics put in place for tests.
ScreenMetrics fncScreenMetrics(const QWidget *window);

// Puts a main window where `placement` says: maximised, or at its geometry. Once the shown window
// has been framed by the desktop, its client area gives up what the frame takes, so that the
// window measures 15450 x 11610 twips with its title bar and borders.
void subPlaceMainWindow(QWidget *window, const WindowPlacement &placement);

// Centres a dialog on the primary screen.
void subCentreOnScreen(QWidget *dialog);

// Puts fixed screen metrics in place of the real screen's for the windows placed afterwards
// (std::nullopt gives the real screen back).
void setScreenMetricsOverride(std::optional<ScreenMetrics> metrics);
