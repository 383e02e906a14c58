#include "boards/common/boardbase.h"
#include "app/application.h"

#include <QMenu>
#include <QMenuBar>

namespace {

// Every control is known by its name: its objectName; array elements add their index.
template <class T>
T *make(QWidget *parent, const QString &name)
{
    T *ctl = new T(parent);
    ctl->setObjectName(name);
    return ctl;
}

template <class T>
void makeElements(CtlArray<T> &array, const QString &name, QWidget *parent, const std::vector<int> &indexes)
{
    array.setName(name);
    for (int i : indexes)
        array.set(i, new T(parent));
}

QString named(const char *name) { return QString::fromLatin1(name); }

}  // namespace

BoardBase *boardInFront() { return dynamic_cast<BoardBase *>(app().gfrmCurrentBoard.data()); }

BoardBase::BoardBase(const BoardDesign &design, std::shared_ptr<OpenLottery> lottery, QWidget *parent)
    : QMainWindow(parent), design_(design), lottery_(std::move(lottery))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The boards' font, 8 points, set before the controls are made: each control takes it as it
    // is made rather than every control changing its font afterwards.
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);
    form = new QWidget(this);
    setCentralWidget(form);
    createControls();
    createMenus(menuBar());
    for (Drum drum : boardDrums())
        this->drum(drum).wire();
    wireEntryHandlers();
    wireWindowHandlers();
    wireAnalysisHandlers();
    wireMenuHandlers();
    wireGuaranteeHandlers();
}

BoardBase::~BoardBase() = default;

void BoardBase::createDrumControls(Drum which)
{
    DrumControls &drum = this->drum(which);
    const bool second = which == Drum::Second;
    // The second drum's controls carry the suffix BONUS.
    const auto name = [second](const char *base) { return QString::fromLatin1(base) + (second ? "BONUS" : ""); };
    // Row templates: 0 and 29 (the first row of each table half), or 0 alone on a board of one half.
    const std::vector<int> templates = design_.tableHalves > 1 ? std::vector<int>{0, 29} : std::vector<int>{0};

    makeElements(drum.picPowerBall, name("picPowerBall"), form, templates);
    makeElements(drum.lblPowerBall, name("lblPowerBall"), form, templates);
    makeElements(drum.lblTotalPicks, name("lblTotalPicks"), form, templates);
    makeElements(drum.lblStanding, name("lblStanding"), form, templates);
    makeElements(drum.lblPowerPercent, name("lblPowerPercent"), form, templates);
    makeElements(drum.lblWeeksSincePick, name("lblWeeksSincePick"), form, templates);
    drum.lblHdrTotal.create(name("lblHdrTotal"), form, 0, 1);
    drum.lblHdrStanding.create(name("lblHdrStanding"), form, 0, 1);
    drum.lblHdrPowerPercent.create(name("lblHdrPowerPercent"), form, 0, 1);
    drum.lblHdrLastPicked.create(name("lblHdrLastPicked"), form, 0, 1);

    makeElements(drum.picPoolBall, name("picPoolBall"), form, templates);
    makeElements(drum.lblPoolBall, name("lblPoolBall"), form, templates);
    makeElements(drum.txtPoolPercent, name("txtPoolPercent"), form, templates);
    makeElements(drum.txtPoolCount, name("txtPoolCount"), form, templates);
    makeElements(drum.chkExcludeBall, name("chkExcludeBall"), form, templates);
    drum.lblHdrPool.create(name("lblHdrPool"), form, 0, 1);
    drum.lblHdrExclude.create(name("lblHdrExclude"), form, 0, 1);
    if (!second)
        drum.shpBallColumn.create(name("shpBallColumn"), form, 0, 3);

    drum.chkPowerInterval = make<VbCheck>(fraGuaranteeAndInterval, name("chkPowerInterval"));
    drum.lblPowerInterval = make<VbLabel>(fraGuaranteeAndInterval, name("lblPowerInterval"));
    drum.txtPowerInterval.create(name("txtPowerInterval"), fraGuaranteeAndInterval, 0, 1);
    drum.cboPowerIntervalPct = make<VbCombo>(fraGuaranteeAndInterval, name("cboPowerIntervalPct"));
    if (!second)
        drum.lblPowerIntervalPctSign = make<VbLabel>(fraGuaranteeAndInterval, name("lblPowerIntervalPctSign"));
    drum.hsbPowerInterval = make<VbScrollBar>(fraGuaranteeAndInterval, name("hsbPowerInterval"));
    drum.lblPowerLowest = make<VbLabel>(fraGuaranteeAndInterval, name("lblPowerLowest"));
    drum.lblPowerMiddle = make<VbLabel>(fraGuaranteeAndInterval, name("lblPowerMiddle"));
    drum.lblPowerHighest = make<VbLabel>(fraGuaranteeAndInterval, name("lblPowerHighest"));
    drum.lblPowerSliderPos = make<VbLabel>(fraGuaranteeAndInterval, name("lblPowerSliderPos"));

    drum.lblDrawingPowerTotal = make<VbLabel>(fraDrawings, name("lblDrawingPowerTotal"));
    drum.lblGuessPowerTotal = make<VbLabel>(fraTicketAndGuess, name("lblGuessPowerTotal"));
    drum.lblColumnPowerTotal = make<VbLabel>(fraTicketAndGuess, name("lblColumnPowerTotal"));
    drum.lblGameMatrix = make<VbLabel>(fraDrawings, name("lblGameMatrix"));
}

void BoardBase::createControls()
{
    shpPowerPanel = make<VbShape>(form, named("shpPowerPanel"));
    shpPoolPanel = make<VbShape>(form, named("shpPoolPanel"));
    Line1 = make<VbLine>(form, named("Line1"));
    Line2 = make<VbLine>(form, named("Line2"));
    Line3 = make<VbLine>(form, named("Line3"));
    Line4 = make<VbLine>(form, named("Line4"));

    fraDrawings = make<VbFrame>(form, named("fraDrawings"));
    fraPool = make<VbFrame>(form, named("fraPool"));
    fraGuaranteeAndInterval = make<VbFrame>(form, named("fraGuaranteeAndInterval"));
    fraTicketAndGuess = make<VbFrame>(form, named("fraTicketAndGuess"));
    fraDrawingResults = make<VbFrame>(form, named("fraDrawingResults"));

    for (Drum drum : boardDrums())
        createDrumControls(drum);
    if (hasSecondDrum())
        shpGameMatrixFrameBONUS = make<VbShape>(fraDrawings, named("shpGameMatrixFrameBONUS"));

    const int first = firstPosition();
    const int last = lastPosition();

    cboStartDrawing = make<VbCombo>(fraDrawings, named("cboStartDrawing"));
    cboEndDrawing = make<VbCombo>(fraDrawings, named("cboEndDrawing"));
    cboDrawingDate = make<VbCombo>(fraDrawings, named("cboDrawingDate"));
    // Their entries are made from the drawings, which may still be read while the board is made.
    for (VbCombo *combo : {cboStartDrawing, cboEndDrawing, cboDrawingDate})
        combo->prepareEntries();
    lblStart = make<VbLabel>(fraDrawings, named("lblStart"));
    lblEnd = make<VbLabel>(fraDrawings, named("lblEnd"));
    lblDate = make<VbLabel>(fraDrawings, named("lblDate"));
    cmdPower = make<VbButton>(fraDrawings, named("cmdPower"));
    optHotCold.create(named("optHotCold"), fraDrawings, 0, 1);
    lblHotCold.create(named("lblHotCold"), fraDrawings, 0, 1);
    lblDrawingNumber.create(named("lblDrawingNumber"), fraDrawings, first, last);
    lblDrawingNumberPower.create(named("lblDrawingNumberPower"), fraDrawings, first, last);
    lblDrawingPowerTotalCap = make<VbLabel>(fraDrawings, named("lblDrawingPowerTotalCap"));

    shpBonusMarkA.create(named("shpBonusMarkA"), fraDrawings, 0, 1);
    shpBonusMarkA.set(2, new VbShape(fraGuaranteeAndInterval));
    for (int i = 3; i <= 5; ++i)
        shpBonusMarkA.set(i, new VbShape(fraTicketAndGuess));
    shpBonusMarkB.create(named("shpBonusMarkB"), fraDrawings, 0, 1);
    shpBonusMarkB.set(2, new VbShape(fraGuaranteeAndInterval));
    for (int i = 3; i <= 5; ++i)
        shpBonusMarkB.set(i, new VbShape(fraTicketAndGuess));

    cmdPopulate = make<VbButton>(fraPool, named("cmdPopulate"));
    chkEqualChance = make<VbCheck>(fraPool, named("chkEqualChance"));
    chkPowerIncrease = make<VbCheck>(fraPool, named("chkPowerIncrease"));
    lblPowerIncrease = make<VbLabel>(fraPool, named("lblPowerIncrease"));
    hsbPowerIncrease = make<VbScrollBar>(fraPool, named("hsbPowerIncrease"));
    lblPowerIncreaseMinMax.create(named("lblPowerIncreaseMinMax"), fraPool, 0, 1);

    chkGuaranteeNumbers = make<VbCheck>(fraGuaranteeAndInterval, named("chkGuaranteeNumbers"));
    lblGuaranteeNumbers = make<VbLabel>(fraGuaranteeAndInterval, named("lblGuaranteeNumbers"));
    txtGuaranteeNumber.create(named("txtGuaranteeNumber"), fraGuaranteeAndInterval, first, last);

    txtGuess.create(named("txtGuess"), fraTicketAndGuess, first, last);
    lblGuessPower.create(named("lblGuessPower"), fraTicketAndGuess, first, last);
    txtGuessSource = make<VbTextBox>(fraTicketAndGuess, named("txtGuessSource"));
    cmdGetDrawing = make<VbButton>(fraTicketAndGuess, named("cmdGetDrawing"));
    cmdResetGuess = make<VbButton>(fraTicketAndGuess, named("cmdResetGuess"));
    chkCompareWithGuess = make<VbCheck>(fraTicketAndGuess, named("chkCompareWithGuess"));
    txtColumnsToDraw = make<VbTextBox>(fraTicketAndGuess, named("txtColumnsToDraw"));
    chkIncrementalTicket = make<VbCheck>(fraTicketAndGuess, named("chkIncrementalTicket"));
    cmdDraw = make<VbButton>(fraTicketAndGuess, named("cmdDraw"));
    cmdAdd = make<VbButton>(fraTicketAndGuess, named("cmdAdd"));
    cmdDelete = make<VbButton>(fraTicketAndGuess, named("cmdDelete"));
    cmdCompare = make<VbButton>(fraTicketAndGuess, named("cmdCompare"));
    lstTicket = make<VbList>(fraTicketAndGuess, named("lstTicket"));
    lstTicket->setModel(&ticket_);
    lblColumnNumber.create(named("lblColumnNumber"), fraTicketAndGuess, first, last);
    lblColumnPowerTotalCap = make<VbLabel>(fraTicketAndGuess, named("lblColumnPowerTotalCap"));

    txtResults.create(named("txtResults"), fraDrawingResults, 0, 1);

    cmdHiddenFocus = make<VbButton>(form, named("cmdHiddenFocus"));
    staMain = new VbStatusBar(3, this);
    staMain->setObjectName(named("staMain"));
    setStatusBar(staMain);
}
