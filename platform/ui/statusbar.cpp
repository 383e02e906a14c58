#include "platform/ui/statusbar.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QResizeEvent>
#include <algorithm>
#include <numeric>

// The row holding the panels: it asks for no width of its own, so the window keeps its size, and
// lays the panels out whenever its width changes.
class VbStatusBar::Row : public QWidget {
public:
    Row(VbStatusBar *bar) : QWidget(bar), bar_(bar) { setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed); }
    QSize sizeHint() const override { return {0, height_}; }
    QSize minimumSizeHint() const override { return {0, height_}; }
    void setRowHeight(int h)
    {
        if (h == height_)
            return;
        height_ = h;
        setFixedHeight(h);
        updateGeometry();
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        if (event->size().width() != event->oldSize().width())
            bar_->layoutPanels();
    }

private:
    VbStatusBar *bar_;
    int height_ = 0;
};

VbStatusBar::VbStatusBar(int panels, QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    row_ = new Row(this);
    for (int i = 0; i < panels; ++i) {
        auto *label = new QLabel(row_);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        panels_.push_back(label);
    }
    addWidget(row_, 1);
    layoutPanels();
    if (parent)
        parent->window()->installEventFilter(this);
}

bool VbStatusBar::eventFilter(QObject *watched, QEvent *event)
{
    // The window's layout has placed the bar at its new width, and the panels have wrapped their
    // texts to it: the bar's new height is laid out at once, before the window paints at its new
    // size, rather than after it in a second paint.
    if (event->type() == QEvent::Resize && watched == window()) {
        QCoreApplication::sendPostedEvents(this, QEvent::LayoutRequest);
        QCoreApplication::sendPostedEvents(watched, QEvent::LayoutRequest);
        QCoreApplication::sendPostedEvents(this, QEvent::LayoutRequest);
    }
    return false;
}

void VbStatusBar::setPanelText(int panel, const QString &text)
{
    if (!valid(panel) || panels_[panel - 1]->text() == text)
        return;
    panels_[panel - 1]->setText(text);
    layoutPanels();
}

void VbStatusBar::layoutPanels()
{
    if (panels_.empty())
        return;
    const int n = panelCount();
    const QLabel *first = panels_.front();
    const int lineHeight = QFontMetrics(first->font()).height() + 2 * first->frameWidth() + 2;
    if (row_->width() <= 0) {
        // Not laid out yet: one line until the bar has its width.
        row_->setRowHeight(lineHeight);
        return;
    }
    const int gap = 2;
    const int room = std::max(0, row_->width() - gap * (n - 1));
    // The width each panel needs to show its text on one line.
    std::vector<int> need(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const QLabel *p = panels_[static_cast<size_t>(i)];
        const int frame = 2 * p->frameWidth() + 2 * p->margin() + p->indent() + 4;
        need[static_cast<size_t>(i)] = QFontMetrics(p->font()).horizontalAdvance(p->text()) + frame;
    }
    const int64_t total = std::accumulate(need.begin(), need.end(), int64_t{0});
    std::vector<int> width(need);
    if (total <= room) {
        // The room left over, one share per panel and two for the last.
        const int64_t spare = room - total;
        const int shares = n + 1;
        int64_t given = 0;
        for (int i = 0; i < n; ++i) {
            const int64_t add = i + 1 == n ? spare - given : spare / shares;
            width[static_cast<size_t>(i)] += static_cast<int>(add);
            given += add;
        }
    } else {
        int64_t given = 0;
        for (int i = 0; i < n; ++i) {
            const int64_t w = i + 1 == n ? room - given : need[static_cast<size_t>(i)] * int64_t{room} / total;
            width[static_cast<size_t>(i)] = static_cast<int>(std::max<int64_t>(w, 0));
            given += width[static_cast<size_t>(i)];
        }
    }
    int height = 0;
    for (int i = 0; i < n; ++i) {
        QLabel *p = panels_[static_cast<size_t>(i)];
        const int w = width[static_cast<size_t>(i)];
        height = std::max({height, p->heightForWidth(w), lineHeight});
    }
    int x = 0;
    for (int i = 0; i < n; ++i) {
        const int w = width[static_cast<size_t>(i)];
        panels_[static_cast<size_t>(i)]->setGeometry(x, 0, w, height);
        x += w + gap;
    }
    row_->setRowHeight(height);
}
