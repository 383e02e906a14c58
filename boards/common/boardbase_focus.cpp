// Focus parking and key filters: a click on the window background, a frame or a label without an
// action of its own moves the focus to the hidden button, so that the box that had it runs its
// check; the number boxes take only digits (and Backspace), the drawing combos no keys.

#include "boards/common/boardbase.h"
#include "boards/common/clslanguage.h"

#include <QEvent>
#include <QMouseEvent>

namespace {

const QString kDigits = QStringLiteral("0123456789");

// Runs `click` on a left-button press on the window background itself.
class BackgroundClick : public QObject {
public:
    BackgroundClick(QWidget *background, std::function<void()> click)
        : QObject(background), click_(std::move(click))
    {
        background->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && click_)
            click_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> click_;
};

template <class T>
void filterKeys(CtlArray<T> &boxes, void (*filter)(const QString &, int &), const QString &allowed)
{
    boxes.wire([filter, allowed](int, T *box) { box->onKeyPress = [filter, allowed](int &key) { filter(allowed, key); }; });
}

}  // namespace

void BoardBase::subFilterKeyWithBackspace(const QString &allowed, int &keyAscii)
{
    if (keyAscii == 8)
        return;
    subFilterKey(allowed, keyAscii);
}

void BoardBase::subFilterKey(const QString &allowed, int &keyAscii)
{
    if (keyAscii <= 0 || keyAscii > 0xFFFF || !allowed.contains(QChar(char16_t(keyAscii))))
        keyAscii = 1;
}

void BoardBase::Form_Click() { subParkFocus(); }

void BoardBase::wireEntryHandlers()
{
    // Focus parking: the window background, the five frames, and the labels that have no action
    // of their own.
    new BackgroundClick(form, [this] { Form_Click(); });
    for (VbFrame *frame : {fraDrawings, fraPool, fraGuaranteeAndInterval, fraTicketAndGuess, fraDrawingResults})
        frame->onClick = [this] { subParkFocus(); };
    for (CtlArray<VbLabel> *labels : {&lblDrawingNumber, &lblDrawingNumberPower, &lblColumnNumber})
        labels->wire([this](int, VbLabel *label) { label->onClick = [this] { subParkFocus(); }; });
    for (VbLabel *label : {lblDrawingPowerTotalCap, main.lblDrawingPowerTotal, main.lblColumnPowerTotal, lblDate, lblEnd,
                           lblStart, main.lblPowerLowest, main.lblPowerMiddle, main.lblPowerHighest,
                           main.lblPowerIntervalPctSign})
        if (label)
            label->onClick = [this] { subParkFocus(); };

    // Key filters (a drum's boxes are its view's).
    filterKeys(txtGuaranteeNumber, &BoardBase::subFilterKeyWithBackspace, kDigits);
    filterKeys(txtGuess, &BoardBase::subFilterKeyWithBackspace, kDigits);
    txtColumnsToDraw->onKeyPress = [](int &key) { subFilterKeyWithBackspace(kDigits, key); };
    for (VbCombo *combo : {cboDrawingDate, cboEndDrawing, cboStartDrawing})
        combo->onKeyPress = [](int &key) { subFilterKey(QString(), key); };

    // The guess.
    txtGuess.wire([this](int i, VbTextBox *box) {
        box->onGotFocus = [this, i] { txtGuess_GotFocus(i); };
        box->onLostFocus = [this, i] { txtGuess_LostFocus(i); };
    });
    cmdResetGuess->onClick = [this] { cmdResetGuess_Click(); };
    txtGuessSource->onMouseMove = [this] { txtGuessSource_MouseMove(); };
}

void BoardBase::subApplyOptionControls()
{
    // The check boxes run their handlers only when a restored value changes them.
    chkPowerIncrease_Click();
    for (Drum d : gameDrums())
        drum(d).chkPowerInterval_Click();
    // Equal Chance's handler waits for the board to be initialised: its tool tip is worded here
    // after the restored state.
    subSetStateToolTip({chkEqualChance}, lottery().gblnEqualChance, 4, 5);
}
