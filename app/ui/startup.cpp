#include "app/startup.h"

#include <QApplication>

int runTalvinor(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    return 0;
}
