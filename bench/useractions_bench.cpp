// What a user does on the lotto board, at 5,000, 50,000 and 500,000 drawings of a 6/49 lottery
// with one bonus number, offscreen: opening the lottery to its shown board, POWER, DRAW of 32,000
// columns through the progress dialog with the power interval at 100 %, 10 % and 1 % (ticked and
// picked on the board), Compare, and saving and loading the ticket through the file dialog.
// The argument of every benchmark is the number of drawings.

#include "analysis/generator.h"
#include "app/application.h"
#include "dialogs/frmcolumnprogress.h"
#include "dialogs/frmfilemanager.h"
#include "platform/ui/forms.h"
#include "benchworld.h"
#include "benchwindows.h"

#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <map>
#include <memory>

namespace {

// The program folder of each size, made once per run.
QString folderFor(int drawings)
{
    static QTemporaryDir root;
    static std::map<int, QString> made;
    auto it = made.find(drawings);
    if (it == made.end()) {
        const QString folder = root.path() + QStringLiteral("/n") + QString::number(drawings);
        benchworld::writeFolder(folder, drawings);
        it = made.emplace(drawings, folder).first;
    }
    return it->second;
}

// The lottery of that size opened on its board for the time of one benchmark.
class OpenBoard {
public:
    OpenBoard(benchmark::State &state, int drawings)
    {
        benchworld::startServices(folderFor(drawings));
        board_ = benchworld::openLottery();
        if (!board_)
            state.SkipWithError("the board did not open");
        else if (glngTotalWeeks != drawings)
            state.SkipWithError("the board does not list every drawing");
        messagesAtStart_ = benchworld::messageCount();
    }
    ~OpenBoard()
    {
        frmColumnProgress::setSynchronousDisplay(false);
        benchworld::closeLottery();
        benchworld::stopServices();
    }
    BoardBase *board() const { return board_; }
    // A ticket of 32,000 columns at the interval of `percent`.
    bool drawTicket(int percent, bool synchronous)
    {
        if (!benchworld::setInterval(*board_, percent)) {
            benchworld::lastMessage() = QStringLiteral("the interval was not set: %1 %2 %3")
                                            .arg(gDrum.gblnPowerInterval)
                                            .arg(board_->main.cboPowerIntervalPct->text())
                                            .arg(board_->main.cboPowerIntervalPct->listIndex());
            return false;
        }
        board_->chkIncrementalTicket->setValue(0);
        board_->txtColumnsToDraw->setText(QStringLiteral("32000"));
        frmColumnProgress::setSynchronousDisplay(synchronous);
        board_->cmdDraw_Click();
        frmColumnProgress::setSynchronousDisplay(false);
        return board_->lstTicket->listCount() == 32000;
    }
    bool quiet() const { return benchworld::messageCount() == messagesAtStart_; }

private:
    BoardBase *board_ = nullptr;
    int messagesAtStart_ = 0;
};

void BM_Open(benchmark::State &state)
{
    const int drawings = static_cast<int>(state.range(0));
    benchworld::timeOpening(state, folderFor(drawings), benchworld::kDatabase, drawings);
}

void BM_Power(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)));
    if (!open.board())
        return;
    for (auto _ : state)
        open.board()->cmdPower_Click();
    if (!open.quiet())
        state.SkipWithError("POWER showed a message");
}

void drawAt(benchmark::State &state, int percent)
{
    OpenBoard open(state, static_cast<int>(state.range(0)));
    if (!open.board())
        return;
    for (auto _ : state) {
        if (!open.drawTicket(percent, false)) {
            state.SkipWithError("DRAW did not make 32000 columns at the interval asked for");
            break;
        }
        QApplication::processEvents();
    }
    if (!open.quiet())
        state.SkipWithError("DRAW showed a message");
    state.counters["lower"] = gDrum.garrIntervalLimits[0];
    state.counters["upper"] = gDrum.garrIntervalLimits[1];
}

void BM_Draw32000_Interval100(benchmark::State &state) { drawAt(state, 100); }
void BM_Draw32000_Interval10(benchmark::State &state) { drawAt(state, 10); }
void BM_Draw32000_Interval1(benchmark::State &state) { drawAt(state, 1); }

// STOP pressed 5 ms after the progress dialog of DRAW of 32,000 columns at 1 % shows: the time
// from the press to its
// handling (the run ended, every complete column kept), as the counter stop_ms (mean) and
// stop_max_ms. The timed figure is the whole shortened DRAW.
void BM_StopDuringDraw(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)));
    if (!open.board() || !benchworld::setInterval(*open.board(), 1)) {
        state.SkipWithError("the interval was not set");
        return;
    }
    open.board()->txtColumnsToDraw->setText(QStringLiteral("32000"));
    double total = 0;
    double longest = 0;
    int stops = 0;
    for (auto _ : state) {
        using Clock = std::chrono::steady_clock;
        Clock::time_point pressed;
        bool handled = false;
        const auto press = [&] {
            if (frmColumnProgress *dialog = DefaultInstance<frmColumnProgress>::existing()) {
                dialog->cmdStop->click();
                const double ms = std::chrono::duration<double, std::milli>(Clock::now() - pressed).count();
                total += ms;
                longest = std::max(longest, ms);
                ++stops;
                handled = true;
            }
        };
        // The first event the shown dialog handles sets the press 5 ms later.
        QTimer::singleShot(0, [&] {
            pressed = Clock::now() + std::chrono::milliseconds(5);
            QTimer::singleShot(std::chrono::milliseconds(5), Qt::PreciseTimer, press);
        });
        open.board()->cmdDraw_Click();
        QApplication::processEvents();
        if (!handled || open.board()->lstTicket->listCount() >= 32000) {
            state.SkipWithError("the run ended before STOP");
            break;
        }
    }
    state.counters["stop_ms"] = stops ? total / stops : 0;
    state.counters["stop_max_ms"] = longest;
}

// A ticket of 32,000 columns at 10 % on the open board; false (the benchmark skipped) without.
bool hasTicket(benchmark::State &state, OpenBoard &open)
{
    if (open.board() && open.drawTicket(10, true))
        return true;
    state.SkipWithError(("no ticket: " + benchworld::lastMessage()).toStdString().c_str());
    return false;
}

void BM_Compare32000(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)));
    if (!hasTicket(state, open))
        return;
    for (auto _ : state) {
        open.board()->cmdCompare_Click();
        QApplication::processEvents();
    }
}

// The file dialog in ticket mode, as the Ticket menu loads it, with the name typed.
frmFileManager *ticketDialog(bool load, const QString &name)
{
    app().gblnTicketLoad = load;
    app().gblnTicketMode = true;
    app().gstrFileDialogFolder = app().gstrSavedTicketsFolder;
    app().gstrFileDialogSuffix = gstrFileSuffix;
    frmFileManager *dialog = DefaultInstance<frmFileManager>::get();
    dialog->cmdLoad->setVisible(load);
    dialog->cmdSave->setVisible(!load);
    dialog->cmdDelete->setVisible(false);
    dialog->txtName->setText(name);
    return dialog;
}

// Ticket > Save of 32,000 columns: the dialog, SAVE (its question answered Yes), both files
// written.
void BM_TicketSave32000(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)));
    if (!hasTicket(state, open))
        return;
    for (auto _ : state) {
        ticketDialog(false, QStringLiteral("bench"))->cmdSave_Click();
        if (DefaultInstance<frmFileManager>::exists()) {
            state.SkipWithError(("the ticket was not saved: " + benchworld::lastMessage()).toStdString().c_str());
            break;
        }
    }
}

// Ticket > Load of a saved ticket of 32,000 columns: LOAD (answered Yes) reopens the board with
// the ticket's settings (drawings listed, POWER) and its columns.
void BM_TicketLoad32000(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)));
    if (!hasTicket(state, open))
        return;
    ticketDialog(false, QStringLiteral("bench"))->cmdSave_Click();
    for (auto _ : state) {
        ticketDialog(true, QStringLiteral("bench"))->cmdLoad_Click();
        BoardBase *board = boardInFront();
        if (!board || board->lstTicket->listCount() != 32000) {
            state.SkipWithError("the ticket was not loaded");
            break;
        }
        state.PauseTiming();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

// The ticket file alone: 32,000 column lines read, checked and listed on the board.
void BM_TicketRead32000(benchmark::State &state)
{
    OpenBoard open(state, static_cast<int>(state.range(0)));
    if (!hasTicket(state, open))
        return;
    ticketDialog(false, QStringLiteral("bench"))->cmdSave_Click();
    app().gstrTicketName = QStringLiteral("bench");
    for (auto _ : state) {
        open.board()->subLoadTicketTextFile();
        if (open.board()->lstTicket->listCount() != 32000) {
            state.SkipWithError("the ticket was not read");
            break;
        }
    }
}

void sizes(benchmark::internal::Benchmark *b)
{
    b->Arg(5000)->Arg(50000)->Arg(500000)->Unit(benchmark::kMillisecond)->UseRealTime();
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
