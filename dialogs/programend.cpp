#include "dialogs/programend.h"

#include "dialogs/helpandreport.h"
#include "platform/ui/textwindows.h"
#include "app/application.h"

#include <QCoreApplication>

void subEndProgram()
{
    if (app().glngHelpHwnd > 0)
        subCloseWindow(app().glngHelpHwnd);
    app().releaseServiceObjects();
    subRemoveReportFiles();
    QCoreApplication::exit(0);
}
