#pragma once
// A program folder for the benchmarks of what a user does: the sample catalogues, with the sample
// 6/49 lottery (one bonus number) given a results database of any number of daily drawings made
// from a fixed seed, and the program's services as start-up makes them. Message boxes are
// answered at once and counted, so that nothing waits for a click.

#include "analysis/clslotterydb.h"
#include "analysis/samplelotteries.h"
#include "analysis/state.h"
#include "dialogs/lotteryswitch.h"
#include "app/apppaths.h"
#include "app/application.h"
#include "boards/common/boardbase.h"
#include "dialogs/iboard.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/screen.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace benchworld {

inline const QString kDatabase = QStringLiteral("Sample Lotto 6-49.mdb");

inline const samples::SampleLottery &lotto649()
{
    for (const samples::SampleLottery &s : samples::sampleLotteries())
        if (s.lottery.databaseFile == kDatabase)
            return s;
    std::fprintf(stderr, "the sample 6/49 lottery is missing\n");
    std::abort();
}

// Writes the sample program folder into `folder`, the 6/49 lottery holding `drawings` drawings.
inline void writeFolder(const QString &folder, int drawings)
{
    QDir().mkpath(folder + QStringLiteral("/SavedTickets"));
    samples::writeSampleLotteries(folder);
    const samples::SampleLottery &s = lotto649();
    const QString path = folder + QStringLiteral("/LotteryDBs/") + kDatabase;
    QFile::remove(path);
    // Daily drawings ending on the sample's last date.
    const QDate last(2026, 11, 28);
    const auto dates = samples::drawingDates(samples::Schedule::Daily, last.addDays(1 - drawings), last);
    const History history = samples::makeDrawings(s.config, dates, 4911);
    QString error;
    if (!lotterydb::createResultsDatabase(path, history, samples::numbersPerDrawing(s.config), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        std::abort();
    }
}

inline int &messageCount()
{
    static int count = 0;
    return count;
}

inline QString &lastMessage()
{
    static QString text;
    return text;
}

// The services on the program folder `folder`, every message box answered with Yes / OK.
inline void startServices(const QString &folder)
{
    qputenv("TALVINOR_HOME", folder.toUtf8());
    qputenv("XDG_CONFIG_HOME", (folder + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (folder + QStringLiteral("/data")).toUtf8());
    subSetProgramFolderPaths(folder);
    setScreenMetricsOverride(ScreenMetrics{1920, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)});
    app().createServiceObjects();
    app().glngLanguage = 2;
    // The offscreen platform's note on every window shown says nothing about the program.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
        if (!text.contains(QStringLiteral("propagateSizeHints")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    msgbox::setHook([](const msgbox::Request &request) {
        ++messageCount();
        lastMessage() = request.text;
        return msgbox::kYes;
    });
}

inline void stopServices()
{
    msgbox::setHook({});
    app().releaseServiceObjects();
    setScreenMetricsOverride(std::nullopt);
}

// Opens the lottery of `database` (the 6/49) as start-up opens the last lottery: its board loads
// (drawings listed, settings reset, POWER, pool) and shows. The board, or nothing when it did not
// open.
inline BoardBase *openLottery(const QString &database = kDatabase)
{
    app().gstrLotteryDbFile.clear();
    app().gstrLastLotteryDbFile = database;
    subOpenSelectedLottery();
    BoardBase *board = boardInFront();
    return board && gblnBoardInitialised ? board : nullptr;
}

inline void closeLottery()
{
    if (IBoard *board = currentBoard())
        board->unloadBoard();
    app().gfrmCurrentBoard = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Times the opening of the lottery of `database` in the program folder `folder`, which holds
// `drawings` drawings; the unloading between openings is not timed.
inline void timeOpening(benchmark::State &state, const QString &folder, const QString &database, int drawings)
{
    startServices(folder);
    for (auto _ : state) {
        if (!openLottery(database) || glngTotalWeeks != drawings) {
            state.SkipWithError("the board did not open");
            break;
        }
        state.PauseTiming();
        closeLottery();
        state.ResumeTiming();
    }
    stopServices();
}

// The power interval on at `percent` (one of the combo's entries 1, 10, 20 ... 100), as the user
// ticks the option and picks the percentage. False when the board did not take it.
inline bool setInterval(BoardBase &board, int percent)
{
    board.main.chkPowerInterval->setValue(1);
    const int index = percent == 1 ? 0 : percent / 10;
    board.main.cboPowerIntervalPct->setListIndex(index);
    return gDrum.gblnPowerInterval && board.main.cboPowerIntervalPct->text() == QString::number(percent);
}

// The resident-set peak of this process so far, in kB (VmHWM of /proc/self/status).
inline long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

}  // namespace benchworld
