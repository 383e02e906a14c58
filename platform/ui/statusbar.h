#pragma once
// A status bar of text panels, counted from 1. Each panel is as wide as its text; the room left
// over goes to the panels by their share (the last panel twice the others). When the texts are
// wider together than the bar, the panels share the bar in proportion to their texts and wrap
// them, the bar growing by the lines it needs: a panel always shows its whole text and the bar
// never widens the window.

#include <QLabel>
#include <QStatusBar>
#include <vector>

class VbStatusBar : public QStatusBar {
public:
    explicit VbStatusBar(int panels, QWidget *parent = nullptr);

    int panelCount() const { return static_cast<int>(panels_.size()); }
    QString panelText(int panel) const { return valid(panel) ? panels_[panel - 1]->text() : QString(); }
    void setPanelText(int panel, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class Row;
    bool valid(int panel) const { return panel >= 1 && panel <= panelCount(); }
    // Places the panels over the bar's row.
    void layoutPanels();

    Row *row_ = nullptr;
    std::vector<QLabel *> panels_;
};
