// The guess: one box per position of a drawing, each with the power of its number and the power
// total of its drum; Reset Guess; the compare-with-guess option, which enables the boxes; and the
// tool tip of the guess source.

#include "boards/common/boardbase.h"
#include "boards/common/boardbase_analysis.h"

#include "analysis/state.h"
#include "platform/vb.h"

using namespace boardanalysis;

std::optional<int32_t> boardanalysis::guessBoxNumber(int position, const QString &text)
{
    if (gLayout.digits())
        return guessDigit(text);
    const auto n = vb::plainDecimal(text.trimmed());
    if (!n || *n < 0 || *n > gLayout.highestAt(position))
        return std::nullopt;
    return n;
}

QString boardanalysis::guessBoxText(int position, const QString &text)
{
    if (const auto n = guessBoxNumber(position, text))
        return QString::number(*n);
    return gLayout.digits() ? QString() : QStringLiteral("0");
}

namespace {

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
    const int32_t before = guessBefore[Index] = guessBoxNumber(Index, box->text()).value_or(0);
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
        box->setText(guessBoxNumber(Index, t) ? t : before);
        box->setBackColor(box->text() == u"0" ? vbc::kWhite : vbc::kLightYellow);
    }
    const int32_t number = guessBoxNumber(Index, box->text()).value_or(0);
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
    subResetColorOfDrawingNumbers();
}

void BoardBase::subApplyCompareWithGuess()
{
    for (Drum drum : gameDrums())
        this->drum(drum).lblGuessPowerTotal->setEnabled(gblnCompareWithGuess);
    if (!gblnBoardInitialised)
        return;
    subResetColorOfDrawingNumbers();
    fncResetCOLORofSelectedWeekNumbers();
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
