#include "analysis/clslotterydb.h"
#include "analysis/state.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "app/ui/clsrecordfile.h"
#include "app/ui/faulttext.h"
#include "app/uilanguage.h"
#include "dialogs/frmdatepicker.h"
#include "dialogs/frmlotterymanager.h"
#include "dialogs/driving.h"
#include "platform/dates.h"
#include "platform/ui/forms.h"
#include "support/modal.h"
#include "support/sampleworld.h"

#include <QCalendarWidget>
#include <QFile>
#include <QTableView>

namespace {

const QString kTitle = QStringLiteral("Lottery Database Management");
const QDate kNewestSampleDate(2025, 12, 31);

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int32_t maxWeek() { return gobjLotteryDb->fncGetMaxWeekNo().value(); }
QString box(int i) { return QStringLiteral("txtNewNumber(%1)").arg(i); }
QString text(const QObject *window, const QString &name) { return named<QLineEdit>(window, name)->text(); }

// The manager as Lottery > Manage leaves the program: the lottery's board settings saved (its last
// POWER over every drawing), the manager loaded and in front.
class LotteryManager : public ::testing::Test {
protected:
    frmLotteryManager *open(const QString &lottery)
    {
        world.open(lottery);
        glngStartWeek = 1;
        glngReferenceWeek = maxWeek();
        gstrDrawDate = dates::toShortText(gobjLotteryDb->fncGetMaxWeekDate().value());
        EXPECT_TRUE(fncSaveLotterySettings(nullptr));
        settingsFile = gstrRecordFilePath;
        gblnLotteryManagerOpen = true;
        return manager();
    }
    // The manager and its date picker closed, the lottery not reopened.
    static void closeManager()
    {
        DefaultInstance<frmDatePicker>::unload();
        DefaultInstance<frmLotteryManager>::unload();
    }
    static frmLotteryManager *manager()
    {
        frmLotteryManager *m = DefaultInstance<frmLotteryManager>::get();
        showActive(m);
        return m;
    }
    static void typeDrawing(frmLotteryManager *m, const QString &date, const QStringList &numbers)
    {
        typeInto(m, QStringLiteral("txtNewDate"), date);
        for (int i = 1; i <= numbers.size(); ++i)
            typeInto(m, box(i), numbers[i - 1]);
    }
    // Clicks `button`; the change made, the manager shows itself afresh (modally), is handed to
    // `inspect` and closed without reopening the lottery.
    static void clickShowsAfresh(frmLotteryManager *m, const QString &button,
                                 const std::function<void(frmLotteryManager *)> &inspect = {})
    {
        bool shown = false;
        whenModal<frmLotteryManager>([&](frmLotteryManager *fresh) {
            shown = fresh != m;
            if (inspect)
                inspect(fresh);
            DefaultInstance<frmLotteryManager>::unload();
        });
        click(m, button);
        EXPECT_TRUE(shown) << "no fresh manager after " << button.toStdString();
    }
    void TearDown() override { deleteUnloadedWindows(); }

    SampleWorld world;
    QString settingsFile;
};

}  // namespace

// Each game's boxes show the last drawing and take the next; markers stand above the bonus and
// second-drum boxes. ADD takes a drawing later than the last one with a number of its drum in
// every box, each ball once per drum (digits may repeat); otherwise it says what is wrong and
// keeps what was typed. A number box takes digits only and keeps no number outside its drum.
TEST_F(LotteryManager, EachGameShowsItsBoxesAndAddChecksTheDateAndTheNumbers)
{
    const QString early = res(31010), complete = res(30410), correct = res(30420);
    const struct {
        QString lottery;
        const char *date;
        QStringList numbers;
        QString refused;  // empty: taken
    } cases[] = {
        {SampleWorld::kLotto, "12/31/2025", {"3", "8", "17", "25", "33", "40", "12"}, early},
        {SampleWorld::kLotto, "12/30/2025", {"3", "8", "17", "25", "33", "40", "12"}, early},
        {SampleWorld::kLotto, "1/3/2026", {"3", "8", "17", "", "33", "40", "12"}, complete},
        {SampleWorld::kLotto, "1/3/2026", {"3", "8", "17", "50", "33", "40", "12"}, complete},  // 50 does not stay
        {SampleWorld::kLotto, "1/3/2026", {"3", "8", "17", "17", "33", "40", "12"}, correct},
        {SampleWorld::kLotto, "1/3/2026", {"3", "8", "17", "25", "33", "40", "40"}, correct},   // the bonus too
        {SampleWorld::kLotto, "1/1/2026", {"7", "8", "4a2", "25", "33", "40", "12"}, {}},
        {SampleWorld::kTwoDrum, "1/3/2026", {"1", "2", "3", "4", "5", "13", "2"}, complete},   // 13 does not stay
        {SampleWorld::kTwoDrum, "1/3/2026", {"1", "2", "3", "4", "5", "7", "7"}, correct},
        {SampleWorld::kTwoDrum, "1/3/2026", {"1", "2", "3", "4", "45", "5", "2"}, {}},          // drums apart
        {SampleWorld::kPick3, "1/1/2026", {"0", "0", "7"}, {}},
    };
    QString opened;
    for (const auto &c : cases) {
        SCOPED_TRACE(QString(c.lottery + u' ' + QString::fromLatin1(c.date) + u' ' + c.numbers.join(u' ')).toStdString());
        const int boxes = int(c.numbers.size());
        if (opened != c.lottery) {
            closeManager();
            world.closeBoard();
            frmLotteryManager *m = open(opened = c.lottery);
            const auto numbers = boxes == 3 ? gobjLotteryDb->fncGetDrawingNumbersFOR10(maxWeek()).value()
                                            : gobjLotteryDb->fncGetDrawingNumbers(maxWeek()).value();
            EXPECT_EQ(std::tuple(text(m, "txtLastWeekNo"), text(m, "txtNewWeekNo"), text(m, "txtLastDate")),
                      std::tuple(QString::number(maxWeek()), QString::number(maxWeek() + 1), QStringLiteral("12/31/2025")));
            for (int i = 1; i <= 8; ++i) {
                EXPECT_EQ(named(m, box(i))->isVisible(), i <= boxes) << i;
                if (i <= boxes)
                    EXPECT_EQ(text(m, QStringLiteral("txtLastNumber(%1)").arg(i)), QString::number(numbers[boxes == 3 ? i - 1 : i]));
            }
            EXPECT_EQ(named(m, "shpBonusSeparator(1)")->isVisible(), boxes == 7);
            EXPECT_EQ(named(m, "shpSecondBonusSeparator(1)")->isVisible(), c.lottery == SampleWorld::kTwoDrum);
            EXPECT_EQ(DefaultInstance<frmDatePicker>::existing()->calDrawingDate->selectedDate(), kNewestSampleDate);
        }
        const int32_t last = maxWeek();
        DefaultInstance<frmLotteryManager>::unload();
        frmLotteryManager *m = manager();
        typeDrawing(m, QString::fromLatin1(c.date), c.numbers);
        MessageBoxScript answers;
        if (c.refused.isEmpty()) {
            clickShowsAfresh(m, QStringLiteral("cmdAddDrawing"), [&](frmLotteryManager *fresh) {
                EXPECT_EQ(std::pair(text(fresh, "txtLastWeekNo"), text(fresh, "txtLastDate")),
                          std::pair(QString::number(last + 1), QString::fromLatin1(c.date)));
            });
            EXPECT_TRUE(answers.asked().empty());
            const auto added = boxes == 3 ? gobjLotteryDb->fncGetDrawingNumbersFOR10(last + 1).value()
                                          : gobjLotteryDb->fncGetDrawingNumbers(last + 1).value();
            for (int i = 0; i < boxes; ++i)
                EXPECT_EQ(added[boxes == 3 ? i : i + 1], QString(c.numbers[i]).remove(u'a').toInt()) << i;
        } else {
            click(m, QStringLiteral("cmdAddDrawing"));
            ASSERT_EQ(answers.asked().size(), 1u);
            EXPECT_EQ(std::tuple(answers.asked()[0].text, answers.asked()[0].title), std::tuple(c.refused, kTitle));
            EXPECT_EQ(text(m, box(7)), c.numbers[6]);  // what was typed stays
            EXPECT_EQ(text(m, box(4)), QString(c.numbers[3]).remove(QStringLiteral("50")));
            EXPECT_EQ(maxWeek(), last);
        }
    }
}

// DELETE asks first, then removes the last drawing; one within the window of the last POWER
// refreshes the lottery's settings, one after it leaves them. The only drawing stays.
TEST_F(LotteryManager, DeleteAsksThenRemovesTheLastDrawingAndRefreshesTheSettings)
{
    frmLotteryManager *m = open(SampleWorld::kLotto);
    const int32_t last = maxWeek();
    const QByteArray settings = fileBytes(settingsFile);
    {
        MessageBoxScript answers({msgbox::kCancel});
        click(m, QStringLiteral("cmdDelete"));
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].text, QStringLiteral("Drawing dated 12/31/2025 will permanently erased. Do you want to continue?"));
        EXPECT_EQ(std::pair(answers.asked()[0].style, answers.asked()[0].title), std::pair(msgbox::kOkCancelQuestion, kTitle));
        EXPECT_EQ(maxWeek(), last);
    }
    MessageBoxScript answers;
    clickShowsAfresh(m, QStringLiteral("cmdDelete"), [&](frmLotteryManager *fresh) {
        EXPECT_EQ(text(fresh, "txtLastWeekNo"), QString::number(last - 1));
    });
    EXPECT_EQ(maxWeek(), last - 1);
    const QByteArray refreshed = fileBytes(settingsFile);
    EXPECT_NE(refreshed, settings);
    glngReferenceWeek = last - 3;
    clickShowsAfresh(manager(), QStringLiteral("cmdDelete"));
    EXPECT_EQ(maxWeek(), last - 2);
    EXPECT_EQ(fileBytes(settingsFile), refreshed);

    ASSERT_TRUE(gobjLotteryDb->fncExecute(QStringLiteral("DELETE FROM TBLRESULTS WHERE WeekNo < %1").arg(last - 2)));
    m = manager();
    click(m, QStringLiteral("cmdDelete"));
    EXPECT_EQ(answers.texts().last(), res(31040));
    EXPECT_EQ(std::pair(maxWeek(), DefaultInstance<frmLotteryManager>::existing()), std::pair(last - 2, m));
}

// A database that fails: the change is not made and the user is told; one that cannot be read
// at all leaves CLOSE only. An empty table opens on drawing 1 with nothing to delete.
TEST_F(LotteryManager, FailuresAndAnEmptyTable)
{
    frmLotteryManager *m = open(SampleWorld::kLotto);
    typeDrawing(m, QStringLiteral("1/3/2026"), {"3", "8", "17", "25", "33", "40", "12"});
    gobjLotteryDb->subCloseConnection();
    MessageBoxScript answers;
    click(m, QStringLiteral("cmdAddDrawing"));
    click(m, QStringLiteral("cmdDelete"));
    const QString why = fncDatabaseFaultText(lotterydb::Fault::Other);
    EXPECT_EQ(answers.texts(), (QStringList{res(48050).arg(why), res(31020) + "12/31/2025" + res(31030), res(48060).arg(why)}));
    EXPECT_EQ(std::pair(DefaultInstance<frmLotteryManager>::existing(), text(m, box(7))), std::pair(m, QStringLiteral("12")));
    DefaultInstance<frmLotteryManager>::unload();
    m = manager();
    EXPECT_EQ(answers.texts().last(), res(48070).arg(why));
    EXPECT_FALSE(named(m, "cmdAddDrawing")->isEnabled() || named(m, "cmdDelete")->isEnabled());
    EXPECT_TRUE(named(m, "cmdClose")->isEnabled());

    closeManager();
    ASSERT_TRUE(gobjLotteryDb->subOpenConnection());
    ASSERT_TRUE(gobjLotteryDb->fncExecute(QStringLiteral("DELETE FROM TBLRESULTS")));
    m = manager();
    EXPECT_EQ(std::tuple(text(m, "txtLastWeekNo"), text(m, "txtLastDate"), text(m, "txtNewWeekNo")),
              std::tuple(QString(), QString(), QStringLiteral("1")));
    EXPECT_FALSE(named(m, "cmdDelete")->isEnabled());
    EXPECT_EQ(DefaultInstance<frmDatePicker>::existing()->calDrawingDate->selectedDate(), QDate::currentDate());
    typeDrawing(m, QStringLiteral("3/4/2020"), {"1", "2", "3", "4", "5", "6", "7"});
    clickShowsAfresh(m, QStringLiteral("cmdAddDrawing"), [](frmLotteryManager *fresh) {
        EXPECT_TRUE(text(fresh, "txtLastWeekNo") == "1" && named(fresh, "cmdDelete")->isEnabled());
    });
}

// The manager opens with the focus in the first number box; Escape and the title bar's close
// reopen the lottery.
TEST_F(LotteryManager, OpensInTheFirstBoxAndEscapeOrTheTitleBarCloseReopenTheLottery)
{
    open(SampleWorld::kLotto);
    DefaultInstance<frmLotteryManager>::unload();
    whenModal<frmLotteryManager>([](frmLotteryManager *m) {
        EXPECT_EQ(m->focusWidget(), named(m, box(1)));
        DefaultInstance<frmLotteryManager>::unload();
    });
    DefaultInstance<frmLotteryManager>::get()->Display();
    world.closeBoard();
    for (const bool escape : {true, false}) {
        frmLotteryManager *m = open(SampleWorld::kLotto);
        world.closeBoard();
        if (escape)
            pressKey(Qt::Key_Escape);
        else
            m->close();
        EXPECT_FALSE(gblnLotteryManagerOpen || DefaultInstance<frmLotteryManager>::exists()
                     || DefaultInstance<frmDatePicker>::exists());
        ASSERT_NE(world.board(), nullptr);
        world.closeBoard();
    }
}

// The picker opens beside the date button on the newest drawing date; OK writes its date into the
// box, CANCEL leaves the box. A text that is no date says why, then opens it; digits typed on the
// calendar change nothing (they used to open an editor that could go thousands of years back).
TEST_F(LotteryManager, TheDatePickerGivesTheDateAndABadDateOpensIt)
{
    frmLotteryManager *m = open(SampleWorld::kLotto);
    m->move(100, 80);
    // Answers the picker when it opens: keys typed on its calendar, then `button`.
    QDate opened;
    bool shown = false;
    const auto answerPicker = [&](const QString &button, const QString &typed) {
        shown = false;
        whenModal<frmDatePicker>([&, button, typed](frmDatePicker *picker) {
            const QPoint beside = named(m, "cmdPickDate")->mapToGlobal(QPoint(named(m, "cmdPickDate")->width(), 0));
            shown = std::abs(picker->pos().x() - beside.x()) < 12;
            showActive(picker);
            picker->calDrawingDate->findChild<QTableView *>()->setFocus();
            typeKeys(typed);
            pressKey(Qt::Key_Return);
            opened = picker->calDrawingDate->selectedDate();
            click(picker, button);
        });
    };
    answerPicker(QStringLiteral("cmdOK"), QStringLiteral("1234"));
    click(m, QStringLiteral("cmdPickDate"));
    EXPECT_TRUE(shown);
    EXPECT_EQ(opened, kNewestSampleDate);
    EXPECT_EQ(text(m, "txtNewDate"), QStringLiteral("12/31/2025"));

    MessageBoxScript answers;
    for (const char *typed : {"2/30/2026", "13/1/2026", "1/7", ""}) {
        typeDrawing(m, QString::fromLatin1(typed), {"3", "8", "17", "25", "33", "40", "12"});
        const size_t before = answers.asked().size();
        answerPicker(QStringLiteral("cmdCancel"), QStringLiteral("0"));
        click(m, QStringLiteral("cmdAddDrawing"));
        EXPECT_TRUE(shown && opened == kNewestSampleDate) << typed;
        EXPECT_EQ(text(m, "txtNewDate"), QString::fromLatin1(typed));
        if (!*typed)
            continue;
        const auto read = dates::readTypedDate(QString::fromLatin1(typed), QStringLiteral("M/d/yyyy"), QDate::currentDate().year());
        ASSERT_EQ(answers.asked().size(), before + 1) << typed;
        EXPECT_EQ(answers.asked().back().text, fncDateProblemText(QString::fromLatin1(typed), read, QStringLiteral("M/d/yyyy")));
    }
}

// Under every locale the dates are shown and typed in one numeric form, with any separator.
TEST_F(LotteryManager, DatesAreShownAndTypedInOneNumericFormUnderEveryLocale)
{
    const struct {
        const char *locale, *lastShown;       // 31 December 2025, the newest sample drawing
        std::vector<const char *> typed;      // 1, 2 ... January 2026
    } cases[] = {
        {"C", "2025-12-31", {"2026-01-01", "26-1-2"}},
        {"tr_TR", "31.12.2025", {"1.01.2026", "2/1/26"}},
        {"fr_FR", "31/12/2025", {"01/01/2026", "02-01-26"}},
    };
    const QLocale saved;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        SampleWorld samples;  // fresh sample databases for each locale
        samples.open(SampleWorld::kLotto);
        gblnLotteryManagerOpen = true;
        MessageBoxScript answers;
        for (int day = 1; day <= int(c.typed.size()); ++day) {
            frmLotteryManager *m = manager();
            EXPECT_EQ(text(m, "txtLastDate"), day == 1 ? QString::fromLatin1(c.lastShown) : dates::toShortText(QDate(2026, 1, day - 1)));
            typeDrawing(m, QString::fromLatin1(c.typed[size_t(day - 1)]), {"3", "8", "17", "25", "33", "40", "12"});
            EXPECT_EQ(text(m, "txtNewDate"), QString::fromLatin1(c.typed[size_t(day - 1)]));
            clickShowsAfresh(m, QStringLiteral("cmdAddDrawing"));
            EXPECT_EQ(gobjLotteryDb->fncGetMaxWeekDate().value(), QDate(2026, 1, day));
        }
        EXPECT_TRUE(answers.asked().empty()) << answers.texts().join(u'\n').toStdString();
        DefaultInstance<frmLotteryManager>::unload();
        deleteUnloadedWindows();
    }
    QLocale::setDefault(saved);
}
