#include "analysis/state.h"
#include "app/globals.h"
#include "analysis/ui/textwindows.h"
#include "app/resstrings.h"
#include "app/ui/faulttext.h"
#include "dialogs/frmfilemanager.h"
#include "platform/ui/forms.h"
#include "support/modal.h"
#include "support/sampleworld.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTest>

namespace {

const QStringList kLines{QStringLiteral("01- 3 8 17 25 33 40 (2)"), QStringLiteral("02- 1 9 12 30 41 49 (3+1)")};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The open sample lotto with a ticket of two columns, and the file dialog loaded for a ticket
// request (as a Ticket menu loads it, without showing it).
class FileManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        world.open(SampleWorld::kLotto);
        world.board()->lstTicket->setLines(kLines);
    }
    void TearDown() override { deleteUnloadedWindows(); }

    frmFileManager *ticketDialog(FileDialogAction action)
    {
        gblnTicketMode = true;
        gblnTicketLoad = action == FileDialogAction::Load;
        gstrFileDialogFolder = gstrSavedTicketsFolder;
        gstrFileDialogSuffix = gstrFileSuffix;
        frmFileManager *dialog = DefaultInstance<frmFileManager>::get();
        dialog->cmdLoad->setVisible(action == FileDialogAction::Load);
        dialog->cmdSave->setVisible(action == FileDialogAction::Save);
        dialog->cmdDelete->setVisible(action == FileDialogAction::Delete);
        return dialog;
    }
    // Runs `action` on the ticket `name` from a fresh dialog; the dialog, which a finished load or
    // save has unloaded.
    frmFileManager *act(FileDialogAction action, const QString &name)
    {
        frmFileManager *dialog = ticketDialog(action);
        dialog->txtName->setText(name);
        action == FileDialogAction::Load   ? dialog->cmdLoad_Click()
        : action == FileDialogAction::Save ? dialog->cmdSave_Click()
                                           : dialog->cmdDelete_Click();
        return dialog;
    }
    // Saves the board's ticket under `name`, answering the question with Yes.
    void save(const QString &name)
    {
        MessageBoxScript answers({msgbox::kYes});
        act(FileDialogAction::Save, name);
        ASSERT_FALSE(DefaultInstance<frmFileManager>::exists()) << answers.texts().join(u'\n').toStdString();
    }
    QString recordOf(const QString &name) const { return gstrSavedTicketsFolder + name + QStringLiteral("SM01"); }
    QString textOf(const QString &name) const { return gstrSavedTicketsFolder + QStringLiteral("M01_") + name + ".txt"; }

    SampleWorld world;
};

}  // namespace

TEST_F(FileManager, NameTextIsFilteredAndNeverPasses199Characters)
{
    const QString allowed = frmFileManager::kAllowedNameCharacters;
    auto pass = [&](int key) {
        int k = key;
        subFilterDialogKey(allowed, k);
        return k == key;
    };
    EXPECT_TRUE(pass('a'));
    EXPECT_TRUE(pass('Z'));
    EXPECT_TRUE(pass('7'));
    EXPECT_TRUE(pass('\''));
    EXPECT_TRUE(pass('^'));
    for (int refused : std::initializer_list<int>{' ', '/', '\\', ':', '*', '?', '"', '<', '>', '|', 0x15F /* ş */, 22 /* Ctrl+V */})
        EXPECT_FALSE(pass(refused)) << refused;

    frmFileManager *dialog = ticketDialog(FileDialogAction::Save);
    dialog->show();
    dialog->txtName->setFocus();
    QTest::keyClicks(dialog->txtName, QStringLiteral("we k/1?x"));
    EXPECT_EQ(dialog->txtName->text(), QStringLiteral("wek1x"));

    dialog->txtName->setText(QString(198, u'n'));
    dialog->txtName->end(false);
    QTest::keyClicks(dialog->txtName, QStringLiteral("xy"));
    EXPECT_EQ(dialog->txtName->text(), QString(198, u'n') + u'x');  // the 200th character is refused
    QTest::keyClick(dialog->txtName, Qt::Key_Backspace);
    EXPECT_EQ(dialog->txtName->text().size(), 198);

    // Pasted text with a forbidden character rolls back; long text is cut.
    dialog->txtName->setText(QStringLiteral("draw one"));  // a picked name may hold blanks
    EXPECT_EQ(dialog->txtName->toolTipText(), QStringLiteral("draw one"));
    dialog->txtName->end(false);
    dialog->txtName->insert(QStringLiteral("a/b"));
    EXPECT_EQ(dialog->txtName->text(), QStringLiteral("draw one"));
    dialog->txtName->insert(QStringLiteral("<x>"));
    EXPECT_EQ(dialog->txtName->text(), QStringLiteral("draw one"));

    dialog->txtName->setText(QString(250, u'q'));
    EXPECT_EQ(dialog->txtName->text(), QString(199, u'q'));
}

TEST_F(FileManager, SaveUnderANewNameWritesTheRecordAndTheTextFile)
{
    MessageBoxScript answers({msgbox::kYes});
    act(FileDialogAction::Save, QStringLiteral("week1"));
    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(answers.asked()[0].text, QStringLiteral("The ticket will be saved as: week1"));
    EXPECT_EQ(answers.asked()[0].style, 36);
    EXPECT_EQ(answers.asked()[0].title, QStringLiteral("SAVE Information"));
    EXPECT_EQ(gstrTicketName, QStringLiteral("week1"));
    EXPECT_TRUE(QFileInfo(recordOf("week1")).isFile());
    EXPECT_EQ(fileBytes(textOf("week1")),
              QByteArray("2\r\n01- 3 8 17 25 33 40 (2)\r\n02- 1 9 12 30 41 49 (3+1)\r\n"));
    EXPECT_FALSE(DefaultInstance<frmFileManager>::exists());

    world.board()->lstTicket->clear();
    save(QStringLiteral("empty"));
    EXPECT_EQ(fileBytes(textOf("empty")), QByteArray("0\r\n"));
}

TEST_F(FileManager, SaveOverAnExistingTicketAsksWithNoAsTheDefault)
{
    save(QStringLiteral("week1"));
    world.board()->lstTicket->setLines({kLines[0]});

    {
        MessageBoxScript answers({msgbox::kNo});
        EXPECT_EQ(act(FileDialogAction::Save, QStringLiteral("week1"))->lstNames->lines(), QStringList{"week1"});
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].text,
                  QStringLiteral("The ticket named week1 already exists. Do you want to overwrite?"));
        EXPECT_EQ(answers.asked()[0].style, 292);
        EXPECT_TRUE(DefaultInstance<frmFileManager>::exists());  // No keeps the dialog open
        EXPECT_TRUE(fileBytes(textOf("week1")).startsWith("2\r\n"));
    }
    MessageBoxScript answers({msgbox::kYes});
    DefaultInstance<frmFileManager>::existing()->cmdSave_Click();
    EXPECT_EQ(fileBytes(textOf("week1")), QByteArray("1\r\n01- 3 8 17 25 33 40 (2)\r\n"));
}

TEST_F(FileManager, LoadOfATicketRebuildsTheBoardWithTheSavedColumns)
{
    save(QStringLiteral("week1"));
    BoardBase *before = world.board();
    before->lstTicket->clear();

    MessageBoxScript answers({msgbox::kYes});
    act(FileDialogAction::Load, QStringLiteral("week1"));
    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(answers.asked()[0].text, QStringLiteral("Ticket week1 will be loaded."));
    EXPECT_EQ(answers.asked()[0].title, QStringLiteral("LOAD Information"));
    BoardBase *after = world.board();
    ASSERT_NE(after, nullptr);
    EXPECT_NE(after, before);
    EXPECT_FALSE(before->isVisible());
    EXPECT_FALSE(DefaultInstance<frmFileManager>::exists());
    EXPECT_TRUE(gblnTicketLoad);
    EXPECT_EQ(gstrTicketName, QStringLiteral("week1"));
    EXPECT_EQ(after->lstTicket->lines(), kLines);
    EXPECT_TRUE(after->windowTitle().endsWith(QStringLiteral(" (week1 -  Loaded Ticket)")));
    EXPECT_EQ(glngGridSize, 2);
    ASSERT_EQ(garrTicketGrid.rowCount(), 2);
    EXPECT_EQ(garrTicketGrid.at(2, 1), 1);
    EXPECT_EQ(garrTicketGrid.at(2, 6), 49);
    EXPECT_EQ(gDrum.garrExcluded.hi(), 49);
}

TEST_F(FileManager, DeleteRemovesBothFilesAndStaysOpen)
{
    save(QStringLiteral("week1"));
    save(QStringLiteral("week2"));
    MessageBoxScript answers({msgbox::kYes});
    frmFileManager *dialog = ticketDialog(FileDialogAction::Delete);
    EXPECT_EQ(dialog->lstNames->lines(), (QStringList{"week1", "week2"}));
    dialog->lstNames->setListIndex(0);
    EXPECT_EQ(dialog->txtName->text(), QStringLiteral("week1"));
    dialog->cmdDelete_Click();

    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(answers.asked()[0].text, QStringLiteral("Saved ticket week1 will be deleted."));
    EXPECT_EQ(answers.asked()[0].style, 36);
    EXPECT_FALSE(QFile::exists(recordOf("week1")));
    EXPECT_FALSE(QFile::exists(textOf("week1")));
    EXPECT_TRUE(QFile::exists(textOf("week2")));
    EXPECT_EQ(dialog->txtName->text(), QString());
    EXPECT_EQ(dialog->lstNames->lines(), QStringList{QStringLiteral("week2")});
    EXPECT_TRUE(DefaultInstance<frmFileManager>::exists());
}

TEST_F(FileManager, ANameInAnotherLetterCaseIsNotFound)
{
    save(QStringLiteral("week1"));
    {
        MessageBoxScript answers;
        act(FileDialogAction::Load, QStringLiteral("WEEK1"));
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].text, QStringLiteral("Ticket WEEK1 could not be found."));
        EXPECT_EQ(answers.asked()[0].style, 64);
        DefaultInstance<frmFileManager>::unload();
    }
    MessageBoxScript answers;
    frmFileManager *dialog = act(FileDialogAction::Delete, QStringLiteral("Week1"));
    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(answers.asked()[0].text, QStringLiteral("Ticket Week1 could not be found"));
    EXPECT_EQ(dialog->txtName->text(), QString());
    EXPECT_TRUE(QFile::exists(recordOf("week1")));
}

TEST_F(FileManager, EmptyNamesAreAnsweredForEachAction)
{
    MessageBoxScript answers;
    frmFileManager *dialog = ticketDialog(FileDialogAction::Load);
    dialog->cmdLoad_Click();
    dialog->cmdSave_Click();
    dialog->cmdDelete_Click();
    EXPECT_EQ(answers.texts(), (QStringList{"Select a ticket to load.", "Enter a name to textbox to save your ticket.",
                                            "Select a ticket from the list to delete."}));
    EXPECT_TRUE(DefaultInstance<frmFileManager>::exists());
}

TEST_F(FileManager, AFailedTextFileLeavesNoHalfTicketAndTheDialogOpen)
{
    // A new ticket whose text file cannot be written: its record does not stay behind.
    QDir().mkpath(textOf("blocked"));  // a folder where the text file would go
    {
        MessageBoxScript answers({msgbox::kYes});
        act(FileDialogAction::Save, QStringLiteral("blocked"));
        ASSERT_EQ(answers.asked().size(), 2u);
        EXPECT_EQ(answers.asked()[1].text,
                  res(49050).arg(QStringLiteral("blocked"), fncWriteFaultText(filewrite::Fault::Other)));
        EXPECT_FALSE(QFile::exists(recordOf("blocked")));
        EXPECT_TRUE(DefaultInstance<frmFileManager>::exists());
        EXPECT_NE(gstrTicketName, QStringLiteral("blocked"));
        DefaultInstance<frmFileManager>::unload();
    }
    // Over an existing ticket: the old pair stays as it was.
    save(QStringLiteral("week1"));
    const QByteArray record = fileBytes(recordOf("week1"));
    QFile::remove(textOf("week1"));
    QDir().mkpath(textOf("week1"));
    gblnEqualChance = !gblnEqualChance;  // any change of the settings
    world.board()->lstTicket->setLines({kLines[1]});
    MessageBoxScript answers({msgbox::kYes});
    act(FileDialogAction::Save, QStringLiteral("week1"));
    EXPECT_EQ(answers.asked().size(), 2u);
    EXPECT_EQ(fileBytes(recordOf("week1")), record);
}

TEST_F(FileManager, AFolderRemovedWhileTheDialogIsOpenGivesAMessage)
{
    frmFileManager *dialog = ticketDialog(FileDialogAction::Save);
    QDir(gstrSavedTicketsFolder).removeRecursively();
    MessageBoxScript answers({msgbox::kYes});
    dialog->txtName->setText(QStringLiteral("gone"));
    dialog->cmdSave_Click();
    ASSERT_EQ(answers.asked().size(), 2u);
    EXPECT_EQ(answers.asked()[1].text,
              res(49050).arg(QStringLiteral("gone"), fncWriteFaultText(filewrite::Fault::Missing)));
    EXPECT_EQ(answers.asked()[1].style, 64);
    EXPECT_TRUE(DefaultInstance<frmFileManager>::exists());
    EXPECT_FALSE(QFile::exists(recordOf("gone")));
}

TEST_F(FileManager, DoubleClickRunsTheVisibleActionWithItsQuestion)
{
    save(QStringLiteral("week1"));
    MessageBoxScript answers({msgbox::kNo});
    frmFileManager *dialog = ticketDialog(FileDialogAction::Delete);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    const QRect first = dialog->lstNames->visualRect(dialog->lstNames->model()->index(0, 0));
    // A double click is a press and release, then a second press that the system reports as a
    // double click.
    QTest::mouseClick(dialog->lstNames->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(dialog->lstNames->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(answers.texts(), QStringList{QStringLiteral("Saved ticket week1 will be deleted.")});
    EXPECT_TRUE(QFile::exists(recordOf("week1")));
}

TEST_F(FileManager, LotteryLoadOpensTheChosenLotteryAndClosesTheDialog)
{
    gblnTicketLoad = false;
    gblnTicketMode = false;
    gstrFileDialogFolder = gstrLotteryDbsFolder;
    gstrFileDialogSuffix = QStringLiteral(".mdb");
    {
        // The lottery already open: the dialog only closes.
        MessageBoxScript answers({msgbox::kYes});
        BoardBase *before = world.board();
        frmFileManager *dialog = DefaultInstance<frmFileManager>::get();
        EXPECT_EQ(dialog->lblListCaption->caption(), QStringLiteral(" Lottery Databases:"));
        EXPECT_TRUE(dialog->lstNames->lines().contains(QStringLiteral("Sample Lotto 6-49")));
        dialog->txtName->setText(QStringLiteral("Sample Lotto 6-49"));
        dialog->cmdLoad_Click();
        EXPECT_EQ(answers.texts(), QStringList{QStringLiteral("The lottery named Sample Lotto 6-49 will be loaded.")});
        EXPECT_FALSE(DefaultInstance<frmFileManager>::exists());
        EXPECT_EQ(world.board(), before);
    }
    MessageBoxScript answers({msgbox::kYes});
    frmFileManager *dialog = DefaultInstance<frmFileManager>::get();
    dialog->txtName->setText(QStringLiteral("Sample Two-Drum 5-50 + 2-12"));
    dialog->cmdLoad_Click();
    EXPECT_EQ(gstrLotteryDbFile, SampleWorld::kTwoDrum);
    EXPECT_EQ(gstrGameCode, QStringLiteral("2P520"));
    ASSERT_NE(world.board(), nullptr);
    EXPECT_EQ(world.board()->family(), BoardFamily::TwoPool);
    EXPECT_FALSE(DefaultInstance<frmFileManager>::exists());
}

TEST_F(FileManager, EachTicketMenuShowsItsOwnActionOverTheSavedTickets)
{
    save(QStringLiteral("week1"));
    BoardBase *board = world.board();
    const std::pair<QAction *, std::array<bool, 3>> menus[] = {
        {board->mnuTicketSave, {false, true, false}},
        {board->mnuTicketDelete, {false, false, true}},
        {board->mnuTicketLoad, {true, false, false}},
    };
    gblnTicketLoad = false;
    for (const auto &[menu, buttons] : menus) {
        std::array<bool, 3> shown{};
        QStringList names;
        whenModal<frmFileManager>([&](frmFileManager *dialog) {
            names = dialog->lstNames->lines();
            shown = {dialog->cmdLoad->Visible(), dialog->cmdSave->Visible(), dialog->cmdDelete->Visible()};
            dialog->cmdCancel->click();
        });
        menu->trigger();
        EXPECT_EQ(shown, buttons);
        EXPECT_EQ(names, QStringList{QStringLiteral("week1")});
        // Only LOAD marks a ticket load.
        EXPECT_EQ(gblnTicketLoad, menu == board->mnuTicketLoad);
    }
    EXPECT_TRUE(gblnTicketMode);
    EXPECT_FALSE(DefaultInstance<frmFileManager>::exists());
}

TEST_F(FileManager, HelpFromTheDialogStaysWithinReachAndEscapeCloses)
{
    subSetHelpNames();
    QPointer<frmHelp> help;
    Qt::WindowModality whileOpen = Qt::NonModal;
    whenModal<frmFileManager>([&](frmFileManager *dialog) {
        dialog->cmdHelp->click();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *h = dynamic_cast<frmHelp *>(w); h && h->isVisible())
                help = h;
        if (help)
            whileOpen = help->windowModality();
        EXPECT_EQ(glngHelpHwnd, fncWindowHandle(help));
        dialog->txtName->setFocus();
        QTest::keyClick(dialog->txtName, Qt::Key_Escape);
    });
    gblnTicketMode = true;
    gstrFileDialogFolder = gstrSavedTicketsFolder;
    gstrFileDialogSuffix = gstrFileSuffix;
    showFileManager(FileDialogAction::Save);
    EXPECT_FALSE(DefaultInstance<frmFileManager>::exists());
    ASSERT_FALSE(help.isNull());
    EXPECT_EQ(whileOpen, Qt::ApplicationModal);
    deleteUnloadedWindows();
    EXPECT_EQ(help->windowModality(), Qt::NonModal);
    EXPECT_TRUE(help->isVisible());
}
