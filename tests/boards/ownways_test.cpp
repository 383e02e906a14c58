// What each board does its own way: the lotto board's bonus markers, worked powers and the largest
// ticket; the two-drum board's tabs, guarantees and guesses of each drum and its "m+b" classes; the
// digit board's positions from 0 and its Straight and Boxed comparison.

#include "games.h"

#include "analysis/catalogue.h"
#include "analysis/generator.h"
#include "platform/ui/screen.h"

#include <QScreen>
#include <QSignalSpy>

namespace {

class OwnWays : public BoardTest {
protected:
    // A lottery written for the test, opened on its board.
    void openLottery(const GameConfigRecord &config, const std::vector<std::vector<int32_t>> &numbers, const Game &shape)
    {
        game = shape;
        ASSERT_NE(user.openLottery(config, numbers), nullptr) << messages.texts().join(u'\n').toStdString();
    }
    QStringList captions(const char *name, int first, int last) const { return user.texts(QString::fromLatin1(name), first, last); }
    // The guess typed, then added to the ticket.
    void addColumn(const QStringList &numbers)
    {
        for (int i = 0; i < numbers.size(); ++i)
            user.type(at("txtGuess", game.first + i), numbers[i]);
        user.click(QStringLiteral("cmdAdd"));
    }
};

QStringList list(std::initializer_list<int> values)
{
    QStringList out;
    for (int v : values)
        out << QString::number(v);
    return out;
}

// The paints of every widget, or of those of one board, while it lives.
struct Paints : QObject {
    const QWidget *board = nullptr;
    std::map<const QObject *, int> of;
    explicit Paints(const QWidget *within = nullptr) : board(within) { qApp->installEventFilter(this); }
    ~Paints() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint
            && (!board || (watched->isWidgetType() && board->isAncestorOf(static_cast<QWidget *>(watched)))))
            ++of[watched];
        return false;
    }
    // The paints of the widgets of that name, whatever their index.
    int named(const QString &name) const
    {
        int n = 0;
        for (const auto &[widget, count] : of)
            n += widget->objectName().section(u'(', 0, 0) == name ? count : 0;
        return n;
    }
};

// ---- Lotto ----------------------------------------------------------------------------------------

TEST_F(OwnWays, LottoBonusPositionsAreMarkedAndTheirValuesFramed)
{
    for (const Game &g : {kLotto, kTwoBonus, kSevenNumbers}) {
        SCOPED_TRACE(g.code);
        ASSERT_TRUE(open(g));
        int shown = 0;
        for (const char *set : {"shpBonusMarkA", "shpBonusMarkB"})
            for (int i = 0; i <= 5; ++i)
                if (auto *marker = user.get<QWidget>(at(set, i)); user.visible(at(set, i))) {
                    ++shown;
                    // Over a bonus position; a frame within the value it frames.
                    const auto onBoard = [this](const QWidget *w) { return QRect(w->mapTo(board(), QPoint(0, 0)), w->size()); };
                    const QRect r = onBoard(marker);
                    bool over = false;
                    for (int p = g.first + g.main; p <= g.lastShown(); ++p)
                        for (const char *cell : {"lblDrawingNumberPower", "lblGuessPower"}) {
                            QWidget *value = user.get(at(cell, p));
                            const QRect v = onBoard(value);
                            over = over || (r.left() >= v.left() && r.right() <= v.right());
                            if (r.intersects(v) && r.height() > v.height() / 2) {
                                EXPECT_TRUE(r.left() > v.left() && r.right() < v.right()) << set << i;
                            }
                        }
                    EXPECT_TRUE(over) << set << i;
                }
        EXPECT_EQ(shown, 4 * g.bonus);
        world.closeBoard();
    }
}

TEST_F(OwnWays, ALotteryWithoutDrawingsOpensToldOnceWithNothingToAnalyse)
{
    openLottery(GameConfigRecord{1, QStringLiteral("Empty 6/49"), 49, 0, 0, 6, 0, 0}, {}, Game{"", "600", 1, 6, 0, 49, 0});
    EXPECT_EQ(messages.asked().size(), 1u);
    for (const char *command : {"cmdPower", "cmdPopulate", "cmdDraw"})
        EXPECT_FALSE(user.enabled(QString::fromLatin1(command))) << command;
}

TEST_F(OwnWays, ABoardWiderThanTheScreenOpensMaximised)
{
    setScreenMetricsOverride(ScreenMetrics{900, QRect(0, 0, 900, 700), QRect(0, 0, 900, 680)});
    ASSERT_TRUE(open(kTwoDrum));
    EXPECT_TRUE(board()->isMaximized());
}

// The desktop gives a maximised board its size once the board shows; narrower than the board's
// own size, the status bar wraps its texts and grows. The board is painted once, laid out for the
// size it shows at.
TEST_F(OwnWays, AMaximisedBoardIsPaintedOnceLaidOutForItsSize)
{
    Paints paints;
    setScreenMetricsOverride(ScreenMetrics{1024, QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 740)});
    ASSERT_TRUE(open(kLotto));
    const QWidget *form = board()->centralWidget();
    const QStatusBar *bar = board()->statusBar();
    // However long the first paint takes on a busy machine; then a while for any paint after it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints.of[form] > 0 && paints.of[bar] > 0; }, 10000));
    QTest::qWait(50);
    ASSERT_TRUE(board()->isMaximized());
    // An X server without a window manager leaves a maximised window at its own size, whether
    // that is narrower or wider than the screen.
    if (board()->frameGeometry().size() != board()->screen()->availableGeometry().size())
        GTEST_SKIP() << "this desktop does not give maximised windows their size";
    EXPECT_EQ(paints.of[form], 1);
    EXPECT_EQ(paints.of[bar], 1);
    EXPECT_EQ(form->geometry().bottom() + 1, bar->geometry().top());
    EXPECT_EQ(bar->geometry().bottom() + 1, board()->height());
    EXPECT_GE(bar->height(), bar->sizeHint().height());
}

// POWER again over the same window shows the same tables: it repaints the button the user pressed
// and the ticket list, but no ball picture of the power table or the pool grid, each set to the
// picture it shows. Only this board's paints count, each POWER's once the ticket list it repaints
// last has been painted.
TEST_F(OwnWays, PowerOverTheSameWindowRepaintsNoBallPicture)
{
    ASSERT_TRUE(open(kLotto));
    Paints paints(board());
    const QWidget *ticketList = user.get<QListView>(QStringLiteral("lstTicket"))->viewport();
    const auto power = [&] {
        const int before = paints.of[ticketList];
        user.click(QStringLiteral("cmdPower"));
        return QTest::qWaitFor([&] { return paints.of[ticketList] > before; }, 10000);
    };
    ASSERT_TRUE(QTest::qWaitForWindowExposed(board()));
    ASSERT_TRUE(power());
    paints.of.clear();
    ASSERT_TRUE(power());
    EXPECT_GT(paints.named(QStringLiteral("cmdPower")), 0);
    EXPECT_EQ(paints.named(QStringLiteral("picPowerBall")), 0);
    EXPECT_EQ(paints.named(QStringLiteral("picPoolBall")), 0);
}

// 5 from 1..12, four drawings; ball 12 never drawn.
TEST_F(OwnWays, LottoPowersOfTheWorkedDrawings)
{
    openLottery(GameConfigRecord{1, QStringLiteral("Test 5/12"), 12, 0, 0, 5, 0, 0},
                {{1, 2, 3, 4, 5}, {1, 2, 6, 7, 8}, {1, 3, 6, 9, 10}, {2, 3, 6, 7, 11}}, Game{"", "500", 1, 5, 0, 12, 0});
    EXPECT_EQ(captions("lblTotalPicks", 1, 12), list({3, 3, 3, 1, 1, 3, 2, 1, 1, 1, 1, 0}));
    EXPECT_EQ(captions("lblWeeksSincePick", 1, 12), list({1, 0, 0, 3, 3, 0, 0, 2, 1, 1, 0, 4}));
    // Hot numbers weigh each drawing by its week number, and with the increase by its square; cold
    // ones with the increase by (4 - week)^2.
    const struct {
        int cold, increase;
        QStringList percents;
    } cases[] = {
        {0, 0, list({67, 78, 89, 11, 11, 100, 67, 22, 33, 33, 44, 0})},
        {0, 1, list({48, 72, 90, 3, 3, 100, 69, 14, 31, 31, 55, 0})},
        {1, 1, list({100, 93, 71, 64, 64, 36, 29, 29, 7, 7, 0, 0})},
        {1, 0, list({67, 78, 89, 11, 11, 100, 67, 22, 33, 33, 44, 0})},
    };
    for (const auto &c : cases) {
        user.click(at("lblHotCold", c.cold));
        user.tick(QStringLiteral("chkPowerIncrease"), c.increase);
        user.click(QStringLiteral("cmdPower"));
        EXPECT_EQ(captions("lblPowerPercent", 1, 12), c.percents) << c.cold << c.increase;
    }
}

// The 32000 columns reach the ticket list in one step, and so does their comparison.
TEST_F(OwnWays, LottoTicketsStopAt32000Columns)
{
    ASSERT_TRUE(open(kLotto));
    const QAbstractItemModel *shown = user.get<QListView>(QStringLiteral("lstTicket"))->model();
    QSignalSpy resets(shown, &QAbstractItemModel::modelReset), added(shown, &QAbstractItemModel::rowsInserted),
        changed(shown, &QAbstractItemModel::dataChanged);
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("32000"));
    user.click(QStringLiteral("cmdDraw"));
    ASSERT_EQ(user.lines().size(), 32000);
    user.click(QStringLiteral("cmdCompare"));
    // One signal each: DRAW lists the ticket anew in one reset, Compare rewrites every line in its
    // row in one change of data.
    EXPECT_EQ(std::tuple(resets.size(), added.size(), changed.size()), std::tuple(qsizetype(1), qsizetype(0), qsizetype(1)));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(std::pair(changed[0][0].toModelIndex().row(), changed[0][1].toModelIndex().row()), std::pair(0, 31999));
    user.click(QStringLiteral("cmdAdd"));
    EXPECT_EQ(user.lines().size(), 32000);
    // An incremental draw adds none.
    user.tick(QStringLiteral("chkIncrementalTicket"), true);
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("10"));
    user.click(QStringLiteral("cmdDraw"));
    EXPECT_EQ(user.lines().size(), 32000);
}

// A user checking hits far down a ticket keeps their place through Compare: the list paged down
// with the keys to line 250 or past, another end drawing chosen and COMPARE clicked. The hits
// change, the list shows the same first line, and no line is current or selected, as after the
// list is filled anew.
TEST_F(OwnWays, CompareKeepsTheTicketListWhereTheUserScrolledIt)
{
    ASSERT_TRUE(open(kLotto));
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("1000"));
    user.click(QStringLiteral("cmdDraw"));
    ASSERT_EQ(user.lines().size(), 1000);
    auto *list = user.get<VbList>(QStringLiteral("lstTicket"));
    user.selectLine(0);
    for (int page = 0; page < 1000 && list->verticalScrollBar()->value() < 250; ++page)
        user.key(Qt::Key_PageDown);
    const int top = list->verticalScrollBar()->value();
    ASSERT_GE(top, 250);
    ASSERT_EQ(list->indexAt(QPoint(1, 1)).row(), top);
    const QStringList before = user.lines();
    user.choose(QStringLiteral("cboEndDrawing"), 1);
    user.click(QStringLiteral("cmdCompare"));
    QCoreApplication::processEvents();
    EXPECT_NE(user.lines(), before);
    EXPECT_EQ(std::pair(list->verticalScrollBar()->value(), list->indexAt(QPoint(1, 1)).row()), std::pair(top, top));
    EXPECT_EQ(user.selectedLine(), -1);
    EXPECT_TRUE(list->selectionModel()->selectedIndexes().isEmpty());
}

// Compared with other numbers, a line's hits take more or less room ("(0+1)", "(0)"): the ticket
// list reaches across as far as any line's hits may, so that it scrolls as far after every Compare
// and its scroll bar across neither shows nor goes.
TEST_F(OwnWays, ComparedWithOtherNumbersTheTicketListReachesAsFarAcross)
{
    ASSERT_TRUE(open(kLotto));
    user.tick(QStringLiteral("chkCompareWithGuess"), true);
    addColumn(list({10, 20, 30, 40, 45, 49, 1}));
    addColumn(list({1, 2, 3, 4, 5, 6, 7}));
    auto *ticket = user.get<VbList>(QStringLiteral("lstTicket"));
    ticket->setFixedWidth(ticket->fontMetrics().horizontalAdvance(QStringLiteral("01- 10 20 30")));
    std::vector<int> reach;
    for (const int bonus : {49, 48}) {
        const QStringList guess = list({11, 12, 13, 14, 15, 16, bonus});
        for (int i = 0; i < guess.size(); ++i)
            user.type(at("txtGuess", game.first + i), guess[i]);
        user.click(QStringLiteral("cmdCompare"));
        QCoreApplication::processEvents();
        reach.push_back(ticket->horizontalScrollBar()->maximum() + ticket->viewport()->width());
    }
    EXPECT_EQ(user.lines().first(), QStringLiteral("01- 10 20 30 40 45 49 (0)"));
    EXPECT_EQ(reach[1], reach[0]);
    EXPECT_GE(reach[1], ticket->fontMetrics().horizontalAdvance(QStringLiteral("01- 10 20 30 40 45 49 (6+1)")));
}

// ---- Two drums ------------------------------------------------------------------------------------

TEST_F(OwnWays, TwoDrumTabsBringOneDrumToTheFront)
{
    ASSERT_TRUE(open(kTwoDrum));
    const QString mainStatus = res(36040) + QString::number(lottery().drum(Drum::Main).glngPoolTotal);
    const QString secondStatus = res(36050) + QString::number(lottery().drum(Drum::Second).glngPoolTotal);
    auto inFront = [&](bool second) {
        const QString front = second ? QStringLiteral("lblGameMatrixBONUS") : QStringLiteral("lblGameMatrix");
        const QString back = second ? QStringLiteral("lblGameMatrix") : QStringLiteral("lblGameMatrixBONUS");
        EXPECT_EQ(user.visible(QStringLiteral("chkExcludeBallBONUS(3)")), second);
        EXPECT_EQ(user.visible(QStringLiteral("chkExcludeBall(3)")), !second);
        EXPECT_EQ(user.visible(QStringLiteral("hsbPowerIntervalBONUS")), second);
        EXPECT_EQ(user.visible(QStringLiteral("lblPowerIntervalBONUS")), second);
        EXPECT_EQ(user.status(2), second ? secondStatus : mainStatus);
        // The tab in front reads larger and bold.
        EXPECT_TRUE(user.get(front)->font().bold());
        EXPECT_FALSE(user.get(back)->font().bold());
        EXPECT_GT(user.get(front)->font().pointSizeF(), user.get(back)->font().pointSizeF());
    };
    EXPECT_EQ(user.text(QStringLiteral("lblGameMatrix")), QStringLiteral("5/50"));
    EXPECT_EQ(user.text(QStringLiteral("lblGameMatrixBONUS")), QStringLiteral("2/12"));
    inFront(false);
    user.click(QStringLiteral("lblGameMatrixBONUS"));
    inFront(true);
    user.click(QStringLiteral("lblGameMatrix"));
    inFront(false);

    // A second drum of 29 balls fills the second half of its tables, with its headers.
    world.closeBoard();
    openLottery(GameConfigRecord{1, QStringLiteral("5/50 + 1/29"), 50, 29, 0, 5, 1, 0}, {{1, 2, 3, 4, 5, 29}},
                Game{"", "2P510", 1, 5, 1, 50, 29});
    user.click(QStringLiteral("lblGameMatrixBONUS"));
    for (const char *name : {"lblTotalPicksBONUS(29)", "lblHdrTotalBONUS(1)", "lblHdrPoolBONUS(1)"})
        EXPECT_TRUE(user.visible(QString::fromLatin1(name))) << name;
}

// A tab click while a control of the other drum has the focus: the focus moves into the drum
// brought to the front (its first "Pool %" box), and a recount made meanwhile stays shown when
// the focus leaves that box.
TEST_F(OwnWays, TwoDrumPoolInFrontKeepsItsOddsWhenTheFocusLeavesIt)
{
    ASSERT_TRUE(open(kTwoDrum));
    user.click(QStringLiteral("chkExcludeBall(5)"));
    user.click(QStringLiteral("chkExcludeBall(5)"));
    user.click(QStringLiteral("lblGameMatrixBONUS"));
    ASSERT_GT(weight(true, 1), 0);
    user.click(QStringLiteral("lblHdrExcludeBONUS(0)"));
    user.leave();
    // Every ball excluded, the pool empty: each ball's share of no pool reads 0.
    ASSERT_EQ(state(true).glngPoolTotal, 0);
    EXPECT_EQ(user.texts(QStringLiteral("txtPoolPercentBONUS"), 1, 3), QStringList(3, QStringLiteral("0")));
}

TEST_F(OwnWays, TwoDrumGuaranteesAndGuessesBelongToTheirOwnDrum)
{
    ASSERT_TRUE(open(kTwoDrumOne));
    user.tick(QStringLiteral("chkGuaranteeNumbers"), true);
    user.type(at("txtGuaranteeNumber", 1), QStringLiteral("7"));
    user.type(at("txtGuaranteeNumber", 7), QStringLiteral("7"));
    EXPECT_EQ(user.text(at("txtGuaranteeNumber", 7)), QStringLiteral("7"));
    EXPECT_FALSE(user.enabled(QStringLiteral("chkExcludeBall(7)")));
    EXPECT_FALSE(user.enabled(QStringLiteral("chkExcludeBallBONUS(7)")));
    user.type(at("txtGuaranteeNumber", 7), QStringLiteral("11"));
    EXPECT_EQ(user.text(at("txtGuaranteeNumber", 7)), QStringLiteral("7"));

    user.tick(QStringLiteral("chkCompareWithGuess"), true);
    user.type(at("txtGuess", 7), QStringLiteral("11"));
    EXPECT_EQ(user.text(at("txtGuess", 7)), QStringLiteral("0"));
    user.type(at("txtGuess", 7), QStringLiteral("10"));
    EXPECT_EQ(user.text(at("txtGuess", 7)), QStringLiteral("10"));
    EXPECT_EQ(user.number(QStringLiteral("lblGuessPowerTotalBONUS")), power(7, 10));
}

TEST_F(OwnWays, TwoDrumColumnsAreClassedByTheirMainAndSecondDrumHits)
{
    ASSERT_TRUE(open(kTwoDrum));
    const QStringList drawn = captions("lblDrawingNumber", 1, 7);
    // Main numbers the drawing does not hold, and a second-drum number it does not hold.
    QStringList others;
    for (int n = 1; others.size() < 5; ++n)
        if (!drawn.mid(0, 5).contains(QString::number(n)))
            others << QString::number(n);
    const QString otherSecond = drawn[5] == u"1" || drawn[6] == u"1" ? (drawn[5] == u"2" || drawn[6] == u"2" ? "3" : "2") : "1";
    user.tick(QStringLiteral("chkCompareWithGuess"), true);
    addColumn(drawn.mid(0, 3) + others.mid(0, 2) + QStringList{drawn[5], otherSecond});
    addColumn(others + QStringList{drawn[6], drawn[5]});
    addColumn(drawn);
    user.tick(QStringLiteral("chkCompareWithGuess"), false);
    user.click(QStringLiteral("cmdCompare"));
    const QStringList lines = user.lines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" (3+1)"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(" (0+2)"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(" (5+2)"))) << lines[2].toStdString();
    EXPECT_TRUE(user.text(at("txtResults", 0)).contains(QStringLiteral("0+2 Catcher: 1\r\n")));
    EXPECT_TRUE(user.text(at("txtResults", 1)).contains(QStringLiteral("3+1 Catcher: 1 (1)\r\n")));
    EXPECT_TRUE(user.text(at("txtResults", 1)).endsWith(QStringLiteral("5+2 Catcher: 1 (3)")));
}

// ---- Digits ---------------------------------------------------------------------------------------

class DigitWays : public OwnWays {
protected:
    // Drawings 1..4: 3 2 1, 1 2 2, 2 1 1, 5 0 0; the ticket 1 2 3, 1 1 2, 5 5 5, 2 1 1.
    void SetUp() override
    {
        openLottery(GameConfigRecord{1, QStringLiteral("Pick 3"), 10, 0, 0, 3, 0, 0}, {{3, 2, 1}, {1, 2, 2}, {2, 1, 1}, {5, 0, 0}},
                    kPick3);
        user.tick(QStringLiteral("chkCompareWithGuess"), true);
        for (const char *column : {"123", "112", "555", "211"})
            addColumn(QString::fromLatin1(column).split(QString(), Qt::SkipEmptyParts));
        user.tick(QStringLiteral("chkCompareWithGuess"), false);
    }
    void compareWith(int week)
    {
        user.choose(QStringLiteral("cboEndDrawing"), 4 - week);
        user.click(QStringLiteral("cmdCompare"));
    }
    QString classes() const
    {
        QString out;
        for (const QString &line : user.lines())
            out += line.mid(line.indexOf(u'(') + 1, 1);
        return out;
    }
    QString marks() const
    {
        QString out;
        for (int p = 0; p <= 2; ++p)
            out += user.get<VbLabel>(at("lblDrawingNumber", p))->foreColor() == vbc::kDarkRed ? u'x' : u'.';
        return out;
    }
};

TEST_F(DigitWays, PositionsStartAtZeroWhereZeroIsADigit)
{
    EXPECT_EQ(user.text(QStringLiteral("lblPowerBall(0)")), QStringLiteral("0"));
    EXPECT_EQ(user.number(QStringLiteral("lblTotalPicks(0)")), 1);  // drawn twice in one drawing
    user.tick(QStringLiteral("chkGuaranteeNumbers"), true);
    user.type(at("txtGuaranteeNumber", 0), QStringLiteral("0"));
    user.type(at("txtGuaranteeNumber", 1), QStringLiteral("0"));
    EXPECT_EQ(captions("txtGuaranteeNumber", 0, 2), (QStringList{"0", "0", ""}));
    EXPECT_TRUE(user.enabled(QStringLiteral("chkExcludeBall(0)")));
    user.tick(QStringLiteral("chkGuaranteeNumbers"), false);
    EXPECT_FALSE(user.enabled(at("txtGuaranteeNumber", 0)));
}

TEST_F(DigitWays, StraightCountsDigitsInTheirPlaceBoxedInAnyPlace)
{
    compareWith(1);  // 3 2 1
    EXPECT_EQ(classes(), QStringLiteral("1001"));
    EXPECT_EQ(user.text(at("txtResults", 0)), QStringLiteral("Total: 4\r\n0 Catcher: 2\r\n1 Catcher: 2\r\n2 Catcher: 0\r\n3 Catcher: 0"));
    user.click(at("lblStraightBoxed", 1));
    user.click(QStringLiteral("cmdCompare"));
    EXPECT_EQ(classes(), QStringLiteral("3202"));
    compareWith(3);  // 2 1 1
    EXPECT_EQ(classes(), QStringLiteral("2303"));
    // The selected column marks the drawing's digits it holds.
    user.selectLine(0);  // 1 2 3: the 2 and one 1
    EXPECT_EQ(marks(), QStringLiteral("xx."));
    user.click(at("optStraightBoxed", 0));
    user.click(QStringLiteral("cmdCompare"));
    EXPECT_EQ(classes(), QStringLiteral("0103"));
    user.selectLine(1);  // 1 1 2: the middle 1 only
    EXPECT_EQ(marks(), QStringLiteral(".x."));
}

}  // namespace
