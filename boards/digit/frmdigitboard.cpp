#include "boards/digit/frmdigitboard.h"

#include "analysis/comparison.h"
#include "analysis/state.h"

namespace {

// The pair "Straight" / "Boxed" at the head of the drawing-results frame, in twips.
constexpr int kOptionTop = 270;
constexpr int kOptionLeft = 3240;
constexpr int kOptionPitch = 1800;
constexpr int kOptionSize = 240;
constexpr int kOptionCaptionWidth = 1440;

}  // namespace

frmDigitBoard::frmDigitBoard() : frmLottoBoard(BoardFamily::Digit)
{
    subDesignDigits();
    optStraightBoxed.wire([this](int i, VbOption *o) { o->onClick = [this, i] { optStraightBoxed_Click(i); }; });
    lblStraightBoxed.wire([this](int i, VbLabel *l) { l->onClick = [this, i] { lblStraightBoxed_Click(i); }; });
}

void frmDigitBoard::subDesignDigits()
{
    // One table half: no separator between halves.
    Line1->setVisible(false);
    Line2->setVisible(false);

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
    if (glngCfgHighestBall == 10 && (glngPicks == 2 || glngPicks == 3))
        subDoublePositionWidths();
    // The totals take the width of the first position's cells, then line up with the last one.
    main.lblDrawingPowerTotal->setWidth(lblDrawingNumberPower[0]->Width());
    main.lblGuessPowerTotal->setWidth(lblGuessPower[0]->Width());
    main.lblColumnPowerTotal->setWidth(lblColumnNumber[0]->Width());
    subPlaceTotals();
}

void frmDigitBoard::subDoublePositionWidths()
{
    for (CtlArray<VbLabel> *labels : {&lblDrawingNumber, &lblDrawingNumberPower, &lblGuessPower, &lblColumnNumber}) {
        for (int i = 0; i <= glngPicks; ++i)
            (*labels)[i]->setWidth(2 * (*labels)[i]->Width());
        for (int i = 1; i <= glngPicks; ++i)
            (*labels)[i]->setLeft((*labels)[i - 1]->Left() + (*labels)[i - 1]->Width() - kDoubleWidthOverlap);
    }
    for (CtlArray<VbTextBox> *boxes : {&txtGuaranteeNumber, &txtGuess}) {
        for (int i = 0; i <= glngPicks; ++i)
            (*boxes)[i]->setWidth(2 * (*boxes)[i]->Width());
        for (int i = 1; i <= glngPicks; ++i)
            (*boxes)[i]->setLeft((*boxes)[i - 1]->Left() + (*boxes)[i - 1]->Width() - kDoubleWidthOverlap);
    }
    if (glngPicks == 3)
        lstTicket->setWidth(lstTicket->Width() + kFourPositionListGrowth);
}

void frmDigitBoard::optStraightBoxed_Click(int Index) { gblnBoxedCompare = Index > 0; }

void frmDigitBoard::lblStraightBoxed_Click(int Index) { subSelectOptionOfPair(optStraightBoxed, Index); }
