#include "app/ui/programend.h"

#include "app/globals.h"
#include "app/services.h"

#include <QCoreApplication>

void subEndProgram()
{
    if (glngHelpHwnd > 0) {
        // Help window: close the window glngHelpHwnd here once the program has its help window.
    }
    releaseServiceObjects();
    QCoreApplication::exit(0);
}
