// The dialogs over the sample lotteries, driven as a user drives them: lottery management with its
// date picker, the file dialog of tickets and lotteries, and the program under faults (a lottery
// without drawings, a full disk, a database another program holds).

#include "analysis/clslotterydb.h"
#include "analysis/openlottery.h"
#include "dialogs/lotteryswitch.h"
#include "dialogs/programmessage.h"
#include "app/boardsettings.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "app/clsrecordfile.h"
#include "app/faulttext.h"
#include "app/uilanguage.h"
#include "dialogs/driving.h"
#include "dialogs/frmdatepicker.h"
#include "dialogs/frmfilemanager.h"
#include "dialogs/frmlotterymanager.h"
#include "dialogs/frmstart.h"
#include "dialogs/helpandreport.h"
#include "platform/dates.h"
#include "platform/ui/forms.h"
#include "support/arriving.h"
#include "support/boarduser.h"
#include "support/faults.h"
#include "support/modal.h"
#include "support/sampleworld.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDir>
#include <QListView>
#include <QPointer>
#include <QTableView>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

const QDate kNewest(2025, 12, 31);  // of the sample drawings
const QStringList kDrawing{"3", "8", "17", "25", "33", "40", "12"};
const QStringList kLines{QStringLiteral("01- 3 8 17 25 33 40 (2)"), QStringLiteral("02- 1 9 12 30 41 49 (3+1)")};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

int32_t maxWeek() { return app().gobjLotteryDb->fncGetMaxWeekNo().value(); }
QString box(int i) { return QStringLiteral("txtNewNumber(%1)").arg(i); }

// The program with the sample lotteries.
class Dialogs : public ::testing::Test {
protected:
    void TearDown() override { deleteUnloadedWindows(); }

    // The manager as Lottery > Manage leaves the program: the lottery's board settings saved (its
    // last POWER over every drawing, or what `atBoard` did), the manager in front; closed without
    // the lottery reopened.
    frmLotteryManager *open(const QString &lottery, const std::function<void(BoardUser &)> &atBoard = {})
    {
        world.open(lottery);
        if (atBoard) {
            BoardUser user(world);
            atBoard(user);
        }
        EXPECT_TRUE(fncSaveLotterySettings(nullptr));
        app().gblnLotteryManagerOpen = true;
        return manager();
    }
    // The manager, loaded for the lottery of the board in front (when it was not loaded yet).
    static frmLotteryManager *manager(bool fresh = false)
    {
        if (fresh)
            close();
        const bool made = !DefaultInstance<frmLotteryManager>::exists();
        frmLotteryManager *m = DefaultInstance<frmLotteryManager>::get();
        if (made)
            m->load(currentBoard()->openLottery());
        showActive(m);
        return m;
    }
    static void close()
    {
        DefaultInstance<frmDatePicker>::unload();
        DefaultInstance<frmLotteryManager>::unload();
    }
    static void typeDrawing(frmLotteryManager *m, const QString &date, const QStringList &numbers)
    {
        typeInto(m, QStringLiteral("txtNewDate"), date);
        for (int i = 1; i <= numbers.size(); ++i)
            typeInto(m, box(i), numbers[i - 1]);
    }
    // Clicks `button`; the change made, the manager shows itself afresh (modally) and is handed to
    // `inspect`, then closed.
    static void clickShowsAfresh(frmLotteryManager *m, const char *button, const std::function<void(frmLotteryManager *)> &inspect)
    {
        bool fresh = false;
        whenModal<frmLotteryManager>([&](frmLotteryManager *shown) {
            fresh = shown != m;
            inspect(shown);
            DefaultInstance<frmLotteryManager>::unload();
        });
        click(m, button);
        EXPECT_TRUE(fresh) << "no fresh manager after " << button;
    }

    // Chooses the board's menu item and runs `steps` on the file dialog while it is up; true when
    // they closed it (else it is closed afterwards).
    bool throughMenu(const char *menu, const std::function<void(frmFileManager *)> &steps)
    {
        bool closed = false;
        whenModal<frmFileManager>([&](frmFileManager *dialog) {
            showActive(dialog);
            steps(dialog);
            closed = !DefaultInstance<frmFileManager>::exists();
            DefaultInstance<frmFileManager>::unload();
        });
        named<QAction>(world.board(), menu)->trigger();
        deleteUnloadedWindows();
        return closed;
    }
    // The name typed (or picked from the list when it holds blanks), then the dialog's one action.
    bool act(const char *menu, const QString &name, const char *button)
    {
        return throughMenu(menu, [&](frmFileManager *dialog) {
            name.contains(u' ') ? pick(dialog, name) : typeInto(dialog, "txtName", name);
            click(dialog, button);
        });
    }
    bool save(const QString &name) { return act("mnuTicketSave", name, "cmdSave"); }
    static void pick(frmFileManager *dialog, const QString &name, bool twice = false)
    {
        auto *list = named<QListView>(dialog, "lstNames");
        const auto found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(found[0]).center());
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(found[0]).center());
    }
    // What the named box holds after `text` came into it in each way, the box emptied before.
    static QStringList broughtEachWay(const QObject *window, const QString &box, const QString &text)
    {
        QStringList taken;
        for (Arrival way : kArrivals) {
            typeInto(window, box, QString());
            bring(text, way);
            taken << shown(window, box);
        }
        return taken;
    }
    static QStringList eachWay(const QString &text) { return QStringList(std::size(kArrivals), text); }
    QString recordOf(const QString &name) const { return app().gstrSavedTicketsFolder + name + QStringLiteral("SM01"); }
    QString textOf(const QString &name) const { return app().gstrSavedTicketsFolder + QStringLiteral("M01_") + name + ".txt"; }

    SampleWorld world;
    const std::unique_ptr<QTimer> watch = watchModals();
};

class LotteryManager : public Dialogs {};
class Faults : public Dialogs {};
class FileManager : public Dialogs {  // over the open sample lotto with a ticket of two columns
protected:
    void SetUp() override
    {
        world.open(SampleWorld::kLotto);
        // The two columns of kLines added as guesses, then compared with a guess of which the
        // first column holds two numbers and the second three and the bonus number.
        user.tick(QStringLiteral("chkCompareWithGuess"), true);
        const auto guess = [this](const QStringList &numbers) {
            for (int p = 1; p <= numbers.size(); ++p)
                user.type(BoardUser::at(QStringLiteral("txtGuess"), p), numbers[p - 1]);
        };
        for (const QString &line : kLines) {
            guess(line.split(u' ').mid(1, 6));
            user.click(QStringLiteral("cmdAdd"));
        }
        guess({"3", "8", "1", "9", "12", "2", "30"});
        user.click(QStringLiteral("cmdCompare"));
    }

    BoardUser user{world};
};

}  // namespace

// Each game's boxes show the last drawing and take the next, with markers above the bonus and
// second-drum boxes; the picker waits on the newest date. ADD takes a drawing later than the last
// with a number of its drum in every box, each ball once per drum (digits may repeat); else it
// says what is wrong and keeps what was typed. A number box takes digits only and does not keep a
// number outside its drum.
TEST_F(LotteryManager, EachGameShowsItsBoxesAndAddChecksTheDateAndTheNumbers)
{
    const QString early = res(31010), complete = res(30410), correct = res(30420);
    const QString lotto = SampleWorld::kLotto, twoDrum = SampleWorld::kTwoDrum;
    const struct {
        QString lottery;
        const char *date;
        QStringList numbers;
        QString refused;  // empty: taken
    } cases[] = {
        {lotto, "12/31/2025", kDrawing, early}, {lotto, "12/30/2025", kDrawing, early},
        {lotto, "1/3/2026", {"3", "8", "17", "", "33", "40", "12"}, complete},
        {lotto, "1/3/2026", {"3", "8", "17", "50", "33", "40", "12"}, complete},
        {lotto, "1/3/2026", {"3", "8", "17", "17", "33", "40", "12"}, correct},
        {lotto, "1/3/2026", {"3", "8", "17", "25", "33", "40", "40"}, correct},  // the bonus too
        {lotto, "1/1/2026", {"7", "8", "4a2", "25", "33", "40", "12"}, {}},
        {twoDrum, "1/3/2026", {"1", "2", "3", "4", "5", "13", "2"}, complete},
        {twoDrum, "1/3/2026", {"1", "2", "3", "4", "5", "7", "7"}, correct},
        {twoDrum, "1/3/2026", {"1", "2", "3", "4", "45", "5", "2"}, {}},  // the drums apart
        {SampleWorld::kPick3, "1/1/2026", {"0", "0", "7"}, {}},
    };
    QString opened;
    for (const auto &c : cases) {
        SCOPED_TRACE(QString(QString::fromLatin1(c.date) + u' ' + c.numbers.join(u' ')).toStdString());
        const int boxes = int(c.numbers.size()), first = boxes == 3 ? 0 : 1;
        const GameLayout layout = boxes == 3   ? GameLayout::digits(3)
                                                 : boxes == 7 ? GameLayout::twoDrum(50, 5, 12, 2)
                                                              : GameLayout::lotto(49, 6, 1);
        const auto drawing = [layout](int32_t week) { return app().gobjLotteryDb->fncGetDrawingNumbers(week, layout).value(); };
        if (opened != c.lottery) {
            close();
            world.closeBoard();
            frmLotteryManager *m = open(opened = c.lottery);
            EXPECT_EQ(std::tuple(shown(m, "txtLastWeekNo"), shown(m, "txtNewWeekNo"), shown(m, "txtLastDate")),
                      std::tuple(QString::number(maxWeek()), QString::number(maxWeek() + 1), "12/31/2025"));
            EXPECT_EQ(named<QCalendarWidget>(DefaultInstance<frmDatePicker>::existing(), "calDrawingDate")->selectedDate(), kNewest);
            for (int i = 1; i <= 8; ++i)
                EXPECT_EQ(std::pair(named(m, box(i))->isVisible(), shown(m, QStringLiteral("txtLastNumber(%1)").arg(i))),
                          std::pair(i <= boxes, i <= boxes ? QString::number(drawing(maxWeek())[i - 1 + first]) : QString()));
            EXPECT_EQ(named(m, "shpBonusSeparator(1)")->isVisible(), boxes == 7);
            EXPECT_EQ(named(m, "shpSecondBonusSeparator(1)")->isVisible(), c.lottery == twoDrum);
        }
        const int32_t last = maxWeek();
        frmLotteryManager *m = manager(true);
        typeDrawing(m, QString::fromLatin1(c.date), c.numbers);
        MessageBoxScript answers;
        if (c.refused.isEmpty()) {
            clickShowsAfresh(m, "cmdAddDrawing", [&](frmLotteryManager *fresh) {
                EXPECT_EQ(std::pair(shown(fresh, "txtLastWeekNo"), shown(fresh, "txtLastDate")),
                          std::pair(QString::number(last + 1), QString::fromLatin1(c.date)));
            });
            for (int i = 0; i < boxes; ++i)
                EXPECT_EQ(drawing(last + 1)[i + first], QString(c.numbers[i]).remove(u'a').toInt()) << i;
        } else {
            click(m, "cmdAddDrawing");
            ASSERT_EQ(answers.texts(), QStringList{c.refused});  // else the manager is gone
            EXPECT_EQ(std::tuple(shown(m, box(7)), shown(m, box(4)), maxWeek()), std::tuple(c.numbers[6], QString(c.numbers[3]).remove("50"), last));
        }
    }
    // Composed (dead keys), pasted or dropped, the boxes take what typing takes.
    frmLotteryManager *m = manager(true);
    EXPECT_EQ(broughtEachWay(m, box(1), QStringLiteral("\u00B34\u00EA\"2")), eachWay("42"));
    EXPECT_EQ(broughtEachWay(m, "txtNewDate", QStringLiteral("1/\u00EA3/2026 ")), eachWay("1/3/2026"));
}

// DELETE asks first, then removes the last drawing. One within the window of the last POWER
// refreshes the lottery's settings: the new newest drawing becomes the end drawing, with its date,
// and the start drawing too when the window started at the deleted one; no other slot changes.
// One after the window leaves the file byte for byte.
TEST_F(LotteryManager, DeleteAsksThenRemovesTheLastDrawingAndRefreshesTheSettings)
{
    // The window counted back from the newest drawing, the date of the newest drawing (deleted) and
    // of the one before (the sample draws on Wednesdays and Saturdays up to Wednesday 12/31/2025).
    const struct {
        int start, end;
        const char *deleted;
        QDate newest;  // invalid: the file stays
    } cases[] = {{10, 0, "12/31/2025", QDate(2025, 12, 27)}, {0, 0, "12/27/2025", QDate(2025, 12, 24)},
                 {10, 1, "12/24/2025", QDate()}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.start);
        close();
        world.closeBoard();
        frmLotteryManager *m = open(SampleWorld::kLotto, [&](BoardUser &user) {
            user.choose(QStringLiteral("cboEndDrawing"), c.end);
            user.choose(QStringLiteral("cboStartDrawing"), c.start);
            user.click(QStringLiteral("cmdPower"));
        });
        const int32_t last = maxWeek();
        const QByteArray settings = fileBytes(app().gstrRecordFilePath);
        QString error;
        BoardSettingsRecord expected = readRecordFile(app().gstrRecordFilePath, &error).value_or(BoardSettingsRecord());
        ASSERT_EQ(std::pair(expected[0], expected[2]), std::pair(VbVariant::fromInt32(last - c.start), VbVariant::fromInt32(last - c.end)));
        if (c.newest.isValid()) {
            expected[1] = VbVariant::fromDate(c.newest);
            expected[2] = VbVariant::fromInt32(last - 1);
            expected[0] = c.start == 0 ? expected[2] : expected[0];
        }
        MessageBoxScript answers({msgbox::kCancel});
        click(m, "cmdDelete");
        EXPECT_EQ(std::tuple(answers.texts(), answers.asked()[0].style, answers.asked()[0].title, maxWeek()),
                  std::tuple(QStringList{QStringLiteral("Drawing dated %1 will permanently erased. Do you want to continue?").arg(c.deleted)},
                             33, "Lottery Database Management", last));
        clickShowsAfresh(m, "cmdDelete", [&](frmLotteryManager *fresh) { EXPECT_EQ(shown(fresh, "txtLastWeekNo").toInt(), last - 1); });
        const auto after = readRecordFile(app().gstrRecordFilePath, &error);
        ASSERT_TRUE(after.has_value()) << error.toStdString();
        EXPECT_EQ(std::tuple((*after)[0], (*after)[1], (*after)[2], maxWeek()), std::tuple(expected[0], expected[1], expected[2], last - 1));
        EXPECT_TRUE(*after == expected);
        EXPECT_TRUE(c.newest.isValid() || fileBytes(app().gstrRecordFilePath) == settings);
    }
}

// A database that fails, held by another program or closed: the change is not made and the user
// is told in plain words above the manager (the statement and the engine's words go to the log);
// one that cannot be read at all leaves CLOSE only. The only drawing is never deleted, and no
// drawing number follows the highest one.
TEST_F(LotteryManager, FailuresAreToldAndGoNoFurther)
{
    frmLotteryManager *m = open(SampleWorld::kLotto);
    typeDrawing(m, QStringLiteral("1/3/2026"), kDrawing);
    MessageBoxScript answers;
    {
        DatabaseHolder other(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile);
        ASSERT_TRUE(other.held());
        click(m, "cmdAddDrawing");
    }
    const QString log = QString::fromLatin1(fileBytes(app().gstrLogFilePath));
    EXPECT_TRUE(log.contains("#Message: 44810") && log.contains("#Detail: ") && log.contains("INSERT INTO TBLRESULTS"));
    app().gobjLotteryDb->subCloseConnection();
    click(m, "cmdDelete");
    const QString why = fncDatabaseFaultText(lotterydb::Fault::Other), question = res(31020) + "12/31/2025" + res(31030);
    EXPECT_EQ(answers.texts(), (QStringList{res(48050).arg(fncDatabaseFaultText(lotterydb::Fault::Locked)), question, res(48060).arg(why)}));
    EXPECT_EQ(std::tuple(answers.asked()[0].parent, answers.asked()[2].parent, DefaultInstance<frmLotteryManager>::existing(), shown(m, box(7))),
              std::tuple(m, m, m, "12"));
    m = manager(true);
    EXPECT_EQ(std::tuple(answers.texts().last(), named(m, "cmdAddDrawing")->isEnabled(), named(m, "cmdDelete")->isEnabled()),
              std::tuple(res(48070).arg(why), false, false));
    close();
    ASSERT_TRUE(app().gobjLotteryDb->subOpenConnection(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile));
    ASSERT_TRUE(app().gobjLotteryDb->fncExecute(QStringLiteral("DELETE FROM TBLRESULTS WHERE WeekNo < %1").arg(maxWeek())));
    click(manager(), "cmdDelete");
    EXPECT_EQ(std::pair(answers.texts().mid(4), app().gobjLotteryDb->fncGetDrawingCount().value()), std::pair(QStringList{question, res(31040)}, 1));
    EXPECT_EQ(std::tuple(fncNextWeekNo(std::nullopt), fncNextWeekNo(119), fncNextWeekNo(2147483647)),
              std::tuple(std::optional(1), std::optional(120), std::optional<int32_t>()));
}

// The manager opens with the focus in the first number box. A text that is no date says why, then
// opens the picker beside the date button on the newest drawing date; digits typed on its calendar
// change nothing (they used to open an editor that could go thousands of years back); CANCEL
// leaves the box, OK writes the date into it. Escape closes the manager and reopens the lottery.
TEST_F(LotteryManager, TheDatePickerAndTheWaysIn)
{
    frmLotteryManager *m = open(SampleWorld::kLotto);
    EXPECT_EQ(m->focusWidget(), named(m, box(1)));
    MessageBoxScript answers;
    for (const char *typed : {"2/30/2026", "13/1/2026", "1/7", ""}) {
        typeDrawing(m, QString::fromLatin1(typed), kDrawing);
        QDate opened;
        whenModal<frmDatePicker>([&](frmDatePicker *picker) {
            EXPECT_LT(std::abs(picker->pos().x() - named(m, "cmdPickDate")->mapToGlobal(QPoint(30, 0)).x()), 30);
            showActive(picker);
            named<QCalendarWidget>(picker, "calDrawingDate")->findChild<QTableView *>()->setFocus();
            typeKeys(QStringLiteral("1234"));
            pressKey(Qt::Key_Return);
            opened = named<QCalendarWidget>(picker, "calDrawingDate")->selectedDate();
            click(picker, *typed ? "cmdCancel" : "cmdOK");
        });
        const QStringList before = answers.texts();
        click(m, "cmdAddDrawing");
        EXPECT_EQ(std::pair(opened, shown(m, "txtNewDate")), std::pair(kNewest, QString(*typed ? typed : "12/31/2025")));
        const auto read = dates::readTypedDate(QString::fromLatin1(typed), QStringLiteral("M/d/yyyy"), QDate::currentDate().year());
        const QString why = fncDateProblemText(QString::fromLatin1(typed), read, QStringLiteral("M/d/yyyy"));
        EXPECT_EQ(answers.texts(), *typed ? before + QStringList{why} : before);
    }
    world.closeBoard();
    showActive(m);
    pressKey(Qt::Key_Escape);
    EXPECT_FALSE(app().gblnLotteryManagerOpen || DefaultInstance<frmLotteryManager>::exists() || DefaultInstance<frmDatePicker>::exists());
    EXPECT_NE(world.board(), nullptr);
}

// Names take the characters a file name may hold, at most 199; a change that brings another in
// (text the program puts in) is rolled back. SAVE asks, then writes the record and the text file; over an existing
// ticket it asks with No as the default, and No keeps the dialog and the old ticket.
TEST_F(FileManager, NamesAreFilteredAndSaveWritesBothFilesAskingBeforeOverwriting)
{
    throughMenu("mnuTicketSave", [](frmFileManager *dialog) {
        auto *name = named<QLineEdit>(dialog, "txtName");
        typeInto(dialog, "txtName", QStringLiteral("we k/1?x:*\"<>|\\'^ş"));
        name->insert(QStringLiteral("a/b"));
        EXPECT_EQ(name->text(), QStringLiteral("wek1x'^"));
        typeInto(dialog, "txtName", QString(198, u'n') + QStringLiteral("xy"));
        pressKey(Qt::Key_Backspace);
        EXPECT_EQ(name->text(), QString(198, u'n'));
        // Composed (dead keys), pasted or dropped, a name is what typing it gives: letters beyond
        // those of the set are refused as typed ones are.
        EXPECT_EQ(broughtEachWay(dialog, "txtName", QStringLiteral("\u015Fans k/1?x'^\u00E9")), eachWay("ansk1x'^"));
    });
    MessageBoxScript answers({msgbox::kYes, msgbox::kNo, msgbox::kYes});
    EXPECT_TRUE(save(QStringLiteral("week1")));
    EXPECT_EQ(std::tuple(answers.asked()[0].text, answers.asked()[0].style, answers.asked()[0].title, app().gstrTicketName),
              std::tuple("The ticket will be saved as: week1", 36, "SAVE Information", "week1"));
    EXPECT_EQ(std::pair(QFileInfo(recordOf("week1")).isFile(), fileBytes(textOf("week1"))),
              std::pair(true, QByteArray("2\r\n01- 3 8 17 25 33 40 (2)\r\n02- 1 9 12 30 41 49 (3+1)\r\n")));
    user.selectLine(1);
    user.click(QStringLiteral("cmdDelete"));
    EXPECT_FALSE(save(QStringLiteral("week1")));
    EXPECT_EQ(std::tuple(answers.asked()[1].text, answers.asked()[1].style, fileBytes(textOf("week1")).left(3)),
              std::tuple("The ticket named week1 already exists. Do you want to overwrite?", 292, "2\r\n"));
    EXPECT_TRUE(save(QStringLiteral("week1")));
    EXPECT_EQ(fileBytes(textOf("week1")), QByteArray("1\r\n01- 3 8 17 25 33 40 (2)\r\n"));
}

// LOAD builds the board afresh with the ticket's columns; DELETE (also a double click on a name)
// removes both files and stays open; a name is found in its own letter case only.
TEST_F(FileManager, LoadAndDeleteATicketByName)
{
    MessageBoxScript answers({msgbox::kYes, msgbox::kYes, msgbox::kYes, msgbox::kYes});
    save(QStringLiteral("week1"));
    save(QStringLiteral("week2"));
    QPointer<BoardBase> before = world.board();
    EXPECT_TRUE(act("mnuTicketLoad", QStringLiteral("week1"), "cmdLoad"));
    BoardBase *after = world.board();
    ASSERT_TRUE(after && (before.isNull() || (after != before && !before->isVisible())));
    EXPECT_EQ(std::tuple(answers.texts().last(), user.lines(), after->windowTitle().endsWith(" (week1 -  Loaded Ticket)")),
              std::tuple("Ticket week1 will be loaded.", kLines, true));
    EXPECT_FALSE(throughMenu("mnuTicketDelete", [&](frmFileManager *dialog) {
        pick(dialog, QStringLiteral("week1"), true);
        EXPECT_EQ(std::tuple(answers.texts().last(), shown(dialog, "txtName"), named<QListView>(dialog, "lstNames")->model()->rowCount()),
                  std::tuple("Saved ticket week1 will be deleted.", QString(), 1));
        typeInto(dialog, "txtName", QStringLiteral("Week2"));
        click(dialog, "cmdDelete");
        EXPECT_EQ(answers.texts().last(), QStringLiteral("Ticket Week2 could not be found"));
    }));
    EXPECT_TRUE(!QFile::exists(recordOf("week1")) && !QFile::exists(textOf("week1")) && QFile::exists(recordOf("week2")));
}

// A ticket listed under a name longer than typing allows (its files made elsewhere) is picked
// whole: LOAD finds it, and DELETE removes it rather than the ticket named by its first 199
// characters.
TEST_F(FileManager, ALongListedNameIsTakenWhole)
{
    const QString longName(220, u'n'), shortName(199, u'n');
    for (const QString &name : {longName, shortName}) {
        QFile record(recordOf(name));
        ASSERT_TRUE(record.open(QIODevice::WriteOnly) && record.write("x") == 1);
    }
    MessageBoxScript answers({msgbox::kNo, msgbox::kYes});
    throughMenu("mnuTicketLoad", [&](frmFileManager *dialog) {
        pick(dialog, longName);
        EXPECT_EQ(shown(dialog, "txtName"), longName);
        click(dialog, "cmdLoad");
    });
    EXPECT_EQ(answers.texts(), QStringList{QStringLiteral("Ticket %1 will be loaded.").arg(longName)});
    throughMenu("mnuTicketDelete", [&](frmFileManager *dialog) {
        pick(dialog, longName);
        click(dialog, "cmdDelete");
    });
    EXPECT_EQ(std::pair(QFile::exists(recordOf(longName)), QFile::exists(recordOf(shortName))), std::pair(false, true));
}

// DELETE keeps a ticket the user made read-only, as SAVE does, whichever of its files is: both
// files stay and the user is told. The superuser's right to pass file permissions is laid down.
TEST_F(FileManager, DeleteKeepsAReadOnlyTicketWholeAndSaysSo)
{
    MessageBoxScript answers({msgbox::kYes, msgbox::kYes, msgbox::kOk, msgbox::kYes});
    ASSERT_TRUE(save(QStringLiteral("kept")));
    const QString told = res(48010).arg("kept", QDir::toNativeSeparators(app().gstrSavedTicketsFolder));
    for (const QString &file : {recordOf("kept"), textOf("kept")}) {
        ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct held[2] = {}, without[2] = {};
        ASSERT_EQ(syscall(SYS_capget, &header, held), 0);
        std::copy(held, held + 2, without);
        without[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        ASSERT_EQ(syscall(SYS_capset, &header, without), 0);
        act("mnuTicketDelete", QStringLiteral("kept"), "cmdDelete");
        EXPECT_EQ(syscall(SYS_capset, &header, held), 0);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        EXPECT_EQ(std::tuple(QFile::exists(recordOf("kept")), QFile::exists(textOf("kept")), answers.texts().last()),
                  std::tuple(true, true, told)) << file.toStdString();
    }
}

// A ticket whose text file cannot be written leaves no half ticket and keeps its old name; so with
// the folder gone while the dialog is open. The dialog stays open.
TEST_F(FileManager, AFailedSaveLeavesNoHalfTicketAndTheDialogOpen)
{
    MessageBoxScript answers({msgbox::kYes, msgbox::kYes, msgbox::kYes, msgbox::kYes});
    QDir().mkpath(textOf("blocked"));  // a folder where the text file would go
    EXPECT_FALSE(save(QStringLiteral("blocked")));
    EXPECT_EQ(answers.texts().last(), res(49050).arg("blocked", fncWriteFaultText(filewrite::Fault::Other)));
    EXPECT_FALSE(QFile::exists(recordOf("blocked")) || app().gstrTicketName == "blocked");
    EXPECT_FALSE(throughMenu("mnuTicketSave", [&](frmFileManager *dialog) {
        QDir(app().gstrSavedTicketsFolder).removeRecursively();
        typeInto(dialog, "txtName", QStringLiteral("gone"));
        click(dialog, "cmdSave");
    }));
    EXPECT_EQ(answers.texts().last(), res(49050).arg("gone", fncWriteFaultText(filewrite::Fault::Missing)));
}

// A folder whose sync the file system does not support (EINVAL) saves as any other; a disk that
// fails at the sync says so, and the ticket saved before stays whole.
TEST_F(FileManager, AFolderThatCannotBeSyncedSavesAndAFailingDiskSaysSo)
{
    MessageBoxScript answers({msgbox::kYes, msgbox::kYes});
    {
        FolderSyncFailure unsupported(EINVAL);
        EXPECT_TRUE(save(QStringLiteral("week1")));
    }
    const QByteArray saved = fileBytes(recordOf("week1")) + fileBytes(textOf("week1"));
    user.selectLine(1);
    user.click(QStringLiteral("cmdDelete"));
    {
        FolderSyncFailure failing(EIO);
        EXPECT_FALSE(save(QStringLiteral("week1")));
    }
    EXPECT_EQ(answers.texts().last(), res(49050).arg("week1", fncWriteFaultText(filewrite::Fault::Device)));
    EXPECT_EQ(fileBytes(recordOf("week1")) + fileBytes(textOf("week1")), saved);
    EXPECT_EQ(QDir(app().gstrSavedTicketsFolder).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// A save whose files both took their places but whose last folder sync the disk failed does not
// say the old files stand: it says the new ones may not be kept, and lists the ticket.
TEST_F(FileManager, ASaveTheDiskDoesNotConfirmSaysTheTicketsFilesAreNew)
{
    MessageBoxScript answers({msgbox::kYes});
    static std::optional<FolderSyncFailure> failing;
    filewrite::setStepHook([](filewrite::Step step) {
        if (step == filewrite::Step::SecondCommitted)
            failing.emplace(EIO);
    });
    int listed = 0;
    EXPECT_FALSE(throughMenu("mnuTicketSave", [&](frmFileManager *dialog) {
        typeInto(dialog, "txtName", QStringLiteral("week1"));
        click(dialog, "cmdSave");
        listed = named<QListView>(dialog, "lstNames")->model()->rowCount();
    }));
    filewrite::setStepHook(nullptr);
    failing.reset();
    EXPECT_EQ(std::tuple(answers.texts().last(), listed, fileBytes(textOf("week1")).left(3)),
              std::tuple(res(49060).arg("week1", fncWriteFaultText(filewrite::Fault::Device)), 1, QByteArray("2\r\n")));
}

// A name whose files would pass the file system's limit of 255 bytes on a name, counting the names
// a save makes beside them (a letter such as "ş" takes two bytes), is refused before anything is
// asked or written, in the user's language; the longest that fits is saved. A save makes names
// up to 14 bytes longer than a file's (the note's new contents, "<file>.TALVINOR-note"), and the
// text file "M01_<name>.txt" is the longer of the two: 233 bytes of name fit, 234 do not.
TEST_F(FileManager, ANameTooLongForTheFilesOfItsSaveIsRefusedBeforeTheSave)
{
    const QString fits = QString(116, QChar(0x15F)) + u'a', tooLong = fits + u'a';
    for (const QString &name : {fits, tooLong})  // tickets saved before, under names a list can show
        ASSERT_TRUE(filewrite::writeWhole(recordOf(name), "old"));
    app().glngLanguage = 3;
    MessageBoxScript answers({msgbox::kOk, msgbox::kYes});
    EXPECT_FALSE(throughMenu("mnuTicketSave", [&](frmFileManager *dialog) {
        pick(dialog, tooLong);
        click(dialog, "cmdSave");
    }));
    EXPECT_EQ(answers.texts(), QStringList{res(49560)});
    EXPECT_TRUE(res(49560).startsWith(QStringLiteral("Le nom de la grille est trop long")));
    EXPECT_EQ(std::pair(fileBytes(recordOf(tooLong)), QFile::exists(textOf(tooLong))), std::pair(QByteArray("old"), false));
    EXPECT_TRUE(throughMenu("mnuTicketSave", [&](frmFileManager *dialog) {
        pick(dialog, fits);
        click(dialog, "cmdSave");
    }));
    EXPECT_EQ(std::pair(answers.texts().size(), fileBytes(textOf(fits)).left(3)), std::pair(qsizetype(2), QByteArray("2\r\n")));
}

// Another lottery whose file suffix ends alike ("XM01") names its tickets' text files as the
// sample lotto does. SAVE refuses a name whose text file is such a ticket's and writes nothing;
// a text file no lottery's record claims (a record differing in letter case claims none) is
// saved over as before. DELETE of a ticket both lotteries saved leaves the text file and the
// other's record.
TEST_F(FileManager, ATicketOfAnotherLotteryWithTheSameTextFileIsNeitherReplacedNorDeleted)
{
    const QString folder = app().gstrSavedTicketsFolder;
    const QByteArray other("1\r\n01- 4 5 6 7 8 9 (0)\r\n");
    for (const char *name : {"week1", "both"})
        ASSERT_TRUE(filewrite::writeWhole(folder + name + "XM01", "other record"));
    ASSERT_TRUE(filewrite::writeWhole(textOf("week1"), other));
    ASSERT_TRUE(filewrite::writeWhole(folder + "leftXm01", "not of a lottery"));
    ASSERT_TRUE(filewrite::writeWhole(textOf("left"), other));
    MessageBoxScript answers({msgbox::kOk, msgbox::kYes, msgbox::kYes, msgbox::kYes});
    EXPECT_FALSE(save(QStringLiteral("week1")));
    EXPECT_EQ(answers.texts(), QStringList{res(49070).arg("week1")});
    EXPECT_EQ(std::pair(QFile::exists(recordOf("week1")), fileBytes(textOf("week1"))), std::pair(false, other));
    EXPECT_TRUE(save(QStringLiteral("left")));
    EXPECT_EQ(fileBytes(textOf("left")).left(3), QByteArray("2\r\n"));
    ASSERT_TRUE(save(QStringLiteral("both")));
    EXPECT_FALSE(act("mnuTicketDelete", QStringLiteral("both"), "cmdDelete"));
    EXPECT_EQ(std::tuple(QFile::exists(recordOf("both")), QFile::exists(textOf("both")), fileBytes(folder + "bothXM01")),
              std::tuple(false, true, QByteArray("other record")));
}

// At an opening the board shows the columns of the last ticket's text file only beside this
// lottery's record of the ticket, not those of another lottery's ticket of that name.
TEST_F(Dialogs, AnOpeningShowsTheLastTicketOnlyBesideThisLotterysRecordOfIt)
{
    ASSERT_TRUE(filewrite::writeWhole(app().gstrSavedTicketsFolder + "week1XM01", "other record"));
    ASSERT_TRUE(filewrite::writeWhole(textOf("week1"), "1\r\n01- 4 5 6 7 8 9 (0)\r\n"));
    app().gstrTicketName = QStringLiteral("week1");
    world.open(SampleWorld::kLotto);
    EXPECT_EQ(BoardUser(world).lines(), QStringList());
    world.closeBoard();
    ASSERT_TRUE(filewrite::writeWhole(recordOf("week1"), "record"));
    world.open(SampleWorld::kLotto);
    EXPECT_EQ(BoardUser(world).lines(), QStringList{"01- 4 5 6 7 8 9 (0)"});
}

// Lottery > Load, whatever ticket request came before: the lottery already open only closes the
// dialog, another one opens on its board. Escape reaches the dialog from its name box.
TEST_F(FileManager, LotteryLoadOpensTheChosenLottery)
{
    MessageBoxScript answers({msgbox::kYes, msgbox::kYes});
    QPointer<BoardBase> before = world.board();
    app().gblnTicketLoad = app().gblnTicketMode = true;
    EXPECT_TRUE(act("mnuLotteryLoad", QStringLiteral("Sample Lotto 6-49"), "cmdLoad"));
    EXPECT_EQ(std::tuple(answers.texts(), world.board(), app().gblnTicketLoad || app().gblnTicketMode),
              std::tuple(QStringList{"The lottery named Sample Lotto 6-49 will be loaded."}, before.data(), false));
    EXPECT_TRUE(throughMenu("mnuLotteryLoad", [](frmFileManager *dialog) {
        click(dialog, "txtName");
        pressKey(Qt::Key_Escape);
    }));
    EXPECT_TRUE(act("mnuLotteryLoad", QStringLiteral("Sample Two-Drum 5-50 + 2-12"), "cmdLoad"));
    EXPECT_EQ(std::pair(world.board() ? world.board()->lottery().gstrGameCode : QString(),
                        world.board() && world.board()->findChild<QWidget *>(QStringLiteral("chkPowerIntervalBONUS"))),
              std::pair(QStringLiteral("2P520"), true));
}

// A report the editor could not be started with goes at once, and the program's end removes no
// file another program makes under its name later.
TEST_F(Faults, AReportTheEditorDidNotTakeIsRemovedAndForgotten)
{
    world.open(SampleWorld::kLotto);
    ASSERT_TRUE(world.useStandInEditor());
    QString handed;
    setReportOpenerForTests([&](const QString &, const QString &path) {
        handed = path;
        return false;
    });
    BoardUser user(world);
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("4"));
    user.click(QStringLiteral("cmdDraw"));
    user.chooseMenu(QStringLiteral("mnuFilePrintTicket"));
    app().gstrNotepadPath.clear();
    ASSERT_FALSE(handed.isEmpty());
    EXPECT_FALSE(QFile::exists(handed));
    QFile other(handed);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    subRemoveReportFiles();
    EXPECT_TRUE(QFile::exists(handed));
    QFile::remove(handed);
}

// A report the user changed and saved in the editor is the user's: the program's end removes only
// the reports that still hold what the program wrote.
TEST_F(Faults, AReportTheUserSavedInTheEditorOutlivesTheProgram)
{
    world.open(SampleWorld::kLotto);
    ASSERT_TRUE(world.useStandInEditor());
    QStringList handed;
    setReportOpenerForTests([&](const QString &, const QString &path) {
        handed << path;
        return true;
    });
    BoardUser user(world);
    user.type(QStringLiteral("txtColumnsToDraw"), QStringLiteral("4"));
    user.click(QStringLiteral("cmdDraw"));
    user.chooseMenu(QStringLiteral("mnuFilePrintTicket"));
    user.chooseMenu(QStringLiteral("mnuFilePrintTicket"));
    setReportOpenerForTests({});
    app().gstrNotepadPath.clear();
    ASSERT_EQ(handed.size(), 2);
    ASSERT_TRUE(QFile::exists(handed[0]) && QFile::exists(handed[1]));
    // The editor saves the first report with the user's note added.
    QFile edited(handed[0]);
    ASSERT_TRUE(edited.open(QIODevice::Append));
    ASSERT_EQ(edited.write("my note\r\n"), 9);
    edited.close();
    const QByteArray saved = fileBytes(handed[0]);

    subRemoveReportFiles();
    EXPECT_EQ(std::pair(fileBytes(handed[0]), QFile::exists(handed[1])), std::pair(saved, false));
    QFile::remove(handed[0]);
}

// A lottery just added has no drawings. Opening it, by Lottery > Load or at start-up, shows its
// notice once, in a box held by the new board, which is shown; the start window, hidden while the
// board loads, is left active by a window manager slow to move the focus (as on X11, where a box
// that took the active window for its parent went down with the start window's deletion).
TEST_F(Faults, ALotteryWithoutDrawingsOpensWithItsNoticeAboveItsBoard)
{
    struct SlowFocus : QObject {
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (auto *start = dynamic_cast<frmStart *>(watched); start && event->type() == QEvent::Hide)
                QApplication::setActiveWindow(start);
            return false;
        }
    } windowManager;
    qApp->installEventFilter(&windowManager);
    for (const bool startUp : {false, true}) {
        if (!startUp)
            world.open(SampleWorld::kLotto);
        world.writeLottery(GameConfigRecord{1, QStringLiteral("Lotto 6/49"), 49, 0, 0, 6, 0, 0}, SampleWorld::drawings({}));
        MessageBoxScript answers;
        app().gstrLastLotteryDbFile = startUp ? SampleWorld::kTestLottery : app().gstrLastLotteryDbFile;
        app().gstrLotteryDbFile = startUp ? QString() : SampleWorld::kTestLottery;
        subOpenSelectedLottery();
        ASSERT_NE(world.board(), nullptr);
        EXPECT_EQ(std::tuple(answers.texts(), answers.asked()[0].parent, world.board()->isVisible(), world.board()->lottery().glngTotalWeeks),
                  std::tuple(QStringList{res(46080)}, static_cast<QWidget *>(world.board()), true, 0));
        world.closeBoard();
    }
}

// The lottery's settings on a full disk: the old file stays, and one sentence in the user's
// language, the reason within it, says so above the board.
TEST_F(Faults, TheLotterySettingsOnAFullDiskAreKeptAndTheUserIsTold)
{
    world.open(SampleWorld::kLotto);
    ASSERT_TRUE(fncSaveLotterySettings(world.board()));
    const QByteArray before = fileBytes(app().gstrRecordFilePath);
    BoardUser user(world);
    const bool equalChance = user.ticked(QStringLiteral("chkEqualChance"));
    user.click(QStringLiteral("chkEqualChance"));
    ASSERT_NE(user.ticked(QStringLiteral("chkEqualChance")), equalChance);
    app().glngLanguage = 3;
    MessageBoxScript answers;
    const bool saved = [&] {
        FileSizeLimit full(0);
        return fncSaveLotterySettings(world.board());
    }();
    ASSERT_EQ(answers.texts(), QStringList{QString::fromUtf8(
        "Les réglages de la grille de la loterie Sample Lotto 6-49 n'ont pas pu être enregistrés : il n'y a plus de "
        "place sur le disque (le disque est plein ou le fichier dépasserait la taille permise).")});
    EXPECT_EQ(std::tuple(saved, answers.asked().at(0).parent, fileBytes(app().gstrRecordFilePath)), std::tuple(false, world.board(), before));
}
