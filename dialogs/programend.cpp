#include "dialogs/programend.h"

#include "dialogs/helpandreport.h"
#include "platform/ui/textwindows.h"
#include "app/globals.h"
#include "app/services.h"

#include <QCoreApplication>

void subEndProgram()
{
    if (glngHelpHwnd > 0)
        subCloseWindow(glngHelpHwnd);
    releaseServiceObjects();
    subRemoveReportFiles();
    QCoreApplication::exit(0);
}
