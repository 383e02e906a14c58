#include "platform/ui/screen.h"

#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

std::optional<ScreenMetrics> &screenOverride()
{
    static std::optional<ScreenMetrics> metrics;
    return metrics;
}

}  // namespace

void setScreenMetricsOverride(std::optional<ScreenMetrics> metrics) { screenOverride() = metrics; }

ScreenMetrics fncScreenMetrics(const QWidget *window)
{
    if (screenOverride())
        return *screenOverride();
    const QScreen *screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {screen->geometry().width(), screen->geometry(), screen->availableGeometry()};
}

WindowPlacement fncMainWindowPlacement(const ScreenMetrics &metrics)
{
    const int width = twips::toPixels(kMainWindowWidthTwips);
    const int height = twips::toPixels(kMainWindowHeightTwips);
    if (metrics.horzRes == 1024 || width > metrics.available.width() || height > metrics.available.height())
        return {true, {}};
    // Centred on the screen, computed in twips as the window's own measures are.
    const int left = twips::toPixels((twips::fromPixels(metrics.screen.width()) - kMainWindowWidthTwips) / 2);
    const int top = twips::toPixels((twips::fromPixels(metrics.screen.height()) - kMainWindowHeightTwips) / 2);
    return {false, QRect(metrics.screen.x() + left, metrics.screen.y() + top, width, height)};
}
