// What a user does on the lotto board, offscreen, with the sample 6/49 lottery (one bonus number)
// given a results database of n daily drawings made from a seed: the lottery loaded, POWER, DRAW of
// 32,000 columns through the progress dialog with the power interval at 100 %, 10 % and 1 %,
// STOP, Compare, and the ticket saved and loaded through the file dialog. Each is timed from the
// user's action (a click, a menu item, the dialog's button) to the program idle again with its
// windows painted, and checked outside the timed part: the board painted, the settings in force,
// what was made (every column DRAW makes against the rules set on the board, and the ticket list
// against the ticket). Each benchmark has a program folder of its own and the program's state as a
// fresh start has it. Arguments: the number of drawings, the seed of the history.

#include "benchworld.h"
#include "benchwindows.h"

#include <QFileInfo>
#include <algorithm>

namespace {

using namespace benchworld;

// Lottery > Load of the 6/49 lottery from the board of another.
void BM_Open(benchmark::State &state)
{
    timeLoading(state, static_cast<int>(state.range(0)), static_cast<uint64_t>(state.range(1)), kDatabase);
}

// POWER clicked after the user picked another start drawing (the first and the second in turn),
// so that every click recalculates and shows a window of its own; the pick counts, standings, power
// percents and pool counts shown and kept checked against those of the drawings the benchmark made.
void BM_Power(benchmark::State &state)
{
    const int drawings = static_cast<int>(state.range(0));
    OpenBoard open(state, drawings, static_cast<uint64_t>(state.range(1)));
    if (!open.board())
        return;
    const History history = madeHistory(kDatabase, drawings, static_cast<uint64_t>(state.range(1)));
    auto *start = control<VbCombo>(open.board(), QStringLiteral("cboStartDrawing"));
    int32_t from = 1;
    long paints = 0;
    for (auto _ : state) {
        from = 3 - from;
        // The entries run from the last drawing down.
        start->setListIndex(drawings - from);
        untilIdle();
        state.SetIterationTime(timeToIdle([&] { click(control(open.board(), QStringLiteral("cmdPower"))); }, &paints));
        if (paints == 0) {
            state.SkipWithError("POWER painted nothing");
            break;
        }
        const QString fault = start->text().toInt() == from ? powerFault(*open.board(), kDatabase, history)
                                                             : QStringLiteral("the start drawing was not taken");
        if (!fault.isEmpty()) {
            skip(state, QStringLiteral("POWER from drawing %1: ").arg(from) + fault);
            break;
        }
    }
    if (!open.quiet())
        state.SkipWithError("POWER showed a message");
}

// DRAW at `percent`: the interval ticked and its percentage picked on the board, narrower than
// at 100 % (the counters `lower` and `upper` are the limits in force).
void drawAt(benchmark::State &state, int percent)
{
    OpenBoard(state, static_cast<int>(state.range(0)), static_cast<uint64_t>(state.range(1))).timeDraw(percent);
}

void BM_Draw32000_Interval100(benchmark::State &state) { drawAt(state, 100); }
void BM_Draw32000_Interval10(benchmark::State &state) { drawAt(state, 10); }
void BM_Draw32000_Interval1(benchmark::State &state) { drawAt(state, 1); }

// STOP clicked 5 ms after the progress dialog of DRAW of 32,000 columns at 1 % is there: the time
// from the click to its handling as the counters stop_ms (mean) and stop_max_ms. The timed figure
// is the whole shortened DRAW; the columns it kept are checked as every DRAW's. A run that the
// machine let end before the click came (no STOP to time) is checked all the same and DRAW clicked
// again, twice at most; a third such run fails the benchmark.
void BM_StopDuringDraw(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)), static_cast<uint64_t>(state.range(1)));
    if (!open.board() || !open.intervalAt(1))
        return;
    open.askDraw();
    double total = 0;
    double longest = 0;
    int stops = 0;
    Clock::time_point pressed;
    bool handled = false;
    const auto press = [&] {
        if (frmColumnProgress *dialog = DefaultInstance<frmColumnProgress>::existing()) {
            click(dialog->cmdStop);
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - pressed).count();
            total += ms;
            longest = std::max(longest, ms);
            ++stops;
            handled = true;
        }
    };
    // DRAW clicked with STOP clicked 5 ms after the first event handled once the dialog is there
    // (until it shows, there is no STOP to click); the seconds to idle.
    const auto stoppedDraw = [&] {
        handled = false;
        QTimer stop;
        stop.setSingleShot(true);
        stop.setTimerType(Qt::PreciseTimer);
        QObject::connect(&stop, &QTimer::timeout, press);
        QTimer shown;
        QObject::connect(&shown, &QTimer::timeout, [&] {
            if (!DefaultInstance<frmColumnProgress>::existing())
                return;
            shown.stop();
            pressed = Clock::now() + std::chrono::milliseconds(5);
            stop.start(std::chrono::milliseconds(5));
        });
        shown.start(0);
        return open.clickDraw();
    };
    for (auto _ : state) {
        double seconds = 0;
        int kept = 0;
        QString fault;
        for (int run = 0; run < 3; ++run) {
            seconds = stoppedDraw();
            kept = control<VbList>(open.board(), QStringLiteral("lstTicket"))->listCount();
            fault = ticketFault(*open.board(), kept);
            if (!fault.isEmpty() || (handled && kept < 32000))
                break;
        }
        if (!fault.isEmpty()) {
            skip(state, QStringLiteral("STOP: ") + fault);
            break;
        }
        if (!handled || kept >= 32000) {
            state.SkipWithError("three runs ended before STOP");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["stop_ms"] = stops ? total / stops : 0;
    state.counters["stop_max_ms"] = longest;
}

// Compare of the ticket of 32,000 columns drawn at 10 %, each time against another end drawing
// than the one before, chosen on the board before the click (CompareRounds): most lines change.
// The counter `changed` is the lines the last Compare changed.
void BM_Compare32000(benchmark::State &state)
{
    const int drawings = static_cast<int>(state.range(0));
    const auto seed = static_cast<uint64_t>(state.range(1));
    OpenBoard open(state, drawings, seed);
    if (!open.hasTicket())
        return;
    CompareRounds rounds(kDatabase, drawings, seed);
    for (auto _ : state) {
        QString fault = rounds.chooseOther(*open.board());
        if (fault.isEmpty()) {
            state.SetIterationTime(timeToIdle([&] { click(control(open.board(), QStringLiteral("cmdCompare"))); }));
            fault = rounds.fault(*open.board(), 32000);
        }
        if (!fault.isEmpty()) {
            skip(state, QStringLiteral("Compare: ") + fault);
            break;
        }
    }
    if (!open.quiet())
        skip(state, QStringLiteral("Compare showed a message: ") + lastMessage());
    state.counters["changed"] = rounds.changedLines;
}

// Ticket > Save of 32,000 columns: the dialog, the name typed, SAVE (its question answered Yes),
// the settings record and the text file written; both files gone before each save, and both read
// back after it through the program's readers.
void BM_TicketSave32000(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)), static_cast<uint64_t>(state.range(1)));
    if (!open.hasTicket())
        return;
    const QString name = QStringLiteral("bench");
    const QString suffix = open.board()->lottery().gstrFileSuffix;
    const QString folder = app().gstrSavedTicketsFolder;
    for (auto _ : state) {
        for (const QString &file : {name + suffix, suffix.right(3) + u'_' + name + QStringLiteral(".txt")})
            if (QFile::exists(folder + file) && !QFile::remove(folder + file)) {
                skip(state, QStringLiteral("%1 cannot be removed").arg(file));
                return;
            }
        state.SetIterationTime(timeToIdle([&] { askTicket(*open.board(), false, name); }));
        const QString fault = DefaultInstance<frmFileManager>::exists() ? QStringLiteral("the dialog stayed open")
                                                                         : savedTicketFault(*open.board(), name);
        if (!fault.isEmpty()) {
            skip(state, QStringLiteral("the ticket was not saved: ") + fault + u' ' + lastMessage());
            break;
        }
    }
}

// Ticket > Load of a ticket of 32,000 columns saved at the 10 % interval onto a board drawn on at
// 100 % holding the other ticket saved (the two tickets loaded in turn): the dialog, LOAD (its
// question answered Yes), the board unloaded and deleted, the new one loaded with the ticket's
// settings (drawings listed, POWER, the interval at 10 % again) and its columns, and painted; the
// columns loaded checked against those saved.
void BM_TicketLoad32000(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)), static_cast<uint64_t>(state.range(1)));
    const auto saved = open.savedTickets({QStringLiteral("other"), QStringLiteral("bench")});
    if (saved.empty())
        return;
    size_t next = 0;
    for (auto _ : state) {
        const auto &[name, columns] = saved[next++ % saved.size()];
        setInterval(*open.board(), 100);
        state.SetIterationTime(timeToIdle([&] { askTicket(*open.board(), true, name); }));
        BoardBase *board = boardInFront();
        if (!board || board == open.board() || !board->lottery().drum(Drum::Main).gblnPowerInterval
            || control<VbCombo>(board, QStringLiteral("cboPowerIntervalPct"))->text() != QStringLiteral("10")) {
            skip(state, QStringLiteral("the ticket was not loaded with its settings: ") + lastMessage());
            break;
        }
        QString fault = ticketDifference(board->lottery().garrTicketGrid, columns);
        if (fault.isEmpty())
            fault = ticketFault(*board, 32000);
        if (!fault.isEmpty()) {
            skip(state, QStringLiteral("the ticket %1 loaded: ").arg(name) + fault);
            break;
        }
        open.setBoard(board);
    }
}

// The ticket file alone: 32,000 column lines read, checked and listed on the board, in place of
// the other ticket saved (the two read in turn); the columns read checked against those saved.
void BM_TicketRead32000(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)), static_cast<uint64_t>(state.range(1)));
    const auto saved = open.savedTickets({QStringLiteral("other"), QStringLiteral("bench")});
    if (saved.empty())
        return;
    size_t next = 0;
    for (auto _ : state) {
        const auto &[name, columns] = saved[next++ % saved.size()];
        app().gstrTicketName = name;
        state.SetIterationTime(timeToIdle([&] { open.board()->subLoadTicketTextFile(); }));
        QString fault = ticketDifference(open.board()->lottery().garrTicketGrid, columns);
        if (fault.isEmpty())
            fault = ticketFault(*open.board(), 32000);
        if (!fault.isEmpty()) {
            skip(state, QStringLiteral("the ticket %1 read: ").arg(name) + fault);
            break;
        }
    }
}

void sizes(benchmark::internal::Benchmark *b)
{
    b->ArgsProduct({{5000, 50000, 500000}, {1, 2, 3}})->Unit(benchmark::kMillisecond)->UseManualTime();
}

}  // namespace

BENCHMARK(BM_Open)->Apply(sizes);
BENCHMARK(BM_Power)->Apply(sizes);
BENCHMARK(BM_Draw32000_Interval100)->Apply(sizes);
BENCHMARK(BM_Draw32000_Interval10)->Apply(sizes);
BENCHMARK(BM_Draw32000_Interval1)->Apply(sizes);
BENCHMARK(BM_StopDuringDraw)->Apply(sizes);
BENCHMARK(BM_Compare32000)->Apply(sizes);
BENCHMARK(BM_TicketSave32000)->Apply(sizes);
BENCHMARK(BM_TicketLoad32000)->Apply(sizes);
BENCHMARK(BM_TicketRead32000)->Apply(sizes);

int main(int argc, char **argv) { return runWindowBenchmarks(argc, argv); }
