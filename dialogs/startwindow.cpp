#include "dialogs/startwindow.h"

#include "dialogs/frmstart.h"
#include "platform/ui/forms.h"

QWidget *startWindow() { return DefaultInstance<frmStart>::get(); }

void showStartWindow() { DefaultInstance<frmStart>::get()->show(); }

void unloadStartWindow() { DefaultInstance<frmStart>::unload(); }
