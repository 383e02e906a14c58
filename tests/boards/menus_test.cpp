#include "analysis/state.h"
#include "analysis/ui/clsanalysis.h"
#include "analysis/ui/textwindows.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmstart.h"
#include "platform/ui/forms.h"
#include "support/modal.h"
#include "support/sampleworld.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBrowser>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <class Window>
QList<Window *> openWindows()
{
    QList<Window *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = dynamic_cast<Window *>(w); window && window->isVisible())
            out << window;
    return out;
}

class BoardMenus : public ::testing::Test {
protected:
    void SetUp() override
    {
        // An editor that exists; the report is handed to it through the test's opener.
        gstrNotepadPath = world.sandbox.programFolder() + QStringLiteral("/editor");
        QFile editor(gstrNotepadPath);
        ASSERT_TRUE(editor.open(QIODevice::WriteOnly));
        editor.write("#!/bin/sh\n");
        editor.close();
        editor.setPermissions(editor.permissions() | QFileDevice::ExeOwner);
        clsAnalysis::setReportOpenerForTests([this](const QString &program, const QString &file) {
            opened << program << file;
            return true;
        });
    }
    void TearDown() override
    {
        for (int i = 1; i < opened.size(); i += 2)
            QFile::remove(opened[i]);
        gstrNotepadPath.clear();
        deleteUnloadedWindows();
    }

    // A lotto ticket of two columns compared with the end drawing 3 8 17 25 33 40 + 12.
    void fillLottoBoard(BoardBase *b)
    {
        b->staMain->setPanelText(3, QStringLiteral("Lotto 6/49 + Bonus - Sample Lotto 6/49 - Sample Country"));
        b->cboDrawingDate->setText(QStringLiteral("12/31/2025"));
        b->cboEndDrawing->setText(QStringLiteral("731"));
        const QStringList drawn{"3", "8", "17", "25", "33", "40", "12"};
        for (int p = 1; p <= 7; ++p)
            b->lblDrawingNumber[p]->setCaption(drawn[p - 1]);
        b->txtGuessSource->setText(QStringLiteral("730 - 12/27/2025"));
        const QStringList guess{"1", "8", "17", "22", "30", "49", "5"};
        for (int p = 1; p <= 7; ++p)
            b->txtGuess[p]->setText(guess[p - 1]);
        b->txtResults[0]->setText(QStringLiteral("Total: 2\r\n0 Catcher: 0"));
        b->txtResults[1]->setText(QStringLiteral("3 Catcher: 1 (1)"));
        b->lstTicket->setLines({"01- 3 8 17 20 21 22 (3)", "02- 1 2 4 5 6 7 (0)"});
    }

    SampleWorld world;
    QStringList opened;  // editor, file, editor, file ...
};

}  // namespace

TEST_F(BoardMenus, PrintHandsTheLottoReportToTheEditorByteForByte)
{
    world.open(SampleWorld::kLotto);
    fillLottoBoard(world.board());
    const QByteArray tail = "\r\nTotal: 2\r\n0 Catcher: 0\r\n3 Catcher: 1 (1)\r\n\r\n"
                            "01- 3 8 17 20 21 22 (3)\r\n02- 1 2 4 5 6 7 (0)\r\n";
    const std::pair<bool, QByteArray> reports[] = {
        {false, "Lotto 6/49 + Bonus - Sample Lotto 6/49 - Sample Country\r\nDate: 12/31/2025\r\nWeek No: 731\r\n"
                "Drawing: 3 8 17 25 33 40 12 \r\n" + tail},
        {true, "Lotto 6/49 + Bonus - Sample Lotto 6/49 - Sample Country\r\nWeek No & Date: 730 - 12/27/2025\r\n"
               "Drawing: 1 8 17 22 30 49 5 \r\n" + tail},
    };
    for (const auto &[withGuess, expected] : reports) {
        gblnCompareWithGuess = withGuess;
        opened.clear();
        world.board()->mnuFilePrintTicket->trigger();
        ASSERT_EQ(opened.size(), 2);
        EXPECT_EQ(opened[0], gstrNotepadPath);
        EXPECT_TRUE(opened[1].endsWith(QStringLiteral(".txt")));
        EXPECT_EQ(fileBytes(opened[1]), expected);
        EXPECT_EQ(QGuiApplication::clipboard()->text().toUtf8(), expected);
        QFile::remove(opened[1]);
    }
    EXPECT_TRUE(openWindows<frmReport>().isEmpty());
}

TEST_F(BoardMenus, PrintOnADigitBoardWritesItsPositionsAndOneResultBox)
{
    world.open(SampleWorld::kPick3);
    BoardBase *b = world.board();
    ASSERT_EQ(b->family(), BoardFamily::Digit);
    b->staMain->setPanelText(3, QStringLiteral("Pick 3"));
    b->cboDrawingDate->setText(QStringLiteral("12/31/2025"));
    b->cboEndDrawing->setText(QStringLiteral("1461"));
    for (int p = 0; p <= 2; ++p)
        b->lblDrawingNumber[p]->setCaption(QString::number(p + 4));
    b->lblDrawingNumber[3]->setCaption(QStringLiteral("9"));  // a position the game does not have
    b->txtResults[0]->setText(QStringLiteral("Total: 1"));
    b->txtResults[1]->setText(QStringLiteral("not shown"));
    b->lstTicket->setLines({"01- 4 5 6 (3)"});
    gblnCompareWithGuess = false;
    b->mnuFilePrintTicket->trigger();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(fileBytes(opened[1]), QByteArray("Pick 3\r\nDate: 12/31/2025\r\nWeek No: 1461\r\nDrawing: 4 5 6 \r\n\r\n"
                                               "Total: 1\r\n\r\n01- 4 5 6 (3)\r\n"));
}

TEST_F(BoardMenus, PrintWithAnEmptyTicketDoesNothingAndWithoutAnEditorShowsTheReport)
{
    world.open(SampleWorld::kLotto);
    fillLottoBoard(world.board());
    world.board()->lstTicket->clear();
    world.board()->mnuFilePrintTicket->trigger();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(openWindows<frmReport>().isEmpty());

    world.board()->lstTicket->setLines({"01- 3 8 17 20 21 22 (3)"});
    gstrNotepadPath.clear();
    world.board()->mnuFilePrintTicket->trigger();
    EXPECT_TRUE(opened.isEmpty());
    const QList<frmReport *> reports = openWindows<frmReport>();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0]->txtReport->isReadOnly());
    EXPECT_TRUE(reports[0]->txtReport->toPlainText().endsWith(QStringLiteral("\n01- 3 8 17 20 21 22 (3)\n")));
}

TEST_F(BoardMenus, HelpTwiceGivesOneWindowWhichExitClosesAndAboutIsModal)
{
    world.open(SampleWorld::kLotto);
    subSetHelpNames();
    EXPECT_EQ(gstrHelpTitle, QStringLiteral("Help for TALVINOR"));
    // A window whose title only begins with the help title is not the help window.
    QWidget other;
    other.setWindowTitle(QStringLiteral("Help for TALVINOR (notes)"));
    other.show();

    world.board()->mnuHelpContents->trigger();
    const QList<frmHelp *> first = openWindows<frmHelp>();
    ASSERT_EQ(first.size(), 1);
    EXPECT_EQ(first[0]->windowTitle(), gstrHelpTitle);
    EXPECT_TRUE(first[0]->txtContents->toPlainText().contains(QStringLiteral("TALVINOR user guide")));
    EXPECT_EQ(glngHelpHwnd, fncWindowHandle(first[0]));

    first[0]->showMinimized();
    world.board()->mnuHelpContents->trigger();
    EXPECT_EQ(openWindows<frmHelp>(), first);
    EXPECT_FALSE(first[0]->isMinimized());
    EXPECT_EQ(glngHelpHwnd, fncWindowHandle(first[0]));

    subCloseWindow(glngHelpHwnd);
    EXPECT_TRUE(openWindows<frmHelp>().isEmpty());
    EXPECT_TRUE(other.isVisible());

    bool shown = false;
    whenModal<frmAbout>([&](frmAbout *about) {
        shown = true;
        about->unloadForm();
    });
    world.board()->mnuHelpAbout->trigger();
    EXPECT_TRUE(shown);
}

TEST_F(BoardMenus, EveryLanguageHasItsGuide)
{
    for (int language : {1, 2, 3}) {
        glngLanguage = language;
        subSetHelpNames();
        EXPECT_TRUE(QFile::exists(fncHelpGuidePath(gstrHelpFile))) << gstrHelpFile.toStdString();
    }
    glngLanguage = 3;
    subSetHelpNames();
    EXPECT_EQ(gstrHelpTitle, QStringLiteral("Aide pour TALVINOR"));
    frmStart start;
    start.mnuHelpContents->trigger();
    ASSERT_EQ(openWindows<frmHelp>().size(), 1);
    EXPECT_TRUE(openWindows<frmHelp>()[0]->txtContents->toPlainText().contains(QStringLiteral("Guide de l'utilisateur")));
    glngLanguage = 2;
}

TEST_F(BoardMenus, MenuHandlersParkTheFocusFirst)
{
    world.open(SampleWorld::kLotto);
    BoardBase *b = world.board();
    b->show();
    b->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(b));
    int checks = 0;
    b->chkCompareWithGuess->setValue(1);  // the guess boxes take the focus only then
    b->txtGuess[2]->onLostFocus = [&] { ++checks; };
    b->txtGuess[2]->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(b->txtGuess[2]->hasFocus());
    b->lstTicket->clear();
    b->mnuFilePrintTicket->trigger();
    EXPECT_EQ(checks, 1);
    EXPECT_TRUE(b->cmdHiddenFocus->hasFocus());
}

TEST_F(BoardMenus, TheReportFilesHandedToTheEditorAreRemovedAtTheEnd)
{
    world.open(SampleWorld::kLotto);
    fillLottoBoard(world.board());
    world.board()->mnuFilePrintTicket->trigger();
    world.board()->mnuFilePrintTicket->trigger();
    ASSERT_EQ(opened.size(), 4);
    for (int i = 1; i < opened.size(); i += 2)
        EXPECT_TRUE(QFile::exists(opened[i])) << opened[i].toStdString();

    clsAnalysis::subRemoveReportFiles();
    for (int i = 1; i < opened.size(); i += 2)
        EXPECT_FALSE(QFile::exists(opened[i])) << opened[i].toStdString();
}
