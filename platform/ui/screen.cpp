#include "platform/ui/screen.h"

#include "platform/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

// Waits for the first showing of a main window, then fits its outer size once the desktop has
// framed it.
class OuterSizeFit : public QObject {
public:
    OuterSizeFit(QWidget *window, QSize outer) : QObject(window), window_(window), outer_(outer)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            window_->removeEventFilter(this);
            QTimer::singleShot(0, window_, [window = window_, outer = outer_] {
                if (window->isMaximized())
                    return;
                const QSize frame = window->frameGeometry().size() - window->geometry().size();
                if (frame.width() > 0 || frame.height() > 0)
                    window->resize(outer - frame);
            });
            deleteLater();
        }
        return false;
    }

private:
    QWidget *window_;
    QSize outer_;
};

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

void subPlaceMainWindow(QWidget *window, const WindowPlacement &placement)
{
    if (placement.maximised) {
        // The size the window takes when the user restores it.
        window->resize(twips::toPixels(kMainWindowWidthTwips), twips::toPixels(kMainWindowHeightTwips));
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
        return;
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
    window->resize(placement.geometry.size());
    window->move(placement.geometry.topLeft());
    new OuterSizeFit(window, placement.geometry.size());
}

void subCentreOnScreen(QWidget *dialog)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        dialog->move(area.x() + (area.width() - dialog->width()) / 2, area.y() + (area.height() - dialog->height()) / 2);
    }
}
