#include "program/startup.h"

#include "program/boardfactory.h"

#include "analysis/lotteryopening.h"
#include "dialogs/lotteryswitch.h"
#include "dialogs/helpandreport.h"
#include "dialogs/programend.h"
#include "platform/ui/textwindows.h"
#include "app/apppaths.h"
#include "app/clsfilesystem.h"
#include "app/clsregistry.h"
#include "app/cutshortwrites.h"
#include "app/application.h"
#include "app/instancecheck.h"
#include "app/osname.h"
#include "app/resstrings.h"
#include "app/settingsstore.h"
#include "app/uilanguage.h"
#include "dialogs/iboard.h"
#include "dialogs/frmstart.h"
#include "dialogs/startwindow.h"
#include "platform/folders.h"
#include "platform/ui/forms.h"

#include <QApplication>
#include <QFontDatabase>
#include <future>

bool Main()
{
    useProgramBoards();
    app().createServiceObjects();
    subSetLogPaths();
    app().gstrAppTitle = resources::text(10102);

    // Single-instance check: a second copy logs its end and leaves at once, silently.
    {
        frmPrint print;
        fncScanProgramWindows(print.lstWindows);
    }
    if (app().gblnAlreadyRunning) {
        app().gobjFileSystem->subWriteLogEvent(eventlog::kSecondCopy);
        app().releaseServiceObjects();
        return false;
    }

    app().gstrOsName = fncNormaliseOsName(fncGetOSName());
    const OsRecognition os = fncRecogniseOs(app().gstrOsName);
    app().gobjFileSystem->subWriteLogEvent(os.eventCode);
    app().glngBackColor = os.backColor;

    subSetAppPaths();
    // No other copy writes the program's files while this one holds the lock.
    if (app().instanceLock)
        subRecoverCutShortWrites();
    subRestoreSettings();
    subApplyQtTranslations();
    subSetHelpNames();
    app().gblnStartingUp = true;
    app().gobjRegistry->subStartMainWindow();
    app().gblnStartingUp = false;
    subEndAfterStartUp();
    return true;
}

QVariant clsRegistry::subStartMainWindow()
{
    if (app().gstrLastLotteryDbFile.isEmpty() || !app().gobjFileSystem->fncFileExists(app().gstrLotteryDbsFolder + app().gstrLastLotteryDbFile)) {
        showStartWindowInFront();
    } else {
        subOpenSelectedLottery();
    }
    app().gobjFileSystem->subWriteLogEvent(eventlog::kStartupFinished);
    return {};
}

void subReadLastLotteryAhead()
{
    // A second copy, which ends at once, reads nothing: this copy reads once it holds the
    // single-instance lock, which the check of Main then finds held.
    if (!acquireInstanceLock())
        return;
    // Only a lottery the catalogues list: the settings store can name any file.
    const QString last = fncStoredLastLotteryDbFile();
    const QString folder = withTrailingSlash(folders::programFolder());
    if (last.isEmpty() || prepareLotteryListing(last, folder).problem != OpeningProblem::None)
        return;
    app().gobjLotteryDb = std::make_unique<clsLotteryDb>();
    app().gobjLotteryDb->subReadHistoryAhead(fncLotteryDbsFolderOf(folder), last);
}

int runTalvinor(int argc, char **argv)
{
    lotterydb::configureEngine();
    QApplication qtApplication(argc, argv);
    // Every window of the program shows text: the font database is read on a thread of its own
    // while start-up goes on, and the first text laid out waits for it. Ended before the
    // application object.
    const auto fontsAhead = std::async(std::launch::async, [] { QFontDatabase::families(); });
    qtApplication.setApplicationVersion(eventlog::versionText());
    qtApplication.setQuitOnLastWindowClosed(false);
    makeApplication();
    subReadLastLotteryAhead();
    if (!Main())
        return 0;
    const int code = qtApplication.exec();
    releaseInstanceLock();
    return code;
}
