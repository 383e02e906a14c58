#include "boards/digit/frmdigitboard.h"

#include "analysis/comparison.h"
#include "analysis/openlottery.h"
#include "app/application.h"
#include "app/clsfilesystem.h"
#include "boards/common/boardbase_analysis.h"
#include "boards/common/clslanguage.h"
#include "platform/ui/vbcolor.h"
#include "platform/vb.h"

#include <algorithm>

namespace {

constexpr int kDigits = 10;

// The pair "Straight" / "Boxed" at the head of the drawing-results frame, in twips.
constexpr int kOptionTop = 270;
constexpr int kOptionLeft = 3240;
constexpr int kOptionPitch = 1800;
constexpr int kOptionSize = 240;
constexpr int kOptionCaptionWidth = 1440;

}  // namespace

frmDigitBoard::frmDigitBoard(std::shared_ptr<OpenLottery> lottery)
    : frmLottoBoard(BoardDesign{.firstPosition = 0,
                                .lastPosition = 7,
                                .tableHalves = 1,
                                .blankShareWithoutCount = true,
                                .summaryBoxes = 1,
                                .closedEvent = eventlog::kDigitBoardClosed},
                    std::move(lottery))
{
    optStraightBoxed.create(QStringLiteral("optStraightBoxed"), fraDrawingResults, 0, 1);
    lblStraightBoxed.create(QStringLiteral("lblStraightBoxed"), fraDrawingResults, 0, 1);
    // Tab goes from the ticket list through the pair to the result boxes.
    const std::vector<QWidget *> tabs = {lstTicket, optStraightBoxed[0], optStraightBoxed[1], txtResults[0], txtResults[1], cmdHiddenFocus};
    for (size_t i = 1; i < tabs.size(); ++i)
        setTabOrder(tabs[i - 1], tabs[i]);
    subDesignDigits();
    optStraightBoxed.wire([this](int i, VbOption *o) { o->onClick = [this, i] { optStraightBoxed_Click(i); }; });
    lblStraightBoxed.wire([this](int i, VbLabel *l) { l->onClick = [this, i] { lblStraightBoxed_Click(i); }; });
}

void frmDigitBoard::subDesignDigits()
{
    // One table half of ten rows: the panels and the bands behind the ball pictures end after the
    // row of the digit 9; no separator between halves.
    Line1->setVisible(false);
    Line2->setVisible(false);
    const int rowsBottom = kFirstRowTop + kDigits * kRowPitch;
    auto fitPanel = [rowsBottom](VbShape *panel, const VbControl *lastColumn) {
        panel->Move(panel->Left(), panel->Top(), lastColumn->Left() + lastColumn->Width() + 60 - panel->Left(),
                    rowsBottom + 30 - panel->Top());
    };
    fitPanel(shpPowerPanel, main.lblWeeksSincePick[0]);
    fitPanel(shpPoolPanel, main.chkExcludeBall[0]);
    for (int band : {0, 2}) {
        VbShape *shape = main.shpBallColumn[band];
        shape->Move(shape->Left(), shape->Top(), shape->Width(), rowsBottom - shape->Top());
    }

    // An empty digit box names no digit; 0 is a digit.
    for (int i = firstPosition(); i <= lastPosition(); ++i) {
        txtGuess[i]->setText(QString());
        txtGuaranteeNumber[i]->setText(QString());
    }

    // "Straight" and "Boxed" above the second result box, which the digit board leaves empty.
    const char *captions[] = {"Straight", "Boxed"};
    for (int i = 0; i <= 1; ++i) {
        const int left = kOptionLeft + i * kOptionPitch;
        optStraightBoxed[i]->Move(left, kOptionTop, kOptionSize, 255);
        lblStraightBoxed[i]->Move(left + kOptionSize + 30, kOptionTop, kOptionCaptionWidth, 255);
        lblStraightBoxed[i]->setCaption(QString::fromLatin1(captions[i]));
    }
    optStraightBoxed[0]->setValue(true);
    VbTextArea *second = txtResults[1];
    const int top = kOptionTop + 375;
    second->Move(second->Left(), top, second->Width(), second->Top() + second->Height() - top);
}

void frmDigitBoard::subLayoutForGame()
{
    subShowPositions();
    if (lottery().gLayout.positionCount() == 3 || lottery().gLayout.positionCount() == 4)
        subDoublePositionWidths();
    // The totals take the width of the first position's cells (wider where their numbers need
    // it) and line up with the last one.
    subPlaceTotals();
}

void frmDigitBoard::subDoublePositionWidths()
{
    for (CtlArray<VbLabel> *labels : {&lblDrawingNumber, &lblDrawingNumberPower, &lblGuessPower, &lblColumnNumber}) {
        for (int i = 0; i <= lottery().glngPicks; ++i)
            (*labels)[i]->setWidth(2 * (*labels)[i]->Width());
        for (int i = 1; i <= lottery().glngPicks; ++i)
            (*labels)[i]->setLeft((*labels)[i - 1]->Left() + (*labels)[i - 1]->Width() - kDoubleWidthOverlap);
    }
    for (CtlArray<VbTextBox> *boxes : {&txtGuaranteeNumber, &txtGuess}) {
        for (int i = 0; i <= lottery().glngPicks; ++i)
            (*boxes)[i]->setWidth(2 * (*boxes)[i]->Width());
        for (int i = 1; i <= lottery().glngPicks; ++i)
            (*boxes)[i]->setLeft((*boxes)[i - 1]->Left() + (*boxes)[i - 1]->Width() - kDoubleWidthOverlap);
    }
    if (lottery().glngPicks == 3)
        lstTicket->setWidth(lstTicket->Width() + kFourPositionListGrowth);
}

// ---- Straight / Boxed -----------------------------------------------------------------------------

void frmDigitBoard::readBoardSettings(BoardSettings &s)
{
    frmLottoBoard::readBoardSettings(s);
    s.straight = optStraightBoxed[0]->value();
    s.boxed = optStraightBoxed[1]->value();
}

void frmDigitBoard::putStraightBoxed(const BoardSettings &s)
{
    optStraightBoxed[0]->setValue(s.straight);
    optStraightBoxed[1]->setValue(s.boxed);
}

void frmDigitBoard::applyBoardSettings(const BoardSettings &s)
{
    frmLottoBoard::applyBoardSettings(s);
    // A stored guaranteed digit is written as the digit itself ("07" as 7), as a box writes what is
    // typed into it: the box then shows the digit that DRAW places at its position.
    for (int p = 0; p <= lottery().glngPicks; ++p)
        if (VbTextBox *box = txtGuaranteeNumber.at(p))
            if (const auto digit = fncBoxDigit(box->text()))
                box->setText(QString::number(*digit));
    putStraightBoxed(s);
}

void frmDigitBoard::resetBoardSettings(const BoardSettings &defaults)
{
    frmLottoBoard::resetBoardSettings(defaults);
    putStraightBoxed(defaults);
}

void frmDigitBoard::subApplyBoardColours()
{
    frmLottoBoard::subApplyBoardColours();
    const auto back = static_cast<uint32_t>(app().glngBackColor);
    for (int i : {0, 1}) {
        optStraightBoxed[i]->setBackColor(back);
        lblStraightBoxed[i]->setBackColor(back);
    }
}

void frmDigitBoard::subApplyLanguage()
{
    frmLottoBoard::subApplyLanguage();
    for (int i : {0, 1}) {
        lblStraightBoxed[i]->setCaption(fncBoardText(27210 + 10 * i));
        setToolTips({optStraightBoxed[i], lblStraightBoxed[i]}, boardanalysis::message(22 + i));
    }
}

std::optional<int32_t> frmDigitBoard::guessForPower(int position) const
{
    const VbTextBox *box = txtGuess.at(position);
    if (!box || box->text().trimmed().isEmpty())
        return std::nullopt;
    return frmLottoBoard::guessForPower(position);
}

ComparisonLayout frmDigitBoard::ticketComparisonLayout() const
{
    return ComparisonLayout::digits(lottery().gLayout.positionCount(), optStraightBoxed[1]->value());
}

void frmDigitBoard::optStraightBoxed_Click(int Index) { lottery().gblnBoxedCompare = Index > 0; }

void frmDigitBoard::lblStraightBoxed_Click(int Index) { subSelectOptionOfPair(optStraightBoxed, Index); }

std::optional<int32_t> frmDigitBoard::fncBoxDigit(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || !std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    return guessDigit(t);
}

// ---- Guess --------------------------------------------------------------------------------------------

void frmDigitBoard::txtGuess_GotFocus(int Index)
{
    VbTextBox *box = txtGuess.at(Index);
    if (!box)
        return;
    if (fncBoxDigit(box->text()))
        box->setBackColor(vbc::kLightYellow);
    // Typing starts in an empty box.
    box->setText(QString());
}

void frmDigitBoard::txtGuess_LostFocus(int Index)
{
    VbTextBox *box = txtGuess.at(Index);
    if (!box)
        return;
    if (const auto digit = fncBoxDigit(box->text())) {
        box->setText(QString::number(*digit));
        box->setBackColor(vbc::kLightYellow);
        subShowGuessPowers();
        return;
    }
    // Empty, or no digit (a number above 9): the position has no guess and no power.
    box->setText(QString());
    box->setBackColor(vbc::kWhite);
    VbLabel *total = main.lblGuessPowerTotal;
    if (VbLabel *power = lblGuessPower.at(Index)) {
        const int64_t left = vb::toLong(total->caption()).value_or(0) - vb::toLong(power->caption()).value_or(0);
        total->setCaption(QString::number(std::max<int64_t>(left, 0)));
        power->setCaption(QStringLiteral("0"));
    }
}

void frmDigitBoard::subShowGuessPowers()
{
    int64_t total = 0;
    for (int p = 0; p <= lottery().glngPicks; ++p) {
        const VbTextBox *box = txtGuess.at(p);
        const auto digit = box ? fncBoxDigit(box->text()) : std::nullopt;
        const int32_t power = digit ? boardanalysis::powerOf(lottery(), p, *digit) : 0;
        if (VbLabel *label = lblGuessPower.at(p))
            label->setCaption(QString::number(power));
        total += power;
    }
    main.lblGuessPowerTotal->setCaption(QString::number(total));
}

// ---- Guaranteed digits --------------------------------------------------------------------------------

void frmDigitBoard::chkGuaranteeNumbers_Click()
{
    lottery().gblnGuaranteeNumbers = chkGuaranteeNumbers->value() != 0;
    subSetStateToolTip({chkGuaranteeNumbers}, lottery().gblnGuaranteeNumbers, 6, 7);
    if (!lottery().gblnBoardInitialised)
        return;
    for (int p = 0; p <= lottery().glngPicks; ++p) {
        VbTextBox *box = txtGuaranteeNumber.at(p);
        if (!box)
            continue;
        box->setEnabled(lottery().gblnGuaranteeNumbers);
        box->setBackColor(lottery().gblnGuaranteeNumbers && fncBoxDigit(box->text()) ? vbc::kLightYellow : vbc::kWhite);
    }
    subUpdateDrawEnabled();
}

void frmDigitBoard::txtGuaranteeNumber_GotFocus(int Index)
{
    VbTextBox *box = txtGuaranteeNumber.at(Index);
    if (!box)
        return;
    mlngGuaranteeDigitBefore = fncBoxDigit(box->text());
    if (mlngGuaranteeDigitBefore)
        box->setBackColor(vbc::kLightYellow);
    box->setText(QString());
}

void frmDigitBoard::txtGuaranteeNumber_LostFocus(int Index)
{
    VbTextBox *box = txtGuaranteeNumber.at(Index);
    if (!lottery().gblnBoardInitialised || !box)
        return;
    std::optional<int32_t> digit = fncBoxDigit(box->text());
    // Anything but a digit or nothing brings back the digit the box held, or leaves it empty.
    if (!digit && !box->text().trimmed().isEmpty())
        digit = mlngGuaranteeDigitBefore;
    box->setText(digit ? QString::number(*digit) : QString());
    box->setBackColor(digit ? vbc::kLightYellow : vbc::kWhite);
    subUpdateDrawEnabled();
}
