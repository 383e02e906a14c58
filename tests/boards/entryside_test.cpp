// What the user types and where the focus goes on the lotto board: the key filters, the focus
// parked by clicks on the window, its frames and plain labels, the power-interval controls (width,
// slider, limit boxes, option) and the guess boxes with their powers and totals.

#include "boardinput.h"
#include "lottoboardfixture.h"

#include "analysis/interval.h"
#include "analysis/lotteryopening.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QTest>

namespace {

class EntryTest : public LottoBoardTest {
protected:
    void showActive() { boardinput::showActive(board); }
    void typeInto(VbTextBox *box, const QString &text) { boardinput::typeInto(board, box, text); }
    void pasteInto(VbTextBox *box, const QString &text)
    {
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QApplication::clipboard()->setText(text);
        box->paste();
    }
    // The drawing sums the interval is placed around, and the width chosen.
    void placeInterval(int32_t lowest, int32_t mean, int32_t highest, int widthItem)
    {
        gDrum.garrSumStats = {lowest, mean, highest};
        gDrum.gblnSumStatsValid = true;
        board->main.cboPowerIntervalPct->setListIndex(-1);
        board->main.cboPowerIntervalPct->setListIndex(widthItem);
    }
    QStringList limits() const
    {
        return {board->main.txtPowerInterval[0]->text(), board->main.txtPowerInterval[1]->text()};
    }
    std::array<int32_t, 2> limitsInForce() const { return gDrum.garrIntervalLimits; }
    int32_t power(int ball) const { return gDrum.garrPickCount[ball]; }
};

QStringList pair(int a, int b) { return {QString::number(a), QString::number(b)}; }

}  // namespace

// ---- Key filters ----------------------------------------------------------------------------------

TEST(KeyFilter, RefusedKeysBecomeOneAndBackspacePassesOnlyTheFirstFilter)
{
    struct Case {
        bool withBackspace;
        const char *allowed;
        int key;
        int want;
    };
    const Case cases[] = {
        {true, "0123456789", 'a', 1}, {true, "0123456789", '7', '7'}, {true, "0123456789", 8, 8},
        {true, "0123456789", ' ', 1}, {true, "", '5', 1},              {true, "", 8, 8},
        {false, "", 8, 1},           {false, "", 'x', 1},             {false, "0123456789", '3', '3'},
    };
    for (const Case &c : cases) {
        int key = c.key;
        (c.withBackspace ? BoardBase::subFilterKeyWithBackspace : BoardBase::subFilterKey)(QString::fromLatin1(c.allowed), key);
        EXPECT_EQ(key, c.want) << c.key << " " << c.allowed;
    }
}

TEST_F(EntryTest, BoxesTakeOnlyTheirKeysAndTheCombosNone)
{
    open();
    board->chkCompareWithGuess->setValue(1);
    board->main.chkPowerInterval->setValue(1);
    VbTextBox *guess = board->txtGuess[2];
    guess->setText(QStringLiteral("1"));
    QTest::keyClicks(guess, QStringLiteral("a-. 7"));
    EXPECT_EQ(guess->text(), QStringLiteral("17"));
    QTest::keyClick(guess, Qt::Key_Backspace);
    EXPECT_EQ(guess->text(), QStringLiteral("1"));

    // Digits and Backspace in the other number boxes.
    QTest::keyClicks(board->txtColumnsToDraw, QStringLiteral("5"));
    EXPECT_EQ(board->txtColumnsToDraw->text(), QStringLiteral("105"));
    QTest::keyClick(board->txtColumnsToDraw, Qt::Key_Backspace);
    EXPECT_EQ(board->txtColumnsToDraw->text(), QStringLiteral("10"));
    for (VbTextBox *box : {board->txtColumnsToDraw, board->txtGuaranteeNumber[1], board->main.txtPoolCount[3]}) {
        const QString before = box->text();
        QTest::keyClicks(box, QStringLiteral("x+"));
        EXPECT_EQ(box->text(), before);
    }
    // Pool rows made after the board was wired have their filters beside their own handlers.
    EXPECT_TRUE(board->main.txtPoolCount[40]->onKeyPress && board->main.txtPoolCount[40]->onLostFocus);
    // The odds box takes Backspace only.
    for (const auto &[key, want] : {std::pair{int('5'), 1}, std::pair{int('a'), 1}, std::pair{8, 8}}) {
        int code = key;
        board->main.txtPoolPercent[3]->onKeyPress(code);
        EXPECT_EQ(code, want) << key;
    }

    // Nothing can be typed into the four combos of any board, Backspace and Delete included: the
    // keys go where the user's keys arrive after a click into the combo. The list keys still choose.
    close();
    setBoardFactory({});
    QApplication::clipboard()->setText(QStringLiteral("5"));
    for (const GameConfigRecord &game : kFamilies) {
        SCOPED_TRACE(game.gameTitle.toStdString());
        configure(game);
        world.open(SampleWorld::kTestLottery);
        BoardBase *shown = world.board();
        shown->main.chkPowerInterval->setValue(1);
        boardinput::showActive(shown);
        for (VbCombo *combo : {shown->cboDrawingDate, shown->cboEndDrawing, shown->cboStartDrawing,
                               shown->main.cboPowerIntervalPct}) {
            QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
            QWidget *focus = QApplication::focusWidget();
            ASSERT_EQ(focus, combo);
            const QString before = combo->text();
            QTest::keyClicks(focus, QStringLiteral("x9"));
            for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete})
                QTest::keyClick(focus, key);
            QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(combo->text(), before);
        }
        VbCombo *end = shown->cboEndDrawing;
        QTest::mouseClick(end->lineEdit(), Qt::LeftButton);
        QTest::keyClick(end, Qt::Key_Down);
        EXPECT_EQ(end->listIndex(), 1);
        EXPECT_EQ(shown->cboDrawingDate->listIndex(), 1);
        world.closeBoard();
    }
}

// ---- Focus parking ----------------------------------------------------------------------------------

TEST_F(EntryTest, AClickOnACaptionChecksTheBoxBeingTypedAndParksTheFocus)
{
    open();
    board->chkCompareWithGuess->setValue(1);
    VbTextBox *guess = board->txtGuess[1];
    typeInto(guess, QStringLiteral("12"));
    showActive();

    QTest::mouseClick(guess, Qt::LeftButton);
    ASSERT_TRUE(guess->hasFocus());
    EXPECT_EQ(guess->text(), QString());
    QTest::keyClicks(guess, QStringLiteral("a99"));
    EXPECT_EQ(guess->text(), QStringLiteral("99"));
    QTest::mouseClick(board->lblStart, Qt::LeftButton);
    EXPECT_EQ(guess->text(), QStringLiteral("12"));
    EXPECT_TRUE(board->cmdHiddenFocus->hasFocus());
}

TEST_F(EntryTest, MenusPopupsAndWindowSwitchesRunNoFocusCheck)
{
    open();
    board->chkCompareWithGuess->setValue(1);
    showActive();
    VbTextBox *guess = board->txtGuess[3];
    typeInto(guess, QStringLiteral("12"));
    guess->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(guess, QStringLiteral("7"));
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason, Qt::MenuBarFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(guess, &out);
        QFocusEvent in(QEvent::FocusIn, reason);
        QApplication::sendEvent(guess, &in);
        EXPECT_EQ(guess->text(), QStringLiteral("7")) << reason;
    }
    board->subParkFocus();
    EXPECT_EQ(guess->text(), QStringLiteral("7"));
    EXPECT_EQ(board->lblGuessPower[3]->caption(), QString::number(power(7)));
}

TEST_F(EntryTest, FramesTheBackgroundAndPlainLabelsParkLabelsWithActionsDoNot)
{
    open();
    showActive();
    VbTextBox *columns = board->txtColumnsToDraw;
    auto focusBox = [&] {
        columns->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(columns->hasFocus());
    };

    // A frame's empty corner, a drawing number, a power total, the interval's "%".
    const std::vector<std::pair<QWidget *, QPoint>> parking = {
        {board->fraPool, QPoint(board->fraPool->width() - 4, board->fraPool->height() - 4)},
        {board->fraDrawingResults, QPoint(board->fraDrawingResults->width() - 4, board->fraDrawingResults->height() - 4)},
        {board->lblDrawingNumber[2], {}},
        {board->lblColumnNumber[3], {}},
        {board->main.lblDrawingPowerTotal, {}},
        {board->main.lblPowerIntervalPctSign, {}},
    };
    for (const auto &[target, at] : parking) {
        focusBox();
        QTest::mouseClick(target, Qt::LeftButton, {}, at.isNull() ? target->rect().center() : at);
        EXPECT_TRUE(board->cmdHiddenFocus->hasFocus()) << target->metaObject()->className();
    }

    // The window background.
    QPoint empty;
    for (int y = 5; y < board->form->height() && empty.isNull(); y += 7)
        for (int x = 5; x < board->form->width() && empty.isNull(); x += 7)
            if (!board->form->childAt(x, y))
                empty = QPoint(x, y);
    ASSERT_FALSE(empty.isNull());
    focusBox();
    QTest::mouseClick(board->form, Qt::LeftButton, {}, empty);
    EXPECT_TRUE(board->cmdHiddenFocus->hasFocus());

    // A caption with an action of its own keeps the focus where it is (and does its action).
    focusBox();
    QTest::mouseClick(board->lblHotCold[1], Qt::LeftButton);
    EXPECT_TRUE(columns->hasFocus());
    EXPECT_TRUE(board->optHotCold[1]->value());

    // The pool header click shows the counts; a click on a frame ends that view.
    QTest::mouseClick(board->main.lblHdrPool[0], Qt::LeftButton);
    EXPECT_TRUE(gDrum.gblnPoolCountView);
    QTest::mouseClick(board->fraPool, Qt::LeftButton, {}, QPoint(board->fraPool->width() - 4, board->fraPool->height() - 4));
    EXPECT_FALSE(gDrum.gblnPoolCountView);
    EXPECT_EQ(board->main.lblHdrPool[0]->caption(), QStringLiteral("Pool %"));
}

TEST_F(EntryTest, OpeningALotteryOrATicketEndsTheCountView)
{
    open();
    board->lblHdrPool_Click(0);
    ASSERT_TRUE(gDrum.gblnPoolCountView);
    // Opening a saved ticket puts the game anew, as every family does.
    applyConfiguredGame();
    EXPECT_FALSE(gDrum.gblnPoolCountView);

    board->lblHdrPool_Click(0);
    close();
    open();
    EXPECT_FALSE(gDrum.gblnPoolCountView);
    EXPECT_EQ(board->main.lblHdrPool[0]->caption(), QStringLiteral("Pool %"));
    EXPECT_TRUE(board->main.txtPoolPercent[1]->Visible());
}

// ---- Option controls at load --------------------------------------------------------------------------

TEST_F(EntryTest, OptionsOffAtLoadLeaveTheirControlsDisabled)
{
    open();
    const DrumControls &c = board->main;
    const std::vector<QWidget *> interval = {c.cboPowerIntervalPct, c.lblPowerLowest, c.lblPowerMiddle, c.lblPowerHighest,
                                             c.txtPowerInterval[0], c.txtPowerInterval[1], c.hsbPowerInterval};
    std::vector<QWidget *> off = {board->hsbPowerIncrease, board->lblPowerIncreaseMinMax[0],
                                  board->lblPowerIncreaseMinMax[1], c.lblGuessPowerTotal};
    for (int p = 1; p <= 7; ++p)
        off.insert(off.end(), {board->txtGuess[p], board->lblGuessPower[p]});
    off.insert(off.end(), interval.begin(), interval.end());
    for (QWidget *w : off)
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();

    // The caption switches the interval on and off with its tool tip.
    board->lblPowerInterval_Click();
    EXPECT_TRUE(gDrum.gblnPowerInterval);
    for (QWidget *w : interval)
        EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(c.chkPowerInterval->toolTipText(), garrMessages[8]);
    board->lblPowerInterval_Click();
    for (QWidget *w : interval)
        EXPECT_FALSE(w->isEnabled());
    EXPECT_EQ(c.lblPowerInterval->toolTipText(), garrMessages[9]);
    EXPECT_FALSE(gDrum.gblnPowerInterval);

    board->lblPowerIncrease_Click();
    EXPECT_TRUE(board->hsbPowerIncrease->isEnabled());
}

// ---- Power interval -----------------------------------------------------------------------------------

TEST_F(EntryTest, TheWidthPlacesTheLimitsAroundTheMean)
{
    open();
    struct Case {
        int item;
        int lower, upper;
    };
    // 100 - 10 x 20.001 / 100 = 97.9999 and 100 + 10 x 30.001 / 100 = 103.0001; 100 % the whole
    // range; 1 % 99.79999 and 100.30001.
    for (const Case c : {Case{1, 98, 103}, Case{10, 80, 130}, Case{0, 100, 100}, Case{5, 90, 115}}) {
        placeInterval(80, 100, 130, c.item);
        EXPECT_EQ(limits(), pair(c.lower, c.upper)) << c.item;
        EXPECT_EQ(limitsInForce(), (std::array<int32_t, 2>{c.lower, c.upper}));
        EXPECT_EQ(board->main.hsbPowerInterval->value(), 100);
        EXPECT_EQ(board->main.lblPowerSliderPos->caption(), QStringLiteral("100"));
    }
}

TEST_F(EntryTest, TheSliderMovesBothLimitsByOnePerChange)
{
    open();
    placeInterval(80, 100, 130, 1);
    VbScrollBar *slider = board->main.hsbPowerInterval;
    slider->setValue(101);
    EXPECT_EQ(limits(), pair(99, 104));
    slider->setValue(130);  // a long drag: still one step
    EXPECT_EQ(limits(), pair(100, 105));
    EXPECT_EQ(board->main.lblPowerSliderPos->caption(), QStringLiteral("130"));
    slider->setValue(80);
    EXPECT_EQ(limits(), pair(99, 104));
    EXPECT_EQ(limitsInForce(), (std::array<int32_t, 2>{99, 104}));

    // At 0 the lower limit stays, the upper one comes down to it and no further.
    placeInterval(0, 2, 3, 10);
    ASSERT_EQ(limits(), pair(0, 3));
    for (int v : {1, 0, 3, 2, 1, 0}) {
        slider->setValue(v);
        EXPECT_GE(board->main.txtPowerInterval[0]->text().toInt(), 0);
        EXPECT_LE(board->main.txtPowerInterval[0]->text().toInt(), board->main.txtPowerInterval[1]->text().toInt());
    }
    EXPECT_EQ(limits(), pair(0, 0));
    EXPECT_EQ(limitsInForce(), (std::array<int32_t, 2>{0, 0}));
}

TEST(IntervalSteps, TheSliderNeverTakesALimitOutOfItsRange)
{
    struct Case {
        IntervalLimits from;
        bool down;
        IntervalLimits want;
    };
    const Case cases[] = {
        {{98, 103}, true, {97, 102}}, {{98, 103}, false, {99, 104}}, {{0, 5}, true, {0, 4}},
        {{0, 0}, true, {0, 0}},       {{9998, 9999}, false, {9999, 9999}}, {{9999, 9999}, false, {9999, 9999}},
        {{7, 7}, false, {8, 8}},      {{7, 7}, true, {6, 6}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(slideIntervalLimits(c.from, c.down, 9999), c.want) << c.from.lower << "/" << c.from.upper;
}

TEST(IntervalSteps, TypedLimitsAndTheirCap)
{
    EXPECT_EQ(intervalLimitText(QStringLiteral(" 97 "), 9999), 97);
    EXPECT_EQ(intervalLimitText(QStringLiteral("007"), 9999), 7);
    EXPECT_EQ(intervalLimitText(QStringLiteral("9999"), 9999), 9999);
    for (const char *bad : {"", " ", "10000", "-1", "1.5", "1e3", "9 7", "abc", "99999999999999"})
        EXPECT_FALSE(intervalLimitText(QString::fromLatin1(bad), 9999)) << bad;

    // Counts 5, 9, 2, 9 over balls 1..4: two different balls reach 18; two digits 18 as well.
    BallArray<int32_t> counts(0, 4, 0);
    counts[1] = 5, counts[2] = 9, counts[3] = 2, counts[4] = 9;
    EXPECT_EQ(largestReachableSum(counts, 1, 4, 2, false), 18);
    EXPECT_EQ(largestReachableSum(counts, 1, 4, 3, false), 23);
    EXPECT_EQ(largestReachableSum(counts, 0, 4, 3, true), 27);
    EXPECT_EQ(intervalLimitCap(23, 20), 9999);
    EXPECT_EQ(intervalLimitCap(12000, 11000), 12000);
    EXPECT_EQ(intervalLimitCap(0, 15000), 15000);
}

TEST_F(EntryTest, LimitBoxesKeepTheirOwnValidLimit)
{
    open();
    board->main.chkPowerInterval->setValue(1);
    placeInterval(80, 100, 130, 1);
    showActive();
    VbTextBox *lower = board->main.txtPowerInterval[0];
    VbTextBox *upper = board->main.txtPowerInterval[1];

    // Emptied: its own limit back at once.
    lower->setFocus(Qt::MouseFocusReason);
    lower->selectAll();
    QTest::keyClick(lower, Qt::Key_Backspace);
    EXPECT_EQ(lower->text(), QStringLiteral("98"));
    board->subParkFocus();

    // Pasted: blanks dropped; anything the keys could not type, or beyond the cap, refused.
    pasteInto(lower, QStringLiteral(" 95 "));
    EXPECT_EQ(lower->text(), QStringLiteral("95"));
    EXPECT_EQ(limitsInForce()[0], 95);
    for (const char *bad : {"-5", "9a", "1.5", "10000"}) {
        pasteInto(upper, QString::fromLatin1(bad));
        EXPECT_EQ(upper->text(), QStringLiteral("103")) << bad;
        board->subParkFocus();
    }
    EXPECT_EQ(limitsInForce(), (std::array<int32_t, 2>{95, 103}));

    // Crossed on leaving: the limit just edited wins.
    typeInto(upper, QStringLiteral("90"));
    EXPECT_EQ(limits(), pair(90, 90));
    typeInto(lower, QStringLiteral("120"));
    EXPECT_EQ(limits(), pair(120, 120));
    EXPECT_EQ(limitsInForce(), (std::array<int32_t, 2>{120, 120}));

    // The other box's text never comes back into a box: each falls back to its own limit.
    typeInto(board->txtColumnsToDraw, QStringLiteral("25"));
    lower->setFocus(Qt::MouseFocusReason);
    lower->selectAll();
    QTest::keyClick(lower, Qt::Key_Backspace);
    EXPECT_EQ(lower->text(), QStringLiteral("120"));
    board->subParkFocus();
    EXPECT_EQ(board->txtColumnsToDraw->text(), QStringLiteral("25"));
}

TEST_F(EntryTest, LongHistoriesKeepTheComputedLimitAboveNineThousand)
{
    open();
    // Sums beyond 9999 are shown as computed and can be typed up to the largest reachable sum.
    for (int b = 1; b <= 49; ++b)
        gDrum.garrPickCount[b] = 3000;
    placeInterval(12000, 15000, 17000, 10);
    EXPECT_EQ(limits(), pair(12000, 17000));
    board->txtPowerInterval_GotFocus(1);
    board->main.txtPowerInterval[1]->setText(QStringLiteral("18000"));
    EXPECT_EQ(board->main.txtPowerInterval[1]->text(), QStringLiteral("18000"));  // 6 x 3000 reachable
    board->main.txtPowerInterval[1]->setText(QStringLiteral("18001"));
    EXPECT_EQ(board->main.txtPowerInterval[1]->text(), QStringLiteral("18000"));
}

TEST_F(EntryTest, TheWidthComboFallsBackToTheWidthItHadAtFocus)
{
    open();
    VbCombo *combo = board->main.cboPowerIntervalPct;
    combo->setListIndex(5);
    board->cboPowerIntervalPct_GotFocus();
    for (const char *bad : {"35", "30", "", "abc"}) {
        combo->setText(QString::fromLatin1(bad));
        EXPECT_EQ(combo->listIndex(), 5) << bad;
        EXPECT_EQ(combo->text(), QStringLiteral("50")) << bad;
    }
    // The Click of the item puts the interval of that width.
    EXPECT_EQ(board->main.lblPowerSliderPos->caption(), board->main.lblPowerMiddle->caption());
}

// ---- Guess ------------------------------------------------------------------------------------------

TEST_F(EntryTest, GuessBoxesAreCheckedOnLeavingWithTheirPowersAndTotal)
{
    open();
    board->chkCompareWithGuess->setValue(1);
    showActive();
    VbTextBox *first = board->txtGuess[1];
    auto total = [&] { return board->main.lblGuessPowerTotal->caption().toInt(); };

    typeInto(first, QStringLiteral("12"));
    EXPECT_EQ(first->text(), QStringLiteral("12"));
    EXPECT_EQ(first->backColor(), vbc::kLightYellow);
    EXPECT_EQ(board->lblGuessPower[1]->caption(), QString::number(power(12)));
    EXPECT_EQ(total(), power(12));

    // Focused and left without typing: the number again, its power recomputed.
    board->lblGuessPower[1]->setCaption(QStringLiteral("77"));
    first->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(first->text(), QString());
    board->subParkFocus();
    EXPECT_EQ(first->text(), QStringLiteral("12"));
    EXPECT_EQ(board->lblGuessPower[1]->caption(), QString::number(power(12)));

    // Out of range, a leading zero, a pasted fraction: the number it held comes back.
    for (const char *bad : {"50", "007", "00"}) {
        typeInto(first, QString::fromLatin1(bad));
        EXPECT_EQ(first->text(), QStringLiteral("12")) << bad;
    }
    pasteInto(first, QStringLiteral("1.5"));
    board->subParkFocus();
    EXPECT_EQ(first->text(), QStringLiteral("12"));

    // The same number twice counts twice; the bonus box shows its power outside the total.
    typeInto(board->txtGuess[2], QStringLiteral("12"));
    EXPECT_EQ(total(), 2 * power(12));
    typeInto(board->txtGuess[7], QStringLiteral("30"));
    EXPECT_EQ(board->lblGuessPower[7]->caption(), QString::number(power(30)));
    EXPECT_EQ(total(), 2 * power(12));

    // "0": white, power 0, the total down by the former power.
    typeInto(first, QStringLiteral("0"));
    EXPECT_EQ(first->backColor(), vbc::kWhite);
    EXPECT_EQ(board->lblGuessPower[1]->caption(), QStringLiteral("0"));
    EXPECT_EQ(total(), power(12));
    typeInto(board->txtGuess[7], QStringLiteral("0"));
    EXPECT_EQ(total(), power(12));

    // Each box falls back to its own number: Get Drawing of a drawing whose second number is no
    // ball leaves box 2 its 12, not the number box 3 held when it last had the focus.
    typeInto(board->txtGuess[3], QStringLiteral("5"));
    board->lblDrawingNumber[2]->setCaption(QStringLiteral("99"));
    board->cmdGetDrawing_Click();
    EXPECT_EQ(board->txtGuess[2]->text(), QStringLiteral("12"));
    EXPECT_EQ(board->txtGuess[1]->text(), board->lblDrawingNumber[1]->caption());
}

TEST_F(EntryTest, ResetGuessClearsEveryBoxPowerTotalSourceAndMark)
{
    open();
    board->chkCompareWithGuess->setValue(1);
    for (int p = 1; p <= 7; ++p) {
        board->txtGuess[p]->setText(QString::number(p + 10));
        board->txtGuess[p]->setBackColor(vbc::kLightYellow);
        board->lblGuessPower[p]->setCaption(QStringLiteral("3"));
    }
    board->txtGuess[2]->setForeColor(vbc::kDarkRed);
    board->txtGuess[2]->setFontBold(true);
    board->txtGuessSource->setText(QStringLiteral("4 - source"));
    board->main.lblGuessPowerTotal->setCaption(QStringLiteral("18"));

    QTest::mouseClick(board->cmdResetGuess, Qt::LeftButton);
    for (int p = 1; p <= 7; ++p) {
        EXPECT_EQ(board->txtGuess[p]->text(), QStringLiteral("0"));
        EXPECT_EQ(board->txtGuess[p]->backColor(), vbc::kWhite);
        EXPECT_EQ(board->lblGuessPower[p]->caption(), QStringLiteral("0"));
    }
    EXPECT_EQ(board->txtGuessSource->text(), QString());
    EXPECT_EQ(board->main.lblGuessPowerTotal->caption(), QStringLiteral("0"));
    EXPECT_EQ(board->txtGuess[2]->foreColor(), vbc::kWindowText);
    EXPECT_FALSE(board->txtGuess[2]->fontBold());

    // The source's tool tip is its text.
    board->txtGuessSource->setText(QStringLiteral("17 - a long source"));
    board->txtGuessSource_MouseMove();
    EXPECT_EQ(board->txtGuessSource->toolTipText(), QStringLiteral("17 - a long source"));
}

TEST_F(EntryTest, CompareWithGuessEnablesAndChecksTheBoxes)
{
    open();
    int columnShows = 0;
    board->lstTicket->onClick = [&] { ++columnShows; };
    board->txtGuess[3]->setText(QStringLiteral("12"));
    board->lblGuessPower[3]->setCaption(QStringLiteral("0"));
    board->lblDrawingNumber[1]->setFontBold(true);

    board->chkCompareWithGuess->setValue(1);
    EXPECT_TRUE(gblnCompareWithGuess);
    EXPECT_EQ(columnShows, 1);
    EXPECT_FALSE(board->lblDrawingNumber[1]->fontBold());
    for (int p = 1; p <= 7; ++p)
        EXPECT_TRUE(board->txtGuess[p]->isEnabled());
    EXPECT_TRUE(board->main.lblGuessPowerTotal->isEnabled());
    EXPECT_EQ(board->txtGuess[3]->backColor(), vbc::kLightYellow);
    EXPECT_EQ(board->lblGuessPower[3]->caption(), QString::number(power(12)));
    EXPECT_EQ(board->main.lblGuessPowerTotal->caption(), QString::number(power(12)));

    board->chkCompareWithGuess->setValue(0);
    EXPECT_EQ(board->chkCompareWithGuess->toolTipText(), garrMessages[14]);
    for (int p = 1; p <= 7; ++p) {
        EXPECT_FALSE(board->txtGuess[p]->isEnabled());
        EXPECT_EQ(board->txtGuess[p]->backColor(), vbc::kWhite);
        EXPECT_FALSE(board->lblGuessPower[p]->isEnabled());
    }
    EXPECT_FALSE(board->main.lblGuessPowerTotal->isEnabled());
    EXPECT_EQ(columnShows, 2);
}

TEST_F(EntryTest, DrawHoldsToTheLimitsTheBoxesShow)
{
    open();
    board->main.chkPowerInterval->setValue(1);
    board->main.cboPowerIntervalPct->setListIndex(5);
    // The slider a step up, then the upper limit typed one lower.
    VbScrollBar *slider = board->main.hsbPowerInterval;
    slider->setValue(std::min(slider->value() + 1, slider->max()));
    VbTextBox *upper = board->main.txtPowerInterval[1];
    board->txtPowerInterval_GotFocus(1);
    upper->setText(QString::number(upper->text().toInt() - 1));
    board->txtPowerInterval_LostFocus(1);
    const int32_t lo = board->main.txtPowerInterval[0]->text().toInt();
    const int32_t hi = upper->text().toInt();
    ASSERT_EQ(limitsInForce(), (std::array<int32_t, 2>{lo, hi}));
    ASSERT_LE(lo, hi);

    board->txtColumnsToDraw->setText(QStringLiteral("15"));
    board->cmdDraw_Click();
    ASSERT_GT(garrTicketGrid.rowCount(), 0);
    for (int r = 1; r <= garrTicketGrid.rowCount(); ++r) {
        int32_t sum = 0;
        for (int j = 1; j <= 6; ++j)
            sum += power(garrTicketGrid.at(r, j));
        EXPECT_GE(sum, lo) << r;
        EXPECT_LE(sum, hi) << r;
    }
}
