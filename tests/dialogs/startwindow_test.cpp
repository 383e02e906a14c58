#include "app/globals.h"
#include "app/services.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmfilemanager.h"
#include "dialogs/frmstart.h"
#include "dialogs/startwindow.h"
#include "platform/ui/forms.h"
#include "support/modal.h"
#include "support/sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QEventLoop>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <array>
#include <memory>

namespace {

const QString kHint = QStringLiteral("You can select a lottery from LOTTERY -> LOAD pull-down menu.");
const QString kLoading = QStringLiteral(
    " lottery database file is loading. This procedure can take around one minute according to the size of the "
    "database, please wait.");

ScreenMetrics screenOf(int width, int height, int usableHeight)
{
    return {width, QRect(0, 0, width, height), QRect(0, 0, width, usableHeight)};
}

class StartWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        glngLanguage = 2;
        gblnLotteryManagerOpen = false;
        gstrLastLotteryDbFile.clear();
        frmStart::setScreenMetricsOverride(screenOf(1920, 1080, 1040));
    }
    void TearDown() override
    {
        unloadStartWindow();
        DefaultInstance<frmAbout>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frmStart::setScreenMetricsOverride(std::nullopt);
        releaseServiceObjects();
        glngLanguage = 2;
        gstrLastLotteryDbFile.clear();
        gblnLotteryManagerOpen = false;
    }
    frmStart *load() { return DefaultInstance<frmStart>::get(); }

    // Runs `action` inside an event loop and tells whether the program asked that loop to end.
    bool endsTheProgram(const std::function<void()> &action)
    {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, action);
        QTimer::singleShot(5000, &loop, [&] { loop.exit(99); });
        return loop.exec() == 0;
    }
};

}  // namespace

TEST_F(StartWindow, StatusLineHintLoadingOrEmpty)
{
    EXPECT_EQ(load()->lblStatus->caption(), kHint);
    unloadStartWindow();

    gstrLastLotteryDbFile = QStringLiteral("Lotto.mdb");
    EXPECT_EQ(load()->lblStatus->caption(), QStringLiteral("Lotto") + kLoading);
    unloadStartWindow();

    gblnLotteryManagerOpen = true;
    EXPECT_EQ(load()->lblStatus->caption(), QString());
    unloadStartWindow();

    // A stored name shorter than its extension does not break the window.
    gblnLotteryManagerOpen = false;
    gstrLastLotteryDbFile = QStringLiteral("db");
    EXPECT_EQ(load()->lblStatus->caption(), kLoading);
}

TEST_F(StartWindow, SizeRule)
{
    // A 1024-pixel screen, or one too small for the 1030 x 774 window, maximises it.
    for (const ScreenMetrics &small : {screenOf(1024, 768, 740), screenOf(1023, 768, 740), screenOf(1025, 768, 740),
                                       screenOf(800, 600, 600), screenOf(1366, 768, 740), screenOf(1280, 800, 770)})
        EXPECT_TRUE(fncMainWindowPlacement(small).maximised) << small.horzRes;
    // Otherwise the 15450 x 11610 twip window (1030 x 774 pixels) is centred on the screen.
    const WindowPlacement large = fncMainWindowPlacement(screenOf(1280, 1024, 1000));
    EXPECT_FALSE(large.maximised);
    EXPECT_EQ(large.geometry, QRect(125, 125, 1030, 774));
    EXPECT_EQ(fncMainWindowPlacement(screenOf(1920, 1080, 1040)).geometry, QRect(445, 153, 1030, 774));
}

TEST_F(StartWindow, LoadsMaximisedOrCentredForTheScreenItFinds)
{
    frmStart::setScreenMetricsOverride(screenOf(1024, 768, 768));
    frmStart *small = load();
    EXPECT_EQ(small->horizontalResolution(), 1024);
    EXPECT_TRUE(small->windowState() & Qt::WindowMaximized);
    unloadStartWindow();

    frmStart::setScreenMetricsOverride(screenOf(1280, 1024, 1024));
    frmStart *large = load();
    EXPECT_FALSE(large->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(large->pos(), QPoint(125, 125));
    EXPECT_EQ(large->size(), QSize(1030, 774));
}

TEST_F(StartWindow, StoredLanguageTicksItsItemAndCaptionsEveryMenu)
{
    glngLanguage = 3;
    frmStart *start = load();
    EXPECT_FALSE(start->mnuLanguageEnglish->isChecked());
    EXPECT_TRUE(start->mnuLanguageFrench->isChecked());
    EXPECT_FALSE(start->mnuLanguageTurkish->isChecked());
    EXPECT_EQ(start->mnuFile->title(), QStringLiteral("Fichier"));
    EXPECT_EQ(start->mnuLottery->title(), QStringLiteral("Loterie"));
    EXPECT_EQ(start->mnuLotteryLoad->text(), QStringLiteral("Charger"));
    EXPECT_EQ(start->mnuFileExit->text(), QStringLiteral("Quitter"));
    // The language items keep their own names in every language.
    EXPECT_EQ(start->mnuLanguageEnglish->text(), QStringLiteral("English"));
    EXPECT_EQ(start->mnuLanguageFrench->text(), QString::fromUtf8("Français"));
    EXPECT_EQ(start->mnuLanguageTurkish->text(), QStringLiteral("Turkce"));
    EXPECT_EQ(start->windowTitle(), QStringLiteral("TALVINOR"));
    EXPECT_NE(start->lblStatus->caption(), kHint);

    start->mnuLanguageTurkish->trigger();
    EXPECT_EQ(glngLanguage, 1);
    EXPECT_TRUE(start->mnuLanguageTurkish->isChecked());
    EXPECT_FALSE(start->mnuLanguageFrench->isChecked());
    EXPECT_FALSE(start->mnuLanguageEnglish->isChecked());
    EXPECT_EQ(start->mnuHelp->title(), QString::fromUtf8("Yardım"));

    start->mnuLanguageEnglish->trigger();
    start->mnuLanguageEnglish->trigger();  // choosing the ticked language keeps it ticked
    EXPECT_EQ(glngLanguage, 2);
    EXPECT_TRUE(start->mnuLanguageEnglish->isChecked());
    EXPECT_EQ(start->lblStatus->caption(), kHint);
}

TEST_F(StartWindow, GermanKeepsTheDesignTicksAndFallsBackToEnglishTexts)
{
    glngLanguage = 4;
    frmStart *start = load();
    EXPECT_EQ(glngLanguage, 4);
    EXPECT_TRUE(start->mnuLanguageEnglish->isChecked());
    EXPECT_FALSE(start->mnuLanguageFrench->isChecked());
    EXPECT_EQ(start->mnuFile->title(), QStringLiteral("File"));
    EXPECT_EQ(start->lblStatus->caption(), kHint);
}

TEST_F(StartWindow, MenusEnabledWithoutABoard)
{
    frmStart *start = load();
    EXPECT_FALSE(start->mnuFilePrintTicket->isEnabled());
    EXPECT_FALSE(start->mnuTicketLoad->isEnabled());
    EXPECT_FALSE(start->mnuTicketSave->isEnabled());
    EXPECT_FALSE(start->mnuTicketDelete->isEnabled());
    EXPECT_FALSE(start->mnuLotteryManage->isEnabled());
    EXPECT_TRUE(start->mnuLotteryLoad->isEnabled());
    EXPECT_TRUE(start->mnuHelpContents->isEnabled());
    EXPECT_TRUE(start->mnuHelpAbout->isEnabled());
    EXPECT_EQ(gvarExcludedBackColor, 0x707070);
}

TEST_F(StartWindow, LotteryLoadAsksTheFileDialogForLotteries)
{
    Sandbox sandbox;
    gstrLotteryDbsFolder = sandbox.programFolder() + QStringLiteral("/LotteryDBs/");
    QDir().mkpath(gstrLotteryDbsFolder);
    for (const char *name : {"Lotto.mdb", "Keno.MDB", "notes.txt", "Daily.mdb"})
        QFile(gstrLotteryDbsFolder + QLatin1String(name)).open(QIODevice::WriteOnly);
    // A ticket request of a board that has gone (a ticket that could not load) is no longer in force.
    gblnTicketLoad = true;
    gblnTicketMode = true;
    QStringList listed;
    QString caption;
    std::array<bool, 3> visible{};
    whenModal<frmFileManager>([&](frmFileManager *dialog) {
        listed = dialog->lstNames->lines();
        caption = dialog->lblListCaption->caption();
        visible = {dialog->cmdLoad->Visible(), dialog->cmdSave->Visible(), dialog->cmdDelete->Visible()};
        dialog->cmdCancel->click();
    });
    load()->mnuLotteryLoad->trigger();
    EXPECT_FALSE(gblnTicketLoad);
    EXPECT_FALSE(gblnTicketMode);
    EXPECT_EQ(caption, QStringLiteral(" Lottery Databases:"));
    EXPECT_EQ(gstrFileDialogFolder, gstrLotteryDbsFolder);
    EXPECT_EQ(gstrFileDialogSuffix, QStringLiteral(".mdb"));
    // Only the ".mdb" files, without their suffix, in the order of the folder listing.
    EXPECT_EQ(listed, (QStringList{"Daily", "Lotto"}));
    EXPECT_EQ(visible, (std::array<bool, 3>{true, false, false}));
    EXPECT_FALSE(DefaultInstance<frmFileManager>::exists());
}

// Each ends the program once: the end cannot be undone within one test.
TEST_F(StartWindow, ExitWithoutHelpWindowReleasesTheServicesAndEndsTheProgram)
{
    createServiceObjects();
    glngHelpHwnd = 0;
    frmStart *start = load();
    start->show();
    EXPECT_TRUE(endsTheProgram([&] { start->mnuFileExit->trigger(); }));
    EXPECT_EQ(gobjWindowOnTop, nullptr);
    EXPECT_EQ(gobjLanguage, nullptr);
}

TEST_F(StartWindow, TitleBarCloseRunsExit)
{
    createServiceObjects();
    frmStart *start = load();
    start->show();
    EXPECT_TRUE(endsTheProgram([&] { start->close(); }));
    EXPECT_EQ(gobjRegistry, nullptr);
    EXPECT_TRUE(start->isVisible());  // the program ends; the window does not close on its own
}

TEST_F(StartWindow, HelpAboutShowsTheAboutBoxModally)
{
    frmStart *start = load();
    start->show();
    bool shown = false;
    QTimer::singleShot(0, [&] {
        frmAbout *about = DefaultInstance<frmAbout>::existing();
        shown = about && about->isVisible() && about->isModal();
        if (about)
            QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(150, 75));
    });
    start->mnuHelpAbout->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(DefaultInstance<frmAbout>::exists());
}
