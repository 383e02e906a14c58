// Start-up to the painted board, whole: the program's own executable started as a user starts it,
// in a process of its own, with the 6/49 lottery (one bonus number) of n drawings as its last
// lottery, timed from the start of the process (before it is spawned) to the moment its board has
// been handed to the screen painted and the program has nothing left to do (its event loop about
// to wait with no event posted, no timer due and no paint pending). The moments are taken inside
// the process by a library loaded with LD_PRELOAD (startup/firstpaint.cpp), which watches Qt hand
// painted windows over, counts the board's, and ends the process when the loop goes idle after
// the board's first; the program is not changed for it.
// Beside it, in the same run and in alternating order, the floor: startup/startfloor.cpp, a
// process that starts Qt, reads the same database once on a thread beside the making of its
// window, and shows a bare window of the board's size with as many widgets as the board, timed the
// same way. Goal: the program within 1.5 times the floor at 50,000 drawings.
// BM_StartUp/n/seed: each iteration one start of each; the time is the program's to idle, the
// counters first_paint_ms and flushes (the board's first paint, and the board's paints handed
// over until idle, the most of any start), floor_ms, floor_first_paint_ms and floor_flushes the
// same of the floor, and widgets (the board's, visible or not).
// Every start of the program is checked at its idle moment, before the process ends, by the
// first-paint library: the board lists every drawing of the database (the start and end drawing
// lists every week number, the dates the newest and the oldest) and shows what POWER gives over
// the whole history with the options a fresh board has, each ball's pick count, standing, power
// percent and pool count as the benchmark works them out from the drawings it made. A start that
// fails a check fails the benchmark.

#include "app/boardsettings.h"
#include "app/clsregistry.h"
#include "app/settingsstore.h"
#include "benchworld.h"
#include "benchwindows.h"
#include "platform/dates.h"

#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// What the first-paint library reports of a window, the times from before the process was spawned.
struct FirstPaint {
    double ms = 0;       // to the window painted and the program idle
    double firstMs = 0;  // to the window's first paint
    long flushes = 0;    // the window's paints handed to the screen until then
    int width = 0, height = 0;
    long widgets = 0, visible = 0;
    int failedChecks = 0;  // of the window at that moment, and what the first found
    std::string firstFailure;
};

// Starts `argv` with the first-paint library watching for a window titled with `title`, in the
// environment of this process plus `env`; that window painted and the program idle, or nothing
// (after 30 s).
std::optional<FirstPaint> startUntilPainted(std::vector<std::string> argv, const QString &title,
                                            std::vector<std::string> env)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return std::nullopt;
    for (char **e = environ; *e; ++e)
        env.emplace_back(*e);
    // Offscreen, as every benchmark runs, unless another platform is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("LD_PRELOAD=" FIRSTPAINT_LIBRARY);
    env.push_back("FIRSTPAINT_FD=3");
    env.push_back("FIRSTPAINT_WINDOW=" + title.toStdString());
    std::vector<char *> args, envp;
    for (std::string &a : argv)
        args.push_back(a.data());
    args.push_back(nullptr);
    for (std::string &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int64_t started = monotonicNs();
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::optional<FirstPaint> paint;
    if (spawned == 0) {
        pollfd p{fds[0], POLLIN, 0};
        char line[1024] = {};
        long long first = 0, idle = 0;
        int rest = 0;
        FirstPaint f;
        if (poll(&p, 1, 30000) == 1 && read(fds[0], line, sizeof line - 1) > 0
            && std::sscanf(line, "%lld %lld %ld %d %d %ld %ld %d %n", &first, &idle, &f.flushes, &f.width, &f.height,
                           &f.widgets, &f.visible, &f.failedChecks, &rest) == 8) {
            f.firstMs = static_cast<double>(first - started) / 1e6;
            f.ms = static_cast<double>(idle - started) / 1e6;
            f.firstFailure = std::string(line + rest, std::strcspn(line + rest, "\n"));
            paint = f;
        } else {
            kill(pid, SIGKILL);
        }
        waitpid(pid, nullptr, 0);
    }
    close(fds[0]);
    return paint;
}

// The program folder, configuration and data folders of each history, made once per run, with the
// 6/49 lottery as the last lottery.
struct World {
    QString root;
    std::vector<std::string> env;
    QString database;
    QString checks;  // what the board must show at its idle moment, for the first-paint library
};

// What the board of a fresh start must show of the drawings `history` of the lottery of
// `database`, as the first-paint library checks it (object name, what, expected): every drawing
// listed, and POWER over the window and options of a board without settings.
QString boardChecks(const QString &database, const History &history)
{
    const auto total = static_cast<int32_t>(history.size());
    const GameConfigRecord &config = benchworld::lotteryOf(database).config;
    const BoardSettings fresh = boardSettingsDefaults(GameLayout::lotto(config.highestBall, config.numbersDrawn),
                                                      DrawingsInfo{total, history.back().date});
    QString checks;
    const auto expect = [&checks](const QString &object, const QString &what, const QString &text) {
        checks += object + u'\t' + what + u'\t' + text + u'\n';
    };
    for (const char *weeks : {"cboStartDrawing", "cboEndDrawing"})
        expect(QLatin1String(weeks), QStringLiteral("countdown"), QString::number(total));
    expect(QStringLiteral("cboStartDrawing"), QStringLiteral("text"), QString::number(fresh.startWeek));
    expect(QStringLiteral("cboEndDrawing"), QStringLiteral("text"), QString::number(fresh.endWeek));
    expect(QStringLiteral("cboDrawingDate"), QStringLiteral("count"), QString::number(total));
    expect(QStringLiteral("cboDrawingDate"), QStringLiteral("item 0"), dates::toShortText(history.back().date));
    expect(QStringLiteral("cboDrawingDate"), QStringLiteral("item %1").arg(total - 1), dates::toShortText(history.front().date));

    benchpower::Window window{fresh.startWeek, fresh.endWeek, {}, fresh.powerIncrease != 0, fresh.cold,
                              fresh.powerIncreaseLevel, total};
    for (const Drawing &d : history)
        if (d.weekNo == window.end)
            window.upToDate = d.date;
    const benchpower::DrumColumns drum = benchworld::mainDrumOf(database);
    const benchpower::Expected e = benchpower::expectedPower(history, drum, window);
    for (int32_t b = drum.firstBall; b <= drum.maxBall; ++b) {
        const auto i = static_cast<size_t>(b);
        expect(QStringLiteral("lblTotalPicks(%1)").arg(b), QStringLiteral("text"), QString::number(e.picks[i]));
        expect(QStringLiteral("lblStanding(%1)").arg(b), QStringLiteral("text"), QString::number(e.standing[i]));
        expect(QStringLiteral("lblPowerPercent(%1)").arg(b), QStringLiteral("text"), QString::number(e.percent[i]));
        expect(QStringLiteral("txtPoolCount(%1)").arg(b), QStringLiteral("text"), QString::number(e.pool[i]));
    }
    return checks;
}

const World &worldFor(int drawings, uint64_t seed)
{
    static QTemporaryDir dir;
    static std::map<std::pair<int, uint64_t>, World> made;
    auto it = made.find({drawings, seed});
    if (it != made.end())
        return it->second;
    World w;
    w.root = dir.path() + QStringLiteral("/n%1s%2").arg(drawings).arg(seed);
    for (const char *sub : {"config", "data"})
        QDir().mkpath(w.root + u'/' + QLatin1String(sub));
    // The session's runtime folder lives in memory on a desktop (/run/user/<uid>), and so does the
    // per-user lock file the program takes there; the same here where the machine has a memory
    // file system.
    static QTemporaryDir memory(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/talvinor-bench-XXXXXX")
                                    : dir.path() + QStringLiteral("/runtime-XXXXXX"));
    const QString runtime = memory.path() + QStringLiteral("/n%1s%2").arg(drawings).arg(seed);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    benchworld::writeFolder(w.root + QStringLiteral("/program"), drawings, seed);
    w.database = w.root + QStringLiteral("/program/LotteryDBs/") + benchworld::kDatabase;
    w.checks = w.root + QStringLiteral("/checks.tsv");
    const History history = benchworld::madeHistory(benchworld::kDatabase, drawings, seed);
    benchworld::writeOrDie(w.checks, boardChecks(benchworld::kDatabase, history).toUtf8());
    for (const auto &[name, sub] : {std::pair{"TALVINOR_HOME", "program"}, {"XDG_CONFIG_HOME", "config"},
                                    {"XDG_DATA_HOME", "data"}})
        w.env.push_back(std::string(name) + "=" + (w.root + u'/' + QLatin1String(sub)).toStdString());
    w.env.push_back("XDG_RUNTIME_DIR=" + runtime.toStdString());
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", (w.root + QStringLiteral("/config")).toUtf8());
    clsRegistry().fncREGSetStringVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLastLotteryDbFile,
                                     benchworld::kDatabase);
    qputenv("XDG_CONFIG_HOME", config);
    return made.emplace(std::pair{drawings, seed}, std::move(w)).first->second;
}

void BM_StartUp(benchmark::State &state)
{
    const World &w = worldFor(static_cast<int>(state.range(0)), static_cast<uint64_t>(state.range(1)));
    const QString boardTitle = QStringLiteral("Sample Lotto 6/49");
    std::vector<std::string> programEnv = w.env;
    programEnv.push_back("FIRSTPAINT_EXPECT=" + w.checks.toStdString());
    auto program = [&] { return startUntilPainted({TALVINOR_PROGRAM}, boardTitle, programEnv); };
    // What a start of the program showed that it should not have; empty when nothing.
    const auto fault = [](const std::optional<FirstPaint> &p) {
        if (!p)
            return std::string("the program did not paint its board");
        if (p->failedChecks == 0)
            return std::string();
        return "the board at its idle moment failed " + std::to_string(p->failedChecks) + " check(s), the first: "
               + p->firstFailure;
    };
    // A first start of each, not timed: the files in the page cache, the board's size and widgets.
    const std::optional<FirstPaint> board = program();
    if (!fault(board).empty()) {
        state.SkipWithError(fault(board).c_str());
        return;
    }
    auto floor = [&] {
        return startUntilPainted({STARTFLOOR_PROGRAM, w.database.toStdString(), std::to_string(board->width),
                                  std::to_string(board->height), std::to_string(board->widgets),
                                  std::to_string(board->visible)},
                                 QStringLiteral("TALVINOR floor"), w.env);
    };
    floor();
    double firstMs = 0, floorMs = 0, floorFirstMs = 0;
    long flushes = 0, floorFlushes = 0;
    bool floorFirst = false;
    for (auto _ : state) {
        std::optional<FirstPaint> f = floorFirst ? floor() : std::nullopt;
        const std::optional<FirstPaint> p = program();
        if (!floorFirst)
            f = floor();
        floorFirst = !floorFirst;
        if (!p || !f || !fault(p).empty()) {
            state.SkipWithError(p && f ? fault(p).c_str() : "a start did not paint its window");
            break;
        }
        state.SetIterationTime(p->ms / 1e3);
        firstMs += p->firstMs;
        flushes = std::max(flushes, p->flushes);
        floorMs += f->ms;
        floorFirstMs += f->firstMs;
        floorFlushes = std::max(floorFlushes, f->flushes);
    }
    state.counters["first_paint_ms"] = benchmark::Counter(firstMs, benchmark::Counter::kAvgIterations);
    state.counters["flushes"] = static_cast<double>(flushes);
    state.counters["floor_ms"] = benchmark::Counter(floorMs, benchmark::Counter::kAvgIterations);
    state.counters["floor_first_paint_ms"] = benchmark::Counter(floorFirstMs, benchmark::Counter::kAvgIterations);
    state.counters["floor_flushes"] = static_cast<double>(floorFlushes);
    state.counters["widgets"] = static_cast<double>(board->widgets);
    state.counters["visible"] = static_cast<double>(board->visible);
}

}  // namespace

// A run's figures are the means of 40 starts of the program and 40 of the floor. A single start
// here varies by some 11 % (its standard deviation): the mean of ten would still stray by some 6 %
// from one run to the next, enough to decide a goal of "every run" by chance.
BENCHMARK(BM_StartUp)->ArgsProduct({{50000}, {1, 2, 3}})->Iterations(40)->Unit(benchmark::kMillisecond)->UseManualTime();

int main(int argc, char **argv) { return runWindowBenchmarks(argc, argv); }
