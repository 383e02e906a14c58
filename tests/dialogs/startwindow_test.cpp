#include "app/globals.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "dialogs/driving.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmfilemanager.h"
#include "dialogs/frmstart.h"
#include "dialogs/startwindow.h"
#include "platform/ui/forms.h"
#include "support/modal.h"
#include "support/sandbox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QScreen>
#include <QTimer>

namespace {

ScreenMetrics screenOf(int width, int height) { return {width, QRect(0, 0, width, height), QRect(0, 0, width, height - 40)}; }

class StartWindow : public ::testing::Test {
protected:
    void SetUp() override { frmStart::setScreenMetricsOverride(screenOf(1920, 1080)); }
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
    static frmStart *load()
    {
        unloadStartWindow();
        return DefaultInstance<frmStart>::get();
    }
    static QString status(frmStart *start) { return named<VbLabel>(start, "lblStatus")->caption(); }
    static QString menu(frmStart *start, const char *name) { return named<QMenu>(start, name)->title(); }
    static QAction *item(frmStart *start, const char *name) { return named<QAction>(start, name); }

    // Runs `action` inside the application's own event loop and tells whether the program asked it
    // to end (ending that loop is undone when it returns, so later modal dialogs still run).
    static bool endsTheProgram(const std::function<void()> &action)
    {
        QTimer::singleShot(0, qApp, action);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
        return QCoreApplication::exec() == 0;
    }
};

}  // namespace

// The status line tells what to do, which lottery is loading (also a name shorter than its
// extension), or nothing while the manager is open. Small screens get the window maximised,
// larger ones centred on the screen.
TEST_F(StartWindow, StatusLineAndPlacementForTheScreen)
{
    const QString hint = res(30130), loading = res(30140);
    for (const auto &[last, managerOpen, shown] : {std::tuple{"", false, hint}, {"Lotto.mdb", false, "Lotto" + loading},
                                                   {"Lotto.mdb", true, QString()}, {"db", false, loading}}) {
        gstrLastLotteryDbFile = QString::fromLatin1(last);
        gblnLotteryManagerOpen = managerOpen;
        EXPECT_EQ(status(load()), shown) << last;
    }
    for (const auto &[width, height, maximised] : {std::tuple{1024, 768, true}, {1023, 768, true}, {1366, 768, true},
                                                   {1280, 800, true}, {1280, 1024, false}, {1920, 1080, false}}) {
        frmStart::setScreenMetricsOverride(screenOf(width, height));
        frmStart *start = load();
        EXPECT_EQ(bool(start->windowState() & Qt::WindowMaximized), maximised) << width << "x" << height;
        if (!maximised)
            EXPECT_EQ(start->geometry().center(), QRect(0, 0, width, height).center());
    }
}

// The stored language ticks its item and captions every menu; a choice from the menu does so at
// once. German has no item: English stays ticked and the texts fall back to English. The items
// keep their own names in every language.
TEST_F(StartWindow, LanguageMenusTickTheirItemAndCaptionEveryMenu)
{
    glngLanguage = 3;
    frmStart *start = load();
    EXPECT_EQ(std::tuple(menu(start, "mnuFile"), menu(start, "mnuLottery"), item(start, "mnuLotteryLoad")->text()),
              std::tuple(QStringLiteral("Fichier"), QStringLiteral("Loterie"), QStringLiteral("Charger")));
    const auto ticked = [&] {
        return std::tuple(item(start, "mnuLanguageTurkish")->isChecked(), item(start, "mnuLanguageEnglish")->isChecked(),
                          item(start, "mnuLanguageFrench")->isChecked());
    };
    EXPECT_EQ(ticked(), std::tuple(false, false, true));
    item(start, "mnuLanguageTurkish")->trigger();
    EXPECT_EQ(std::tuple(glngLanguage, ticked(), menu(start, "mnuHelp")), std::tuple(1, std::tuple(true, false, false), QString("Yardım")));
    item(start, "mnuLanguageFrench")->trigger();
    EXPECT_EQ(std::tuple(glngLanguage, ticked(), menu(start, "mnuHelp")), std::tuple(3, std::tuple(false, false, true), QString("Aide")));
    item(start, "mnuLanguageEnglish")->trigger();
    item(start, "mnuLanguageEnglish")->trigger();  // choosing the ticked language keeps it ticked
    EXPECT_EQ(std::tuple(glngLanguage, ticked(), status(start)), std::tuple(2, std::tuple(false, true, false), res(30130)));
    EXPECT_EQ(std::tuple(item(start, "mnuLanguageEnglish")->text(), item(start, "mnuLanguageFrench")->text(),
                         item(start, "mnuLanguageTurkish")->text()),
              std::tuple(QStringLiteral("English"), QStringLiteral("Français"), QStringLiteral("Turkce")));

    glngLanguage = 4;
    start = load();
    EXPECT_EQ(std::tuple(glngLanguage, ticked(), menu(start, "mnuFile"), status(start)),
              std::tuple(4, std::tuple(false, true, false), QStringLiteral("File"), res(30130)));
}

// Without a board only what needs none is offered. Lottery > Load lists the lottery databases
// (the ".mdb" files, without their suffix), whatever ticket request came before; Help > About
// shows the About box modally.
TEST_F(StartWindow, MenusWithoutABoardLoadALotteryAndShowTheAboutBox)
{
    frmStart *start = load();
    for (const char *name : {"mnuFilePrintTicket", "mnuTicketLoad", "mnuTicketSave", "mnuTicketDelete", "mnuLotteryManage"})
        EXPECT_FALSE(item(start, name)->isEnabled()) << name;
    for (const char *name : {"mnuLotteryLoad", "mnuHelpContents", "mnuHelpAbout", "mnuFileExit"})
        EXPECT_TRUE(item(start, name)->isEnabled()) << name;

    Sandbox sandbox;
    gstrLotteryDbsFolder = sandbox.programFolder() + QStringLiteral("/LotteryDBs/");
    QDir().mkpath(gstrLotteryDbsFolder);
    for (const char *name : {"Lotto.mdb", "Keno.MDB", "notes.txt", "Daily.mdb"})
        QFile(gstrLotteryDbsFolder + QLatin1String(name)).open(QIODevice::WriteOnly);
    gblnTicketLoad = gblnTicketMode = true;  // of a board that has gone
    QStringList listed;
    whenModal<frmFileManager>([&](frmFileManager *dialog) {
        auto *list = named<QListView>(dialog, "lstNames");
        for (int row = 0; row < list->model()->rowCount(); ++row)
            listed << list->model()->index(row, 0).data().toString();
        EXPECT_TRUE(named(dialog, "cmdLoad")->isVisibleTo(dialog) && !named(dialog, "cmdSave")->isVisibleTo(dialog));
        click(dialog, "cmdCancel");
    });
    item(start, "mnuLotteryLoad")->trigger();
    EXPECT_EQ(listed, (QStringList{"Daily", "Lotto"}));
    EXPECT_FALSE(gblnTicketLoad || gblnTicketMode || DefaultInstance<frmFileManager>::exists());

    bool modal = false;
    whenModal<frmAbout>([&](frmAbout *about) {
        modal = about->isModal();
        pressKey(Qt::Key_Escape);
    });
    item(start, "mnuHelpAbout")->trigger();
    EXPECT_TRUE(modal && !DefaultInstance<frmAbout>::exists());
}

// File > Exit and the title bar's close end the program (the window does not close on its own)
// and release the services. Each ends the program once: the end cannot be undone within a test.
TEST_F(StartWindow, ExitEndsTheProgram)
{
    createServiceObjects();
    frmStart *start = load();
    start->show();
    EXPECT_TRUE(endsTheProgram([&] { item(start, "mnuFileExit")->trigger(); }));
    EXPECT_EQ(gobjLanguage, nullptr);
}

TEST_F(StartWindow, TheTitleBarCloseEndsTheProgram)
{
    createServiceObjects();
    frmStart *start = load();
    start->show();
    EXPECT_TRUE(endsTheProgram([&] { start->close(); }));
    EXPECT_EQ(gobjRegistry, nullptr);
    EXPECT_TRUE(start->isVisible());
}
