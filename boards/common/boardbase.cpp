#include "boards/common/boardbase.h"

#include <QMenu>
#include <QMenuBar>

namespace {

template <class T>
T *make(QWidget *parent)
{
    return new T(parent);
}

template <class T>
void makeElements(CtlArray<T> &array, QWidget *parent, const std::vector<int> &indexes)
{
    for (int i : indexes)
        array.set(i, new T(parent));
}

template <class T>
void makeRange(CtlArray<T> &array, QWidget *parent, int first, int last)
{
    for (int i = first; i <= last; ++i)
        array.set(i, new T(parent));
}

}  // namespace

BoardBase *boardInFront() { return dynamic_cast<BoardBase *>(gfrmCurrentBoard.data()); }

BoardBase::BoardBase(BoardFamily family, QWidget *parent) : QMainWindow(parent), family_(family)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    form = new QWidget(this);
    setCentralWidget(form);
    createControls();
    createMenus(menuBar());
    wireEntryHandlers();
    wireWindowHandlers();
    wireAnalysisHandlers();
    wireMenuHandlers();
    wireMarkingAndExclusionHandlers();
}

BoardBase::~BoardBase() = default;

void BoardBase::createDrumControls(Drum which)
{
    DrumControls &drum = this->drum(which);
    const bool second = which == Drum::Second;
    // Row templates: 0 and 29 (the first row of each table half); the digit board has one half.
    const std::vector<int> templates = family_ == BoardFamily::Digit ? std::vector<int>{0} : std::vector<int>{0, 29};

    makeElements(drum.picPowerBall, form, templates);
    makeElements(drum.lblPowerBall, form, templates);
    makeElements(drum.lblTotalPicks, form, templates);
    makeElements(drum.lblStanding, form, templates);
    makeElements(drum.lblPowerPercent, form, templates);
    makeElements(drum.lblWeeksSincePick, form, templates);
    makeRange(drum.lblHdrTotal, form, 0, 1);
    makeRange(drum.lblHdrStanding, form, 0, 1);
    makeRange(drum.lblHdrPowerPercent, form, 0, 1);
    makeRange(drum.lblHdrLastPicked, form, 0, 1);

    makeElements(drum.picPoolBall, form, templates);
    makeElements(drum.lblPoolBall, form, templates);
    makeElements(drum.txtPoolPercent, form, templates);
    makeElements(drum.txtPoolCount, form, templates);
    makeElements(drum.chkExcludeBall, form, templates);
    makeRange(drum.lblHdrPool, form, 0, 1);
    makeRange(drum.lblHdrExclude, form, 0, 1);
    if (!second)
        makeRange(drum.shpBallColumn, form, 0, 3);

    drum.chkPowerInterval = make<VbCheck>(fraGuaranteeAndInterval);
    drum.lblPowerInterval = make<VbLabel>(fraGuaranteeAndInterval);
    makeRange(drum.txtPowerInterval, fraGuaranteeAndInterval, 0, 1);
    drum.cboPowerIntervalPct = make<VbCombo>(fraGuaranteeAndInterval);
    if (!second)
        drum.lblPowerIntervalPctSign = make<VbLabel>(fraGuaranteeAndInterval);
    drum.hsbPowerInterval = make<VbScrollBar>(fraGuaranteeAndInterval);
    drum.lblPowerLowest = make<VbLabel>(fraGuaranteeAndInterval);
    drum.lblPowerMiddle = make<VbLabel>(fraGuaranteeAndInterval);
    drum.lblPowerHighest = make<VbLabel>(fraGuaranteeAndInterval);
    drum.lblPowerSliderPos = make<VbLabel>(fraGuaranteeAndInterval);

    drum.lblDrawingPowerTotal = make<VbLabel>(fraDrawings);
    drum.lblGuessPowerTotal = make<VbLabel>(fraTicketAndGuess);
    drum.lblColumnPowerTotal = make<VbLabel>(fraTicketAndGuess);
    drum.lblGameMatrix = make<VbLabel>(fraDrawings);
}

void BoardBase::createControls()
{
    shpPowerPanel = make<VbShape>(form);
    shpPoolPanel = make<VbShape>(form);
    Line1 = make<VbLine>(form);
    Line2 = make<VbLine>(form);
    Line3 = make<VbLine>(form);
    Line4 = make<VbLine>(form);

    fraDrawings = make<VbFrame>(form);
    fraPool = make<VbFrame>(form);
    fraGuaranteeAndInterval = make<VbFrame>(form);
    fraTicketAndGuess = make<VbFrame>(form);
    fraDrawingResults = make<VbFrame>(form);

    for (Drum drum : boardDrums())
        createDrumControls(drum);
    if (hasSecondDrum())
        shpGameMatrixFrameBONUS = make<VbShape>(fraDrawings);

    const int first = firstPosition();
    const int last = lastPosition();

    cboStartDrawing = make<VbCombo>(fraDrawings);
    cboEndDrawing = make<VbCombo>(fraDrawings);
    cboDrawingDate = make<VbCombo>(fraDrawings);
    lblStart = make<VbLabel>(fraDrawings);
    lblEnd = make<VbLabel>(fraDrawings);
    lblDate = make<VbLabel>(fraDrawings);
    cmdPower = make<VbButton>(fraDrawings);
    makeRange(optHotCold, fraDrawings, 0, 1);
    makeRange(lblHotCold, fraDrawings, 0, 1);
    makeRange(lblDrawingNumber, fraDrawings, first, last);
    makeRange(lblDrawingNumberPower, fraDrawings, first, last);
    lblDrawingPowerTotalCap = make<VbLabel>(fraDrawings);

    makeRange(shpBonusMarkA, fraDrawings, 0, 1);
    shpBonusMarkA.set(2, make<VbShape>(fraGuaranteeAndInterval));
    for (int i = 3; i <= 5; ++i)
        shpBonusMarkA.set(i, make<VbShape>(fraTicketAndGuess));
    makeRange(shpBonusMarkB, fraDrawings, 0, 1);
    shpBonusMarkB.set(2, make<VbShape>(fraGuaranteeAndInterval));
    for (int i = 3; i <= 5; ++i)
        shpBonusMarkB.set(i, make<VbShape>(fraTicketAndGuess));

    cmdPopulate = make<VbButton>(fraPool);
    chkEqualChance = make<VbCheck>(fraPool);
    chkPowerIncrease = make<VbCheck>(fraPool);
    lblPowerIncrease = make<VbLabel>(fraPool);
    hsbPowerIncrease = make<VbScrollBar>(fraPool);
    makeRange(lblPowerIncreaseMinMax, fraPool, 0, 1);

    chkGuaranteeNumbers = make<VbCheck>(fraGuaranteeAndInterval);
    lblGuaranteeNumbers = make<VbLabel>(fraGuaranteeAndInterval);
    makeRange(txtGuaranteeNumber, fraGuaranteeAndInterval, first, last);

    makeRange(txtGuess, fraTicketAndGuess, first, last);
    makeRange(lblGuessPower, fraTicketAndGuess, first, last);
    txtGuessSource = make<VbTextBox>(fraTicketAndGuess);
    cmdGetDrawing = make<VbButton>(fraTicketAndGuess);
    cmdResetGuess = make<VbButton>(fraTicketAndGuess);
    chkCompareWithGuess = make<VbCheck>(fraTicketAndGuess);
    txtColumnsToDraw = make<VbTextBox>(fraTicketAndGuess);
    chkIncrementalTicket = make<VbCheck>(fraTicketAndGuess);
    cmdDraw = make<VbButton>(fraTicketAndGuess);
    cmdAdd = make<VbButton>(fraTicketAndGuess);
    cmdDelete = make<VbButton>(fraTicketAndGuess);
    cmdCompare = make<VbButton>(fraTicketAndGuess);
    lstTicket = make<VbList>(fraTicketAndGuess);
    makeRange(lblColumnNumber, fraTicketAndGuess, first, last);
    lblColumnPowerTotalCap = make<VbLabel>(fraTicketAndGuess);

    if (family_ == BoardFamily::Digit) {
        makeRange(optStraightBoxed, fraDrawingResults, 0, 1);
        makeRange(lblStraightBoxed, fraDrawingResults, 0, 1);
    }

    makeRange(txtResults, fraDrawingResults, 0, 1);

    cmdHiddenFocus = make<VbButton>(form);
    staMain = new VbStatusBar(3, this);
    setStatusBar(staMain);
}
