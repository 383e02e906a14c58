#include "app/ui/programend.h"

#include "analysis/ui/clsanalysis.h"
#include "analysis/ui/textwindows.h"
#include "app/globals.h"
#include "app/services.h"

#include <QCoreApplication>

void subEndProgram()
{
    if (glngHelpHwnd > 0)
        subCloseWindow(glngHelpHwnd);
    releaseServiceObjects();
    clsAnalysis::subRemoveReportFiles();
    QCoreApplication::exit(0);
}
