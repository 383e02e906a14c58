// The windows under faults: real message boxes above the window they belong to, failed writes
// told with their reason, database failures in plain words, settings records of another game, the
// highest drawing number.

#include "analysis/clslotterydb.h"
#include "analysis/state.h"
#include "analysis/ticketfile.h"
#include "analysis/ui/clsanalysis.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "app/ui/clsrecordfile.h"
#include "app/ui/clswindowontop.h"
#include "app/ui/faulttext.h"
#include "dialogs/frmfilemanager.h"
#include "dialogs/frmstart.h"
#include "dialogs/frmlotterymanager.h"
#include "platform/dates.h"
#include "platform/ui/forms.h"
#include "support/faults.h"
#include "support/sampleworld.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <gtest/gtest.h>
#include <limits>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

// Shows the program's real message boxes (no test seam) and answers each one that comes to the
// front, noting what it was and which window held it.
class RealMessageBoxes {
public:
    struct Seen {
        QString text;
        QPointer<QWidget> parent;
        bool parentVisible = false;
        bool onTop = false;
    };

    explicit RealMessageBoxes(std::deque<QMessageBox::StandardButton> answers = {}) : answers_(std::move(answers))
    {
        msgbox::setHook({});
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }
    ~RealMessageBoxes() { msgbox::setHook(answerOk()); }

    const std::vector<Seen> &seen() const { return seen_; }

private:
    // Afterwards every box is answered OK through the seam again.
    static msgbox::Hook answerOk()
    {
        return [](const msgbox::Request &) { return msgbox::kOk; };
    }
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == last_ || !box->isVisible())
            return;
        last_ = box;
        QWidget *parent = box->parentWidget();
        seen_.push_back({box->text(), parent, parent && parent->isVisible(),
                         box->windowFlags().testFlag(Qt::WindowStaysOnTopHint)});
        const auto which = answers_.empty() ? QMessageBox::Ok : answers_.front();
        if (!answers_.empty())
            answers_.pop_front();
        if (QAbstractButton *button = box->button(which))
            button->click();
        else
            box->reject();
    }

    std::deque<QMessageBox::StandardButton> answers_;
    std::vector<Seen> seen_;
    QPointer<QMessageBox> last_;
    QTimer timer_;
};

// A window manager that is slow to move the focus: the start window, hidden while a board loads,
// stays the active window, as it did on X11 when the program used to take the active window for
// a box's parent (and the box went down with the start window's deletion). Notes which window
// was active when each message box showed.
class SlowFocusWindowManager : public QObject {
public:
    SlowFocusWindowManager() { qApp->installEventFilter(this); }
    ~SlowFocusWindowManager() override { qApp->removeEventFilter(this); }

    // For each box: whether the active window, when it showed, was the hidden start window.
    std::vector<bool> hiddenStartActive;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            if (auto *start = dynamic_cast<frmStart *>(watched))
                QApplication::setActiveWindow(start);
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox *>(watched)) {
            QWidget *active = QApplication::activeWindow();
            hiddenStartActive.push_back(dynamic_cast<frmStart *>(active) && !active->isVisible());
        }
        return false;
    }
};

const GameConfigRecord kLotto649{1, QStringLiteral("Lotto 6/49"), 49, 0, 0, 6, 0, 0};

class Faults : public ::testing::Test {
protected:
    void TearDown() override
    {
        DefaultInstance<frmLotteryManager>::unload();
        deleteUnloadedWindows();
    }
    frmLotteryManager *shownManager()
    {
        gblnLotteryManagerOpen = true;
        frmLotteryManager *manager = DefaultInstance<frmLotteryManager>::get();
        subPutOnTop(manager);
        manager->show();
        return manager;
    }
    int32_t drawingCount() { return gobjLotteryDb->fncGetDrawingCount().value(); }
    frmFileManager *ticketDialog(bool load)
    {
        gblnTicketMode = true;
        gblnTicketLoad = load;
        gstrFileDialogFolder = gstrSavedTicketsFolder;
        gstrFileDialogSuffix = gstrFileSuffix;
        frmFileManager *dialog = DefaultInstance<frmFileManager>::get();
        dialog->cmdLoad->setVisible(load);
        dialog->cmdSave->setVisible(!load);
        dialog->cmdDelete->setVisible(false);
        return dialog;
    }

    SampleWorld world;
};

}  // namespace

// A lottery just added has no drawings. Opening it shows the notice in a real box held by the new
// board, which is shown, so the box is painted and nothing deletes it while it is open.
TEST_F(Faults, ALotteryWithoutDrawingsOpensWithItsNoticeAboveItsBoard)
{
    for (const bool startUp : {false, true}) {
        SCOPED_TRACE(startUp ? "at start-up" : "by Lottery > Load");
        if (!startUp)
            world.open(SampleWorld::kLotto);
        world.writeLottery(kLotto649, SampleWorld::drawings({}));
        SlowFocusWindowManager windowManager;
        RealMessageBoxes boxes;
        // At start-up the last lottery opens with no lottery chosen.
        gstrLastLotteryDbFile = startUp ? SampleWorld::kTestLottery : gstrLastLotteryDbFile;
        gstrLotteryDbFile = startUp ? QString() : SampleWorld::kTestLottery;
        gobjAnalysis->subOpenSelectedLottery();
        deleteUnloadedWindows();

        ASSERT_EQ(boxes.seen().size(), 1u);
        EXPECT_EQ(boxes.seen()[0].text, res(46080));
        ASSERT_NE(world.board(), nullptr);
        EXPECT_EQ(boxes.seen()[0].parent, world.board());
        EXPECT_TRUE(boxes.seen()[0].parentVisible);
        EXPECT_TRUE(world.board()->isVisible());
        EXPECT_EQ(glngTotalWeeks, 0);
        // The active window was the hidden start window, about to be deleted: the box did not take it.
        EXPECT_EQ(windowManager.hiddenStartActive, std::vector<bool>{true});
        world.board()->unloadBoard();
        gfrmCurrentBoard = nullptr;
        deleteUnloadedWindows();
    }
}

// DELETE of the only drawing is refused; the refusal opens above the manager, which stays on top
// of every window, and not behind it.
TEST_F(Faults, TheManagersBoxesOpenAboveIt)
{
    world.openLottery(kLotto649, SampleWorld::drawings({{1, 2, 3, 4, 5, 6}}));
    frmLotteryManager *manager = shownManager();
    RealMessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    manager->cmdDelete_Click();

    ASSERT_EQ(boxes.seen().size(), 2u);
    EXPECT_EQ(boxes.seen()[1].text, res(31040));  // the last drawing cannot be erased
    for (const auto &box : boxes.seen()) {
        SCOPED_TRACE(box.text.toStdString());
        EXPECT_EQ(box.parent, manager);
        EXPECT_TRUE(box.onTop);
    }
    EXPECT_EQ(drawingCount(), 1);
}

TEST_F(Faults, NoDrawingCanFollowTheHighestDrawingNumber)
{
    EXPECT_EQ(fncNextWeekNo(std::nullopt), 1);
    EXPECT_EQ(fncNextWeekNo(119), 120);
    EXPECT_EQ(fncNextWeekNo(std::numeric_limits<int32_t>::max()), std::nullopt);

    world.openLottery(kLotto649, SampleWorld::drawings({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}));
    ASSERT_TRUE(gobjLotteryDb->fncExecute(QStringLiteral("UPDATE TBLRESULTS SET WeekNo = 2147483647 WHERE WeekNo = 2")));
    frmLotteryManager *manager = shownManager();
    EXPECT_EQ(manager->txtLastWeekNo->text(), QStringLiteral("2147483647"));
    EXPECT_EQ(manager->txtNewWeekNo->text(), QString());

    MessageBoxScript answers;
    manager->txtNewDate->setText(dates::toShortText(QDate(2030, 1, 1)));
    const QStringList numbers{"13", "14", "15", "16", "17", "18"};
    for (int i = 1; i <= numbers.size(); ++i)
        manager->txtNewNumber[i]->setText(numbers[i - 1]);
    manager->cmdAddDrawing_Click();
    EXPECT_EQ(answers.texts(), QStringList{res(49040).arg(2147483647)});
    EXPECT_EQ(drawingCount(), 2);
}

// A database failure is told in plain words; the statement and the engine's words go to the log.
TEST_F(Faults, ADatabaseFailureIsToldInPlainWordsAndLoggedWithItsStatement)
{
    world.open(SampleWorld::kLotto);
    frmLotteryManager *manager = shownManager();
    manager->txtNewDate->setText(dates::toShortText(QDate(2030, 1, 1)));
    const QStringList numbers{"1", "2", "3", "4", "5", "6", "7"};
    for (int i = 1; i <= numbers.size(); ++i)
        manager->txtNewNumber[i]->setText(numbers[i - 1]);

    MessageBoxScript answers;
    {
        DatabaseHolder other(gstrLotteryDbsFolder + gstrLotteryDbFile);
        ASSERT_TRUE(other.held());
        manager->cmdAddDrawing_Click();
    }
    ASSERT_EQ(answers.asked().size(), 1u);
    const QString text = answers.asked()[0].text;
    EXPECT_EQ(text, res(48050).arg(fncDatabaseFaultText(lotterydb::Fault::Locked)));
    for (const char *engineWord : {"INSERT", "SQLite", "TBLRESULTS", "locked"})
        EXPECT_FALSE(text.contains(QLatin1String(engineWord))) << engineWord;
    const QString log = QString::fromLatin1(fileBytes(gstrLogFilePath));
    EXPECT_TRUE(log.contains(QStringLiteral("#Message: 44810")));
    EXPECT_TRUE(log.contains(QStringLiteral("#Detail: ")));
    EXPECT_TRUE(log.contains(QStringLiteral("INSERT INTO TBLRESULTS")));
}

// ---- A full disk ---------------------------------------------------------------------------------

TEST_F(Faults, TheLotterySettingsOnAFullDiskAreKeptAndTheUserIsTold)
{
    world.open(SampleWorld::kLotto);
    ASSERT_TRUE(fncSaveLotterySettings(world.board()));
    const QString path = gstrRecordFilePath;
    const QByteArray before = fileBytes(path);
    ASSERT_GT(before.size(), 1000);
    world.board()->chkEqualChance->setValue(world.board()->chkEqualChance->value() ? 0 : 1);
    // One sentence in the user's language, the reason within it.
    const std::pair<int, const char *> told[] = {
        {2, "The board settings of the lottery Sample Lotto 6-49 could not be saved: there is no room left on the "
            "disk (the disk is full or the file would be larger than allowed)."},
        {1, "Sample Lotto 6-49 piyangosunun oyun tablosu ayarları kaydedilemedi: diskte yer kalmadı (disk dolu ya da "
            "dosya izin verilen boyutu aşıyor)."},
        {3, "Les réglages de la grille de la loterie Sample Lotto 6-49 n'ont pas pu être enregistrés : il n'y a plus "
            "de place sur le disque (le disque est plein ou le fichier dépasserait la taille permise)."},
    };
    for (const auto &[language, text] : told) {
        glngLanguage = language;
        MessageBoxScript answers;
        {
            FileSizeLimit full(0);
            EXPECT_FALSE(fncSaveLotterySettings(world.board()));
        }
        EXPECT_EQ(answers.texts(), QStringList{QString::fromUtf8(text)});
        EXPECT_EQ(answers.asked()[0].parent, world.board());
    }
    glngLanguage = 2;
    EXPECT_EQ(fileBytes(path), before);
}


// ---- A settings record of another game ----------------------------------------------------------

namespace {

// A sample lottery of each family, the shape of its settings record and its file suffix.
struct FamilySample {
    const char *name;
    QString databaseFile;
    RecordShape shape;
    QString suffix;
};

const FamilySample &sampleOf(BoardFamily family)
{
    static const FamilySample lotto{"Lotto", SampleWorld::kLotto, RecordShape{false, 6, 1, 49, 0}, "SM01"};
    static const FamilySample twoDrum{"TwoDrum", SampleWorld::kTwoDrum, RecordShape{false, 5, 2, 50, 12}, "SM02"};
    static const FamilySample pick3{"Pick3", SampleWorld::kPick3, RecordShape{true, 2, 0, 9, 0}, "SM06"};
    return family == BoardFamily::Lotto ? lotto : family == BoardFamily::TwoPool ? twoDrum : pick3;
}

struct ForeignRecord {
    BoardFamily savedBy;
    BoardFamily opened;
    bool ticket;  // a saved ticket's record, else the lottery's settings file
};

class RecordOfAnotherGame : public Faults, public ::testing::WithParamInterface<ForeignRecord> {};

}  // namespace

// A settings record saved by a board of another family, over the lottery's own settings file or
// as a saved ticket's record, fits none of the open board's slots: the board takes the reset
// values whole, says which file was damaged, fills its pools and draws.
TEST_P(RecordOfAnotherGame, IsReadAsDamagedWholeAndTheBoardDraws)
{
    // Saved with Cold, the guaranteed numbers ticked and a pool count of 0 typed for every ball.
    const RecordShape written = sampleOf(GetParam().savedBy).shape;
    const FamilySample &opened = sampleOf(GetParam().opened);
    BoardSettings saved = boardSettingsDefaults(written, DrawingsInfo{1000, QDate(2025, 12, 31)});
    saved.hot = false;
    saved.cold = true;
    saved.guaranteeNumbersOn = 1;
    saved.poolCountEdited.fill(0);
    saved.poolCountEditedBONUS.fill(0);
    BoardSettingsRecord record;
    ASSERT_TRUE(encodeBoardSettings(written, saved, record));
    QString path;
    if (GetParam().ticket) {
        world.open(opened.databaseFile);
        path = gstrSavedTicketsFolder + QStringLiteral("copied") + opened.suffix;
        QFile text(fncTicketTextFilePath(gstrSavedTicketsFolder, opened.suffix, QStringLiteral("copied")));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("0\r\n");
    } else {
        path = gstrAppFolder + QFileInfo(opened.databaseFile).completeBaseName() + opened.suffix;
    }
    QString error;
    ASSERT_TRUE(writeRecordFile(path, record, &error)) << error.toStdString();
    MessageBoxScript answers({msgbox::kYes});  // the ticket is loaded
    if (GetParam().ticket) {
        frmFileManager *dialog = ticketDialog(true);
        dialog->txtName->setText(QStringLiteral("copied"));
        dialog->cmdLoad_Click();
        deleteUnloadedWindows();
    } else {
        world.open(opened.databaseFile);
    }

    BoardBase *board = world.board();
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(answers.texts().contains(res(49020).arg(QDir::toNativeSeparators(path))))
        << answers.texts().join(u'\n').toStdString();
    // Every item of the board as the reset puts it.
    BoardSettings shown = boardSettingsDefaults(opened.shape, DrawingsInfo::current());
    board->readBoardSettings(shown);
    BoardSettings reset = boardSettingsDefaults(opened.shape, DrawingsInfo::current());
    reset.interval.limits = shown.interval.limits;  // POWER's limits
    reset.intervalBONUS.limits = shown.intervalBONUS.limits;
    EXPECT_EQ(shown, reset);
    for (const DrumState *drum : {&gDrum, &gDrumBONUS}) {
        if (drum == &gDrumBONUS && !opened.shape.secondDrum())
            break;
        EXPECT_GT(drum->glngPoolTotal, 0);
        const BallArray<int32_t> &typed = drum->garrPoolCountEdited;
        EXPECT_EQ(typed, BallArray<int32_t>(typed.lo(), typed.hi(), -3));
    }
    ASSERT_TRUE(board->cmdDraw->isEnabled());
    board->lstTicket->clear();
    board->txtColumnsToDraw->setText(QStringLiteral("3"));
    board->cmdDraw_Click();
    EXPECT_EQ(board->lstTicket->listCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPairOfFamilies, RecordOfAnotherGame,
    ::testing::ValuesIn([] {
        std::vector<ForeignRecord> cases;
        const BoardFamily families[] = {BoardFamily::Lotto, BoardFamily::TwoPool, BoardFamily::Digit};
        for (bool ticket : {false, true})
            for (BoardFamily savedBy : families)
                for (BoardFamily opened : families)
                    if (savedBy != opened)
                        cases.push_back({savedBy, opened, ticket});
        return cases;
    }()),
    [](const auto &info) {
        return std::string(sampleOf(info.param.savedBy).name) + "On" + sampleOf(info.param.opened).name +
               (info.param.ticket ? "Ticket" : "Lottery");
    });
