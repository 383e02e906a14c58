#pragma once
// A status bar of text panels, counted from 1.

#include <QLabel>
#include <QStatusBar>
#include <vector>

class VbStatusBar : public QStatusBar {
public:
    explicit VbStatusBar(int panels, QWidget *parent = nullptr) : QStatusBar(parent)
    {
        setSizeGripEnabled(false);
        for (int i = 0; i < panels; ++i) {
            auto *label = new QLabel(this);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setTextFormat(Qt::PlainText);
            addWidget(label, i + 1 == panels ? 2 : 1);
            panels_.push_back(label);
        }
    }

    int panelCount() const { return static_cast<int>(panels_.size()); }
    QString panelText(int panel) const { return valid(panel) ? panels_[panel - 1]->text() : QString(); }
    void setPanelText(int panel, const QString &text)
    {
        if (valid(panel))
            panels_[panel - 1]->setText(text);
    }

private:
    bool valid(int panel) const { return panel >= 1 && panel <= panelCount(); }

    std::vector<QLabel *> panels_;
};
