#include "analysis/clslotterydb.h"
#include "analysis/state.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/ui/faulttext.h"
#include "app/services.h"
#include "app/uilanguage.h"
#include "app/ui/clsrecordfile.h"
#include "dialogs/frmdatepicker.h"
#include "dialogs/frmlotterymanager.h"
#include "platform/dates.h"
#include "platform/twips.h"
#include "platform/ui/forms.h"
#include "support/modal.h"
#include "support/sampleworld.h"

#include <QCalendarWidget>
#include <QImage>
#include <QTableView>
#include <QFile>
#include <QTest>

namespace {

const QString kTitle = QStringLiteral("Lottery Database Management");
const QDate kNewestSampleDate(2025, 12, 31);

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int32_t maxWeek() { return gobjLotteryDb->fncGetMaxWeekNo().value(); }

// The manager as Lottery > Manage leaves the program: the lottery's board gone (its settings
// saved), the start window in front, the manager loaded.
class LotteryManager : public ::testing::Test {
protected:
    void open(const QString &lottery)
    {
        world.open(lottery);
        // The board's last POWER ran over every drawing.
        glngStartWeek = 1;
        glngReferenceWeek = maxWeek();
        gstrDrawDate = dates::toShortText(gobjLotteryDb->fncGetMaxWeekDate().value());
        ASSERT_TRUE(fncSaveLotterySettings(nullptr));
        settingsFile = gstrRecordFilePath;
        gblnLotteryManagerOpen = true;
    }
    frmLotteryManager *manager() { return DefaultInstance<frmLotteryManager>::get(); }
    void fill(frmLotteryManager *m, const QString &date, const QStringList &numbers)
    {
        m->txtNewDate->setText(date);
        for (int i = 1; i <= numbers.size(); ++i)
            m->txtNewNumber[i]->setText(numbers[i - 1]);
    }
    // Runs an ADD or DELETE that succeeds: the fresh form that shows afterwards is handed to
    // `inspect` and closed without reopening the lottery.
    void expectShownAfresh(const std::function<void()> &action, const std::function<void(frmLotteryManager *)> &inspect)
    {
        frmLotteryManager *before = DefaultInstance<frmLotteryManager>::existing();
        bool shown = false;
        whenModal<frmLotteryManager>([&](frmLotteryManager *fresh) {
            shown = true;
            EXPECT_NE(fresh, before);
            inspect(fresh);
            DefaultInstance<frmLotteryManager>::unload();
        });
        action();
        EXPECT_TRUE(shown);
    }
    void TearDown() override { deleteUnloadedWindows(); }

    SampleWorld world;
    QString settingsFile;
};

}  // namespace

TEST_F(LotteryManager, OpensOnTheLastDrawingWithTheBoxesOfTheGame)
{
    open(SampleWorld::kLotto);
    const int32_t last = maxWeek();
    const auto numbers = gobjLotteryDb->fncGetDrawingNumbers(last).value();
    frmLotteryManager *m = manager();
    EXPECT_EQ(m->windowTitle(), QStringLiteral("Lottery Management"));
    EXPECT_EQ(m->txtLastWeekNo->text(), QString::number(last));
    EXPECT_EQ(m->txtNewWeekNo->text(), QString::number(last + 1));
    EXPECT_EQ(m->txtLastDate->text(), QStringLiteral("12/31/2025"));
    EXPECT_FALSE(m->txtLastWeekNo->isEnabled());
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(m->txtLastNumber[i]->text(), QString::number(numbers[i])) << i;
        EXPECT_TRUE(m->txtNewNumber[i]->Visible());
        EXPECT_EQ(m->txtNewNumber[i]->text(), QString());
    }
    EXPECT_FALSE(m->txtNewNumber[8]->Visible());
    // "610": the bonus marker stands above box 7 of both rows.
    EXPECT_TRUE(m->shpBonusSeparator[0]->Visible());
    EXPECT_EQ(m->shpBonusSeparator[0]->Left(), 3360);
    EXPECT_EQ(m->shpBonusSeparator[1]->Left(), 3365);
    EXPECT_FALSE(m->shpSecondBonusSeparator[0]->Visible());
    EXPECT_EQ(m->lblLotteryHeader->caption(), QStringLiteral("Sample Country - Sample Lotto 6/49 - Lotto 6/49 + Bonus"));
    EXPECT_EQ(m->lastDrawing()[7], numbers[7]);
    // The date picker is loaded hidden with the form, on the newest drawing date.
    ASSERT_TRUE(DefaultInstance<frmDatePicker>::exists());
    EXPECT_FALSE(DefaultInstance<frmDatePicker>::existing()->isVisible());
    EXPECT_EQ(DefaultInstance<frmDatePicker>::existing()->calDrawingDate->selectedDate(), kNewestSampleDate);
}

TEST_F(LotteryManager, AddRefusesAnEarlyDateOrABadNumberAndTakesTheRest)
{
    open(SampleWorld::kLotto);
    const int32_t last = maxWeek();
    frmLotteryManager *m = manager();
    const QString early = res(31010), complete = res(30410), correct = res(30420);
    const struct {
        const char *date;
        QStringList numbers;
        QString message;
        int style;
    } cases[] = {
        {"12/31/2025", {"3", "8", "17", "25", "33", "40", "12"}, early, 0},  // not later than the last drawing
        {"12/30/2025", {"3", "8", "17", "25", "33", "40", "12"}, early, 0},
        {"1/3/2026", {"3", "8", "17", "", "33", "40", "12"}, complete, 64},
        {"1/3/2026", {"3", "8", "17", "x", "33", "40", "12"}, complete, 64},
        {"1/3/2026", {"3", "8", "17", "2.5", "33", "40", "12"}, complete, 64},
        {"1/3/2026", {"3", "8", "17", "0", "33", "40", "12"}, correct, 64},
        {"1/3/2026", {"3", "8", "17", "50", "33", "40", "12"}, correct, 64},
        {"1/3/2026", {"3", "8", "17", "17", "33", "40", "12"}, correct, 64},  // a main number twice
        {"1/3/2026", {"3", "8", "17", "25", "33", "40", "40"}, correct, 64},  // the bonus repeats a main number
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString(QString::fromLatin1(c.date) + u' ' + c.numbers.join(u' ')).toStdString());
        MessageBoxScript answers;
        fill(m, QString::fromLatin1(c.date), c.numbers);
        m->cmdAddDrawing_Click();
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].text, c.message);
        EXPECT_EQ(answers.asked()[0].style, c.style);
        EXPECT_EQ(answers.asked()[0].title, kTitle);
        EXPECT_EQ(m->txtNewNumber[7]->text(), c.numbers[6]);  // what was typed stays
    }
    EXPECT_EQ(maxWeek(), last);

    // The day after is taken; blanks around a number are no fault.
    MessageBoxScript answers;
    fill(m, QStringLiteral("1/1/2026"), {" 7 ", "8", "17", "25", "33", "40", "12"});
    expectShownAfresh([&] { m->cmdAddDrawing_Click(); }, [&](frmLotteryManager *fresh) {
        EXPECT_EQ(fresh->txtLastWeekNo->text(), QString::number(last + 1));
        EXPECT_EQ(fresh->txtLastDate->text(), QStringLiteral("1/1/2026"));
    });
    EXPECT_TRUE(answers.asked().empty());
    const auto added = gobjLotteryDb->fncGetDrawingNumbers(last + 1).value();
    EXPECT_EQ(added[1], 7);
    EXPECT_EQ(added[7], 12);
}

TEST_F(LotteryManager, NumberBoxesKeepTheirLastGoodValue)
{
    open(SampleWorld::kLotto);
    frmLotteryManager *m = manager();
    VbTextBox *box = m->txtNewNumber[3];
    box->setText(QStringLiteral("12"));
    EXPECT_EQ(box->backColor(), 0xC0FFFFu);
    m->txtNewNumber_GotFocus(3);
    EXPECT_EQ(box->text(), QString());  // entering a box empties it
    m->txtNewNumber_LostFocus(3);
    EXPECT_EQ(box->text(), QStringLiteral("12"));

    m->txtNewNumber_GotFocus(3);
    box->setText(QStringLiteral("99"));
    EXPECT_EQ(box->backColor(), 0xFFFFFFu);
    m->txtNewNumber_LostFocus(3);
    EXPECT_EQ(box->text(), QStringLiteral("12"));

    VbTextBox *empty = m->txtNewNumber[4];
    m->txtNewNumber_GotFocus(4);
    empty->setText(QStringLiteral("99"));
    m->txtNewNumber_LostFocus(4);
    EXPECT_EQ(empty->text(), QString());

    m->show();
    m->txtNewNumber[5]->setFocus();
    QTest::keyClicks(m->txtNewNumber[5], QStringLiteral("4a2"));
    EXPECT_EQ(m->txtNewNumber[5]->text(), QStringLiteral("42"));
}

TEST_F(LotteryManager, TwoDrumGamesCheckTheSecondDrumAgainstItsOwnBalls)
{
    open(SampleWorld::kTwoDrum);  // 5/50 + 2/12
    const int32_t last = maxWeek();
    frmLotteryManager *m = manager();
    EXPECT_EQ(frmLotteryManager::fncBoxRange(5), std::make_pair(1, 50));
    EXPECT_EQ(frmLotteryManager::fncBoxRange(6), std::make_pair(1, 12));
    EXPECT_TRUE(m->shpSecondBonusSeparator[1]->Visible());
    EXPECT_EQ(m->shpBonusSeparator[1]->Left(), m->txtNewNumber[6]->Left());
    EXPECT_EQ(m->shpSecondBonusSeparator[1]->Left(), m->txtNewNumber[7]->Left());
    EXPECT_FALSE(m->txtNewNumber[8]->Visible());
    // The two markers of a row are painted apart: the window shows between them.
    for (int row = 0; row <= 1; ++row) {
        const QWidget *first = m->shpBonusSeparator[row];
        const QWidget *second = m->shpSecondBonusSeparator[row];
        const QImage shown = m->grab().toImage();
        const int y = first->geometry().center().y();
        const QColor marker = shown.pixelColor(first->geometry().center().x(), y);
        bool apart = false;
        for (int x = first->geometry().center().x(); x <= second->geometry().center().x(); ++x)
            apart = apart || shown.pixelColor(x, y) != marker;
        EXPECT_TRUE(apart) << row;
    }

    m->txtNewNumber_GotFocus(6);
    m->txtNewNumber[6]->setText(QStringLiteral("13"));
    m->txtNewNumber_LostFocus(6);
    EXPECT_EQ(m->txtNewNumber[6]->text(), QString());

    for (const QStringList &numbers : {QStringList{"1", "2", "3", "4", "5", "13", "2"}, QStringList{"1", "2", "3", "4", "5", "7", "7"}}) {
        MessageBoxScript answers;
        fill(m, QStringLiteral("1/3/2026"), numbers);
        m->cmdAddDrawing_Click();
        EXPECT_EQ(answers.texts(), QStringList{res(30420)}) << numbers.join(u' ').toStdString();
    }
    // The drums are apart: a main number may equal a second-drum number.
    fill(m, QStringLiteral("1/3/2026"), {"1", "2", "3", "4", "5", "5", "2"});
    expectShownAfresh([&] { m->cmdAddDrawing_Click(); }, [](frmLotteryManager *) {});
    EXPECT_EQ(maxWeek(), last + 1);
}

TEST_F(LotteryManager, DigitGamesTakeZeroAndRepeatedDigits)
{
    open(SampleWorld::kPick3);
    const int32_t last = maxWeek();
    frmLotteryManager *m = manager();
    EXPECT_TRUE(m->txtNewNumber[3]->Visible());
    EXPECT_FALSE(m->txtNewNumber[4]->Visible());
    EXPECT_FALSE(m->shpBonusSeparator[1]->Visible());
    const auto digits = gobjLotteryDb->fncGetDrawingNumbersFOR10(last).value();
    EXPECT_EQ(m->txtLastNumber[1]->text(), QString::number(digits[0]));
    fill(m, QStringLiteral("1/1/2026"), {"0", "0", "7"});
    expectShownAfresh([&] { m->cmdAddDrawing_Click(); }, [](frmLotteryManager *) {});
    const auto added = gobjLotteryDb->fncGetDrawingNumbersFOR10(last + 1).value();
    EXPECT_EQ(added[0], 0);
    EXPECT_EQ(added[1], 0);
    EXPECT_EQ(added[2], 7);
}

TEST_F(LotteryManager, DeleteAsksThenRemovesTheLastDrawingAndRefreshesTheSettings)
{
    open(SampleWorld::kLotto);
    const int32_t last = maxWeek();
    const QByteArray settings = fileBytes(settingsFile);
    frmLotteryManager *m = manager();
    {
        MessageBoxScript answers({msgbox::kCancel});
        m->cmdDelete_Click();
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].text, res(31020) + QStringLiteral("12/31/2025") + res(31030));
        EXPECT_EQ(answers.asked()[0].style, 33);
        EXPECT_EQ(answers.asked()[0].title, kTitle);
        EXPECT_EQ(maxWeek(), last);
    }
    MessageBoxScript answers({msgbox::kOk});
    expectShownAfresh([&] { m->cmdDelete_Click(); }, [&](frmLotteryManager *fresh) {
        EXPECT_EQ(fresh->txtLastWeekNo->text(), QString::number(last - 1));
    });
    EXPECT_EQ(maxWeek(), last - 1);
    // The deleted drawing lay within the saved analysis window: the settings follow the database.
    const QByteArray refreshed = fileBytes(settingsFile);
    EXPECT_NE(refreshed, settings);

    // A drawing after the window of the last POWER leaves them alone.
    glngReferenceWeek = last - 3;
    expectShownAfresh([&] { manager()->cmdDelete_Click(); }, [](frmLotteryManager *) {});
    EXPECT_EQ(maxWeek(), last - 2);
    EXPECT_EQ(fileBytes(settingsFile), refreshed);
}

TEST_F(LotteryManager, TheOnlyDrawingIsNeverDeleted)
{
    open(SampleWorld::kLotto);
    const int32_t last = maxWeek();
    ASSERT_TRUE(gobjLotteryDb->fncExecute(QStringLiteral("DELETE FROM TBLRESULTS WHERE WeekNo < %1").arg(last)));
    MessageBoxScript answers({msgbox::kOk});
    frmLotteryManager *m = manager();
    m->cmdDelete_Click();
    ASSERT_EQ(answers.asked().size(), 2u);
    EXPECT_EQ(answers.asked()[1].text, res(31040));
    EXPECT_EQ(answers.asked()[1].style, 0);
    EXPECT_EQ(maxWeek(), last);
    EXPECT_TRUE(DefaultInstance<frmLotteryManager>::existing() == m);
}

TEST_F(LotteryManager, AnEmptyTableOpensCleanlyAndTakesDrawingOne)
{
    open(SampleWorld::kLotto);
    ASSERT_TRUE(gobjLotteryDb->fncExecute(QStringLiteral("DELETE FROM TBLRESULTS")));
    MessageBoxScript answers;
    frmLotteryManager *m = manager();
    EXPECT_TRUE(answers.asked().empty());
    EXPECT_EQ(m->txtLastWeekNo->text(), QString());
    EXPECT_EQ(m->txtLastDate->text(), QString());
    EXPECT_EQ(m->txtNewWeekNo->text(), QStringLiteral("1"));
    EXPECT_FALSE(m->cmdDelete->isEnabled());
    EXPECT_EQ(DefaultInstance<frmDatePicker>::existing()->calDrawingDate->selectedDate(), QDate::currentDate());
    fill(m, QStringLiteral("3/4/2020"), {"1", "2", "3", "4", "5", "6", "7"});
    expectShownAfresh([&] { m->cmdAddDrawing_Click(); }, [](frmLotteryManager *fresh) {
        EXPECT_EQ(fresh->txtLastWeekNo->text(), QStringLiteral("1"));
        EXPECT_TRUE(fresh->cmdDelete->isEnabled());
    });
    EXPECT_EQ(maxWeek(), 1);
}

TEST_F(LotteryManager, AFailedChangeShowsAnErrorAndGoesNoFurther)
{
    open(SampleWorld::kLotto);
    const QByteArray settings = fileBytes(settingsFile);
    frmLotteryManager *m = manager();
    fill(m, QStringLiteral("1/3/2026"), {"3", "8", "17", "25", "33", "40", "12"});
    gobjLotteryDb->subCloseConnection();
    {
        MessageBoxScript answers({msgbox::kOk});
        m->cmdAddDrawing_Click();
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].text, res(48050).arg(fncDatabaseFaultText(lotterydb::Fault::Other)));
        m->cmdDelete_Click();
        ASSERT_EQ(answers.asked().size(), 3u);
        EXPECT_EQ(answers.asked()[2].text, res(48060).arg(fncDatabaseFaultText(lotterydb::Fault::Other)));
    }
    EXPECT_EQ(DefaultInstance<frmLotteryManager>::existing(), m);  // not shown afresh
    EXPECT_EQ(m->txtNewNumber[7]->text(), QStringLiteral("12"));
    EXPECT_EQ(fileBytes(settingsFile), settings);

    // A database that cannot be read at all: the form says so and offers CLOSE only.
    DefaultInstance<frmLotteryManager>::unload();
    MessageBoxScript answers;
    frmLotteryManager *unreadable = manager();
    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(answers.asked()[0].text, res(48070).arg(fncDatabaseFaultText(lotterydb::Fault::Other)));
    EXPECT_FALSE(unreadable->cmdAddDrawing->isEnabled());
    EXPECT_FALSE(unreadable->cmdDelete->isEnabled());
    EXPECT_TRUE(unreadable->cmdClose->isEnabled());
}

TEST_F(LotteryManager, EscapeAndTheTitleBarCloseReopenTheLottery)
{
    open(SampleWorld::kLotto);
    IBoard *before = currentBoard();
    before->unloadBoard();
    gfrmCurrentBoard = nullptr;
    frmLotteryManager *m = manager();
    m->show();
    m->txtNewNumber[1]->setFocus();
    QTest::keyClick(m->txtNewNumber[1], Qt::Key_Escape);
    EXPECT_FALSE(gblnLotteryManagerOpen);
    EXPECT_FALSE(DefaultInstance<frmLotteryManager>::exists());
    EXPECT_FALSE(DefaultInstance<frmDatePicker>::exists());
    ASSERT_NE(world.board(), nullptr);
    EXPECT_NE(currentBoard(), before);

    world.board()->unloadBoard();
    gfrmCurrentBoard = nullptr;
    gblnLotteryManagerOpen = true;
    frmLotteryManager *again = manager();
    again->show();
    again->close();
    EXPECT_FALSE(gblnLotteryManagerOpen);
    EXPECT_NE(world.board(), nullptr);
}

TEST_F(LotteryManager, DatePickerOkTakesTheCalendarDateAndCancelKeepsTheBox)
{
    open(SampleWorld::kLotto);
    frmLotteryManager *m = manager();
    m->show();
    m->move(100, 80);
    QPoint pickerAt;
    whenModal<frmDatePicker>([&](frmDatePicker *picker) {
        pickerAt = picker->pos();
        EXPECT_EQ(picker->calDrawingDate->selectedDate(), kNewestSampleDate);
        picker->cmdOK->click();
    });
    m->cmdPickDate_Click();
    EXPECT_EQ(m->txtNewDate->text(), QStringLiteral("12/31/2025"));
    EXPECT_EQ(m->txtNewDate->backColor(), 0xC0FFFFu);
    EXPECT_FALSE(DefaultInstance<frmDatePicker>::exists());
    // 50 twips right of the button's right edge, 275 twips below its top, from the window's corner.
    const QPoint corner = m->frameGeometry().topLeft();
    EXPECT_EQ(pickerAt, corner + QPoint(twips::toPixels(5455 + 300 + 50), twips::toPixels(1200 + 275)));

    m->txtNewDate->setText(QStringLiteral("1/2/2026"));
    whenModal<frmDatePicker>([](frmDatePicker *picker) {
        picker->calDrawingDate->setSelectedDate(QDate(2026, 2, 1));
        picker->cmdCancel->click();
    });
    m->cmdPickDate_Click();
    EXPECT_EQ(m->txtNewDate->text(), QStringLiteral("1/2/2026"));
    // Each opening starts again from the newest drawing date.
    QDate opened;
    whenModal<frmDatePicker>([&](frmDatePicker *picker) {
        opened = picker->calDrawingDate->selectedDate();
        picker->cmdCancel->click();
    });
    m->cmdPickDate_Click();
    EXPECT_EQ(opened, kNewestSampleDate);
}

TEST_F(LotteryManager, DatesAreShownAndTypedInOneNumericFormUnderEveryLocale)
{
    struct Case {
        const char *locale;
        const char *lastShown;                // 31 December 2025, the newest sample drawing
        std::vector<const char *> typed;      // 1, 2, 3 ... January 2026, typed key by key
    };
    const Case cases[] = {
        {"C", "2025-12-31", {"2026-01-01", "26-1-2", "2026.1.3"}},
        {"en_US", "12/31/2025", {"1/1/2026", "1/2/26", "01/03/26"}},
        {"tr_TR", "31.12.2025", {"1.01.2026", "2.1.26", "3/1/26"}},
        {"fr_FR", "31/12/2025", {"01/01/2026", "2/1/26", "03-01-26"}},
    };
    const QLocale saved;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        // Fresh sample databases for each locale.
        SampleWorld samples;
        samples.open(SampleWorld::kLotto);
        gblnLotteryManagerOpen = true;
        MessageBoxScript answers;
        int day = 0;
        for (const char *typed : c.typed) {
            ++day;
            frmLotteryManager *m = manager();
            const QString expectedLast = day == 1 ? QString::fromLatin1(c.lastShown)
                                                  : dates::toShortText(QDate(2026, 1, day - 1));
            EXPECT_EQ(m->txtLastDate->text(), expectedLast);
            fill(m, QString(), {"3", "8", "17", "25", "33", "40", "12"});
            m->txtNewDate->setFocus();
            QTest::keyClicks(m->txtNewDate, QString::fromLatin1(typed));
            EXPECT_EQ(m->txtNewDate->text(), QString::fromLatin1(typed));  // the key filter lets every key through
            EXPECT_EQ(m->txtNewDate->backColor(), 0xC0FFFFu) << typed;
            expectShownAfresh([&] { m->cmdAddDrawing_Click(); }, [](frmLotteryManager *) {});
            EXPECT_EQ(gobjLotteryDb->fncGetMaxWeekDate().value(), QDate(2026, 1, day)) << typed;
        }
        EXPECT_TRUE(answers.asked().empty());
        DefaultInstance<frmLotteryManager>::unload();
        deleteUnloadedWindows();
    }
    QLocale::setDefault(saved);
}

// An impossible date says why, then opens the picker; a missing date opens it at once.
TEST_F(LotteryManager, ABadDateOpensThePickerAndKeepsTheBox)
{
    open(SampleWorld::kLotto);
    const int32_t last = maxWeek();
    MessageBoxScript answers;
    frmLotteryManager *m = manager();
    for (const char *typed : {"2/30/2026", "13/1/2026", "1/7", "//"}) {
        const bool missing = QString::fromLatin1(typed) == QStringLiteral("//");
        fill(m, QString::fromLatin1(typed), {"3", "8", "17", "25", "33", "40", "12"});
        EXPECT_EQ(m->txtNewDate->backColor(), 0xFFFFFFu);
        const size_t before = answers.asked().size(), told = missing ? 0 : 1;
        bool picked = false;
        whenModal<frmDatePicker>([&](frmDatePicker *picker) {
            picked = answers.asked().size() == before + told;  // the reason came first
            picker->cmdCancel->click();
        });
        m->cmdAddDrawing_Click();
        EXPECT_TRUE(picked) << typed;
        ASSERT_EQ(answers.asked().size(), before + told) << typed;
        EXPECT_EQ(m->txtNewDate->text(), QString::fromLatin1(typed));
        if (missing)
            continue;
        const dates::TypedDate read = dates::readTypedDate(QString::fromLatin1(typed), QStringLiteral("M/d/yyyy"),
                                                           QDate::currentDate().year());
        EXPECT_EQ(answers.asked().back().text, fncDateProblemText(QString::fromLatin1(typed), read, QStringLiteral("M/d/yyyy")));
        EXPECT_EQ(answers.asked().back().title, kTitle);
    }
    EXPECT_EQ(maxWeek(), last);
}

// The calendar is picked with the mouse and the arrow keys. Digits typed on it change nothing:
// they used to open an editor that showed a garbled date and could move the calendar to a year
// thousands of years back.
TEST_F(LotteryManager, DigitsTypedOnTheCalendarLeaveItsDate)
{
    open(SampleWorld::kLotto);
    frmLotteryManager *m = manager();
    for (int language : {2, 1, 3}) {
        SCOPED_TRACE(language);
        glngLanguage = language;
        QDate picked;
        whenModal<frmDatePicker>([&](frmDatePicker *picker) {
            QWidget *days = picker->calDrawingDate->findChild<QTableView *>();
            ASSERT_NE(days, nullptr);
            days->setFocus();
            QTest::keyClicks(days, QStringLiteral("1234"));
            QTest::keyClick(days, Qt::Key_Return);
            QTest::keyClicks(days, QStringLiteral("0"));
            QTest::keyClick(days, Qt::Key_Return);
            picked = picker->calDrawingDate->selectedDate();
            picker->cmdOK->click();
        });
        m->cmdPickDate_Click();
        EXPECT_EQ(picked, kNewestSampleDate);
    }
    glngLanguage = 2;
}
