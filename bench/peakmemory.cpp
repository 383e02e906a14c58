// The resident-set peak of the program over a whole session at one history length, measured in a
// process of its own (VmHWM of /proc/self/status):
//   peakmemory make FOLDER DRAWINGS SEED     writes a program folder with the 6/49 lottery of that
//                                            length, its drawings made from SEED
//   peakmemory measure FOLDER DRAWINGS       a session on it, as a user has it: the lottery opened
//                                            to its board, POWER, DRAW of 32,000 columns at the 10 %
//                                            interval, the ticket saved, loaded again (the board
//                                            reopened) and compared; prints the peak in MB
// The folder is made by a process of its own so that making the history does not count.

#include "benchworld.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s make FOLDER DRAWINGS SEED | measure FOLDER DRAWINGS\n", argv[0]);
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
        benchworld::writeFolder(folder, drawings, argc > 4 ? QString::fromLocal8Bit(argv[4]).toULongLong() : 1);
        return 0;
    }
    using namespace benchworld;
    const long atStart = peakResidentKb();
    startServices(folder);
    BoardBase *board = openLottery();
    if (!board || board->lottery().glngTotalWeeks != drawings) {
        std::fprintf(stderr, "the board did not open\n");
        return 1;
    }
    const long afterOpen = peakResidentKb();
    click(control(board, QStringLiteral("cmdPower")));
    untilIdle();
    if (!setInterval(*board, 10)) {
        std::fprintf(stderr, "the interval was not set\n");
        return 1;
    }
    control<VbTextBox>(board, QStringLiteral("txtColumnsToDraw"))->setText(QStringLiteral("32000"));
    click(control(board, QStringLiteral("cmdDraw")));
    untilIdle();
    if (const QString fault = ticketFault(*board, 32000); !fault.isEmpty()) {
        std::fprintf(stderr, "DRAW: %s\n", qPrintable(fault));
        return 1;
    }
    for (bool load : {false, true}) {
        askTicket(*board, load, QStringLiteral("session"));
        untilIdle();
    }
    board = boardInFront();
    if (!board || control<VbList>(board, QStringLiteral("lstTicket"))->listCount() != 32000) {
        std::fprintf(stderr, "the ticket of 32000 columns was not saved and loaded\n");
        return 1;
    }
    click(control(board, QStringLiteral("cmdCompare")));
    untilIdle();
    const long peak = peakResidentKb();
    std::printf("%d drawings: peak resident %.1f MB (Qt and the program before opening %.1f MB, after opening %.1f MB)\n",
                drawings, peak / 1024.0, atStart / 1024.0, afterOpen / 1024.0);
    stopServices();
    return 0;
}
