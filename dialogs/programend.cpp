#include "dialogs/programend.h"

#include "dialogs/helpandreport.h"
#include "platform/ui/textwindows.h"
#include "app/application.h"

#include "dialogs/iboard.h"

#include <QCoreApplication>
#include <QTimer>

void subEndProgram()
{
    // Start-up still needs the services, and ending now would end no event loop: the program
    // ends once start-up is over.
    if (app().gblnStartingUp) {
        app().gblnEndAfterStartUp = true;
        return;
    }
    if (app().glngHelpHwnd > 0)
        subCloseWindow(app().glngHelpHwnd);
    app().releaseServiceObjects();
    subRemoveReportFiles();
    QCoreApplication::exit(0);
}

void subEndAfterStartUp()
{
    if (!app().gblnEndAfterStartUp)
        return;
    app().gblnEndAfterStartUp = false;
    // As soon as the program's event loop runs, through the Exit of the window then in front (a
    // board keeps its settings as its File > Exit does).
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        if (QWidget *front = windowInFront())
            front->close();
        else
            subEndProgram();
    });
}
