#include "boards/lotto/frmlottoboard.h"

#include "analysis/openlottery.h"
#include "app/clsfilesystem.h"

#include <QFont>
#include <tuple>

namespace {

// ---- Measures of the design, in twips -----------------------------------------------------------

constexpr int kClientWidth = 15330;  // the client area of the 15450-twip window

// Tables: headers above the rows, rows 1..28 in the left half, 29..56 in the right half.
constexpr int kHeaderTop = 45;
constexpr int kHeaderHeight = 255;
constexpr int kRowHeight = 335;  // with 25 twips between rows: the 360-twip pitch
constexpr int kRowsPerHalf = 28;
constexpr int kPanelTop = 15;
constexpr int kPanelHeight =
    frmLottoBoard::kFirstRowTop + (kRowsPerHalf - 1) * frmLottoBoard::kRowPitch + kRowHeight + 30 - kPanelTop;

// Power table, left half; the right half lies kPowerHalfOffset further right.
constexpr int kPowerBallLeft = 120;
constexpr int kTotalLeft = 510, kTotalWidth = 480;
constexpr int kStandingLeft = 1020, kStandingWidth = 360;
constexpr int kPercentLeft = 1410, kPercentWidth = 390;
constexpr int kWeeksLeft = 1830, kWeeksWidth = 480;
constexpr int kPowerHalfOffset = 2280;

// Pool grid, left half; the right half lies kPoolHalfOffset further right.
constexpr int kPoolBallLeft = 4710;
constexpr int kPoolBoxLeft = 5100, kPoolBoxWidth = 720;
constexpr int kExcludeLeft = 5850, kExcludeWidth = 255;
constexpr int kPoolHalfOffset = 1440;

constexpr int kBallSize = 360;

// The frames on the right.
constexpr int kFrameLeft = 7650;
constexpr int kFrameWidth = 7620;
// The column right of the position rows inside a frame.
constexpr int kSideLeft = frmLottoBoard::kSideLeft;
constexpr int kSideWidth = kFrameWidth - kSideLeft - 150;

// Bonus markers: marks above a position, frames around a value.
constexpr int kMarkWidth = 390, kMarkHeight = 120;
constexpr int kMarkFrameWidth = 360, kMarkFrameHeight = 270;
constexpr uint32_t kMarkerColour = 0x0000C0;

int positionLeft(int i) { return frmLottoBoard::kPositionLeft + (i - 1) * frmLottoBoard::kPositionPitch; }

// A table cell, drawing number or power value: boxed or plain, centred, its number whole.
void styleCell(VbLabel *label, bool boxed, uint32_t back)
{
    label->setOpaque(true);
    label->setBackColor(back);
    label->setBorder(boxed);
    label->setAlignment(2);
    label->setNarrowToFit(true);
}

// A header over a table column: plain text centred over the column.
void styleHeader(VbLabel *label, const QString &caption, int left, int width)
{
    label->setCaption(caption);
    label->setAlignment(2);
    label->Move(left, kHeaderTop, width, kHeaderHeight);
}

// A value of a position row or a total: "0" until the board fills it.
void placeValue(VbLabel *label, int left, int top, int height, bool boxed = false, uint32_t back = vbc::kButtonFace)
{
    label->Move(left, top, frmLottoBoard::kPositionWidth, height);
    styleCell(label, boxed, back);
    label->setCaption(QStringLiteral("0"));
}

// A power total (bold), with its caption on its left; the layout of the game aligns both.
void placeTotal(VbLabel *total, VbLabel *caption, int top, int height)
{
    placeValue(total, positionLeft(6), top, height);
    total->setFontBold(true);
    caption->Move(positionLeft(6) - 1580, top, 1500, height);
    caption->setAlignment(1);
    caption->setNarrowToFit(true);
    caption->setCaption(QStringLiteral("Power Total"));
}

void hideElement(QWidget *control) { control->setVisible(false); }

// A design element that the game shows only when it uses it.
void hideAndDisable(QWidget *control)
{
    control->setVisible(false);
    control->setEnabled(false);
}

}  // namespace

frmLottoBoard::frmLottoBoard(std::shared_ptr<OpenLottery> lottery)
    : frmLottoBoard(BoardDesign{.lottoPoolWays = true, .closedEvent = eventlog::kLottoBoardClosed}, std::move(lottery))
{
}

frmLottoBoard::frmLottoBoard(const BoardDesign &design, std::shared_ptr<OpenLottery> lottery)
    : BoardBase(design, std::move(lottery))
{
    subDesign();
}

int frmLottoBoard::designLeft(int position) const
{
    return kPositionLeft + (position - firstPosition()) * kPositionPitch;
}

void frmLottoBoard::subDesign()
{
    setWindowTitle(QStringLiteral("TALVINOR"));

    Line4->setLineColor(0x808080, 1);
    Line4->setPoints(0, 0, kClientWidth, 0);

    subDesignTables();
    subDesignDrawings();
    subDesignPool();
    subDesignGuaranteeAndInterval();
    subDesignTicketAndGuess();
    subDesignResults();
    subDesignMarkers();

    // Positions from the fourth on are shown by the layout of the game that uses them.
    for (int i = firstPosition() + 3; i <= lastPosition(); ++i)
        for (QWidget *element : std::initializer_list<QWidget *>{lblDrawingNumber[i], lblDrawingNumberPower[i], txtGuess[i],
                                                                 lblGuessPower[i], txtGuaranteeNumber[i], lblColumnNumber[i]})
            hideAndDisable(element);

    // The focus parking button, out of sight behind the power-table panel.
    cmdHiddenFocus->Move(0, 0, 15, 15);
    cmdHiddenFocus->setFlat(true);
    cmdHiddenFocus->zOrder(1);
}

void frmLottoBoard::subDesignTables()
{
    // Panels behind the two tables, and the separator lines.
    shpPowerPanel->setBorder(true, 0x808080, 1);
    shpPowerPanel->Move(60, kPanelTop, kPowerHalfOffset + kWeeksLeft + kWeeksWidth, kPanelHeight);
    shpPoolPanel->setBorder(true, 0x808080, 1);
    shpPoolPanel->Move(kPoolBallLeft - 30, kPanelTop, kPoolHalfOffset + kExcludeLeft + kExcludeWidth + 60 - kPoolBallLeft,
                       kPanelHeight);
    Line1->setLineColor(0x808080, 1);
    const int powerHalves = kPowerBallLeft + kPowerHalfOffset - 45;
    Line1->setPoints(powerHalves, kPanelTop, powerHalves, kPanelTop + kPanelHeight);
    Line2->setLineColor(0x808080, 1);
    const int poolHalves = kPoolBallLeft + kPoolHalfOffset - 22;
    Line2->setPoints(poolHalves, kPanelTop, poolHalves, kPanelTop + kPanelHeight);
    Line3->setLineColor(0x808080, 1);
    Line3->setPoints(kFrameLeft - 30, kPanelTop, kFrameLeft - 30, kPanelTop + kPanelHeight);

    // Bands behind the ball pictures: 0/1 power table halves, 2/3 pool grid halves.
    const int bandHeight = kRowsPerHalf * kRowPitch;
    for (int i = 0; i <= 3; ++i) {
        VbShape *band = main.shpBallColumn[i];
        const int left = i < 2 ? kPowerBallLeft + i * kPowerHalfOffset : kPoolBallLeft + (i - 2) * kPoolHalfOffset;
        band->setBorder(false);
        band->setFill(true, 0xE8E8E8);
        band->Move(left - 15, kFirstRowTop - 15, kBallSize + 30, bandHeight + 15);
        band->zOrder(1);
        hideElement(band);
    }
    shpPowerPanel->zOrder(1);
    shpPoolPanel->zOrder(1);

    subDesignDrumTables(main);
}

void frmLottoBoard::subDesignDrumTables(DrumControls &d)
{
    for (int half = 0; half <= 1; ++half) {
        const int p = half * kPowerHalfOffset;
        const int q = half * kPoolHalfOffset;
        styleHeader(d.lblHdrTotal[half], QStringLiteral("Total"), kTotalLeft + p, kTotalWidth);
        styleHeader(d.lblHdrStanding[half], QStringLiteral(".:."), kStandingLeft + p, kStandingWidth);
        styleHeader(d.lblHdrPowerPercent[half], QStringLiteral("%"), kPercentLeft + p, kPercentWidth);
        styleHeader(d.lblHdrLastPicked[half], QStringLiteral("<"), kWeeksLeft + p, kWeeksWidth);
        // The pool header ends a little before the exclusion header and reaches back over the ball
        // column, so the longest caption ("Piscine n") fits without touching "eX".
        styleHeader(d.lblHdrPool[half], QStringLiteral("Pool %"), kPoolBallLeft + q, kExcludeLeft - 45 - kPoolBallLeft);
        d.lblHdrPool[half]->setAlignment(1);
        styleHeader(d.lblHdrExclude[half], QStringLiteral("eX"), kExcludeLeft + q, kExcludeWidth + 30);
        for (VbLabel *header : {d.lblHdrTotal[half], d.lblHdrStanding[half], d.lblHdrPowerPercent[half],
                                d.lblHdrLastPicked[half], d.lblHdrPool[half], d.lblHdrExclude[half]})
            header->setFontBold(true);
    }
    // The right half is shown once a game reaches ball 29.
    for (VbLabel *header : {d.lblHdrTotal[1], d.lblHdrStanding[1], d.lblHdrPowerPercent[1],
                            d.lblHdrLastPicked[1], d.lblHdrPool[1], d.lblHdrExclude[1]})
        hideElement(header);

    // Row templates: element 0 stands where row 1 goes, element 29 is row 29. Both are hidden
    // until the analysis fills the tables.
    for (int t : {0, 29}) {
        if (!d.picPowerBall.exists(t))
            continue;  // the digit board has one table half
        const int p = t == 29 ? kPowerHalfOffset : 0;
        const int q = t == 29 ? kPoolHalfOffset : 0;
        d.picPowerBall[t]->Move(kPowerBallLeft + p, kFirstRowTop, kBallSize, kBallSize);
        d.lblPowerBall[t]->Move(kPowerBallLeft + p, kFirstRowTop, kBallSize, kRowHeight);
        d.lblTotalPicks[t]->Move(kTotalLeft + p, kFirstRowTop, kTotalWidth, kRowHeight);
        d.lblStanding[t]->Move(kStandingLeft + p, kFirstRowTop, kStandingWidth, kRowHeight);
        d.lblPowerPercent[t]->Move(kPercentLeft + p, kFirstRowTop, kPercentWidth, kRowHeight);
        d.lblWeeksSincePick[t]->Move(kWeeksLeft + p, kFirstRowTop, kWeeksWidth, kRowHeight);
        for (VbLabel *cell : {d.lblPowerBall[t], d.lblTotalPicks[t], d.lblStanding[t], d.lblPowerPercent[t],
                              d.lblWeeksSincePick[t]})
            styleCell(cell, true, vbc::kWhite);

        d.picPoolBall[t]->Move(kPoolBallLeft + q, kFirstRowTop, kBallSize, kBallSize);
        d.lblPoolBall[t]->Move(kPoolBallLeft + q, kFirstRowTop, kBallSize, kRowHeight);
        styleCell(d.lblPoolBall[t], true, vbc::kWhite);
        for (VbTextBox *box : {d.txtPoolPercent[t], d.txtPoolCount[t]}) {
            box->Move(kPoolBoxLeft + q, kFirstRowTop, kPoolBoxWidth, kRowHeight);
            box->setAlignment(2);
        }
        d.txtPoolPercent[t]->setLocked(true);
        d.chkExcludeBall[t]->Move(kExcludeLeft + q, kFirstRowTop + 15, kExcludeWidth, kRowHeight - 30);

        // The ball pictures lie over the number labels.
        d.picPowerBall[t]->zOrder(0);
        d.picPoolBall[t]->zOrder(0);
        // The share box lies over the count box.
        d.txtPoolPercent[t]->zOrder(0);
        for (QWidget *element : std::initializer_list<QWidget *>{
                 d.picPowerBall[t], d.lblPowerBall[t], d.lblTotalPicks[t], d.lblStanding[t],
                 d.lblPowerPercent[t], d.lblWeeksSincePick[t], d.picPoolBall[t], d.lblPoolBall[t],
                 d.txtPoolPercent[t], d.txtPoolCount[t], d.chkExcludeBall[t]})
            hideElement(element);
    }
}

void frmLottoBoard::subDesignDrawings()
{
    fraDrawings->Move(kFrameLeft, 60, kFrameWidth, 1680);
    fraDrawings->setCaption(QStringLiteral("DRAWINGS"));

    for (int i = firstPosition(); i <= lastPosition(); ++i) {
        placeValue(lblDrawingNumber[i], designLeft(i), 270, 285, true, vbc::kWhite);
        placeValue(lblDrawingNumberPower[i], designLeft(i), 585, 240);
    }
    placeTotal(main.lblDrawingPowerTotal, lblDrawingPowerTotalCap, 900, 240);

    // The analysis window: each combo under its caption, POWER and the game matrix below them.
    const std::tuple<VbLabel *, VbCombo *, int, int, const char *> window[] = {
        {lblStart, cboStartDrawing, kSideLeft, 840, "Start"},
        {lblEnd, cboEndDrawing, kSideLeft + 900, 840, "End"},
        {lblDate, cboDrawingDate, kSideLeft + 1800, 1500, "Date"},
    };
    for (const auto &[label, combo, left, width, caption] : window) {
        label->Move(left, 240, width, 240);
        label->setCaption(QString::fromLatin1(caption));
        combo->Move(left, 480, width, 315);
        combo->setNarrowToFit(true);
    }
    cmdPower->Move(kSideLeft, 930, 2340, 600);
    cmdPower->setCaption(QStringLiteral("POWER TABLE"));
    QFont bold = cmdPower->font();
    bold.setBold(true);
    cmdPower->setFont(bold);

    main.lblGameMatrix->Move(kSideLeft + 2430, 1020, kSideWidth - 2430, 420);
    main.lblGameMatrix->setAlignment(2);

    const char *hotCold[] = {"Hot Numbers", "Cold Numbers"};
    for (int i = 0; i <= 1; ++i) {
        optHotCold[i]->Move(150 + i * 1890, 1305, 240, 255);
        lblHotCold[i]->Move(420 + i * 1890, 1305, 1620, 255);
        lblHotCold[i]->setCaption(QString::fromLatin1(hotCold[i]));
    }
    optHotCold[0]->setValue(true);
}

void frmLottoBoard::subDesignPool()
{
    fraPool->Move(kFrameLeft, 1800, kFrameWidth, 780);
    fraPool->setCaption(QStringLiteral("POOL"));
    cmdPopulate->Move(150, 255, 1500, 420);
    cmdPopulate->setCaption(QStringLiteral("POPULATE"));
    QFont bold = cmdPopulate->font();
    bold.setBold(true);
    cmdPopulate->setFont(bold);
    chkEqualChance->Move(1800, 330, 1950, 285);
    chkEqualChance->setCaption(QStringLiteral("Equal Chance"));
    chkPowerIncrease->Move(3840, 345, 240, 255);
    lblPowerIncrease->Move(4110, 345, 1560, 255);
    lblPowerIncrease->setCaption(QStringLiteral("Power Increase"));
    lblPowerIncreaseMinMax[0]->Move(5700, 345, 390, 255);
    lblPowerIncreaseMinMax[0]->setAlignment(1);
    lblPowerIncreaseMinMax[0]->setCaption(QStringLiteral("Min"));
    hsbPowerIncrease->Move(6120, 345, 840, 255);
    hsbPowerIncrease->setMin(2);
    hsbPowerIncrease->setMax(4);
    hsbPowerIncrease->setSmallChange(1);
    hsbPowerIncrease->setLargeChange(1);
    lblPowerIncreaseMinMax[1]->Move(6990, 345, 480, 255);
    lblPowerIncreaseMinMax[1]->setCaption(QStringLiteral("Max"));
}

void frmLottoBoard::subDesignGuaranteeAndInterval()
{
    fraGuaranteeAndInterval->Move(kFrameLeft, 2640, kFrameWidth, 1500);
    fraGuaranteeAndInterval->setCaption(QStringLiteral("GUARANTEE NUMBERS && POWER INTERVAL"));
    for (int i = firstPosition(); i <= lastPosition(); ++i) {
        txtGuaranteeNumber[i]->Move(designLeft(i), 375, kPositionWidth, 300);
        txtGuaranteeNumber[i]->setAlignment(2);
        txtGuaranteeNumber[i]->setText(QStringLiteral("0"));
    }
    chkGuaranteeNumbers->Move(kSideLeft, 405, 240, 255);
    lblGuaranteeNumbers->Move(kSideLeft + 270, 405, kSideWidth - 270, 255);
    lblGuaranteeNumbers->setCaption(QStringLiteral("Guaranteed Numbers"));

    subDesignPowerInterval(main);
}

void frmLottoBoard::subDesignPowerInterval(DrumControls &d)
{
    d.chkPowerInterval->Move(150, 825, 240, 255);
    d.lblPowerInterval->Move(420, 825, 2010, 255);
    d.lblPowerInterval->setCaption(QStringLiteral("Power Interval"));
    d.txtPowerInterval[0]->Move(2460, 780, 600, 315);
    d.hsbPowerInterval->Move(3120, 810, 2220, 255);
    d.txtPowerInterval[1]->Move(5400, 780, 600, 315);
    for (int i = 0; i <= 1; ++i) {
        d.txtPowerInterval[i]->setAlignment(2);
        d.txtPowerInterval[i]->setNarrowToFit(true);
    }
    d.cboPowerIntervalPct->Move(6060, 780, 840, 315);
    if (VbLabel *sign = d.lblPowerIntervalPctSign) {
        sign->Move(6930, 825, 300, 255);
        sign->setCaption(QStringLiteral("%"));
    }
    d.lblPowerLowest->Move(3120, 1125, 700, 240);
    d.lblPowerLowest->setAlignment(0);
    d.lblPowerMiddle->Move(3880, 1125, 700, 240);
    d.lblPowerMiddle->setAlignment(2);
    d.lblPowerHighest->Move(4640, 1125, 700, 240);
    d.lblPowerHighest->setAlignment(1);
    d.lblPowerSliderPos->Move(6060, 1125, 840, 240);
    d.lblPowerSliderPos->setAlignment(2);
    for (VbLabel *sum : {d.lblPowerLowest, d.lblPowerMiddle, d.lblPowerHighest, d.lblPowerSliderPos})
        sum->setNarrowToFit(true);
}

void frmLottoBoard::subDesignTicketAndGuess()
{
    fraTicketAndGuess->Move(kFrameLeft, 4200, kFrameWidth, 3800);
    fraTicketAndGuess->setCaption(QStringLiteral("TICKET && GUESS"));
    for (int i = firstPosition(); i <= lastPosition(); ++i) {
        txtGuess[i]->Move(designLeft(i), 270, kPositionWidth, 300);
        txtGuess[i]->setAlignment(2);
        txtGuess[i]->setText(QStringLiteral("0"));
        placeValue(lblGuessPower[i], designLeft(i), 615, 240);
        placeValue(lblColumnNumber[i], designLeft(i), 3100, 240);
    }
    placeValue(main.lblGuessPowerTotal, positionLeft(6), 945, 255);
    main.lblGuessPowerTotal->setFontBold(true);
    txtGuessSource->Move(positionLeft(1), 930, positionLeft(6) - positionLeft(1) - 20, 285);
    txtGuessSource->setLocked(true);
    txtGuessSource->setNarrowToFit(true);

    chkIncrementalTicket->Move(150, 1260, 3540, 300);
    chkIncrementalTicket->setCaption(QStringLiteral("Incremental Ticket"));
    cmdDraw->Move(150, 1620, 2640, 480);
    cmdDraw->setCaption(QStringLiteral("   DRAWING"));
    QFont big = cmdDraw->font();
    big.setBold(true);
    big.setPointSize(10);
    cmdDraw->setFont(big);
    txtColumnsToDraw->Move(2880, 1695, 810, 330);
    txtColumnsToDraw->setAlignment(2);
    txtColumnsToDraw->setText(QStringLiteral("10"));
    cmdAdd->Move(150, 2190, 1740, 390);
    cmdAdd->setCaption(QStringLiteral("Add to Ticket"));
    cmdDelete->Move(1950, 2190, 1740, 390);
    cmdDelete->setCaption(QStringLiteral("Delete"));
    cmdCompare->Move(150, 2640, 3540, 390);
    cmdCompare->setCaption(QStringLiteral("Compare with..."));

    placeTotal(main.lblColumnPowerTotal, lblColumnPowerTotalCap, 3420, 255);

    cmdGetDrawing->Move(kSideLeft, 240, 1740, 375);
    cmdGetDrawing->setCaption(QStringLiteral("Get Drawing"));
    cmdResetGuess->Move(kSideLeft + 1830, 240, kSideWidth - 1830, 375);
    cmdResetGuess->setCaption(QStringLiteral("Reset Guess"));
    chkCompareWithGuess->Move(kSideLeft, 690, kSideWidth, 300);
    chkCompareWithGuess->setCaption(QStringLiteral("Compare with Guess"));
    lstTicket->Move(kSideLeft, 1080, kSideWidth, 2600);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSize(9);
    lstTicket->setFont(fixed);
}

void frmLottoBoard::subDesignResults()
{
    // Ten lines of summary show whole in each box ("620").
    fraDrawingResults->Move(kFrameLeft, 8060, kFrameWidth, 2370);
    fraDrawingResults->setCaption(QStringLiteral("DRAWING RESULTS"));
    txtResults[0]->Move(150, 240, 3000, 2070);
    txtResults[1]->Move(3240, 240, kFrameWidth - 150 - 3240, 2070);
}

void frmLottoBoard::subDesignMarkers()
{
    // Index 0, 2 and 3 mark a position from above; 1, 4 and 5 frame a value. Their Left is set by
    // the layout of the game.
    struct Marker {
        int index;
        int topA;
        int topB;
    };
    const Marker markers[] = {{0, 150, 150}, {1, 570, 570}, {2, 245, 240}, {3, 150, 150}, {4, 600, 600}, {5, 3085, 3085}};
    for (const Marker &m : markers) {
        const bool frame = m.index == 1 || m.index == 4 || m.index == 5;
        for (bool a : {true, false}) {
            VbShape *shape = a ? shpBonusMarkA[m.index] : shpBonusMarkB[m.index];
            if (frame) {
                shape->setFill(false);
                shape->setBorder(true, kMarkerColour, 2);
                shape->Move(positionLeft(7) + 10, a ? m.topA : m.topB, kMarkFrameWidth, kMarkFrameHeight);
            } else {
                shape->setFill(true, kMarkerColour);
                shape->setBorder(false);
                shape->Move(positionLeft(7), a ? m.topA : m.topB, kMarkWidth, kMarkHeight);
            }
            // Over the labels they mark, letting clicks through.
            shape->zOrder(0);
            hideElement(shape);
        }
    }
}

void frmLottoBoard::subLayoutForGame()
{
    subShowPositions();
    subPlaceTotals();
    subPlaceBonusMarkers();
}

void frmLottoBoard::subPlaceBonusMarkers()
{
    const QString &code = lottery().gstrGameCode;
    const bool none = code == u"500" || code == u"600" || code == u"700";
    const bool oneBonus = code == u"510" || code == u"610" || code == u"710";
    const bool twoBonus = code == u"620";
    if (!none && !oneBonus && !twoBonus)
        return;
    for (int i = 0; i <= 5; ++i) {
        hideElement(shpBonusMarkA[i]);
        hideElement(shpBonusMarkB[i]);
    }
    // Marks above the drawing number and the guess box of a bonus position, frames around their
    // power values.
    auto mark = [this](CtlArray<VbShape> &markers, int position) {
        const int p = lblDrawingNumberPower[position]->Left();
        const int g = lblGuessPower[position]->Left();
        markers[0]->setLeft(p);
        markers[1]->setLeft(p + 10);
        markers[3]->setLeft(g);
        markers[4]->setLeft(g + 10);
        for (int i : {0, 1, 3, 4})
            markers[i]->setVisible(true);
        subKeepInsideFrame(lblDrawingNumberPower[position], markers[1]);
        subKeepInsideFrame(lblGuessPower[position], markers[4]);
    };
    const int k = lottery().gLayout.lastMainPosition;
    if (oneBonus || twoBonus)
        mark(shpBonusMarkB, k + 1);
    if (twoBonus)
        mark(shpBonusMarkA, k + 2);
}
