#include "boards/twopool/frmtwopoolboard.h"

#include "analysis/pool.h"
#include "analysis/openlottery.h"
#include "app/clsfilesystem.h"
#include "boards/common/drumview.h"
#include "platform/twips.h"

#include <QStackedWidget>
#include <map>
#include <tuple>

namespace {

// The right table half begins at ball 29.
constexpr int kSecondHalf = 29;
// Frames marking the drum in front: the second drum's are dark red and twice as wide.
constexpr int kSecondDrumFrameWidth = 2;
// The least room between a grown second-drum total and the column right of the positions.
constexpr int kTotalsGap = 90;

void placeInTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twips::toPixels(left), twips::toPixels(top), twips::toPixels(width), twips::toPixels(height));
}

// Moves the controls of `controls` from their parent onto `panel`, keeping their stacking order
// among themselves and their place (shifted up by `topShift` twips, the panel's own top).
void moveOntoPanel(QWidget *from, QWidget *panel, const std::vector<VbControl *> &controls, int topShift)
{
    std::map<QObject *, VbControl *> moving;
    for (VbControl *c : controls)
        if (auto *w = dynamic_cast<QWidget *>(c))
            moving[w] = c;
    // The parent's children stand in stacking order, the lowest first.
    const QObjectList children = from->children();
    for (QObject *child : children) {
        const auto it = moving.find(child);
        if (it == moving.end())
            continue;
        static_cast<QWidget *>(child)->setParent(panel);
        VbControl *c = it->second;
        c->Move(c->Left(), c->Top() - topShift, c->Width(), c->Height());
    }
}

template <class T>
void collect(std::vector<VbControl *> &into, const CtlArray<T> &array)
{
    array.forEach([&into](int, T *c) { into.push_back(c); });
}

// A drum's power table and pool grid: headers and row templates.
std::vector<VbControl *> tableControls(const DrumControls &d)
{
    std::vector<VbControl *> out;
    collect(out, d.picPowerBall);
    collect(out, d.lblPowerBall);
    collect(out, d.lblTotalPicks);
    collect(out, d.lblStanding);
    collect(out, d.lblPowerPercent);
    collect(out, d.lblWeeksSincePick);
    collect(out, d.lblHdrTotal);
    collect(out, d.lblHdrStanding);
    collect(out, d.lblHdrPowerPercent);
    collect(out, d.lblHdrLastPicked);
    collect(out, d.picPoolBall);
    collect(out, d.lblPoolBall);
    collect(out, d.txtPoolPercent);
    collect(out, d.txtPoolCount);
    collect(out, d.chkExcludeBall);
    collect(out, d.lblHdrPool);
    collect(out, d.lblHdrExclude);
    return out;
}

// A drum's power-interval row (the "%" sign beside the width serves both rows and stays).
std::vector<VbControl *> intervalControls(const DrumControls &d)
{
    std::vector<VbControl *> out{d.chkPowerInterval, d.lblPowerInterval, d.cboPowerIntervalPct, d.hsbPowerInterval,
                                 d.lblPowerLowest,   d.lblPowerMiddle,   d.lblPowerHighest,     d.lblPowerSliderPos};
    collect(out, d.txtPowerInterval);
    return out;
}

}  // namespace

frmTwoPoolBoard::frmTwoPoolBoard(std::shared_ptr<OpenLottery> lottery)
    : frmLottoBoard(BoardDesign{.secondDrum = true, .closedEvent = eventlog::kTwoPoolBoardClosed}, std::move(lottery))
{
    subDesignSecondDrum();
}

// ---- Design ---------------------------------------------------------------------------------------

void frmTwoPoolBoard::subDesignSecondDrum()
{
    // The second drum's tables and interval row are the main drum's design, in their own panels.
    subDesignDrumTables(bonus);
    subDesignPowerInterval(bonus);
    bonus.lblPowerInterval->setCaption(QStringLiteral("Bonus Power Interval"));
    // Its caption is longer than the main one's: two lines where one does not hold it, both
    // centred on the row of its check box.
    VbLabel *caption = bonus.lblPowerInterval;
    const int middle = caption->Top() + caption->Height() / 2;
    caption->setWordWrap(true);
    caption->Move(caption->Left(), middle - 255, caption->Width(), 510);
    caption->QLabel::setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption->setForeColor(vbc::kDarkRed);
    // It shows while the second drum is in front.
    caption->setVisible(false);

    // The second drum's totals start hidden, beside the main ones; the layout places them.
    const std::pair<VbLabel *, VbLabel *> totals[] = {{bonus.lblDrawingPowerTotal, main.lblDrawingPowerTotal},
                                                      {bonus.lblGuessPowerTotal, main.lblGuessPowerTotal},
                                                      {bonus.lblColumnPowerTotal, main.lblColumnPowerTotal}};
    for (const auto &[second, first] : totals) {
        second->Move(first->Left() + first->Width() - 10, first->Top(), first->Width(), first->Height());
        second->setOpaque(true);
        second->setAlignment(2);
        second->setFontBold(true);
        second->setForeColor(vbc::kDarkRed);
        second->setNarrowToFit(true);
        second->setCaption(QStringLiteral("0"));
        second->setVisible(false);
    }

    subDesignTabs();
    subDesignPanels();
}

void frmTwoPoolBoard::subDesignTabs()
{
    // POWER gives up part of its width to the two tabs, which share the game matrix's place.
    VbLabel *mainTab = main.lblGameMatrix;
    VbLabel *secondTab = bonus.lblGameMatrix;
    const int right = mainTab->Left() + mainTab->Width();
    cmdPower->setWidth(1800);
    const int left = cmdPower->Left() + cmdPower->Width() + 90;
    const int width = (right - left) / 2;
    mainTab->Move(left, mainTab->Top(), width, mainTab->Height());
    secondTab->Move(left + width, mainTab->Top(), width, mainTab->Height());
    for (VbLabel *tab : {mainTab, secondTab}) {
        tab->setAlignment(2);
        tab->setBorder(false);
    }
    mainTab->onClick = [this] { lblGameMatrix_Click(Drum::Main); };
    secondTab->onClick = [this] { lblGameMatrix_Click(Drum::Second); };

    // The frame behind the tab that is not in front.
    shpGameMatrixFrameBONUS->setFill(false);
    shpGameMatrixFrameBONUS->setBorder(true, vbc::kDarkRed, 1);
    shpGameMatrixFrameBONUS->Move(secondTab->Left(), secondTab->Top(), secondTab->Width(), secondTab->Height());
    shpGameMatrixFrameBONUS->zOrder(1);
}

void frmTwoPoolBoard::subDesignPanels()
{
    // The table area left of the frames: one panel per drum, the main drum's in front.
    const int tableWidth = shpPoolPanel->Left() + shpPoolPanel->Width() + 15;
    const int tableHeight = shpPoolPanel->Top() + shpPoolPanel->Height() + 15;
    stkDrumTables = new QStackedWidget(form);
    stkDrumTables->setObjectName(QStringLiteral("stkDrumTables"));
    placeInTwips(stkDrumTables, 0, 0, tableWidth, tableHeight);
    // The interval rows in the guarantee frame, below the guaranteed numbers.
    const int frameWidth = fraGuaranteeAndInterval->Width();
    const int intervalHeight = fraGuaranteeAndInterval->Height() - kIntervalPanelTop;
    stkPowerInterval = new QStackedWidget(fraGuaranteeAndInterval);
    stkPowerInterval->setObjectName(QStringLiteral("stkPowerInterval"));
    placeInTwips(stkPowerInterval, 0, kIntervalPanelTop, frameWidth, intervalHeight);

    for (Drum drum : kDrums) {
        // A click on a panel's empty area reaches the window beneath it, which parks the focus.
        auto *tables = new QWidget;
        placeInTwips(tables, 0, 0, tableWidth, tableHeight);
        stkDrumTables->addWidget(tables);
        moveOntoPanel(form, tables, tableControls(this->drum(drum)), 0);

        auto *interval = new QWidget;
        placeInTwips(interval, 0, 0, frameWidth, intervalHeight);
        stkPowerInterval->addWidget(interval);
        moveOntoPanel(fraGuaranteeAndInterval, interval, intervalControls(this->drum(drum)), kIntervalPanelTop);
    }
    stkDrumTables->setCurrentIndex(0);
    stkPowerInterval->setCurrentIndex(0);
    if (VbLabel *sign = main.lblPowerIntervalPctSign)
        sign->zOrder(0);
    // The panels stand over the bands and panel frames behind the tables.
    for (int i = 0; i <= 3; ++i)
        main.shpBallColumn[i]->zOrder(1);
    shpPowerPanel->zOrder(1);
    shpPoolPanel->zOrder(1);

    // Frames around the second drum's limit boxes and slider, shown with its interval row.
    QWidget *secondRow = stkPowerInterval->widget(1);
    const VbControl *framed[] = {bonus.txtPowerInterval[0], bonus.hsbPowerInterval, bonus.txtPowerInterval[1]};
    shpPowerRangeFrame.setName(QStringLiteral("shpPowerRangeFrame"));
    for (int k = 0; k <= 2; ++k) {
        auto *frame = new VbShape(secondRow);
        frame->setFill(false);
        frame->setBorder(true, vbc::kDarkRed, kSecondDrumFrameWidth);
        frame->Move(framed[k]->Left() - 30, framed[k]->Top() - 30, framed[k]->Width() + 60, framed[k]->Height() + 60);
        frame->zOrder(1);
        frame->setVisible(false);
        shpPowerRangeFrame.set(k, frame);
    }
}

// ---- Load and layout -------------------------------------------------------------------------------

void frmTwoPoolBoard::subShowGameMatrix()
{
    frmLottoBoard::subShowGameMatrix();
    // The main drum's tables are the ones shown when the board opens.
    lottery().gblnMainPoolView = true;
    main.lblGameMatrix->setForeColor(vbc::kWindowText);
    bonus.lblGameMatrix->setForeColor(vbc::kDarkRed);
    styleTabs(Drum::Main);
    tabInFront_ = Drum::Main;
    stkDrumTables->setCurrentIndex(0);
    stkPowerInterval->setCurrentIndex(0);
}

void frmTwoPoolBoard::subLayoutForGame()
{
    subShowPositions();
    subPlaceTotals();
    subPlaceSecondDrumMarkers();
    // The second drum's right table half, for a second drum beyond ball 28.
    if (lottery().gLayout.highestSecond >= kSecondHalf)
        for (CtlArray<VbLabel> *headers : {&bonus.lblHdrTotal, &bonus.lblHdrStanding, &bonus.lblHdrPowerPercent,
                                           &bonus.lblHdrLastPicked, &bonus.lblHdrPool, &bonus.lblHdrExclude})
            (*headers)[1]->setVisible(true);
}

void frmTwoPoolBoard::subPlaceTotals()
{
    frmLottoBoard::subPlaceTotals();
    subPlaceSecondDrumTotals();
}

void frmTwoPoolBoard::subPlaceSecondDrumTotals()
{
    const int k = lottery().gLayout.lastMainPosition;
    const bool oneNumber = lottery().gLayout.bonusPositions() == 1;
    const std::tuple<VbLabel *, const CtlArray<VbLabel> *, VbControl *> totals[] = {
        {bonus.lblDrawingPowerTotal, &lblDrawingNumberPower, lblDrawingNumberPower.at(k + 1)},
        {bonus.lblGuessPowerTotal, &lblGuessPower, lblGuessPower.at(k + 1)},
        {bonus.lblColumnPowerTotal, &lblColumnNumber, lblColumnNumber.at(k + 1)},
    };
    for (const auto &[second, cells, position] : totals) {
        // Right beside the main total; as wide as the one second-drum position, or as the main
        // total without growth (its row's first cell); wider, to the right, where its number
        // needs more, up to the column right of the positions.
        const VbLabel *first = second == bonus.lblDrawingPowerTotal ? main.lblDrawingPowerTotal
                               : second == bonus.lblGuessPowerTotal ? main.lblGuessPowerTotal
                                                                     : main.lblColumnPowerTotal;
        int own = cells->at(firstPosition())->Width();
        if (oneNumber && position)
            own = position->Width() - (second == bonus.lblDrawingPowerTotal ? 10 : 0);
        const int left = first->Left() + first->Width() - 10;
        const int width = fncTotalWidth(second, own, kSideLeft - kTotalsGap - left);
        if (second->Left() != left || second->Width() != width)
            second->Move(left, second->Top(), width, second->Height());
        second->setVisible(true);
    }
}

void frmTwoPoolBoard::subPlaceSecondDrumMarkers()
{
    const QString &code = lottery().gstrGameCode;
    const bool one = code == u"2P410" || code == u"2P510" || code == u"2P610" || code == u"2P710";
    const bool two = code == u"2P520" || code == u"2P620";
    if (!one && !two)
        return;
    for (int i = 0; i <= 5; ++i) {
        shpBonusMarkA[i]->setVisible(false);
        shpBonusMarkB[i]->setVisible(false);
    }
    const int k = lottery().gLayout.lastMainPosition;
    auto place = [](VbShape *marker, int left) {
        marker->setLeft(left);
        marker->setVisible(true);
    };
    const int d1 = lblDrawingNumberPower[k + 1]->Left();
    const int g1 = lblGuessPower[k + 1]->Left();
    place(shpBonusMarkB[0], d1);
    place(shpBonusMarkB[1], d1 + 10);
    place(shpBonusMarkB[2], g1);
    place(shpBonusMarkB[3], two ? g1 - 10 : g1);
    place(shpBonusMarkB[4], g1 + 10);
    subKeepInsideFrame(lblDrawingNumberPower[k + 1], shpBonusMarkB[1]);
    subKeepInsideFrame(lblGuessPower[k + 1], shpBonusMarkB[4]);
    if (one) {
        place(shpBonusMarkA[5], g1);
        subKeepInsideFrame(lblColumnNumber[k + 1], shpBonusMarkA[5]);
        return;
    }
    const int d2 = lblDrawingNumberPower[k + 2]->Left();
    const int g2 = lblGuessPower[k + 2]->Left();
    place(shpBonusMarkB[5], g1);
    place(shpBonusMarkA[0], d2);
    place(shpBonusMarkA[1], d2 + 10);
    place(shpBonusMarkA[2], g2 + 10);
    place(shpBonusMarkA[3], g2);
    place(shpBonusMarkA[4], g2 + 10);
    place(shpBonusMarkA[5], g2);
    subKeepInsideFrame(lblColumnNumber[k + 1], shpBonusMarkB[5]);
    subKeepInsideFrame(lblDrawingNumberPower[k + 2], shpBonusMarkA[1]);
    subKeepInsideFrame(lblGuessPower[k + 2], shpBonusMarkA[4]);
    subKeepInsideFrame(lblColumnNumber[k + 2], shpBonusMarkA[5]);
}

void frmTwoPoolBoard::subRefreshPoolsAtLoad()
{
    main.subRefreshPool();
    bonus.subRefreshPool();
}

// ---- Tabs --------------------------------------------------------------------------------------------

void frmTwoPoolBoard::lblGameMatrix_Click(Drum drum)
{
    lottery().gblnMainPoolView = drum == Drum::Main;
    subSwitchPoolView();
}

void frmTwoPoolBoard::subSwitchPoolView()
{
    const Drum wanted = lottery().gblnMainPoolView ? Drum::Main : Drum::Second;
    if (wanted == tabInFront_)
        return;
    subShowPoolView();
    styleTabs(wanted);
    tabInFront_ = wanted;
    staMain->setPanelText(2, poolStatusText(wanted, lottery().drum(wanted).glngPoolTotal));
}

void frmTwoPoolBoard::subShowPoolView()
{
    if (!lottery().gblnBoardInitialised)
        return;
    const Drum front = lottery().gblnMainPoolView ? Drum::Main : Drum::Second;
    const int page = drumIndex(front);
    stkDrumTables->setCurrentIndex(page);
    stkPowerInterval->setCurrentIndex(page);

    // A second drum within the left table half leaves the bands of the right halves empty.
    const bool narrowSecond = lottery().gLayout.highestSecond < kSecondHalf;
    const int rightBands[] = {1, 3};
    for (int i = 0; i < 2; ++i) {
        VbShape *band = main.shpBallColumn[rightBands[i]];
        if (front == Drum::Second) {
            rightBandsShown_[i] = band->Visible();
            if (narrowSecond)
                band->setVisible(false);
        } else if (narrowSecond) {
            band->setVisible(rightBandsShown_[i]);
        }
    }
    markDrumInFront(front);

    const bool second = front == Drum::Second;
    bonus.lblPowerInterval->setVisible(second);
    shpPowerRangeFrame.forEach([second](int, VbShape *frame) { frame->setVisible(second); });
}

void frmTwoPoolBoard::markDrumInFront(Drum front)
{
    const bool second = front == Drum::Second;
    const uint32_t colour = second ? vbc::kDarkRed : vbc::kWindowText;
    const int width = second ? kSecondDrumFrameWidth : 1;
    shpPoolPanel->setBorder(true, colour, width);
    shpPowerPanel->setBorder(true, colour, width);
    // The bands have no frame of their own while the main drum is shown.
    main.shpBallColumn.forEach([&](int, VbShape *band) { band->setBorder(second, colour, width); });
}

void frmTwoPoolBoard::styleTabs(Drum front)
{
    // The tab in front: large, bold, opaque; the other one small and plain, with the hand cursor.
    const std::pair<VbLabel *, Drum> tabs[] = {{main.lblGameMatrix, Drum::Main}, {bonus.lblGameMatrix, Drum::Second}};
    for (const auto &[tab, drum] : tabs) {
        const bool selected = drum == front;
        tab->setFontBold(selected);
        tab->setFontSize(selected ? 12 : 10);
        tab->setOpaque(selected);
        tab->setAlignment(2);
        tab->setHandCursor(!selected);
        if (!selected)
            shpGameMatrixFrameBONUS->setLeft(tab->Left());
    }
}
