#include "dialogs/startwindow.h"
#include "app/application.h"

#include "dialogs/frmstart.h"
#include "platform/ui/forms.h"

#include "dialogs/iboard.h"

void showStartWindowInFront()
{
    frmStart *start = DefaultInstance<frmStart>::get();
    start->subSetLanguageCaptions();
    app().gfrmCurrentBoard = start;
    start->show();
}

void showStartWindow() { DefaultInstance<frmStart>::get()->show(); }

void unloadStartWindow() { DefaultInstance<frmStart>::unload(); }
