// The guess: one box per position of a drawing, each with the power of its number and the power
// total of its drum; Reset Guess; the compare-with-guess option, which enables the boxes; and the
// tool tip of the guess source.

#include "boards/common/boardbase.h"
#include "boards/common/boardbase_analysis.h"

#include "analysis/state.h"
#include "analysis/ui/clsanalysis.h"
#include "platform/vb.h"

using namespace boardanalysis;

namespace {

// The number a guess box at `position` may hold: the plain decimal of 0 (no number) or of a
// number of the position's drum.
std::optional<int32_t> guessNumber(const QString &text, int position)
{
    const auto n = vb::plainDecimal(text.trimmed());
    if (!n || *n < 0 || *n > gLayout.highestAt(position))
        return std::nullopt;
    return n;
}

// The power total of a drum's guess: the powers of the drum's positions (the main numbers only
// where bonus numbers come from the same drum).
void showGuessTotal(BoardBase &board, Drum drum)
{
    VbLabel *total = board.drum(drum).lblGuessPowerTotal;  // none on a board without the drum
    if (!total)
        return;
    int64_t sum = 0;
    for (int p = gLayout.firstPositionOf(drum); p <= gLayout.lastPositionOf(drum); ++p)
        if (const VbLabel *power = board.lblGuessPower.at(p))
            sum += vb::toLong(power->caption()).value_or(0);
    total->setCaption(QString::number(sum));
}

}  // namespace

void BoardBase::txtGuess_GotFocus(int Index)
{
    VbTextBox *box = txtGuess.at(Index);
    if (!box)
        return;
    const auto number = guessNumber(box->text(), Index);
    mlngGuessBefore = number.value_or(0);
    if (mlngGuessBefore > 0)
        box->setBackColor(vbc::kLightYellow);
    // Typing starts in an empty box.
    box->setText(QString());
}

void BoardBase::txtGuess_LostFocus(int Index)
{
    VbTextBox *box = txtGuess.at(Index);
    if (!box)
        return;
    const QString before = QString::number(mlngGuessBefore);
    const QString t = box->text().trimmed();
    if (t.isEmpty() || !vb::numericValue(t)) {
        box->setText(before);
    } else {
        if (!guessNumber(t, Index))
            box->setText(before);
        else
            box->setText(t);
        box->setBackColor(box->text() == u"0" ? vbc::kWhite : vbc::kLightYellow);
    }
    const int32_t number = guessNumber(box->text(), Index).value_or(0);
    if (VbLabel *power = lblGuessPower.at(Index))
        power->setCaption(QString::number(number == 0 ? 0 : powerOf(Index, number)));
    showGuessTotal(*this, gLayout.drumOf(Index));
}

void BoardBase::cmdResetGuess_Click()
{
    // An empty position reads "0" on the lotto boards and stays empty on the digit board.
    const QString none = gLayout.digits() ? QString() : QStringLiteral("0");
    for (int p = gLayout.firstPosition; p <= gLayout.lastPosition; ++p) {
        if (VbTextBox *box = txtGuess.at(p)) {
            box->setText(none);
            box->setBackColor(vbc::kWhite);
        }
        if (VbLabel *power = lblGuessPower.at(p))
            power->setCaption(QStringLiteral("0"));
    }
    txtGuessSource->setText(QString());
    for (Drum drum : gameDrums())
        this->drum(drum).lblGuessPowerTotal->setCaption(QStringLiteral("0"));
    analysis().subResetColorOfDrawingNumbers();
}

void BoardBase::subApplyCompareWithGuess()
{
    for (Drum drum : gameDrums())
        this->drum(drum).lblGuessPowerTotal->setEnabled(gblnCompareWithGuess);
    if (!gblnBoardInitialised)
        return;
    analysis().subResetColorOfDrawingNumbers();
    analysis().fncResetCOLORofSelectedWeekNumbers();
    // The selected ticket column marked against the compare numbers now in force.
    if (lstTicket->onClick)
        lstTicket->onClick();
    for (int p = gLayout.firstPosition; p <= gLayout.lastPosition; ++p) {
        VbTextBox *box = txtGuess.at(p);
        VbLabel *power = lblGuessPower.at(p);
        if (!box)
            continue;
        box->setEnabled(gblnCompareWithGuess);
        if (power)
            power->setEnabled(gblnCompareWithGuess);
        if (gblnCompareWithGuess)
            txtGuess_LostFocus(p);
        else
            box->setBackColor(vbc::kWhite);
    }
}

void BoardBase::txtGuessSource_MouseMove() { txtGuessSource->setToolTipText(txtGuessSource->text()); }
