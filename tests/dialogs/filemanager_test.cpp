#include "analysis/state.h"
#include "analysis/ui/textwindows.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/ui/faulttext.h"
#include "dialogs/driving.h"
#include "dialogs/frmfilemanager.h"
#include "platform/ui/forms.h"
#include "support/modal.h"
#include "support/sampleworld.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPointer>

namespace {

const QStringList kLines{QStringLiteral("01- 3 8 17 25 33 40 (2)"), QStringLiteral("02- 1 9 12 30 41 49 (3+1)")};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The open sample lotto with a ticket of two columns; the file dialog reached through its menus.
class FileManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        world.open(SampleWorld::kLotto);
        world.board()->lstTicket->setLines(kLines);
    }
    void TearDown() override { deleteUnloadedWindows(); }

    // Chooses the menu item and runs `steps` on the dialog while it is up; true when they closed
    // it (else it is closed afterwards).
    bool throughMenu(const char *menu, const std::function<void(frmFileManager *)> &steps)
    {
        bool closed = false;
        whenModal<frmFileManager>([&](frmFileManager *dialog) {
            showActive(dialog);
            steps(dialog);
            closed = !DefaultInstance<frmFileManager>::exists();
            DefaultInstance<frmFileManager>::unload();
        });
        named<QAction>(world.board(), QString::fromLatin1(menu))->trigger();
        deleteUnloadedWindows();
        return closed;
    }
    // The name typed, then the dialog's one action button.
    bool act(const char *menu, const QString &name, const char *button)
    {
        return throughMenu(menu, [&](frmFileManager *dialog) {
            typeInto(dialog, QStringLiteral("txtName"), name);
            click(dialog, QString::fromLatin1(button));
        });
    }
    bool save(const QString &name) { return act("mnuTicketSave", name, "cmdSave"); }
    // A click on the line of the list that shows `name`.
    static void pick(frmFileManager *dialog, const QString &name)
    {
        auto *list = named<QListView>(dialog, QStringLiteral("lstNames"));
        const QModelIndexList found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(found[0]).center());
    }
    QString recordOf(const QString &name) const { return gstrSavedTicketsFolder + name + QStringLiteral("SM01"); }
    QString textOf(const QString &name) const { return gstrSavedTicketsFolder + QStringLiteral("M01_") + name + ".txt"; }

    SampleWorld world;
};

}  // namespace

// Names take the characters a file name may hold, at most 199; a change that brings another in
// (a paste) is rolled back, a picked name may hold blanks.
TEST_F(FileManager, NameTextIsFilteredAndNeverPasses199Characters)
{
    throughMenu("mnuTicketSave", [](frmFileManager *dialog) {
        auto *name = named<QLineEdit>(dialog, QStringLiteral("txtName"));
        typeInto(dialog, QStringLiteral("txtName"), QStringLiteral("we k/1?x:*\"<>|\\'^ş"));
        EXPECT_EQ(name->text(), QStringLiteral("wek1x'^"));
        typeInto(dialog, QStringLiteral("txtName"), QString(198, u'n') + QStringLiteral("xy"));
        EXPECT_EQ(name->text(), QString(198, u'n') + u'x');
        pressKey(Qt::Key_Backspace);
        EXPECT_EQ(name->text().size(), 198);
        name->setText(QStringLiteral("draw one"));
        name->insert(QStringLiteral("a/b"));
        EXPECT_EQ(name->text(), QStringLiteral("draw one"));
        name->setText(QString(250, u'q'));
        EXPECT_EQ(name->text(), QString(199, u'q'));
    });
}

// SAVE asks, then writes the record and the text file; over an existing ticket it asks with No as
// the default, and No keeps the dialog and the old ticket.
TEST_F(FileManager, SaveWritesBothFilesAndAsksBeforeOverwriting)
{
    MessageBoxScript answers({msgbox::kYes});
    EXPECT_TRUE(save(QStringLiteral("week1")));
    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(std::tuple(answers.asked()[0].text, answers.asked()[0].style, answers.asked()[0].title),
              std::tuple(QStringLiteral("The ticket will be saved as: week1"), 36, QStringLiteral("SAVE Information")));
    EXPECT_EQ(gstrTicketName, QStringLiteral("week1"));
    EXPECT_TRUE(QFileInfo(recordOf("week1")).isFile());
    EXPECT_EQ(fileBytes(textOf("week1")), QByteArray("2\r\n01- 3 8 17 25 33 40 (2)\r\n02- 1 9 12 30 41 49 (3+1)\r\n"));

    world.board()->lstTicket->setLines({kLines[0]});
    answers.answerNext(msgbox::kNo);
    EXPECT_FALSE(act("mnuTicketSave", QStringLiteral("week1"), "cmdSave"));
    EXPECT_EQ(std::pair(answers.asked().back().text, answers.asked().back().style),
              std::pair(QStringLiteral("The ticket named week1 already exists. Do you want to overwrite?"), 292));
    EXPECT_TRUE(fileBytes(textOf("week1")).startsWith("2\r\n"));
    answers.answerNext(msgbox::kYes);
    EXPECT_TRUE(save(QStringLiteral("week1")));
    EXPECT_EQ(fileBytes(textOf("week1")), QByteArray("1\r\n01- 3 8 17 25 33 40 (2)\r\n"));
}

// LOAD builds the board afresh with the ticket's columns; DELETE removes both files and stays
// open; names are found in their own letter case only; each action needs a name.
TEST_F(FileManager, LoadAndDeleteATicketByName)
{
    MessageBoxScript answers({msgbox::kYes, msgbox::kYes, msgbox::kYes, msgbox::kYes});
    save(QStringLiteral("week1"));
    save(QStringLiteral("week2"));
    BoardBase *before = world.board();
    before->lstTicket->clear();
    EXPECT_TRUE(act("mnuTicketLoad", QStringLiteral("week1"), "cmdLoad"));
    EXPECT_EQ(answers.asked().back().text, QStringLiteral("Ticket week1 will be loaded."));
    BoardBase *after = world.board();
    ASSERT_TRUE(after && after != before && !before->isVisible());
    EXPECT_EQ(after->lstTicket->lines(), kLines);
    EXPECT_TRUE(after->windowTitle().endsWith(QStringLiteral(" (week1 -  Loaded Ticket)")));
    EXPECT_EQ(std::tuple(glngGridSize, garrTicketGrid.at(2, 1), garrTicketGrid.at(2, 6)), std::tuple(2, 1, 49));

    EXPECT_FALSE(throughMenu("mnuTicketDelete", [&](frmFileManager *dialog) {
        auto *list = named<QListView>(dialog, QStringLiteral("lstNames"));
        pick(dialog, QStringLiteral("week1"));
        EXPECT_EQ(named<QLineEdit>(dialog, QStringLiteral("txtName"))->text(), QStringLiteral("week1"));
        click(dialog, QStringLiteral("cmdDelete"));
        EXPECT_EQ(answers.asked().back().text, QStringLiteral("Saved ticket week1 will be deleted."));
        EXPECT_EQ(list->model()->rowCount(), 1);
        typeInto(dialog, QStringLiteral("txtName"), QStringLiteral("Week2"));
        click(dialog, QStringLiteral("cmdDelete"));
        EXPECT_EQ(answers.asked().back().text, QStringLiteral("Ticket Week2 could not be found"));
        click(dialog, QStringLiteral("cmdDelete"));
        EXPECT_EQ(answers.asked().back().text, QStringLiteral("Select a ticket from the list to delete."));
    }));
    EXPECT_FALSE(QFile::exists(recordOf("week1")) || QFile::exists(textOf("week1")));
    EXPECT_TRUE(QFile::exists(recordOf("week2")));
    EXPECT_FALSE(act("mnuTicketLoad", QStringLiteral("WEEK2"), "cmdLoad"));
    EXPECT_EQ(answers.asked().back().text, QStringLiteral("Ticket WEEK2 could not be found."));
    EXPECT_FALSE(act("mnuTicketSave", QString(), "cmdSave"));
    EXPECT_EQ(answers.asked().back().text, QStringLiteral("Enter a name to textbox to save your ticket."));
}

// A ticket whose text file cannot be written leaves no half ticket: a new one no record, an old
// one its old files; the dialog stays open and the ticket keeps its name. So with the folder gone.
TEST_F(FileManager, AFailedSaveLeavesNoHalfTicketAndTheDialogOpen)
{
    MessageBoxScript answers({msgbox::kYes, msgbox::kYes, msgbox::kYes});
    QDir().mkpath(textOf("blocked"));  // a folder where the text file would go
    EXPECT_FALSE(save(QStringLiteral("blocked")));
    EXPECT_EQ(answers.texts().last(), res(49050).arg(QStringLiteral("blocked"), fncWriteFaultText(filewrite::Fault::Other)));
    EXPECT_FALSE(QFile::exists(recordOf("blocked")));
    EXPECT_NE(gstrTicketName, QStringLiteral("blocked"));

    answers.answerNext(msgbox::kYes);
    answers.answerNext(msgbox::kYes);
    EXPECT_FALSE(throughMenu("mnuTicketSave", [&](frmFileManager *dialog) {
        QDir(gstrSavedTicketsFolder).removeRecursively();
        typeInto(dialog, QStringLiteral("txtName"), QStringLiteral("gone"));
        click(dialog, QStringLiteral("cmdSave"));
    }));
    EXPECT_EQ(std::pair(answers.asked().back().text, answers.asked().back().style),
              std::pair(res(49050).arg(QStringLiteral("gone"), fncWriteFaultText(filewrite::Fault::Missing)), 64));
}

// A double click runs the visible action with its question; help opens within reach of the
// dialog, stays when Escape closes the dialog.
TEST_F(FileManager, DoubleClickRunsTheActionAndHelpStaysWithinReach)
{
    MessageBoxScript answers({msgbox::kYes, msgbox::kNo});
    save(QStringLiteral("week1"));
    subSetHelpNames();
    QPointer<frmHelp> help;
    throughMenu("mnuTicketDelete", [&](frmFileManager *dialog) {
        auto *list = named<QListView>(dialog, QStringLiteral("lstNames"));
        const QPoint first = list->visualRect(list->model()->index(0, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
        EXPECT_EQ(answers.texts().last(), QStringLiteral("Saved ticket week1 will be deleted."));
        click(dialog, QStringLiteral("cmdHelp"));
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *h = dynamic_cast<frmHelp *>(w); h && h->isVisible())
                help = h;
        ASSERT_FALSE(help.isNull());
        EXPECT_EQ(help->windowModality(), Qt::ApplicationModal);
        dialog->activateWindow();
        click(dialog, QStringLiteral("txtName"));
        pressKey(Qt::Key_Escape);
    });
    EXPECT_TRUE(QFile::exists(recordOf("week1")));
    EXPECT_FALSE(DefaultInstance<frmFileManager>::exists());
    deleteUnloadedWindows();
    EXPECT_TRUE(help && help->isVisible() && help->windowModality() == Qt::NonModal);
}

// Lottery > Load lists the lottery databases; the lottery already open only closes the dialog,
// another one opens on its board.
TEST_F(FileManager, LotteryLoadOpensTheChosenLottery)
{
    MessageBoxScript answers({msgbox::kYes, msgbox::kYes});
    BoardBase *before = world.board();
    EXPECT_TRUE(throughMenu("mnuLotteryLoad", [&](frmFileManager *dialog) {
        EXPECT_EQ(named<QLabel>(dialog, QStringLiteral("lblListCaption"))->text(), QStringLiteral(" Lottery Databases:"));
        pick(dialog, QStringLiteral("Sample Lotto 6-49"));
        click(dialog, QStringLiteral("cmdLoad"));
    }));
    EXPECT_EQ(answers.texts(), QStringList{QStringLiteral("The lottery named Sample Lotto 6-49 will be loaded.")});
    EXPECT_EQ(world.board(), before);
    EXPECT_TRUE(throughMenu("mnuLotteryLoad", [&](frmFileManager *dialog) {
        pick(dialog, QStringLiteral("Sample Two-Drum 5-50 + 2-12"));
        click(dialog, QStringLiteral("cmdLoad"));
    }));
    EXPECT_EQ(std::pair(gstrLotteryDbFile, gstrGameCode), std::pair(SampleWorld::kTwoDrum, QStringLiteral("2P520")));
    ASSERT_NE(world.board(), nullptr);
    EXPECT_EQ(world.board()->family(), BoardFamily::TwoPool);
}
