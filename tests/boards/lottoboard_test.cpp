// The lotto board window: its layout for each game code, the window size rule, the analysis
// window checks of the load routine, the settings record through the real board, the option
// boxes and the closing of the board.

#include "lottoboardfixture.h"

#include "app/clsregistry.h"
#include "app/services.h"
#include "app/ui/clsrecordfile.h"
#include "app/resstrings.h"
#include "app/settingsstore.h"
#include "dialogs/frmstart.h"
#include "dialogs/startwindow.h"
#include "platform/ui/forms.h"

#include <QFile>
#include <QTest>

namespace {

int rightEdge(const VbControl *c) { return c->Left() + c->Width(); }

}  // namespace

// ---- Layout for the game code -------------------------------------------------------------------

struct LayoutCase {
    const char *code;
    int k;
    int b;
};

void PrintTo(const LayoutCase &c, std::ostream *os) { *os << c.code; }

class LottoLayoutTest : public LottoBoardTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LottoLayoutTest, PositionsTotalsAndBonusMarkersFollowTheGameCode)
{
    const LayoutCase c = GetParam();
    configure(QString::fromLatin1(c.code));
    open();
    const int k = c.k, b = c.b;

    for (int i = 1; i <= 8; ++i) {
        const bool number = i <= k + b, column = i <= k;
        SCOPED_TRACE(i);
        EXPECT_EQ(board->lblDrawingNumber[i]->Visible(), number);
        EXPECT_EQ(board->lblDrawingNumberPower[i]->isEnabled(), number);
        EXPECT_EQ(board->txtGuess[i]->Visible(), number);
        EXPECT_EQ(board->lblGuessPower[i]->Visible(), number);
        EXPECT_EQ(board->txtGuaranteeNumber[i]->Visible(), column);
        EXPECT_EQ(board->lblColumnNumber[i]->Visible(), column);
        // Cleared: guesses over every number in use, guaranteed numbers over the main ones.
        EXPECT_EQ(board->txtGuess[i]->text(), QStringLiteral("0"));
    }

    // Totals right-aligned with the last main number, captions 80 twips to their left.
    EXPECT_EQ(rightEdge(board->main.lblDrawingPowerTotal), rightEdge(board->lblDrawingNumberPower[k]));
    EXPECT_EQ(board->lblDrawingPowerTotalCap->Left(),
              board->main.lblDrawingPowerTotal->Left() - board->lblDrawingPowerTotalCap->Width() - 80);
    EXPECT_EQ(rightEdge(board->main.lblGuessPowerTotal), rightEdge(board->lblGuessPower[k]));
    EXPECT_EQ(board->txtGuessSource->Width(),
              board->main.lblGuessPowerTotal->Left() - board->lblGuessPower[1]->Left() - 20);
    EXPECT_EQ(rightEdge(board->main.lblColumnPowerTotal), rightEdge(board->lblColumnNumber[k]));
    EXPECT_EQ(board->lblColumnPowerTotalCap->Left(),
              board->main.lblColumnPowerTotal->Left() - board->lblColumnPowerTotalCap->Width() - 80);

    // Markers: B at the first bonus position, A at the second; 2 and 5 never on this board.
    auto expectMarkers = [&](CtlArray<VbShape> &markers, int position) {
        for (int i = 0; i <= 5; ++i) {
            const bool shown = position > 0 && i != 2 && i != 5;
            SCOPED_TRACE(i);
            EXPECT_EQ(markers[i]->Visible(), shown);
        }
        if (position == 0)
            return;
        const int p = board->lblDrawingNumberPower[position]->Left();
        const int g = board->lblGuessPower[position]->Left();
        EXPECT_EQ(markers[0]->Left(), p);
        EXPECT_EQ(markers[1]->Left(), p + 10);
        EXPECT_EQ(markers[3]->Left(), g);
        EXPECT_EQ(markers[4]->Left(), g + 10);
    };
    expectMarkers(board->shpBonusMarkB, b >= 1 ? k + 1 : 0);
    expectMarkers(board->shpBonusMarkA, b == 2 ? k + 2 : 0);

    EXPECT_EQ(board->main.lblGameMatrix->caption(), QStringLiteral("%1/%2").arg(k).arg(k == 7 ? 35 : 49));
    EXPECT_EQ(board->main.lblGameMatrix->fontSize(), 12);
    EXPECT_TRUE(board->main.lblGameMatrix->fontBold());
}

INSTANTIATE_TEST_SUITE_P(AllCodes, LottoLayoutTest,
                         ::testing::Values(LayoutCase{"500", 5, 0}, LayoutCase{"600", 6, 0}, LayoutCase{"700", 7, 0},
                                           LayoutCase{"510", 5, 1}, LayoutCase{"610", 6, 1}, LayoutCase{"710", 7, 1},
                                           LayoutCase{"620", 6, 2}),
                         [](const auto &info) { return std::string("Code") + info.param.code; });

TEST_F(LottoBoardTest, DesignRowsIntervalWidthsColoursAndHandCursor)
{
    glngBackColor = 0xBFBFBF;
    gvarExcludedBackColor = 0;
    open();
    // Row pitch: the height of a row cell plus 25 twips; template 29 heads the right half.
    EXPECT_EQ(board->main.lblTotalPicks[0]->Height() + 25, frmLottoBoard::kRowPitch);
    EXPECT_EQ(board->main.txtPoolCount[0]->Height() + 25, frmLottoBoard::kRowPitch);
    EXPECT_EQ(board->main.lblTotalPicks[29]->Top(), board->main.lblTotalPicks[0]->Top());
    EXPECT_GT(board->main.lblTotalPicks[29]->Left(), board->main.lblWeeksSincePick[0]->Left());
    // Eleven interval widths.
    ASSERT_EQ(board->main.cboPowerIntervalPct->listCount(), 11);
    EXPECT_EQ(board->main.cboPowerIntervalPct->list(0), QStringLiteral("1"));
    EXPECT_EQ(board->main.cboPowerIntervalPct->list(10), QStringLiteral("100"));

    EXPECT_EQ(gvarExcludedBackColor, 0x707070);
    for (VbControl *c : std::initializer_list<VbControl *>{
             board->fraTicketAndGuess, board->main.chkExcludeBall[0], board->main.chkExcludeBall[29],
             board->lblGuessPower[8], board->main.lblHdrExclude[1], board->optHotCold[1], board->main.lblPowerSliderPos})
        EXPECT_EQ(c->backColor(), 0xBFBFBFu);
    EXPECT_EQ(board->main.lblTotalPicks[0]->backColor(), vbc::kWhite);

    for (QWidget *w : std::initializer_list<QWidget *>{board->main.lblHdrTotal[1], board->main.lblHdrPool[0],
                                                       board->main.lblHdrExclude[1], board->main.picPowerBall[29],
                                                       board->main.picPoolBall[0]})
        EXPECT_EQ(w->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(board->main.lblHdrStanding[0]->testAttribute(Qt::WA_SetCursor));
}

// ---- Analysis window ------------------------------------------------------------------------------

// The combos as a ticket's text left them, before the load routine checks them (no record).
struct WindowCase {
    const char *start, *end, *date;
    const char *wantStart, *wantEnd;
    int wantDateOf;
};

void PrintTo(const WindowCase &c, std::ostream *os)
{
    *os << '"' << c.start << "\", \"" << c.end << "\", \"" << c.date << '"';
}

class AnalysisWindowTest : public LottoBoardTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(AnalysisWindowTest, FallbacksAndClampingKeepTheWindowWithinTheDrawings)
{
    const WindowCase c = GetParam();
    gblnTicketLoad = true;
    gstrTicketName = QStringLiteral("nothing saved");
    TicketReadingBoard::onTicketText = [&](TicketReadingBoard &b) {
        if (TicketReadingBoard::ticketReads > 1)
            return;  // the load routine's reading only
        b.cboStartDrawing->setText(QString::fromLatin1(c.start));
        b.cboEndDrawing->setText(QString::fromLatin1(c.end));
        b.cboDrawingDate->setText(QString::fromLatin1(c.date) == u"#" ? dateOf(7) : QString::fromLatin1(c.date));
    };
    open();
    EXPECT_GE(TicketReadingBoard::ticketReads, 1);
    EXPECT_EQ(board->cboStartDrawing->text(), QString::fromLatin1(c.wantStart));
    EXPECT_EQ(board->cboEndDrawing->text(), QString::fromLatin1(c.wantEnd));
    EXPECT_EQ(board->cboDrawingDate->text(), dateOf(c.wantDateOf));
    EXPECT_TRUE(gblnBoardInitialised);
}

// 20 drawings; "#" is the date of drawing 7.
INSTANTIATE_TEST_SUITE_P(
    Cases, AnalysisWindowTest,
    ::testing::Values(WindowCase{"", "", "", "1", "20", 20},            // empty: 1, the last, newest date
                      WindowCase{"15", "5", "#", "20", "20", 20},      // start after end: both the last
                      WindowCase{"3", "12", "junk", "3", "20", 20},    // no date: newest date, last drawing
                      WindowCase{"3", "12", "#", "3", "12", 12},       // the date follows the end drawing
                      WindowCase{"-4", "25", "#", "1", "20", 20},      // clamped into 1..20
                      WindowCase{"30", "40", "#", "20", "20", 20},     // both beyond the last drawing
                      WindowCase{"abc", "9", "#", "1", "9", 9}));

TEST_F(LottoBoardTest, ATicketWithoutSettingsIsStillReadAndOneWithSettingsIsRestored)
{
    gblnTicketLoad = true;
    gstrTicketName = QStringLiteral("weekend");
    open();
    EXPECT_GE(TicketReadingBoard::ticketReads, 1);
    EXPECT_EQ(board->txtColumnsToDraw->text(), QStringLiteral("10"));  // the design, not a reset

    board->txtColumnsToDraw->setText(QStringLiteral("77"));
    glngStartWeek = 4;
    glngReferenceWeek = 18;
    gstrDrawDate = dateOf(18);
    gobjRecordFile->subSelectRecordFile(QStringLiteral("forTICKETfile"));
    ASSERT_TRUE(gobjRecordFile->subSaveBoardSettings(1)) << gobjRecordFile->lastError().toStdString();
    EXPECT_TRUE(QFile::exists(gstrSavedTicketsFolder + QStringLiteral("weekendTL01")));
    close();

    open();
    EXPECT_GE(TicketReadingBoard::ticketReads, 2);
    EXPECT_EQ(board->txtColumnsToDraw->text(), QStringLiteral("77"));
    EXPECT_EQ(board->cboStartDrawing->text(), QStringLiteral("4"));
    EXPECT_EQ(board->cboEndDrawing->text(), QStringLiteral("18"));
    EXPECT_EQ(board->cboDrawingDate->text(), dateOf(18));
}

// ---- Settings record through the real board -----------------------------------------------------

TEST_F(LottoBoardTest, SettingsRoundTripRunsTheHandlersAsValuesAreSet)
{
    open();
    // No settings file yet: the reset values (the stored position 1 of the percentage is "10").
    EXPECT_TRUE(board->optHotCold[0]->value());
    EXPECT_EQ(board->main.cboPowerIntervalPct->text(), QStringLiteral("10"));

    // The user's choices.
    board->optHotCold[1]->setValue(true);
    board->chkPowerIncrease->setValue(1);
    board->hsbPowerIncrease->setValue(3);
    for (int i = 1; i <= 6; ++i)
        board->txtGuaranteeNumber[i]->setText(QString::number(i * 7));
    QTest::mouseClick(board->chkGuaranteeNumbers, Qt::LeftButton);
    board->main.chkPowerInterval->setValue(1);
    board->main.cboPowerIntervalPct->setListIndex(3);
    board->txtColumnsToDraw->setText(QStringLiteral("250"));
    board->chkCompareWithGuess->setValue(1);
    board->chkIncrementalTicket->setValue(1);
    for (int i = 1; i <= 7; ++i)
        board->txtGuess[i]->setText(QString::number(i + 30));
    board->txtGuessSource->setText(QStringLiteral("12 - ") + dateOf(12));
    board->chkEqualChance->setValue(1);
    board->main.chkExcludeBall[5]->setValue(1);
    board->main.chkExcludeBall[44]->setValue(1);
    glngStartWeek = 3;
    glngReferenceWeek = 12;
    gstrDrawDate = dateOf(12);
    EXPECT_TRUE(gblnGuaranteeNumbers);
    EXPECT_EQ(board->lblGuaranteeNumbers->toolTip(), garrMessages[6]);

    gobjRecordFile->subSelectRecordFile(QStringLiteral("forConfigXYZfile"));
    ASSERT_TRUE(gobjRecordFile->subSaveBoardSettings(1)) << gobjRecordFile->lastError().toStdString();

    // A reset puts the defaults back, each box running its handler.
    board->lblColumnNumber[3]->setCaption(QStringLiteral("9"));
    gobjRecordFile->subResetBoardSettings();
    EXPECT_TRUE(board->optHotCold[0]->value());
    EXPECT_EQ(board->hsbPowerIncrease->value(), 2);
    EXPECT_EQ(board->txtGuaranteeNumber[4]->text(), QStringLiteral("0"));
    EXPECT_EQ(board->txtColumnsToDraw->text(), QStringLiteral("10"));
    EXPECT_EQ(board->lblColumnNumber[3]->caption(), QStringLiteral("0"));
    EXPECT_EQ(board->cboDrawingDate->text(), dateOf(20));
    EXPECT_FALSE(gblnGuaranteeNumbers);
    EXPECT_FALSE(gblnCompareWithGuess);
    EXPECT_FALSE(gDrum.gblnPowerInterval);
    EXPECT_EQ(board->chkGuaranteeNumbers->toolTip(), garrMessages[7]);
    EXPECT_EQ(board->main.lblPowerInterval->toolTip(), garrMessages[9]);
    close();

    // A new board reads the record back.
    gDrum.garrExcluded.fill(0);
    open();
    EXPECT_TRUE(board->optHotCold[1]->value());
    EXPECT_EQ(board->chkPowerIncrease->value(), 1);
    EXPECT_EQ(board->hsbPowerIncrease->value(), 3);
    EXPECT_EQ(board->txtGuaranteeNumber[6]->text(), QStringLiteral("42"));
    // The restored limits give way to those of the start-up POWER, with the stored percentage.
    EXPECT_EQ(board->main.cboPowerIntervalPct->text(), QStringLiteral("30"));
    EXPECT_EQ(board->txtColumnsToDraw->text(), QStringLiteral("250"));
    EXPECT_EQ(board->chkIncrementalTicket->value(), 1);
    EXPECT_EQ(board->txtGuess[7]->text(), QStringLiteral("37"));
    EXPECT_EQ(board->txtGuessSource->text(), QStringLiteral("12 - ") + dateOf(12));
    EXPECT_EQ(board->chkEqualChance->value(), 1);
    EXPECT_TRUE(gblnEqualChance);
    EXPECT_EQ(board->cboStartDrawing->text(), QStringLiteral("3"));
    EXPECT_EQ(board->cboEndDrawing->text(), QStringLiteral("12"));
    EXPECT_EQ(board->cboDrawingDate->text(), dateOf(12));
    // Handlers ran as the values were set, and the tool tips follow the restored states.
    EXPECT_TRUE(gblnGuaranteeNumbers);
    EXPECT_TRUE(gblnCompareWithGuess);
    EXPECT_TRUE(gDrum.gblnPowerInterval);
    EXPECT_EQ(board->chkCompareWithGuess->toolTip(), garrMessages[13]);
    EXPECT_EQ(board->main.chkPowerInterval->toolTip(), garrMessages[8]);
    // The restored exclusions stand in their boxes.
    EXPECT_EQ(gDrum.garrExcluded[5], 1);
    EXPECT_EQ(board->main.chkExcludeBall[5]->value(), 1);
    EXPECT_EQ(board->main.chkExcludeBall[44]->value(), 1);
    EXPECT_EQ(board->main.chkExcludeBall[6]->value(), 0);
}

// ---- Start and end ------------------------------------------------------------------------------

TEST_F(LottoBoardTest, UnloadingLogsTheClosingOnceAndKeepsLanguageAndLottery)
{
    glngLanguage = 3;
    open();
    board->unloadBoard();
    board->unloadBoard();
    EXPECT_TRUE(board->isHidden());
    const QStringList lines = eventLogLines();
    EXPECT_EQ(lines.filter(QStringLiteral("#Message: 43816")).size(), 1);
    EXPECT_EQ(clsRegistry().fncREGGetDwordVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLanguage, 0), 3);
    EXPECT_EQ(clsRegistry().fncREGGetVersionVal(reg::HKEY_CURRENT_USER, settingsstore::kKey,
                                                settingsstore::kLastLotteryDbFile, QString()),
              SampleWorld::kTestLottery);
    board = nullptr;
}
