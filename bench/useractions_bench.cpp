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

void BM_Power(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)), static_cast<uint64_t>(state.range(1)));
    if (!open.board())
        return;
    long paints = 0;
    for (auto _ : state)
        state.SetIterationTime(timeToIdle([&] { click(control(open.board(), QStringLiteral("cmdPower"))); }, &paints));
    if (!open.quiet())
        state.SkipWithError("POWER showed a message");
    else if (paints == 0)
        state.SkipWithError("POWER painted nothing");
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

// STOP clicked 5 ms after the progress dialog of DRAW of 32,000 columns at 1 % shows: the time
// from the click to its handling as the counters stop_ms (mean) and stop_max_ms. The timed figure
// is the whole shortened DRAW; the columns it kept are checked as every DRAW's.
void BM_StopDuringDraw(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)), static_cast<uint64_t>(state.range(1)));
    if (!open.board() || !open.intervalAt(1))
        return;
    open.askDraw();
    double total = 0;
    double longest = 0;
    int stops = 0;
    for (auto _ : state) {
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
        // The first event the shown dialog handles sets the click 5 ms later.
        QTimer::singleShot(0, [&] {
            pressed = Clock::now() + std::chrono::milliseconds(5);
            QTimer::singleShot(std::chrono::milliseconds(5), Qt::PreciseTimer, press);
        });
        state.SetIterationTime(open.clickDraw());
        const int kept = control<VbList>(open.board(), QStringLiteral("lstTicket"))->listCount();
        if (!handled || kept >= 32000) {
            state.SkipWithError("the run ended before STOP");
            break;
        }
        if (const QString fault = ticketFault(*open.board(), kept); !fault.isEmpty()) {
            skip(state, QStringLiteral("STOP: ") + fault);
            break;
        }
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
// the settings record and the text file written.
void BM_TicketSave32000(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)), static_cast<uint64_t>(state.range(1)));
    if (!open.hasTicket())
        return;
    const QString saved = app().gstrSavedTicketsFolder + QStringLiteral("bench") + open.board()->lottery().gstrFileSuffix;
    for (auto _ : state) {
        QFile::remove(saved);
        state.SetIterationTime(timeToIdle([&] { askTicket(*open.board(), false, QStringLiteral("bench")); }));
        if (DefaultInstance<frmFileManager>::exists() || !QFileInfo::exists(saved)) {
            state.SkipWithError(("the ticket was not saved: " + lastMessage()).toStdString().c_str());
            break;
        }
    }
}

// Ticket > Load of a ticket of 32,000 columns saved at the 10 % interval: the dialog, LOAD (its
// question answered Yes), the board unloaded and deleted, the new one loaded with the ticket's
// settings (drawings listed, POWER, the interval at 10 % again) and its columns, and painted.
void BM_TicketLoad32000(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)), static_cast<uint64_t>(state.range(1)));
    if (!open.hasTicket())
        return;
    askTicket(*open.board(), false, QStringLiteral("bench"));
    untilIdle();
    // The ticket comes back to a board drawn on at 100 %.
    setInterval(*open.board(), 100);
    for (auto _ : state) {
        state.SetIterationTime(timeToIdle([&] { askTicket(*open.board(), true, QStringLiteral("bench")); }));
        BoardBase *board = boardInFront();
        if (!board || board == open.board() || !board->lottery().drum(Drum::Main).gblnPowerInterval
            || control<VbCombo>(board, QStringLiteral("cboPowerIntervalPct"))->text() != QStringLiteral("10")) {
            skip(state, QStringLiteral("the ticket was not loaded with its settings: ") + lastMessage());
            break;
        }
        if (const QString fault = ticketFault(*board, 32000); !fault.isEmpty()) {
            skip(state, QStringLiteral("the ticket loaded: ") + fault);
            break;
        }
        open.setBoard(board);
    }
}

// The ticket file alone: 32,000 column lines read, checked and listed on the board.
void BM_TicketRead32000(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)), static_cast<uint64_t>(state.range(1)));
    if (!open.hasTicket())
        return;
    askTicket(*open.board(), false, QStringLiteral("bench"));
    untilIdle();
    app().gstrTicketName = QStringLiteral("bench");
    for (auto _ : state) {
        state.SetIterationTime(timeToIdle([&] { open.board()->subLoadTicketTextFile(); }));
        if (const QString fault = ticketFault(*open.board(), 32000); !fault.isEmpty()) {
            skip(state, QStringLiteral("the ticket read: ") + fault);
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
