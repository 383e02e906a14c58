#include "program/startup.h"

#include "program/boardfactory.h"

#include "dialogs/lotteryswitch.h"
#include "dialogs/helpandreport.h"
#include "platform/ui/textwindows.h"
#include "app/apppaths.h"
#include "app/clsfilesystem.h"
#include "app/clsregistry.h"
#include "app/globals.h"
#include "app/instancecheck.h"
#include "app/osname.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "app/settingsstore.h"
#include "app/uilanguage.h"
#include "dialogs/iboard.h"
#include "dialogs/frmstart.h"
#include "dialogs/startwindow.h"
#include "platform/ui/forms.h"

#include <QApplication>

bool Main()
{
    useProgramBoards();
    createServiceObjects();
    subSetLogPaths();
    gstrAppTitle = resources::text(10102);

    // Single-instance check: a second copy logs its end and leaves at once, silently.
    gfrmPrint = std::make_unique<frmPrint>();
    fncScanProgramWindows(gfrmPrint->lstWindows);
    gfrmPrint.reset();
    if (gblnAlreadyRunning) {
        gobjFileSystem->subWriteLogEvent(eventlog::kSecondCopy);
        releaseServiceObjects();
        return false;
    }

    gstrOsName = fncNormaliseOsName(fncGetOSName());
    const OsRecognition os = fncRecogniseOs(gstrOsName);
    gobjFileSystem->subWriteLogEvent(os.eventCode);
    glngBackColor = os.backColor;

    subSetAppPaths();
    subRestoreSettings();
    subApplyQtTranslations();
    subSetHelpNames();
    gobjRegistry->subStartMainWindow();
    return true;
}

QVariant clsRegistry::subStartMainWindow()
{
    if (gstrLastLotteryDbFile.isEmpty() || !gobjFileSystem->fncFileExists(gstrLotteryDbsFolder + gstrLastLotteryDbFile)) {
        showStartWindowInFront();
    } else {
        subOpenSelectedLottery();
    }
    gobjFileSystem->subWriteLogEvent(eventlog::kStartupFinished);
    return {};
}

int runTalvinor(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The application name stays the executable's name: the single-instance lock records it, and
    // a lock whose recorded name differs from its holder's would be taken for stale.
    app.setApplicationVersion(eventlog::versionText());
    app.setQuitOnLastWindowClosed(false);
    if (!Main())
        return 0;
    const int code = app.exec();
    releaseInstanceLock();
    return code;
}
