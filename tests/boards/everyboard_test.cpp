// What every board does alike, checked on a sample lottery of each family and on an eight-digit
// game (or on all seven samples): the board opened on the newest drawing, POWER over the window
// chosen, the comparison of the ticket, the source of a guess taken from a drawing, the ticket
// saved and loaded with its settings (a damaged one read as far as it goes, one without its text
// file), the settings kept when the program ends (under another locale too) and odd guesses and
// dates among them, a drawing the database cannot return, a drawing added in the lottery manager,
// and the report.

#include "games.h"

#include "analysis/clslotterydb.h"
#include "analysis/ticketfile.h"
#include "dialogs/helpandreport.h"
#include "dialogs/programmessage.h"
#include "app/boardsettings.h"
#include "app/application.h"
#include "app/clsrecordfile.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmlotterymanager.h"
#include "platform/dates.h"
#include "support/arriving.h"
#include "support/textfit.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <functional>
#include <set>
#include <sqlite3.h>

namespace {

class EveryBoard : public BoardTest, public ::testing::WithParamInterface<Game> {
protected:
    void SetUp() override { ASSERT_TRUE(open(GetParam())); }
    History history() const { return app().gobjLotteryDb->fncLoadHistory().value_or(History{}); }
    // The text file of the lottery's ticket `name` made to hold `lines`, each ended by CR LF.
    bool writeTicketFile(const QString &name, const QStringList &lines) const
    {
        QFile file(fncTicketTextFilePath(app().gstrSavedTicketsFolder, lottery().gstrFileSuffix, name));
        const QByteArray bytes = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    }
    // The power tables count, for each number of each drum, the drawings of start..end that hold it
    // (a digit drawn twice counts once).
    void expectPicks(int32_t start, int32_t end) const
    {
        std::map<std::pair<bool, int32_t>, int> picks;
        for (const Drawing &d : history()) {
            std::set<std::pair<bool, int32_t>> numbers;
            for (int p = game.first; p <= game.lastColumn() && d.weekNo >= start && d.weekNo <= end; ++p)
                numbers.insert({game.second(p), d.numbers[static_cast<size_t>(p - game.first)]});
            for (const auto &n : numbers)
                ++picks[n];
        }
        for (bool second : drums())
            for (int b = game.lowest(); b <= highestOf(second); ++b)
                EXPECT_EQ(user.number(ctl("lblTotalPicks", second, b)), (picks[{second, b}])) << b;
    }
    // The row of the drum's power table that shows `ball` (the table in ball order).
    QString totalOf(int position, int32_t ball) const { return atDrum("lblTotalPicks", position, ball); }
    // What the boxes or labels of every drawing position show.
    QStringList positions(const char *name) const
    {
        QStringList out;
        for (int p = game.first; p <= game.lastShown(); ++p)
            out << user.text(at(name, p));
        return out;
    }
    // The end drawing `week` chosen from its list.
    void endAt(int32_t week)
    {
        user.choose(QStringLiteral("cboEndDrawing"), user.get<QComboBox>(QStringLiteral("cboEndDrawing"))->findText(QString::number(week)));
    }
    // The analysis window of a POWER run: the end and start drawings `end` and `start` entries down their lists.
    void powerWindow(int end, int start)
    {
        user.choose(QStringLiteral("cboEndDrawing"), end);
        user.choose(QStringLiteral("cboStartDrawing"), start);
        user.click(QStringLiteral("cmdPower"));
    }
    // Closes the board with its settings saved and changes them, as `change` says, in the settings
    // record that the next opening reads.
    void changeSavedSettings(const std::function<void(BoardSettings &)> &change)
    {
        ASSERT_TRUE(fncSaveLotterySettings(board()));
        const std::shared_ptr<const OpenLottery> closed = board()->openLottery();
        world.closeBoard();
        QString error;
        std::optional<BoardSettingsRecord> record = readRecordFile(app().gstrRecordFilePath, &error);
        ASSERT_TRUE(record) << error.toStdString();
        BoardSettings settings = decodeBoardSettings(closed->gLayout, *record, DrawingsInfo::of(*closed));
        change(settings);
        ASSERT_TRUE(encodeBoardSettings(closed->gLayout, settings, *record));
        ASSERT_TRUE(writeRecordFile(app().gstrRecordFilePath, *record, &error)) << error.toStdString();
    }
    // The window, the columns to draw and the digit board's comparison rule.
    QStringList windowAndRule() const
    {
        QStringList names = {"cboStartDrawing", "cboEndDrawing", "cboDrawingDate", "txtColumnsToDraw"};
        if (game.digits())
            names << at("optStraightBoxed", 1);
        return names;
    }
};

class EverySample : public EveryBoard {};

TEST_P(EverySample, OpensOnTheNewestDrawingWithItsPositionsAndPowers)
{
    // The positions of the game, and no more.
    for (int p = game.first; p <= game.first + 7; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(user.visible(at("lblDrawingNumber", p)), p <= game.lastShown());
        EXPECT_EQ(user.visible(at("txtGuess", p)), p <= game.lastShown());
        EXPECT_EQ(user.visible(at("txtGuaranteeNumber", p)), p <= game.lastColumn());
        EXPECT_EQ(user.visible(at("lblColumnNumber", p)), p <= game.lastColumn());
    }
    // Every caption and value stands within its frame.
    for (const char *frame : {"fraDrawings", "fraTicketAndGuess"})
        EXPECT_EQ(clippedTexts(user.get(QString::fromLatin1(frame))).filter(QStringLiteral("reaches outside")), QStringList());
    EXPECT_TRUE(user.status(3).startsWith(QStringLiteral("Sample Country - Sample ")));
    EXPECT_EQ(board()->windowTitle(), QStringLiteral("TALVINOR - ") + user.status(3));

    // The newest drawing, its date, each number's power (its Total) and the totals of each drum; a
    // number drawn in the end drawing was drawn 0 drawings before it.
    const Drawing newest = history().back();
    EXPECT_EQ(user.number(QStringLiteral("cboEndDrawing")), newest.weekNo);
    EXPECT_EQ(user.text(QStringLiteral("cboDrawingDate")), dates::toShortText(newest.date));
    int64_t totals[2] = {0, 0};
    for (int p = game.first; p <= game.lastShown(); ++p) {
        SCOPED_TRACE(p);
        const int32_t n = newest.numbers[static_cast<size_t>(p - game.first)];
        ASSERT_EQ(user.number(at("lblDrawingNumber", p)), n);
        EXPECT_EQ(user.number(atDrum("lblPowerBall", p, n)), n);
        EXPECT_EQ(user.text(at("lblDrawingNumberPower", p)), user.text(totalOf(p, n)));
        if (p > game.lastColumn())
            continue;  // a bonus number of the main drum: no pick of its own
        EXPECT_EQ(user.number(atDrum("lblWeeksSincePick", p, n)), 0);
        totals[game.second(p)] += user.number(at("lblDrawingNumberPower", p));
    }
    EXPECT_EQ(user.number(QStringLiteral("lblDrawingPowerTotal")), totals[0]);
    if (game.twoDrums()) {
        EXPECT_EQ(user.number(QStringLiteral("lblDrawingPowerTotalBONUS")), totals[1]);
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, EverySample, ::testing::ValuesIn(kSamples), gameName);

TEST_P(EveryBoard, NumberBoxesTakeDigitsAndBackspaceAndTheDrawingListsNoKey)
{
    user.click(QStringLiteral("txtColumnsToDraw"));
    user.key(Qt::Key_End);
    user.keys(QStringLiteral("a-. 5"));
    EXPECT_EQ(user.text(QStringLiteral("txtColumnsToDraw")), QStringLiteral("105"));
    user.key(Qt::Key_Backspace);
    EXPECT_EQ(user.text(QStringLiteral("txtColumnsToDraw")), QStringLiteral("10"));
    // Nor the interval width of each drum: its limits, moved off the width's, stay too.
    QStringList lists = {"cboStartDrawing", "cboEndDrawing", "cboDrawingDate"};
    for (bool second : drums()) {
        front(second);
        user.tick(ctl("chkPowerInterval", second), true);
        user.step(ctl("hsbPowerInterval", second), true);
        lists << ctl("cboPowerIntervalPct", second);
    }
    for (const QString &list : lists) {
        const bool second = list.endsWith(QStringLiteral("BONUS"));
        front(second);
        const QStringList watched = {list, ctl("txtPowerInterval", second, 0), ctl("txtPowerInterval", second, 1)};
        const QStringList before = shown(watched);
        user.click(list);
        user.keys(QStringLiteral("x9"));
        for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete})
            user.key(key);
        EXPECT_EQ(shown(watched), before);
    }
    // The list keys still choose: the end drawing one before, with its date.
    user.click(QStringLiteral("cboEndDrawing"));
    user.key(Qt::Key_Down);
    EXPECT_EQ(user.get<QComboBox>(QStringLiteral("cboEndDrawing"))->currentIndex(), 1);
    EXPECT_EQ(user.get<QComboBox>(QStringLiteral("cboDrawingDate"))->currentIndex(), 1);
    // Each drum's pool counts and interval limits take only digits, wherever the cursor stands.
    for (bool second : drums()) {
        front(second);
        user.doubleClick(ctl("txtPoolPercent", second, 1));
        for (const QString &box : {ctl("txtPoolCount", second, 1), ctl("txtPowerInterval", second, 0)}) {
            user.click(box);
            user.key(Qt::Key_A, Qt::ControlModifier);
            user.keys(QStringLiteral("13"));
            user.key(Qt::Key_Home);
            user.keys(QStringLiteral("a-.4"));
            EXPECT_EQ(user.text(box), QStringLiteral("413")) << box.toStdString();
        }
        user.leave();
    }
}

// Composed by the input method (dead keys), pasted or dropped, text goes into a number box as its
// typed keys would (the digits), and into the drawing lists and the interval width not at all: the
// window, its dates and the status bar stay.
TEST_P(EveryBoard, TextComposedPastedOrDroppedIsTakenAsTyped)
{
    user.tick(QStringLiteral("chkGuaranteeNumbers"), true);
    user.tick(QStringLiteral("chkCompareWithGuess"), true);
    user.tick(QStringLiteral("chkPowerInterval"), true);
    const QString text = QStringLiteral("1\u00EA2\u00B4e3\u00FC");
    for (const QString &box : {QStringLiteral("txtColumnsToDraw"), at("txtGuaranteeNumber", game.lastColumn()), at("txtGuess", game.first)}) {
        QStringList taken;
        for (Arrival way : kArrivals) {
            user.click(box);
            user.key(Qt::Key_A, Qt::ControlModifier);
            bring(text, way);
            taken << user.text(box);
            user.leave();
        }
        EXPECT_EQ(taken, QStringList(std::size(kArrivals), QStringLiteral("123"))) << box.toStdString();
    }
    const QStringList lists = {"cboStartDrawing", "cboEndDrawing", "cboDrawingDate", "cboPowerIntervalPct"};
    const QStringList before = shown(lists) << user.status(1);
    for (const QString &list : lists) {
        for (Arrival way : kArrivals) {
            user.click(list);
            bring(QStringLiteral("4\u00EA2"), way);
        }
        user.leave();
    }
    EXPECT_EQ(shown(lists) << user.status(1), before);
}

// A count or a guaranteed number written with an exponent is refused as one not written as itself
// ("007", "+7") is, although "1e2" is as long as "100": the box goes back to what it held, a count
// at once, a guaranteed number when the box is left.
TEST_P(EveryBoard, ANumberWithAnExponentIsRefusedAsAnyNumberNotWrittenAsItself)
{
    user.tick(QStringLiteral("chkGuaranteeNumbers"), true);
    const QString count = ctl("txtPoolCount", false, 1), guarantee = at("txtGuaranteeNumber", game.first);
    const QStringList boxes = {"txtColumnsToDraw", count, guarantee};
    const QStringList before = shown(boxes);
    for (const char *text : {"1e2", "1E1"}) {
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            // A double click on a ball's share puts the cursor into its count.
            boxes[i] == count ? user.doubleClick(ctl("txtPoolPercent", false, 1)) : user.click(boxes[i]);
            ASSERT_EQ(QApplication::focusWidget(), user.get(boxes[i]));
            user.get<VbTextBox>(boxes[i])->setText(QString::fromLatin1(text));
            if (boxes[i] != guarantee) {
                EXPECT_EQ(shown({boxes[i]}), before.mid(i, 1)) << text;
            }
            user.leave();
        }
        EXPECT_EQ(shown(boxes), before) << text;
    }
}

TEST_P(EveryBoard, PowerCountsThePicksOfTheWindowChosen)
{
    // The last 30 drawings, the window ending one drawing before the newest.
    const History drawings = history();
    const int32_t end = drawings.back().weekNo - 1, start = end - 29;
    user.choose(QStringLiteral("cboEndDrawing"), 1);
    user.choose(QStringLiteral("cboStartDrawing"), drawings.back().weekNo - start);
    user.click(QStringLiteral("cmdPower"));
    EXPECT_EQ(user.status(1), QStringLiteral(" Starting draw: %1 - Ending draw:%2 - Draw date: %3")
                                  .arg(start).arg(end).arg(user.text(QStringLiteral("cboDrawingDate"))));
    expectPicks(start, end);
}

// Each drum's exclusion header takes every ball out of its pool and then gives each its count back;
// a ball picture of its pool grid marks, as the key, the row of its power table that shows the ball.
TEST_P(EveryBoard, EachDrumExcludesAllAndMarksFromItsPoolGrid)
{
    for (bool second : drums()) {
        SCOPED_TRACE(second ? "second drum" : "main drum");
        front(second);
        // The counts shown and the number of balls excluded.
        const auto pool = [&] {
            std::pair<QStringList, int> out{{}, 0};
            for (int b = game.lowest(); b <= highestOf(second); ++b) {
                out.first << user.text(ctl("txtPoolCount", second, b));
                out.second += user.ticked(ctl("chkExcludeBall", second, b));
            }
            return out;
        };
        const QStringList counts = pool().first;
        ASSERT_EQ(pool().second, 0);
        user.click(ctl("lblHdrExclude", second, 0));
        EXPECT_EQ(pool(), std::pair(counts, highestOf(second) - game.lowest() + 1));
        EXPECT_EQ(user.status(2), res(second ? 36050 : 36040) + QStringLiteral("0"));
        user.click(ctl("lblHdrExclude", second, 0));
        EXPECT_EQ(pool(), std::pair(counts, 0));

        // The power table in the order of the pick counts: the ball's row is found by what it shows.
        user.click(ctl("lblHdrTotal", second, 0));
        const int ball = game.lowest() + 2;
        user.click(ctl("picPoolBall", second, ball));
        QStringList keys;
        for (int row = game.lowest(); row <= highestOf(second); ++row)
            if (user.get<VbLabel>(ctl("lblPowerBall", second, row))->foreColor() == vbc::kDarkRed)
                keys << user.text(ctl("lblPowerBall", second, row));
        EXPECT_EQ(keys, QStringList{QString::number(ball)});
    }
}

TEST_P(EveryBoard, PowerCountsTheDrawingsAnotherProgramChangedMeanwhile)
{
    // Another program puts a new drawing in place of the newest one: each number one higher
    // (the highest wraps to the lowest), the file's size unchanged.
    const Drawing newest = history().back();
    QString set;
    for (int p = game.first; p <= game.lastShown(); ++p) {
        const int32_t n = newest.numbers[static_cast<size_t>(p - game.first)];
        set += QStringLiteral("%1WinnerNumber%2 = %3").arg(set.isEmpty() ? "" : ", ").arg(p - game.first + 1)
                   .arg(n == game.highestAt(p) ? game.lowest() : n + 1);
    }
    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile).constData(), &other), SQLITE_OK);
    const QString sql = QStringLiteral("UPDATE TBLRESULTS SET %1 WHERE WeekNo = %2").arg(set).arg(newest.weekNo);
    EXPECT_EQ(sqlite3_exec(other, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    ASSERT_NE(history().back().numbers, newest.numbers);

    user.click(QStringLiteral("cmdPower"));
    expectPicks(1, newest.weekNo);
    for (int p = game.first; p <= game.lastShown(); ++p)
        EXPECT_EQ(user.number(at("lblDrawingNumber", p)), history().back().numbers[static_cast<size_t>(p - game.first)]);
}

TEST_P(EveryBoard, AColumnOfTheDrawingOrOfTheGuessHitsEveryPosition)
{
    user.tick(QStringLiteral("chkCompareWithGuess"), true);
    user.click(QStringLiteral("cmdGetDrawing"));
    user.click(QStringLiteral("cmdAdd"));
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("3"));
    user.tick(QStringLiteral("chkIncrementalTicket"), true);
    user.click(QStringLiteral("cmdDraw"));
    ASSERT_EQ(user.lines().size(), 4);
    const QString all = user.lines().first();
    EXPECT_TRUE(all.endsWith(QStringLiteral(" (") + QString::number(game.main) + (game.twoDrums() ? QStringLiteral("+%1)").arg(game.bonus) : QStringLiteral(")")))) << all.toStdString();
    EXPECT_TRUE(user.text(at("txtResults", 0)).startsWith(QStringLiteral("Total: 4\r\n")));
    // Against the drawing too; then every position of the selected column is marked.
    user.tick(QStringLiteral("chkCompareWithGuess"), false);
    user.click(QStringLiteral("cmdCompare"));
    EXPECT_EQ(user.lines().first(), all);
    const auto marked = [&](const char *name) {
        std::vector<int> positions;
        for (int p = game.first; p <= game.lastShown(); ++p)
            if (user.get<VbControl>(at(name, p))->foreColor() == vbc::kDarkRed)
                positions.push_back(p);
        return positions;
    };
    std::vector<int> every;
    for (int p = game.first; p <= game.lastColumn(); ++p)
        every.push_back(p);
    user.selectLine(0);
    EXPECT_EQ(marked("lblDrawingNumber"), every);
    // Get Drawing gives the guess new numbers; the selected column is still compared with the same
    // drawing, so its marks stay there.
    user.click(QStringLiteral("cmdGetDrawing"));
    EXPECT_EQ(marked("lblDrawingNumber"), every);
    EXPECT_EQ(marked("txtGuess"), std::vector<int>{});
}

// Get Drawing's source box shows the drawing number from its start, at five digits and at four
// (a longer text shown before in the box included): 10001 drawings, one a day.
TEST_P(EveryBoard, TheGuessSourceShowsItsDrawingNumberFromTheStart)
{
    world.closeBoard();
    const auto dates = samples::drawingDates(samples::Schedule::Daily, QDate(2000, 1, 1), QDate(2027, 5, 19));
    world.openLottery(game.config(), samples::makeDrawings(game.config(), dates, 8u));
    user.activate();
    ASSERT_NE(board(), nullptr);
    auto *box = user.get<QLineEdit>(QStringLiteral("txtGuessSource"));
    for (int32_t week : {10001, 9999}) {
        endAt(week);
        user.click(QStringLiteral("cmdGetDrawing"));
        ASSERT_TRUE(user.text(QStringLiteral("txtGuessSource")).startsWith(QStringLiteral("%1 - ").arg(week)));
        EXPECT_TRUE(shownText(box).startsWith(QStringLiteral("%1 - ").arg(week))) << shownText(box).toStdString();
    }
}

TEST_P(EveryBoard, ATicketComesBackAsSavedAndADamagedOneAsFarAsItGoes)
{
    // Saved with its window, columns to draw and (digit board) Boxed, which change afterwards.
    powerWindow(3, 30);
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("6"));
    if (game.digits())
        user.click(at("optStraightBoxed", 1));
    user.click(QStringLiteral("cmdDraw"));
    const QStringList drawn = user.lines();
    ASSERT_EQ(drawn.size(), 6);
    const QStringList saved = shown(windowAndRule());
    saveTicket(QStringLiteral("mine"));
    ASSERT_EQ(user.savedTicketLines(QStringLiteral("mine")), QStringList{QStringLiteral("6")} + drawn);
    powerWindow(1, 10);
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("9"));
    if (game.digits())
        user.click(at("optStraightBoxed", 0));
    user.click(QStringLiteral("cmdDraw"));
    ASSERT_NE(shown(windowAndRule()), saved);
    loadTicket(QStringLiteral("mine"));
    EXPECT_EQ(user.lines(), drawn);
    EXPECT_EQ(shown(windowAndRule()), saved);
    EXPECT_TRUE(board()->windowTitle().endsWith(QStringLiteral(" (mine -  Loaded Ticket)")));

    // The third line's last number one above its drum: the ticket ends before it, and the user is told.
    QStringList lines = user.savedTicketLines(QStringLiteral("mine"));
    ASSERT_EQ(lines.size(), 7);
    QStringList fields = lines[3].split(u' ');
    fields[game.lastColumn() - game.first + 1] = QString::number(game.highestAt(game.lastColumn()) + 1);
    lines[3] = fields.join(u' ');
    ASSERT_TRUE(writeTicketFile(QStringLiteral("mine"), lines));
    const size_t asked = messages.asked().size();
    loadTicket(QStringLiteral("mine"));
    EXPECT_EQ(user.lines(), drawn.mid(0, 2));
    ASSERT_GT(messages.asked().size(), asked + 1);
    EXPECT_EQ(messages.asked().back().text, QStringLiteral("The file of the ticket mine is damaged: only 2 of its 6 columns could be read."));
}

// The opening of a loaded ticket's board reads its text file once more: the same bytes onto the
// ticket they gave leave the list as the user sees it, while a ticket changed since, or a file
// changed since, is read anew.
TEST_P(EveryBoard, ATicketFileReadAgainUnchangedLeavesItsListAsItIs)
{
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("60"));
    user.click(QStringLiteral("cmdDraw"));
    saveTicket(QStringLiteral("mine"));
    loadTicket(QStringLiteral("mine"));
    const QStringList loaded = user.lines();
    ASSERT_EQ(loaded.size(), 60);
    auto *list = user.get<QListView>(QStringLiteral("lstTicket"));
    list->scrollToBottom();
    const int scrolled = list->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    QSignalSpy resets(list->model(), &QAbstractItemModel::modelReset);
    board()->subLoadTicketTextFile();
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(user.lines(), loaded);
    EXPECT_EQ(lottery().glngGridSize, 60);
    EXPECT_EQ(board()->ticketReadProblem(), QString());

    // Compared with another drawing, then drawn anew.
    user.choose(QStringLiteral("cboDrawingDate"), 3);
    user.click(QStringLiteral("cmdCompare"));
    ASSERT_NE(user.lines(), loaded);
    board()->subLoadTicketTextFile();
    EXPECT_EQ(user.lines(), loaded);
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("61"));
    user.click(QStringLiteral("cmdDraw"));
    ASSERT_NE(user.lines(), loaded);
    board()->subLoadTicketTextFile();
    EXPECT_EQ(user.lines(), loaded);

    // The file's last column gone, the count line left at 60.
    QStringList lines = user.savedTicketLines(QStringLiteral("mine"));
    lines.removeLast();
    ASSERT_TRUE(writeTicketFile(QStringLiteral("mine"), lines));
    board()->subLoadTicketTextFile();
    EXPECT_EQ(user.lines(), loaded.mid(0, 59));
    EXPECT_EQ(lottery().glngGridSize, 59);
    EXPECT_EQ(board()->ticketReadProblem(), QStringLiteral("The file of the ticket mine is damaged: only 59 of its 60 columns could be read."));
    board()->subLoadTicketTextFile();
    EXPECT_EQ(board()->ticketReadProblem(), QStringLiteral("The file of the ticket mine is damaged: only 59 of its 60 columns could be read."));
}

// A ticket file read ahead for the board and changed before the board reads it: the board shows
// the file as it stands, and reads an unchanged file's columns from the read ahead.
TEST_P(EveryBoard, ATicketFileChangedAfterItsReadAheadIsReadAsItStands)
{
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("4"));
    user.click(QStringLiteral("cmdDraw"));
    saveTicket(QStringLiteral("mine"));
    const QStringList drawn = user.lines();
    ASSERT_EQ(app().gstrTicketName, QStringLiteral("mine"));
    const QString path = fncTicketTextFilePath(app().gstrSavedTicketsFolder, lottery().gstrFileSuffix, QStringLiteral("mine"));
    const TicketShape shape = TicketShape::of(lottery().gLayout);
    board()->takeTicketReadAhead(TicketReadAhead::start(path, shape));
    QStringList lines = user.savedTicketLines(QStringLiteral("mine"));
    lines.removeLast();
    lines[0] = QStringLiteral("3");
    ASSERT_TRUE(writeTicketFile(QStringLiteral("mine"), lines));
    board()->subLoadTicketTextFile();
    EXPECT_EQ(user.lines(), drawn.mid(0, 3));
    EXPECT_EQ(lottery().glngGridSize, 3);

    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("5"));
    user.click(QStringLiteral("cmdDraw"));
    ASSERT_EQ(user.lines().size(), 5);
    board()->takeTicketReadAhead(TicketReadAhead::start(path, shape));
    board()->subLoadTicketTextFile();
    EXPECT_EQ(user.lines(), drawn.mid(0, 3));
    EXPECT_EQ(board()->ticketReadProblem(), QString());
}

// A ticket whose text file is gone, loaded after another: its board shows no column of the other
// ticket, and Save writes the empty ticket the list shows.
TEST_P(EveryBoard, ATicketWithoutItsTextFileLoadsEmptyWhateverWasLoadedBefore)
{
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("3"));
    user.click(QStringLiteral("cmdDraw"));
    saveTicket(QStringLiteral("b"));
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("5"));
    user.click(QStringLiteral("cmdDraw"));
    const QStringList a = user.lines();
    ASSERT_EQ(a.size(), 5);
    saveTicket(QStringLiteral("a"));
    ASSERT_TRUE(QFile::remove(fncTicketTextFilePath(app().gstrSavedTicketsFolder, lottery().gstrFileSuffix, QStringLiteral("b"))));
    loadTicket(QStringLiteral("a"));
    ASSERT_EQ(user.lines(), a);
    loadTicket(QStringLiteral("b"));
    EXPECT_TRUE(board()->windowTitle().endsWith(QStringLiteral(" (b -  Loaded Ticket)")));
    EXPECT_EQ(user.lines(), QStringList());
    expectRules();
    saveTicket(QStringLiteral("b"));
    EXPECT_EQ(user.savedTicketLines(QStringLiteral("b")), QStringList{QStringLiteral("0")});
}

TEST_P(EveryBoard, TheSettingsShownWhenTheProgramEndsAreThoseOfTheNextStart)
{
    // The window of a POWER run; a ball excluded from the main drum; the interval and a count
    // typed in the last drum; every option changed, the power increase at its highest level.
    const bool second = game.twoDrums();
    powerWindow(2, 40);
    user.click(ctl("chkExcludeBall", false, game.lowest() + 1));
    front(second);
    user.click(ctl("chkPowerInterval", second));
    user.choose(ctl("cboPowerIntervalPct", second), 7);
    user.doubleClick(ctl("txtPoolPercent", second, game.lowest() + 2));
    user.key(Qt::Key_A, Qt::ControlModifier);
    user.keys(QStringLiteral("33"));
    user.leave();
    user.click(QStringLiteral("chkGuaranteeNumbers"));
    user.type(at("txtGuaranteeNumber", game.first), QStringLiteral("7"));
    user.click(at("lblHotCold", 1));
    user.click(QStringLiteral("chkPowerIncrease"));
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("77"));
    user.click(QStringLiteral("chkIncrementalTicket"));
    user.click(QStringLiteral("chkCompareWithGuess"));
    user.type(at("txtGuess", game.lastShown()), QStringLiteral("5"));
    user.click(QStringLiteral("chkEqualChance"));
    const QStringList kept = QStringList{ctl("chkPowerInterval", second), ctl("cboPowerIntervalPct", second),
                                         ctl("txtPowerInterval", second, 0), ctl("txtPowerInterval", second, 1),
                                         ctl("txtPoolCount", second, game.lowest() + 2), "chkGuaranteeNumbers",
                                         at("txtGuaranteeNumber", game.first), at("optHotCold", 1), "chkPowerIncrease",
                                         "hsbPowerIncrease", "chkIncrementalTicket", "chkCompareWithGuess",
                                         at("txtGuess", game.lastShown()), "chkEqualChance",
                                         ctl("chkExcludeBall", false, game.lowest() + 1), ctl("chkExcludeBall", second, game.lowest())}
                             + windowAndRule();
    user.chooseMenu(QStringLiteral("mnuLanguageFrench"));

    // The title bar's close button ends the program; the next start opens the lottery as it was.
    const auto restart = [&] {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] { board()->close(); });
        QTimer::singleShot(5000, &loop, [&] { loop.exit(99); });
        EXPECT_EQ(loop.exec(), 0);
        app().gfrmCurrentBoard = nullptr;
        deleteUnloadedWindows();
        clearProgramEnd();
        app().createServiceObjects();
        return open(game);
    };
    // Each level of the power increase; then a ball excluded from the last drum too, and Boxed.
    for (int level : {4, 3, 2}) {
        SCOPED_TRACE(level);
        for (int step = 0; step < 2 && user.get<QScrollBar>(QStringLiteral("hsbPowerIncrease"))->value() != level; ++step)
            user.step(QStringLiteral("hsbPowerIncrease"), level == 4);
        if (level == 3) {
            user.click(ctl("chkExcludeBall", second, game.lowest()));
            if (game.digits())
                user.click(at("optStraightBoxed", 1));
        }
        const QStringList before = shown(kept);
        ASSERT_TRUE(before.contains(QStringLiteral("hsbPowerIncrease=%1").arg(level)));
        ASSERT_TRUE(restart());
        EXPECT_EQ(user.text(QStringLiteral("cmdPower")), resources::text(25083));  // in French
        EXPECT_TRUE(user.ticked(ctl("chkExcludeBall", false, game.lowest() + 1)));
        EXPECT_EQ(user.ticked(ctl("chkExcludeBall", second, game.lowest())), level < 4);
        front(second);
        EXPECT_EQ(shown(kept), before);
        expectRules();
    }
}

TEST_P(EveryBoard, GuessesRestoredFromTheSettingsAreNumbersOfTheirDrumOrNone)
{
    // Texts the guess boxes would not take, kept in the settings as the guess while Compare with
    // Guess is off, from the first position on.
    const QStringList stored = {"07", "12", "50", "x", " 5", "13", "-1", "9"};
    const std::map<std::string, QStringList> restored = {
        {"610", {"0", "12", "0", "0", "5", "13", "0"}},
        {"2P520", {"0", "12", "50", "0", "5", "0", "0"}},  // the last two from the second drum (1..12)
        {"130", {"7", "", ""}},
        {"180", {"7", "", "", "", "5", "", "", "9"}},
    };
    ASSERT_NO_FATAL_FAILURE(changeSavedSettings([&](BoardSettings &settings) {
        EXPECT_EQ(settings.compareWithGuess, 0);
        for (int p = game.first; p <= game.lastShown(); ++p)
            settings.guesses[p] = stored[p - game.first];
    }));
    ASSERT_TRUE(open(game));
    EXPECT_EQ(positions("txtGuess"), restored.at(game.code));
    expectRules();
}

// A guaranteed number kept in the settings with a leading zero: the digit board takes "07" as the
// digit 7 (as it does when it is typed), and DRAW puts every number a box shows as guaranteed into
// each new column (a digit at its own position).
TEST_P(EveryBoard, GuaranteesRestoredFromTheSettingsAreThoseDrawPlaces)
{
    ASSERT_NO_FATAL_FAILURE(changeSavedSettings([&](BoardSettings &settings) {
        settings.guaranteeNumbersOn = 1;
        settings.guaranteeNumbers[game.first] = QStringLiteral("07");
    }));
    ASSERT_TRUE(open(game));
    const bool guaranteed = user.get<VbTextBox>(at("txtGuaranteeNumber", game.first))->backColor() == vbc::kLightYellow;
    if (game.digits()) {
        EXPECT_TRUE(guaranteed);
        EXPECT_EQ(user.text(at("txtGuaranteeNumber", game.first)), QStringLiteral("7"));
    }
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("20"));
    user.click(QStringLiteral("cmdDraw"));
    ASSERT_EQ(user.lines().size(), 20);
    for (int r = 1; r <= 20 && guaranteed; ++r) {
        std::set<int32_t> numbers;
        for (int p = game.first; p <= lastOf(false); ++p)
            numbers.insert(lottery().garrTicketGrid.at(r, p));
        EXPECT_TRUE(game.digits() ? lottery().garrTicketGrid.at(r, game.first) == 7 : numbers.count(7) == 1) << r;
    }
}

// A settings record whose date is no date, or an empty text, opens on its end drawing with that
// drawing's date, or on the newest drawing when its end is no drawing either, and POWER runs from
// its start drawing to that end.
TEST_P(EveryBoard, ASettingsDateThatIsNoDateTakesTheDateOfTheEndDrawing)
{
    const History drawings = history();
    const int32_t newest = drawings.back().weekNo;
    for (const char *stored : {"no date", ""})
        for (const int32_t end : {300, newest + 1, 0}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(stored).arg(end).toStdString());
            ASSERT_TRUE(fncSaveLotterySettings(board()));
            world.closeBoard();
            QString error;
            std::optional<BoardSettingsRecord> record = readRecordFile(app().gstrRecordFilePath, &error);
            ASSERT_TRUE(record) << error.toStdString();
            (*record)[0] = VbVariant::fromInt32(5);
            (*record)[1] = VbVariant::fromText(QString::fromLatin1(stored));
            (*record)[2] = VbVariant::fromInt32(end);
            ASSERT_TRUE(writeRecordFile(app().gstrRecordFilePath, *record, &error)) << error.toStdString();
            ASSERT_TRUE(open(game));
            const int32_t shownEnd = end >= 1 && end <= newest ? end : newest;
            const QString date = dates::toShortText(drawings[static_cast<size_t>(shownEnd - 1)].date);
            EXPECT_EQ(shown({"cboStartDrawing", "cboEndDrawing", "cboDrawingDate"}),
                      (QStringList{"cboStartDrawing=5", QStringLiteral("cboEndDrawing=%1").arg(shownEnd), "cboDrawingDate=" + date}));
            EXPECT_EQ(user.status(1), QStringLiteral(" Starting draw: 5 - Ending draw:%1 - Draw date: %2").arg(shownEnd).arg(date));
        }
}

// The end drawing is saved as its number beside its date in the short form of the locale of the
// day. Under another locale (the C locale's form is year first) the lottery and a saved ticket
// open on their own end drawings, dated in the new form, and POWER runs over their windows.
TEST_P(EveryBoard, TheSavedEndDrawingsOutliveAChangeOfLocale)
{
    const History drawings = history();
    const QStringList names = {"cboStartDrawing", "cboEndDrawing"};
    powerWindow(5, 40);
    const QStringList ticketWindow = shown(names);
    const int32_t ticketEnd = user.number(QStringLiteral("cboEndDrawing"));
    saveTicket(QStringLiteral("mine"));
    powerWindow(2, 20);
    const QStringList lotteryWindow = shown(names);
    const int32_t lotteryEnd = user.number(QStringLiteral("cboEndDrawing"));
    ASSERT_TRUE(fncSaveLotterySettings(board()));
    world.closeBoard();
    struct Restore {
        QLocale saved;
        ~Restore() { QLocale::setDefault(saved); }
    } restore;
    QLocale::setDefault(QLocale::c());
    const auto expectWindow = [&](const QStringList &window, int32_t end) {
        const QString date = dates::toShortText(drawings[static_cast<size_t>(end - 1)].date);
        EXPECT_EQ(shown(names) << user.text(QStringLiteral("cboDrawingDate")), QStringList(window) << date);
        EXPECT_EQ(user.status(1), QStringLiteral(" Starting draw: %1 - Ending draw:%2 - Draw date: %3")
                                      .arg(user.text(QStringLiteral("cboStartDrawing"))).arg(end).arg(date));
    };
    ASSERT_TRUE(open(game));
    expectWindow(lotteryWindow, lotteryEnd);
    loadTicket(QStringLiteral("mine"));
    expectWindow(ticketWindow, ticketEnd);
}

TEST_P(EveryBoard, ADrawingTheDatabaseCannotReturnIsShownBlankAndTakenIntoNothing)
{
    // The game's drawings without the third newest: the week numbers skip it. The one before it
    // holds a first number above its drum.
    History drawings = history();
    const int32_t gap = drawings.back().weekNo - 2;
    std::erase_if(drawings, [gap](const Drawing &d) { return d.weekNo == gap; });
    std::find_if(drawings.begin(), drawings.end(), [gap](const Drawing &d) { return d.weekNo == gap - 1; })->numbers[0] =
        game.highest + 1;
    world.closeBoard();
    world.openLottery(game.config(), drawings);
    user.activate();
    ASSERT_NE(board(), nullptr);
    // A guess typed: 1, 2, 3 ...
    user.tick(QStringLiteral("chkCompareWithGuess"), true);
    for (int p = game.first; p <= game.lastShown(); ++p)
        user.type(at("txtGuess", p), QString::number(p - game.first + 1));
    user.tick(QStringLiteral("chkCompareWithGuess"), false);
    const QStringList guess = positions("txtGuess");

    // Chosen as the end drawing, and after POWER: blank positions, no power, and the reason.
    endAt(gap);
    const QString unread = QStringLiteral("Drawing %1 could not be read from the results database.").arg(gap);
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run ? "after POWER" : "chosen");
        EXPECT_EQ(user.status(1), unread);
        EXPECT_EQ(positions("lblDrawingNumber"), QStringList(game.lastShown() - game.first + 1, QString()));
        EXPECT_EQ(positions("lblDrawingNumberPower"), QStringList(game.lastShown() - game.first + 1, QString()));
        for (bool second : drums())
            EXPECT_EQ(user.text(ctl("lblDrawingPowerTotal", second)), QStringLiteral("0"));
        user.click(QStringLiteral("cmdPower"));
    }
    // Get Drawing takes nothing from it; the guess added comes back from the saved ticket.
    user.click(QStringLiteral("cmdGetDrawing"));
    EXPECT_EQ(positions("txtGuess"), guess);
    EXPECT_EQ(user.status(1), unread);
    user.click(QStringLiteral("cmdAdd"));
    // Get Drawing of the drawing before copies its number that no guess box takes; Add takes it as none.
    endAt(gap - 1);
    user.click(QStringLiteral("cmdGetDrawing"));
    user.click(QStringLiteral("cmdAdd"));
    const QStringList added = user.lines();
    ASSERT_EQ(added.size(), game.digits() ? 1 : 2);  // a digit guess needs a digit at every position
    saveTicket(QStringLiteral("gap"));
    loadTicket(QStringLiteral("gap"));
    EXPECT_EQ(user.lines(), added);
}

TEST_P(EveryBoard, ADrawingAddedInTheLotteryManagerIsOnTheBoardItReopens)
{
    const Drawing newest = history().back();
    whenModal<frmLotteryManager>([&](frmLotteryManager *manager) {
        manager->txtNewDate->setText(dates::toShortText(newest.date.addDays(3)));
        for (int i = 1; i <= game.main + game.bonus; ++i)
            manager->txtNewNumber[i]->setText(QString::number(game.lowest() + i));
        whenModal<frmLotteryManager>([](frmLotteryManager *added) { added->cmdClose->click(); });
        manager->cmdAddDrawing->click();
    });
    user.chooseMenu(QStringLiteral("mnuLotteryManage"));
    user.activate();
    ASSERT_NE(board(), nullptr) << messages.texts().join(u'\n').toStdString();
    // The window kept ends where it ended; the new drawing is the newest of the list.
    EXPECT_EQ(user.number(QStringLiteral("cboEndDrawing")), newest.weekNo);
    user.choose(QStringLiteral("cboEndDrawing"), 0);
    for (int p = game.first; p <= game.lastShown(); ++p)
        EXPECT_EQ(user.number(at("lblDrawingNumber", p)), game.lowest() + p - game.first + 1) << p;
}

TEST_P(EveryBoard, HelpShowsOneGuideAndAboutAnswers)
{
    for (int twice = 0; twice < 2; ++twice)
        user.chooseMenu(QStringLiteral("mnuHelpContents"));
    int guides = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        guides += window->isVisible() && window->windowTitle() == resources::text(35012);
    EXPECT_EQ(guides, 1);
    bool about = false;
    whenModal<frmAbout>([&](frmAbout *dialog) {
        about = true;
        dialog->accept();
    });
    user.chooseMenu(QStringLiteral("mnuHelpAbout"));
    EXPECT_TRUE(about);
}

TEST_P(EveryBoard, PrintHandsTheBoardsReportToTheEditor)
{
    ASSERT_TRUE(world.useStandInEditor());
    QString report;
    setReportOpenerForTests([&](const QString &, const QString &path) {
        QFile file(path);
        report = file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
        return true;
    });
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("4"));
    user.click(QStringLiteral("cmdDraw"));
    user.chooseMenu(QStringLiteral("mnuFilePrintTicket"));
    setReportOpenerForTests({});
    app().gstrNotepadPath.clear();
    QString drawing;
    for (int p = game.first; p <= game.lastShown(); ++p)
        drawing += user.text(at("lblDrawingNumber", p)) + u' ';
    EXPECT_TRUE(report.startsWith(user.status(3) + QStringLiteral("\r\nDate: ") + user.text(QStringLiteral("cboDrawingDate"))))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("Drawing: ") + drawing + QStringLiteral("\r\n"))) << report.toStdString();
    EXPECT_TRUE(report.contains(user.text(at("txtResults", 0)) + QStringLiteral("\r\n")));
    EXPECT_EQ(report.contains(user.text(at("txtResults", 1))), !game.digits() || user.text(at("txtResults", 1)).isEmpty());
    EXPECT_TRUE(report.endsWith(user.lines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

INSTANTIATE_TEST_SUITE_P(Boards, EveryBoard, ::testing::ValuesIn(kBoards), gameName);

}  // namespace
