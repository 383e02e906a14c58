// The guess: one box per position of a drawing, each with the power of its number and the power
// total of its drum; Reset Guess; the compare-with-guess option, which enables the boxes; and the
// tool tip of the guess source.

#include "boards/common/boardbase.h"
#include "boards/common/boardbase_analysis.h"

#include "analysis/openlottery.h"
#include "platform/vb.h"

using namespace boardanalysis;

namespace {

// The power total of a drum's guess: the powers of the drum's positions (the main numbers only
// where bonus numbers come from the same drum).
void showGuessTotal(BoardBase &board, Drum drum)
{
    VbLabel *total = board.drum(drum).lblGuessPowerTotal;  // none on a board without the drum
    if (!total)
        return;
    int64_t sum = 0;
    for (int p = board.lottery().gLayout.firstPositionOf(drum); p <= board.lottery().gLayout.lastPositionOf(drum); ++p)
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
    const int32_t before = guessBefore[Index] = guessBoxNumber(lottery().gLayout, Index, box->text()).value_or(0);
    if (before > 0)
        box->setBackColor(vbc::kLightYellow);
    // Typing starts in an empty box.
    box->setText(QString());
}

void BoardBase::txtGuess_LostFocus(int Index)
{
    VbTextBox *box = txtGuess.at(Index);
    if (!box)
        return;
    const auto remembered = guessBefore.find(Index);
    const QString before = QString::number(remembered == guessBefore.end() ? 0 : remembered->second);
    const QString t = box->text().trimmed();
    if (t.isEmpty() || !vb::numericValue(t)) {
        box->setText(before);
    } else {
        box->setText(guessBoxNumber(lottery().gLayout, Index, t) ? t : before);
        box->setBackColor(box->text() == u"0" ? vbc::kWhite : vbc::kLightYellow);
    }
    const int32_t number = guessBoxNumber(lottery().gLayout, Index, box->text()).value_or(0);
    if (VbLabel *power = lblGuessPower.at(Index))
        power->setCaption(QString::number(number == 0 ? 0 : powerOf(lottery(), Index, number)));
    showGuessTotal(*this, lottery().gLayout.drumOf(Index));
}

void BoardBase::cmdResetGuess_Click()
{
    const QString none = noNumberText(lottery().gLayout);
    for (int p = lottery().gLayout.firstPosition; p <= lottery().gLayout.lastPosition; ++p) {
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
    subResetColorOfDrawingNumbers();
}

void BoardBase::subApplyCompareWithGuess()
{
    for (Drum drum : gameDrums())
        this->drum(drum).lblGuessPowerTotal->setEnabled(lottery().gblnCompareWithGuess);
    if (!lottery().gblnBoardInitialised)
        return;
    subResetColorOfDrawingNumbers();
    fncResetCOLORofSelectedWeekNumbers();
    // The selected ticket column marked against the compare numbers now in force.
    if (lstTicket->onClick)
        lstTicket->onClick();
    for (int p = lottery().gLayout.firstPosition; p <= lottery().gLayout.lastPosition; ++p) {
        VbTextBox *box = txtGuess.at(p);
        VbLabel *power = lblGuessPower.at(p);
        if (!box)
            continue;
        box->setEnabled(lottery().gblnCompareWithGuess);
        if (power)
            power->setEnabled(lottery().gblnCompareWithGuess);
        if (lottery().gblnCompareWithGuess)
            txtGuess_LostFocus(p);
        else
            box->setBackColor(vbc::kWhite);
    }
}

std::optional<int32_t> BoardBase::guessForPower(int position) const
{
    const VbTextBox *box = txtGuess.at(position);
    if (!box)
        return std::nullopt;
    return vb::toLong(box->text()).value_or(0);
}

void BoardBase::txtGuessSource_MouseMove() { txtGuessSource->setToolTipText(txtGuessSource->text()); }
