// POWER and the analysis window: the drawing combos kept in step, the end drawing and the powers of
// the drawing and the guess, hot or cold numbers, the power increase, and the power-table headers.

#include "boards/common/boardbase.h"
#include "boards/common/boardbase_analysis.h"

#include "analysis/clslotterydb.h"
#include "app/resstrings.h"
#include "app/application.h"
#include "boards/common/clslanguage.h"
#include "platform/dates.h"
#include "platform/ui/vbcolor.h"
#include "platform/vb.h"

namespace boardanalysis {

std::optional<int32_t> comboWeek(const VbCombo *combo)
{
    if (!combo)
        return std::nullopt;
    return vb::toLong(combo->text().trimmed());
}

void selectEntry(VbCombo *combo, int index)
{
    if (!combo || index < 0 || index >= combo->listCount())
        return;
    // An entry already selected whose text was overwritten is selected again.
    if (combo->listIndex() == index && combo->text() != combo->list(index))
        combo->setListIndex(-1);
    combo->setListIndex(index);
}

int32_t powerOf(const OpenLottery &lottery, int position, int32_t number)
{
    return lottery.drum(lottery.gLayout.drumOf(position)).garrPickCount.value(number, 0);
}

}  // namespace boardanalysis

using namespace boardanalysis;

namespace {

// "Drawing %1 could not be read from the results database."
constexpr int kUnreadDrawingMessage = 47600;

// The power total of a drum on the board (none for a drum the board does not have: its controls
// are never made).
VbLabel *totalLabel(BoardBase &board, Drum drum, VbLabel *DrumControls::*label) { return board.drum(drum).*label; }

// The power total a position adds to: its drum's (the main total for main numbers and every
// digit, the second drum's for its numbers), or none for a same-drum bonus number.
VbLabel *totalLabelAt(BoardBase &board, int position, VbLabel *DrumControls::*label)
{
    if (board.lottery().gLayout.sameDrumBonus(position))
        return nullptr;
    return totalLabel(board, board.lottery().gLayout.drumOf(position), label);
}

void addToTotal(VbLabel *total, int32_t power)
{
    if (total)
        total->setCaption(QString::number(vb::toLong(total->caption()).value_or(0) + static_cast<int64_t>(power)));
}

void setCaption(VbLabel *label, const QString &text)
{
    if (label)
        label->setCaption(text);
}

// The numbers of the end drawing `week` (from garrReferenceDrawing) and their powers, with the
// totals. A drawing the database could not return leaves the positions blank and says so in the
// status bar.
void showEndDrawing(BoardBase &board, int32_t week)
{
    for (Drum drum : kDrums)
        setCaption(totalLabel(board, drum, &DrumControls::lblDrawingPowerTotal), QStringLiteral("0"));
    if (board.lottery().garrReferenceDrawing.empty())
        board.staMain->setPanelText(1, res(kUnreadDrawingMessage).arg(week));
    for (int p = board.lottery().gLayout.firstPosition; p <= board.lottery().gLayout.lastPosition; ++p) {
        if (!board.lottery().garrReferenceDrawing.contains(p)) {
            setCaption(board.lblDrawingNumber.at(p), QString());
            setCaption(board.lblDrawingNumberPower.at(p), QString());
            continue;
        }
        const int32_t number = board.lottery().garrReferenceDrawing[p];
        const int32_t power = powerOf(board.lottery(), p, number);
        setCaption(board.lblDrawingNumber.at(p), QString::number(number));
        setCaption(board.lblDrawingNumberPower.at(p), QString::number(power));
        addToTotal(totalLabelAt(board, p, &DrumControls::lblDrawingPowerTotal), power);
    }
}

// The powers of the guess numbers with their totals.
void showGuessPowers(BoardBase &board)
{
    for (int p = board.lottery().gLayout.firstPosition; p <= board.lottery().gLayout.lastPosition; ++p) {
        const auto number = board.guessForPower(p);
        if (!number)
            continue;
        const int32_t power = powerOf(board.lottery(), p, *number);
        setCaption(board.lblGuessPower.at(p), QString::number(power));
        addToTotal(totalLabelAt(board, p, &DrumControls::lblGuessPowerTotal), power);
    }
}

// Reads the end drawing's numbers into garrReferenceDrawing (nothing when it cannot be read).
void readReferenceDrawing(OpenLottery &lottery, int32_t week)
{
    lottery.garrReferenceDrawing = BallArray<int32_t>();
    if (!app().gobjLotteryDb)
        return;
    if (const auto numbers = app().gobjLotteryDb->fncGetDrawingNumbers(week, lottery.gLayout))
        lottery.garrReferenceDrawing = *numbers;
}

constexpr uint32_t kActive = vbc::kDarkRed;
constexpr uint32_t kPlain = vbc::kWindowText;

}  // namespace

QString boardanalysis::message(int entry) { return app().garrMessages.value(entry); }

double boardanalysis::poolBoxCount(const VbTextBox *box)
{
    return vb::numericValue(box->text().trimmed()).value_or(0);
}

void boardanalysis::colourPoolCountBox(VbTextBox *box)
{
    box->setBackColor(poolBoxCount(box) == 0 ? vbc::kWhite : vbc::kLightYellow);
}

void BoardBase::wireAnalysisHandlers()
{
    cmdPower->onClick = [this] { cmdPower_Click(); };
    cboEndDrawing->onClick = [this] { cboEndDrawing_Click(); };
    cboEndDrawing->onChange = [this] { cboEndDrawing_Change(); };
    cboStartDrawing->onClick = [this] { cboStartDrawing_Click(); };
    cboStartDrawing->onChange = [this] { cboStartDrawing_Change(); };
    cboDrawingDate->onClick = [this] { cboDrawingDate_Click(); };
    cboDrawingDate->onGotFocus = [this] { cboDrawingDate_GotFocus(); };
    cboDrawingDate->onLostFocus = [this] { cboDrawingDate_LostFocus(); };
    cmdGetDrawing->onClick = [this] { cmdGetDrawing_Click(); };
    optHotCold.wire([this](int i, VbOption *o) { o->onClick = [this, i] { optHotCold_Click(i); }; });
    lblHotCold.wire([this](int i, VbLabel *l) { l->onClick = [this, i] { lblHotCold_Click(i); }; });
    chkPowerIncrease->onClick = [this] { chkPowerIncrease_Click(); };
    lblPowerIncrease->onClick = [this] { lblPowerIncrease_Click(); };

    wirePoolHandlers(*this);
    wireDrawHandlers(*this);
    wireTicketHandlers();
}

void BoardBase::cmdPower_Click()
{
    // The two-drum and digit boards start POWER by forgetting the counts typed into their pools;
    // the lotto board keeps them for its next recount, until POPULATE.
    if (!design().lottoPoolWays)
        for (Drum d : kDrums)
            drum(d).subColourPoolCounts();
    // A user's POWER starts from a plain pool: no guaranteed numbers, no exclusion, no equal
    // chance. The start-up run keeps what the settings restored.
    if (lottery().gblnBoardInitialised) {
        chkGuaranteeNumbers->setValue(0);
        for (Drum d : gameDrums())
            for (int32_t ball = drum(d).first(); ball <= drum(d).last(); ++ball)
                if (VbCheck *box = drum(d).chkExcludeBall.at(ball))
                    box->setValue(0);
        chkEqualChance->setValue(0);
    }

    for (DrumState &state : lottery().gDrums) {
        state.gblnSorted = true;
        state.gblnSortedByPowerPercent = false;
        state.gblnSortedByLastPicked = false;
    }
    for (Drum d : gameDrums())
        drum(d).setHeaderColours(kActive, kPlain, kPlain);

    const int32_t total = lottery().glngTotalWeeks;
    const int32_t end = comboWeek(cboEndDrawing).value_or(total);
    selectEntry(cboEndDrawing, total - end);
    const int32_t start = comboWeek(cboStartDrawing).value_or(1);
    selectEntry(cboStartDrawing, total - start);

    lottery().gstrDrawDate = cboDrawingDate->text();
    lottery().glngReferenceWeek = comboWeek(cboEndDrawing).value_or(end);
    lottery().glngStartWeek = comboWeek(cboStartDrawing).value_or(start);

    if (!subRecalculateAll())
        return;

    readReferenceDrawing(lottery(), lottery().glngReferenceWeek);
    for (Drum drum : kDrums)
        for (VbLabel *DrumControls::*label : {&DrumControls::lblDrawingPowerTotal, &DrumControls::lblGuessPowerTotal,
                                              &DrumControls::lblColumnPowerTotal})
            setCaption(totalLabel(*this, drum, label), QStringLiteral("0"));
    showEndDrawing(*this, lottery().glngReferenceWeek);
    showGuessPowers(*this);
    for (int i = lottery().gLayout.firstPosition; i <= lottery().gLayout.lastGuaranteePosition(); ++i)
        setCaption(lblColumnNumber.at(i), QStringLiteral("0"));
    lstTicket->viewport()->update();

    const std::vector<Drum> drums = gameDrums();
    for (Drum d : drums)
        drum(d).subRankByLastPickedWeek();
    for (Drum d : drums)
        drum(d).subRankByPowerPercentage();

    if (!lottery().garrReferenceDrawing.empty())
        staMain->setPanelText(1, res(36010) + cboStartDrawing->text() + res(36020) + cboEndDrawing->text()
                                     + res(36030) + cboDrawingDate->text());
}

void BoardBase::cboEndDrawing_Click()
{
    if (!lottery().gblnBoardInitialised)
        return;
    const auto end = comboWeek(cboEndDrawing);
    const auto start = comboWeek(cboStartDrawing);
    if (end && start && *end < *start)
        selectEntry(cboStartDrawing, cboEndDrawing->listIndex());
    fncResetCOLORofSelectedWeekNumbers();
    selectEntry(cboDrawingDate, cboEndDrawing->listIndex());
    readReferenceDrawing(lottery(), end.value_or(0));
    showEndDrawing(*this, end.value_or(0));
}

void BoardBase::cboStartDrawing_Click()
{
    if (!lottery().gblnBoardInitialised)
        return;
    const auto end = comboWeek(cboEndDrawing);
    const auto start = comboWeek(cboStartDrawing);
    if (end && start && *end < *start)
        selectEntry(cboEndDrawing, cboStartDrawing->listIndex());
}

void BoardBase::cboStartDrawing_Change()
{
    if (!lottery().gblnBoardInitialised)
        return;
    const int32_t total = lottery().glngTotalWeeks;
    const auto start = comboWeek(cboStartDrawing);
    const int32_t end = comboWeek(cboEndDrawing).value_or(total);
    if (!start || *start < 1 || *start > total || end < *start)
        selectEntry(cboStartDrawing, total - end);
}

void BoardBase::cboEndDrawing_Change()
{
    if (!lottery().gblnBoardInitialised)
        return;
    const auto end = comboWeek(cboEndDrawing);
    const int32_t start = comboWeek(cboStartDrawing).value_or(1);
    if (!end || *end < 1 || *end > lottery().glngTotalWeeks || *end < start)
        selectEntry(cboEndDrawing, 0);
}

void BoardBase::cboDrawingDate_Click() { selectEntry(cboEndDrawing, cboDrawingDate->listIndex()); }

void BoardBase::cboDrawingDate_GotFocus() { mstrDrawingDate = cboDrawingDate->text(); }

void BoardBase::cboDrawingDate_LostFocus()
{
    // The date is always that of the end drawing: another date would count the drawings up to it
    // while the end drawing is compared.
    const int end = cboEndDrawing->listIndex();
    if (end >= 0 && end < cboDrawingDate->listCount()) {
        if (cboDrawingDate->text() != cboDrawingDate->list(end))
            selectEntry(cboDrawingDate, end);
        return;
    }
    const QString text = cboDrawingDate->text();
    if (text.trimmed().isEmpty() || !dates::fromShortText(text).isValid())
        cboDrawingDate->setText(mstrDrawingDate);
}

void BoardBase::cmdGetDrawing_Click()
{
    // A drawing the database could not return leaves the guess as it is.
    if (lottery().garrReferenceDrawing.empty()) {
        if (const auto week = comboWeek(cboEndDrawing))
            staMain->setPanelText(1, res(kUnreadDrawingMessage).arg(*week));
        return;
    }
    // The guess boxes get new numbers, so any marks on them go in both compare modes. The drawing
    // numbers lose their marks only when comparing with the guess: otherwise the selected column
    // is still compared with the same drawing and its marks stay true.
    subResetColorOfDrawingNumbers();
    if (lottery().gblnCompareWithGuess)
        fncResetCOLORofSelectedWeekNumbers();
    for (int p = lottery().gLayout.firstPosition; p <= lottery().gLayout.lastPosition; ++p) {
        VbTextBox *box = txtGuess.at(p);
        const VbLabel *number = lblDrawingNumber.at(p);
        if (!box || !number)
            continue;
        // A number that is no ball of the box's drum gives way to the box's own number.
        guessBefore[p] = guessBoxNumber(lottery().gLayout, p, box->text()).value_or(0);
        box->setText(number->caption());
        if (lottery().gblnCompareWithGuess && box->onLostFocus)
            box->onLostFocus();
        if (VbLabel *power = lblGuessPower.at(p))
            power->setCaption(lblDrawingNumberPower.at(p) ? lblDrawingNumberPower[p]->caption() : QStringLiteral("0"));
    }
    for (Drum drum : kDrums) {
        const VbLabel *drawing = totalLabel(*this, drum, &DrumControls::lblDrawingPowerTotal);
        if (drawing)
            setCaption(totalLabel(*this, drum, &DrumControls::lblGuessPowerTotal), drawing->caption());
    }
    txtGuessSource->setText(cboEndDrawing->text() + QStringLiteral(" - ") + cboDrawingDate->text());
}

void BoardBase::optHotCold_Click(int Index) { lottery().gintHotColdMode = Index > 0 ? -1 : 0; }

void BoardBase::lblHotCold_Click(int Index) { subSelectOptionOfPair(optHotCold, Index); }

void BoardBase::subSelectOptionOfPair(CtlArray<VbOption> &pair, int Index)
{
    if (pair[0]->value() && Index != 0) {
        pair[0]->setValue(false);
        pair[1]->setValue(true);
    } else if (pair[1]->value() && Index != 1) {
        pair[0]->setValue(true);
        pair[1]->setValue(false);
    }
}

void BoardBase::chkPowerIncrease_Click()
{
    lottery().gblnPowerIncrease = chkPowerIncrease->value() != 0;
    hsbPowerIncrease->setEnabled(lottery().gblnPowerIncrease);
    lblPowerIncreaseMinMax.forEach([this](int, VbLabel *l) { l->setEnabled(lottery().gblnPowerIncrease); });
    subSetStateToolTip({chkPowerIncrease, lblPowerIncrease}, lottery().gblnPowerIncrease, 20, 21);
}

void BoardBase::lblPowerIncrease_Click()
{
    const int value = chkPowerIncrease->value();
    if (value == 0 || value == 1)
        chkPowerIncrease->setValue(1 - value);
}

// ---- What the analysis service asks of the board ---------------------------------------------------

RecalcInputs BoardBase::analysisWindow()
{
    const int32_t total = lottery().glngTotalWeeks;
    const auto week = [&](const VbCombo *combo, int32_t fallback) {
        const auto n = combo ? vb::toLong(combo->text().trimmed()) : std::nullopt;
        return n.value_or(fallback);
    };
    const int32_t start = week(cboStartDrawing, 1);
    const int32_t end = week(cboEndDrawing, total);

    QDate date;
    if (const VbCombo *dates = cboDrawingDate) {
        const int i = dates->listIndex();
        if (i >= 0 && dates->list(i) == dates->text())
            date = dates->itemData(i).toDate();
        if (!date.isValid())
            date = dates::fromShortText(dates->text());
    }
    // garrGameDates holds the newest drawing at 1, so drawing w stands at total - w + 1.
    if (!date.isValid() && end >= 1 && end <= total && static_cast<size_t>(total - end + 1) < lottery().garrGameDates.size())
        date = lottery().garrGameDates[static_cast<size_t>(total - end + 1)];

    RecalcInputs in;
    in.fromWeek = start;
    in.toWeek = end;
    in.upToDate = date;
    in.hotColdMode = lottery().gintHotColdMode;
    in.powerIncrease = lottery().gblnPowerIncrease;
    in.level = hsbPowerIncrease ? hsbPowerIncrease->value() : 2;
    in.totalWeeks = total;
    return in;
}

void BoardBase::showRecalculation()
{
    const std::vector<Drum> drums = gameDrums();
    for (Drum d : drums)
        drum(d).subCalculatePowerTable();
    for (Drum d : drums)
        drum(d).subFillPoolGrid();
    for (Drum d : drums)
        drum(d).selectIntervalPercent();
}

bool BoardBase::listDrawings(const std::vector<QDate> &dates, int32_t total)
{
    for (VbCombo *combo : {cboEndDrawing, cboStartDrawing, cboDrawingDate})
        combo->clear();
    // The lists are as long as the history: their entries are made only when shown.
    const int count = std::clamp<int>(total, 0, static_cast<int>(dates.size()) - 1);
    const auto shown = std::make_shared<const std::vector<QDate>>(dates);
    for (VbCombo *combo : {cboEndDrawing, cboStartDrawing})
        combo->setEntries(count, [total](int k) { return QString::number(total - k); },
                          [total](int k) { return QVariant(total - k); });
    cboDrawingDate->setEntries(count, [shown](int k) { return dates::toShortText((*shown)[static_cast<size_t>(k) + 1]); },
                               [shown](int k) { return QVariant((*shown)[static_cast<size_t>(k) + 1]); });
    return true;
}

namespace {

// Takes the hit marks off the controls of the drawing positions of the game.
template <class T>
void resetMarks(const CtlArray<T> &controls, const GameLayout &layout)
{
    for (int p = layout.firstPosition; p <= layout.lastPosition; ++p) {
        if (T *ctl = controls.at(p)) {
            ctl->setForeColor(vbc::kWindowText);
            ctl->setFontBold(false);
        }
    }
}

}  // namespace

void BoardBase::subResetColorOfDrawingNumbers() { resetMarks(txtGuess, lottery().gLayout); }

void BoardBase::fncResetCOLORofSelectedWeekNumbers() { resetMarks(lblDrawingNumber, lottery().gLayout); }
