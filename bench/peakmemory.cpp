// The resident-set peak of the program for open + POWER + DRAW at one history length, measured in
// a process of its own (VmHWM of /proc/self/status):
//   peakmemory make FOLDER DRAWINGS     writes a program folder with the 6/49 lottery of that length
//   peakmemory measure FOLDER DRAWINGS  opens it to its shown board, presses POWER, draws 32,000
//                                       columns at the 10 % interval, and prints the peak in MB
// The folder is made by a process of its own so that making the history does not count.

#include "dialogs/frmcolumnprogress.h"
#include "benchworld.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s make|measure FOLDER DRAWINGS\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const int drawings = QString::fromLocal8Bit(argv[3]).toInt();
    if (mode == QStringLiteral("make")) {
        benchworld::writeFolder(folder, drawings);
        return 0;
    }
    const long atStart = benchworld::peakResidentKb();
    benchworld::startServices(folder);
    BoardBase *board = benchworld::openLottery();
    if (!board || glngTotalWeeks != drawings) {
        std::fprintf(stderr, "the board did not open\n");
        return 1;
    }
    const long afterOpen = benchworld::peakResidentKb();
    board->cmdPower_Click();
    if (!benchworld::setInterval(*board, 10)) {
        std::fprintf(stderr, "the interval was not set\n");
        return 1;
    }
    board->txtColumnsToDraw->setText(QStringLiteral("32000"));
    board->cmdDraw_Click();
    QApplication::processEvents();
    if (board->lstTicket->listCount() != 32000) {
        std::fprintf(stderr, "DRAW did not make 32000 columns\n");
        return 1;
    }
    const long peak = benchworld::peakResidentKb();
    std::printf("%d drawings: peak resident %.1f MB (Qt and the program before opening %.1f MB, after opening %.1f MB)\n",
                drawings, peak / 1024.0, atStart / 1024.0, afterOpen / 1024.0);
    benchworld::closeLottery();
    benchworld::stopServices();
    return 0;
}
