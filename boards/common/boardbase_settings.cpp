// The board's side of the board settings record: its controls read into a record, and a record
// (or the reset values) put back into the controls, each control running its own handling as its
// value is set. One routine serves the three boards; the second-drum items exist only on the
// two-pool board and Straight/Boxed only on the digit board.

#include "boards/common/boardbase.h"
#include "boards/common/boardbase_analysis.h"

#include "analysis/drum.h"
#include "analysis/openlottery.h"

namespace {

template <class Box>
void readTexts(const CtlArray<Box> &boxes, BallArray<QString> &into)
{
    for (int i = into.lo(); i <= into.hi(); ++i)
        if (const Box *box = boxes.at(i))
            into[i] = box->text();
}

void readCaptions(const CtlArray<VbLabel> &labels, BallArray<QString> &into)
{
    for (int i = into.lo(); i <= into.hi(); ++i)
        if (const VbLabel *label = labels.at(i))
            into[i] = label->caption();
}

void writeTexts(CtlArray<VbTextBox> &boxes, const BallArray<QString> &from)
{
    for (int i = from.lo(); i <= from.hi(); ++i)
        if (VbTextBox *box = boxes.at(i))
            box->setText(from[i]);
}

void writeCaptions(CtlArray<VbLabel> &labels, const BallArray<QString> &from)
{
    for (int i = from.lo(); i <= from.hi(); ++i)
        if (VbLabel *label = labels.at(i))
            label->setCaption(from[i]);
}

// The exclusion marks: the box of each ball, or the stored mark where the pool grid has no row yet.
void readExcluded(const DrumControls &drum, const DrumState &state, BallArray<int32_t> &into)
{
    for (int b = into.lo(); b <= into.hi(); ++b) {
        const VbCheck *box = drum.chkExcludeBall.at(b);
        into[b] = box ? box->value() : state.garrExcluded.value(b, 0);
    }
}

void readInterval(const DrumControls &drum, IntervalSettings &into)
{
    into.on = static_cast<int16_t>(drum.chkPowerInterval->value());
    into.limits = std::array<QString, 2>{drum.txtPowerInterval[0]->text(), drum.txtPowerInterval[1]->text()};
    into.percentIndex = static_cast<int16_t>(drum.cboPowerIntervalPct->listIndex());
}

void writeInterval(DrumControls &drum, const IntervalSettings &from)
{
    drum.chkPowerInterval->setValue(from.on);
    if (from.limits) {
        drum.txtPowerInterval[0]->setText((*from.limits)[0]);
        drum.txtPowerInterval[1]->setText((*from.limits)[1]);
    }
    // The entry itself is selected by the next recalculation.
    drum.cboPowerIntervalPct->setText(QString::number(from.percentIndex));
}

}  // namespace

void BoardBase::readBoardSettings(BoardSettings &s)
{
    s.hot = optHotCold[0]->value();
    s.cold = optHotCold[1]->value();
    s.powerIncrease = static_cast<int16_t>(chkPowerIncrease->value());
    s.powerIncreaseLevel = static_cast<int16_t>(hsbPowerIncrease->value());
    readTexts(txtGuaranteeNumber, s.guaranteeNumbers);
    s.guaranteeNumbersOn = static_cast<int16_t>(chkGuaranteeNumbers->value());
    for (Drum drum : gameDrums())
        readInterval(this->drum(drum), s.drum(drum).interval);
    s.columnsToDraw = txtColumnsToDraw->text();
    s.compareWithGuess = static_cast<int16_t>(chkCompareWithGuess->value());
    s.incrementalTicket = static_cast<int16_t>(chkIncrementalTicket->value());
    readTexts(txtGuess, s.guesses);
    for (Drum drum : gameDrums())
        readExcluded(this->drum(drum), lottery().drum(drum), s.drum(drum).excluded);
    s.guessSource = txtGuessSource->text();
    readCaptions(lblGuessPower, s.guessPowers);
    s.guessPowerTotal = main.lblGuessPowerTotal->caption();
    s.equalChance = static_cast<int16_t>(chkEqualChance->value());
}

void BoardBase::applyBoardSettings(const BoardSettings &s)
{
    putSettings(s, false);
}

void BoardBase::resetBoardSettings(const BoardSettings &defaults)
{
    putSettings(defaults, true);
    // The column labels of every position of the game, as the reset covers every guess.
    const QString zero = QStringLiteral("0");
    for (int i = lottery().gLayout.firstPosition; i <= lottery().gLayout.lastPosition; ++i)
        if (VbLabel *label = lblColumnNumber.at(i))
            label->setCaption(zero);
    for (Drum drum : gameDrums())
        this->drum(drum).lblColumnPowerTotal->setCaption(zero);
}

void BoardBase::putSettings(const BoardSettings &s, bool secondDrumLast)
{
    cboStartDrawing->setText(QString::number(s.startWeek));
    cboDrawingDate->setText(s.drawDate);
    cboEndDrawing->setText(QString::number(s.endWeek));
    optHotCold[0]->setValue(s.hot);
    optHotCold[1]->setValue(s.cold);
    chkPowerIncrease->setValue(s.powerIncrease);
    hsbPowerIncrease->setMin(2);
    hsbPowerIncrease->setMax(4);
    hsbPowerIncrease->setSmallChange(1);
    hsbPowerIncrease->setValue(s.powerIncreaseLevel);
    writeTexts(txtGuaranteeNumber, s.guaranteeNumbers);
    chkGuaranteeNumbers->setValue(s.guaranteeNumbersOn);
    // The second drum's interval follows the main one, or comes last of all.
    const std::vector<Drum> drums = gameDrums();
    for (Drum drum : drums)
        if (drum == Drum::Main || !secondDrumLast)
            writeInterval(this->drum(drum), s.drum(drum).interval);
    txtColumnsToDraw->setText(s.columnsToDraw);
    chkCompareWithGuess->setValue(s.compareWithGuess);
    chkIncrementalTicket->setValue(s.incrementalTicket);
    writeTexts(txtGuess, s.guesses);
    txtGuessSource->setText(s.guessSource);
    writeCaptions(lblGuessPower, s.guessPowers);
    // A stored guess that names no number of its position's drum is restored as none, power 0.
    for (int p = lottery().gLayout.firstPosition; p <= lottery().gLayout.lastPosition; ++p) {
        VbTextBox *box = txtGuess.at(p);
        const QString text = box ? guessBoxText(lottery().gLayout, p, box->text()) : QString();
        if (!box || text == box->text())
            continue;
        box->setText(text);
        if (VbLabel *power = lblGuessPower.at(p))
            power->setCaption(QStringLiteral("0"));
    }
    main.lblGuessPowerTotal->setCaption(s.guessPowerTotal);
    chkEqualChance->setValue(s.equalChance);
    for (Drum drum : drums)
        if (drum == Drum::Second && secondDrumLast)
            writeInterval(this->drum(drum), s.drum(drum).interval);
}
