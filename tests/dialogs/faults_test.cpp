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
#include "dialogs/driving.h"
#include "dialogs/frmfilemanager.h"
#include "dialogs/frmlotterymanager.h"
#include "dialogs/frmstart.h"
#include "platform/dates.h"
#include "platform/ui/forms.h"
#include "support/faults.h"
#include "support/modal.h"
#include "support/sampleworld.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

// Shows the program's real message boxes (no answering hook) and answers each with OK, noting
// its text, the window that held it and whether that was shown and the box above it, and whether
// the window active when it showed was the hidden start window. That window stays active while a
// board loads, as it did on X11 when a box took the active window for its parent and went down
// with the start window's deletion.
class RealMessageBoxes : public QObject {
public:
    struct Seen {
        QString text;
        QPointer<QWidget> parent;
        bool parentShown, onTop, hiddenStartActive;
    };
    RealMessageBoxes()
    {
        msgbox::setHook({});
        qApp->installEventFilter(this);
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box && box->isVisible())
                box->button(QMessageBox::Ok)->click();
        });
        timer_.start(5);
    }
    ~RealMessageBoxes() override
    {
        qApp->removeEventFilter(this);
        msgbox::setHook([](const msgbox::Request &) { return msgbox::kOk; });
    }
    std::vector<Seen> seen;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            if (auto *start = dynamic_cast<frmStart *>(watched))
                QApplication::setActiveWindow(start);
        if (auto *box = qobject_cast<QMessageBox *>(watched); box && event->type() == QEvent::Show) {
            QWidget *parent = box->parentWidget(), *active = QApplication::activeWindow();
            seen.push_back({box->text(), parent, parent && parent->isVisible(),
                            box->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                            dynamic_cast<frmStart *>(active) && !active->isVisible()});
        }
        return false;
    }

private:
    QTimer timer_;
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
        showActive(manager);
        return manager;
    }
    void typeDrawing(frmLotteryManager *manager, const QStringList &numbers)
    {
        typeInto(manager, QStringLiteral("txtNewDate"), dates::toShortText(QDate(2030, 1, 1)));
        for (int i = 1; i <= numbers.size(); ++i)
            typeInto(manager, QStringLiteral("txtNewNumber(%1)").arg(i), numbers[i - 1]);
    }
    int32_t drawingCount() { return gobjLotteryDb->fncGetDrawingCount().value(); }
    SampleWorld world;
};

}  // namespace

// A lottery just added has no drawings. Opening it, by Lottery > Load or at start-up, shows the
// notice in a real box held by the new board, which is shown, so the box is painted and nothing
// deletes it while it is open; the hidden start window, active and about to go, did not take it.
TEST_F(Faults, ALotteryWithoutDrawingsOpensWithItsNoticeAboveItsBoard)
{
    for (const bool startUp : {false, true}) {
        SCOPED_TRACE(startUp ? "at start-up" : "by Lottery > Load");
        if (!startUp)
            world.open(SampleWorld::kLotto);
        world.writeLottery(kLotto649, SampleWorld::drawings({}));
        RealMessageBoxes boxes;
        gstrLastLotteryDbFile = startUp ? SampleWorld::kTestLottery : gstrLastLotteryDbFile;
        gstrLotteryDbFile = startUp ? QString() : SampleWorld::kTestLottery;
        gobjAnalysis->subOpenSelectedLottery();
        deleteUnloadedWindows();
        ASSERT_EQ(boxes.seen.size(), 1u);
        ASSERT_NE(world.board(), nullptr);
        EXPECT_EQ(std::tuple(boxes.seen[0].text, boxes.seen[0].parent.data(), boxes.seen[0].parentShown),
                  std::tuple(res(46080), static_cast<QWidget *>(world.board()), true));
        EXPECT_TRUE(boxes.seen[0].hiddenStartActive);
        EXPECT_TRUE(world.board()->isVisible());
        EXPECT_EQ(glngTotalWeeks, 0);
        world.closeBoard();
        deleteUnloadedWindows();
    }
}

// DELETE of the only drawing is refused; the boxes open above the manager, which stays on top of
// every window, and not behind it. No drawing can follow the highest drawing number.
TEST_F(Faults, TheManagersBoxesOpenAboveItAndNoDrawingFollowsTheHighestNumber)
{
    EXPECT_EQ(std::tuple(fncNextWeekNo(std::nullopt), fncNextWeekNo(119), fncNextWeekNo(2147483647)),
              std::tuple(std::optional(1), std::optional(120), std::optional<int32_t>()));
    world.openLottery(kLotto649, SampleWorld::drawings({{1, 2, 3, 4, 5, 6}}));
    {
        frmLotteryManager *manager = shownManager();
        RealMessageBoxes boxes;
        click(manager, QStringLiteral("cmdDelete"));
        ASSERT_EQ(boxes.seen.size(), 2u);
        EXPECT_EQ(boxes.seen[1].text, res(31040));
        for (const auto &box : boxes.seen)
            EXPECT_TRUE(box.parent == manager && box.onTop) << box.text.toStdString();
        EXPECT_EQ(drawingCount(), 1);
    }
    DefaultInstance<frmLotteryManager>::unload();
    ASSERT_TRUE(gobjLotteryDb->fncExecute(QStringLiteral("UPDATE TBLRESULTS SET WeekNo = 2147483647")));
    frmLotteryManager *manager = shownManager();
    EXPECT_EQ(std::pair(named<QLineEdit>(manager, "txtLastWeekNo")->text(), named<QLineEdit>(manager, "txtNewWeekNo")->text()),
              std::pair(QStringLiteral("2147483647"), QString()));
    MessageBoxScript answers;
    typeDrawing(manager, {"13", "14", "15", "16", "17", "18"});
    click(manager, QStringLiteral("cmdAddDrawing"));
    EXPECT_EQ(answers.texts(), QStringList{res(49040).arg(2147483647)});
    EXPECT_EQ(drawingCount(), 1);
}

// A database another program holds: the failure is told in plain words; the statement and the
// engine's words go to the log.
TEST_F(Faults, ADatabaseFailureIsToldInPlainWordsAndLoggedWithItsStatement)
{
    world.open(SampleWorld::kLotto);
    frmLotteryManager *manager = shownManager();
    typeDrawing(manager, {"1", "2", "3", "4", "5", "6", "7"});
    MessageBoxScript answers;
    {
        DatabaseHolder other(gstrLotteryDbsFolder + gstrLotteryDbFile);
        ASSERT_TRUE(other.held());
        click(manager, QStringLiteral("cmdAddDrawing"));
    }
    EXPECT_EQ(answers.texts(), QStringList{res(48050).arg(fncDatabaseFaultText(lotterydb::Fault::Locked))});
    const QString log = QString::fromLatin1(fileBytes(gstrLogFilePath));
    EXPECT_TRUE(log.contains("#Message: 44810") && log.contains("#Detail: ") && log.contains("INSERT INTO TBLRESULTS"));
}

// The lottery's settings on a full disk: the old file stays, and one sentence in the user's
// language, the reason within it, says so above the board.
TEST_F(Faults, TheLotterySettingsOnAFullDiskAreKeptAndTheUserIsTold)
{
    world.open(SampleWorld::kLotto);
    ASSERT_TRUE(fncSaveLotterySettings(world.board()));
    const QByteArray before = fileBytes(gstrRecordFilePath);
    world.board()->chkEqualChance->setValue(world.board()->chkEqualChance->value() ? 0 : 1);
    const std::pair<int, const char *> told[] = {
        {2, "The board settings of the lottery Sample Lotto 6-49 could not be saved: there is no room left on the "
            "disk (the disk is full or the file would be larger than allowed)."},
        {3, "Les réglages de la grille de la loterie Sample Lotto 6-49 n'ont pas pu être enregistrés : il n'y a plus "
            "de place sur le disque (le disque est plein ou le fichier dépasserait la taille permise)."},
    };
    for (const auto &[language, text] : told) {
        glngLanguage = language;
        MessageBoxScript answers;
        bool saved = true;
        {
            FileSizeLimit full(0);
            saved = fncSaveLotterySettings(world.board());
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(answers.texts(), QStringList{QString::fromUtf8(text)});
        EXPECT_EQ(answers.asked()[0].parent, world.board());
    }
    glngLanguage = 2;
    EXPECT_EQ(fileBytes(gstrRecordFilePath), before);
}

namespace {

// A sample lottery of each family, the shape of its settings record and its file suffix.
struct FamilySample {
    const char *name;
    QString databaseFile;
    RecordShape shape;
    QString suffix;
};

const FamilySample &sample(int family)
{
    static const FamilySample samples[] = {{"Lotto", SampleWorld::kLotto, RecordShape{false, 6, 1, 49, 0}, "SM01"},
                                           {"TwoDrum", SampleWorld::kTwoDrum, RecordShape{false, 5, 2, 50, 12}, "SM02"},
                                           {"Pick3", SampleWorld::kPick3, RecordShape{true, 2, 0, 9, 0}, "SM06"}};
    return samples[family];
}

struct ForeignRecord {
    int savedBy, opened;  // sample families
    bool ticket;          // a saved ticket's record, else the lottery's settings file
};

class RecordOfAnotherGame : public Faults, public ::testing::WithParamInterface<ForeignRecord> {};

}  // namespace

// A settings record saved by a board of another family, over the lottery's own settings file or
// as a saved ticket's record, fits none of the open board's slots: the board takes the reset
// values whole, says which file was damaged, fills its pools and draws.
TEST_P(RecordOfAnotherGame, IsReadAsDamagedWholeAndTheBoardDraws)
{
    // Saved with Cold, the guaranteed numbers ticked and a pool count of 0 typed for every ball.
    const RecordShape written = sample(GetParam().savedBy).shape;
    const FamilySample &opened = sample(GetParam().opened);
    BoardSettings saved = boardSettingsDefaults(written, DrawingsInfo{1000, QDate(2025, 12, 31)});
    saved.cold = !(saved.hot = false);
    saved.guaranteeNumbersOn = 1;
    saved.poolCountEdited.fill(0);
    saved.poolCountEditedBONUS.fill(0);
    BoardSettingsRecord record;
    ASSERT_TRUE(encodeBoardSettings(written, saved, record));
    QString path = gstrAppFolder + QFileInfo(opened.databaseFile).completeBaseName() + opened.suffix, error;
    if (GetParam().ticket) {
        world.open(opened.databaseFile);
        path = gstrSavedTicketsFolder + QStringLiteral("copied") + opened.suffix;
        QFile text(fncTicketTextFilePath(gstrSavedTicketsFolder, opened.suffix, QStringLiteral("copied")));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("0\r\n") == 3);
    }
    ASSERT_TRUE(writeRecordFile(path, record, &error)) << error.toStdString();
    MessageBoxScript answers({msgbox::kYes});  // the ticket is loaded
    if (GetParam().ticket) {
        whenModal<frmFileManager>([](frmFileManager *dialog) {
            typeInto(dialog, QStringLiteral("txtName"), QStringLiteral("copied"));
            click(dialog, QStringLiteral("cmdLoad"));
        });
        named<QAction>(world.board(), QStringLiteral("mnuTicketLoad"))->trigger();
        deleteUnloadedWindows();
    } else {
        world.open(opened.databaseFile);
    }
    BoardBase *board = world.board();
    ASSERT_NE(board, nullptr) << answers.texts().join(u'\n').toStdString();
    EXPECT_TRUE(answers.texts().contains(res(49020).arg(QDir::toNativeSeparators(path)))) << answers.texts().join(u'\n').toStdString();
    // Every item of the board as the reset puts it, the interval limits as POWER puts them.
    BoardSettings shown = boardSettingsDefaults(opened.shape, DrawingsInfo::current());
    board->readBoardSettings(shown);
    BoardSettings reset = boardSettingsDefaults(opened.shape, DrawingsInfo::current());
    reset.interval.limits = shown.interval.limits;
    reset.intervalBONUS.limits = shown.intervalBONUS.limits;
    EXPECT_EQ(shown, reset);
    for (const DrumState *drum : {&gDrum, &gDrumBONUS}) {
        if (drum == &gDrumBONUS && !opened.shape.secondDrum())
            break;
        EXPECT_GT(drum->glngPoolTotal, 0);
        EXPECT_EQ(drum->garrPoolCountEdited, BallArray<int32_t>(drum->garrPoolCountEdited.lo(), drum->garrPoolCountEdited.hi(), -3));
    }
    board->lstTicket->clear();
    board->txtColumnsToDraw->setText(QStringLiteral("3"));
    QTest::mouseClick(board->cmdDraw, Qt::LeftButton);
    EXPECT_EQ(board->lstTicket->listCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(EveryPairOfFamilies, RecordOfAnotherGame, ::testing::ValuesIn([] {
                             std::vector<ForeignRecord> cases;
                             for (bool ticket : {false, true})
                                 for (int savedBy = 0; savedBy < 3; ++savedBy)
                                     for (int opened = 0; opened < 3; ++opened)
                                         if (savedBy != opened)
                                             cases.push_back({savedBy, opened, ticket});
                             return cases;
                         }()),
                         [](const auto &info) {
                             return std::string(sample(info.param.savedBy).name) + "On" + sample(info.param.opened).name
                                    + (info.param.ticket ? "Ticket" : "Lottery");
                         });
