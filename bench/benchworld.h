#pragma once
// The world of the benchmarks of what a user does: a program folder of its own for every
// benchmark (the sample catalogues and a "Bench Pick 6" digit game beside them, the lottery
// measured given a results database of any number of daily drawings made from a seed), the
// program's state as a fresh start has it, its services as start-up makes them, and the user's
// ways in: clicks, menus, the file dialog answered as it shows. Message boxes are answered Yes at
// once and counted. Nothing is carried from one benchmark to the next, so each runs alone as it
// runs among the others.

#include "analysis/clslotterydb.h"
#include "analysis/samplelotteries.h"
#include "analysis/openlottery.h"
#include "dialogs/lotteryswitch.h"
#include "app/apppaths.h"
#include "app/application.h"
#include "boards/common/boardbase.h"
#include "dialogs/iboard.h"
#include "dialogs/frmcolumnprogress.h"
#include "dialogs/frmfilemanager.h"
#include "platform/ui/forms.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/screen.h"
#include "program/boardfactory.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

namespace benchworld {

inline const QString kDatabase = QStringLiteral("Sample Lotto 6-49.mdb");
inline const QString kPick6 = QStringLiteral("Bench Pick 6.mdb");
// The lottery a benchmark starts from when it opens another one.
inline const QString kPick3 = QStringLiteral("Sample Pick 3.mdb");

// The lotteries of the folder: the samples and a six-digit game of 1,000,000 different columns.
inline std::vector<samples::SampleLottery> lotteries()
{
    std::vector<samples::SampleLottery> list = samples::sampleLotteries();
    samples::SampleLottery pick6 = list.back();
    pick6.lottery = LotteryRecord{90, QStringLiteral("Bench Pick 6"), kPick6, QStringLiteral("BP06"), 1};
    pick6.config = GameConfigRecord{90, QStringLiteral("Pick 6"), 10, 0, 0, 6, 0, 0};
    list.push_back(pick6);
    return list;
}

inline const samples::SampleLottery &lotteryOf(const QString &database)
{
    static const std::vector<samples::SampleLottery> all = lotteries();
    for (const samples::SampleLottery &s : all)
        if (s.lottery.databaseFile == database)
            return s;
    std::fprintf(stderr, "no lottery %s\n", qPrintable(database));
    std::abort();
}

inline void writeOrDie(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "%s cannot be written\n", qPrintable(path));
        std::abort();
    }
}

// Writes a program folder into `folder`: the catalogues of every lottery, the samples' own results
// databases, and those of `databases` holding `drawings` daily drawings made from `seed`.
inline void writeFolder(const QString &folder, int drawings, uint64_t seed = 4911,
                        const QStringList &databases = {kDatabase})
{
    QDir().mkpath(folder + QStringLiteral("/SavedTickets"));
    std::vector<LotteryRecord> rows;
    std::vector<GameConfigRecord> configs;
    for (const samples::SampleLottery &s : lotteries()) {
        rows.push_back(s.lottery);
        configs.push_back(s.config);
    }
    writeOrDie(folder + u'/' + catalogueFileName(CatalogueKind::Lotteries),
               catalogueBytes(samples::lotteryTable(rows), DimensionOrder::RowsFirst));
    writeOrDie(folder + u'/' + catalogueFileName(CatalogueKind::GameConfigs),
               catalogueBytes(samples::gameConfigTable(configs), DimensionOrder::RowsFirst));
    writeOrDie(folder + u'/' + catalogueFileName(CatalogueKind::Countries),
               catalogueBytes(samples::countryTable({samples::sampleCountry()}), DimensionOrder::RowsFirst));
    for (const QString &database : databases) {
        const samples::SampleLottery &s = lotteryOf(database);
        const QString path = folder + QStringLiteral("/LotteryDBs/") + database;
        QDir().mkpath(folder + QStringLiteral("/LotteryDBs"));
        QFile::remove(path);
        // Daily drawings ending on the same last date whatever their number.
        const QDate last(2026, 11, 28);
        const auto dates = samples::drawingDates(samples::Schedule::Daily, last.addDays(1 - drawings), last);
        const History history = samples::makeDrawings(s.config, dates, static_cast<uint32_t>(seed));
        QString error;
        if (!lotterydb::createResultsDatabase(path, history, samples::numbersPerDrawing(s.config), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            std::abort();
        }
    }
    samples::writeSampleLotteries(folder);
}

// A fresh copy of the program folder of `drawings` drawings from `seed` (made once per run, then
// copied), so that no setting, record or ticket of an earlier benchmark is found in it.
inline QString freshFolder(int drawings, uint64_t seed, const QStringList &databases = {kDatabase})
{
    static QTemporaryDir root;
    static std::map<QString, QString> made;
    static int copies = 0;
    const QString key = QStringLiteral("%1 %2 %3").arg(drawings).arg(seed).arg(databases.join(u'+'));
    auto it = made.find(key);
    if (it == made.end()) {
        const QString folder = root.path() + QStringLiteral("/template%1").arg(made.size());
        writeFolder(folder, drawings, seed, databases);
        it = made.emplace(key, folder).first;
    }
    const QString copy = root.path() + QStringLiteral("/run%1").arg(++copies);
    for (const QString &sub : {QStringLiteral(""), QStringLiteral("/LotteryDBs"), QStringLiteral("/SavedTickets")}) {
        QDir().mkpath(copy + sub);
        for (const QString &file : QDir(it->second + sub).entryList(QDir::Files))
            QFile::copy(it->second + sub + u'/' + file, copy + sub + u'/' + file);
    }
    return copy;
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
    makeApplication();
    // A fresh application object knows no boards: the program's own, as start-up gives them.
    useProgramBoards();
    qputenv("TALVINOR_HOME", folder.toUtf8());
    qputenv("XDG_CONFIG_HOME", (folder + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (folder + QStringLiteral("/data")).toUtf8());
    subSetProgramFolderPaths(folder);
    setScreenMetricsOverride(ScreenMetrics{1920, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)});
    app().createServiceObjects();
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

inline void closeLottery()
{
    if (IBoard *board = currentBoard())
        board->unloadBoard();
    app().gfrmCurrentBoard = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void stopServices()
{
    DefaultInstance<frmFileManager>::unload();
    closeLottery();
    msgbox::setHook({});
    app().releaseServiceObjects();
    setScreenMetricsOverride(std::nullopt);
    makeApplication();
}

// Counts the paint events of every widget, so that a benchmark can tell that what it timed
// ended with the board painted.
class PaintCounter : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override
    {
        if (QCoreApplication *app = QCoreApplication::instance())
            app->removeEventFilter(this);
    }
    long paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Runs the event loop as the program's own would until nothing is left to do: the posted events
// handled (repaints among them, and the windows unloaded deleted), the timers due run, the
// windows painted. The number of paints it took.
inline long untilIdle()
{
    static PaintCounter counter;
    const long before = counter.paints;
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    for (int pass = 0; pass < 10000; ++pass) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::sendPostedEvents();
        if (!dispatcher->processEvents(QEventLoop::AllEvents))
            break;
    }
    return counter.paints - before;
}

// A left click on a control, as the user gives it.
inline void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton); }

// The board's control of that name ("cmdDraw", "chkPowerIntervalBONUS"), as the user finds it on
// the window; nullptr when the board has none.
template <class T = QWidget>
T *control(QWidget *board, const QString &name)
{
    return board ? board->findChild<T *>(name) : nullptr;
}
// The name of a drum's control: the second drum's carry the suffix BONUS.
inline QString drumControl(const char *name, Drum drum)
{
    return QString::fromLatin1(name) + (drum == Drum::Second ? QStringLiteral("BONUS") : QString());
}

// Runs `answer` on the dialog of the kind as soon as it shows as the modal window (from the
// dialog's own event loop), once.
template <class Form>
void whenShown(std::function<void(Form *)> answer)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto *form = dynamic_cast<Form *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(form);
        }
    });
    timer->start(0);
}

// The lottery of `database` opened as start-up opens the last lottery: its board loads (drawings
// listed, settings reset, POWER, pool), shows and is painted. The board, or nothing.
inline BoardBase *openLottery(const QString &database = kDatabase)
{
    app().gstrLotteryDbFile.clear();
    app().gstrLastLotteryDbFile = database;
    subOpenSelectedLottery();
    untilIdle();
    BoardBase *board = boardInFront();
    return board && board->lottery().gblnBoardInitialised ? board : nullptr;
}

// Lottery > Load on the board in front, the lottery of `database` chosen by name and LOAD pressed
// (its question answered Yes), until the new board is painted. The board, or nothing.
inline BoardBase *loadLottery(BoardBase &from, const QString &database)
{
    whenShown<frmFileManager>([database](frmFileManager *dialog) {
        dialog->txtName->setText(QFileInfo(database).completeBaseName());
        click(dialog->cmdLoad);
    });
    from.mnuLotteryLoad->trigger();
    untilIdle();
    BoardBase *board = boardInFront();
    return board && board != &from && app().gstrLotteryDbFile == database && board->lottery().gblnBoardInitialised ? board : nullptr;
}

// Ticket > Save or Ticket > Load under `name` on the board in front: the file dialog, the name
// typed, SAVE or LOAD pressed with its question answered, until the program is idle.
inline void ticketThroughDialog(BoardBase &board, bool load, const QString &name)
{
    whenShown<frmFileManager>([load, name](frmFileManager *dialog) {
        dialog->txtName->setText(name);
        click(load ? dialog->cmdLoad : dialog->cmdSave);
    });
    (load ? board.mnuTicketLoad : board.mnuTicketSave)->trigger();
    untilIdle();
}

// The power interval on at `percent` (one of the combo's entries 1, 10, 20 ... 100), as the user
// ticks the option and picks the percentage. False when the board did not take it.
inline bool setInterval(BoardBase &board, int percent)
{
    board.main.chkPowerInterval->setValue(true);
    const int index = percent == 1 ? 0 : percent / 10;
    board.main.cboPowerIntervalPct->setListIndex(index);
    untilIdle();
    return board.lottery().drum(Drum::Main).gblnPowerInterval && board.main.cboPowerIntervalPct->text() == QString::number(percent);
}

// The width of the interval in force (upper less lower limit).
inline int32_t intervalWidth(const BoardBase &board)
{
    const DrumState &drum = board.lottery().drum(Drum::Main);
    return drum.garrIntervalLimits[1] - drum.garrIntervalLimits[0];
}

// The lottery of `database` (n drawings from a seed) opened on its board for the time of one
// benchmark, in a folder of its own.
class OpenBoard {
public:
    OpenBoard(benchmark::State &state, int drawings, uint64_t seed, const QString &database = kDatabase)
        : state_(state)
    {
        startServices(freshFolder(drawings, seed, {database}));
        board_ = openLottery(database);
        if (!board_)
            state.SkipWithError("the board did not open");
        else if (board_->lottery().glngTotalWeeks != drawings)
            state.SkipWithError("the board does not list every drawing");
        messagesAtStart_ = messageCount();
    }
    ~OpenBoard()
    {
        frmColumnProgress::setSynchronousDisplay(false);
        stopServices();
    }
    OpenBoard(const OpenBoard &) = delete;
    OpenBoard &operator=(const OpenBoard &) = delete;
    BoardBase *board() const { return board_; }
    void setBoard(BoardBase *board) { board_ = board; }
    bool quiet() const { return messageCount() == messagesAtStart_; }
    // DRAW of 32,000 new columns asked for, as the user asks: the count typed, the incremental
    // ticket off, DRAW clicked; until the program is idle. False unless 32,000 columns were made.
    bool draw()
    {
        control<VbCheck>(board_, QStringLiteral("chkIncrementalTicket"))->setValue(false);
        control<VbTextBox>(board_, QStringLiteral("txtColumnsToDraw"))->setText(QStringLiteral("32000"));
        click(control(board_, QStringLiteral("cmdDraw")));
        untilIdle();
        return control<VbList>(board_, QStringLiteral("lstTicket"))->listCount() == 32000;
    }
    // A ticket of 32,000 columns at the 10 % interval (not timed); false, the benchmark skipped,
    // without one.
    bool hasTicket()
    {
        if (board_ && setInterval(*board_, 10) && draw())
            return true;
        state_.SkipWithError(("no ticket: " + lastMessage()).toStdString().c_str());
        return false;
    }
    // The interval ticked and its percentage picked on the board, narrower than at 100 % unless
    // it is 100 %; false, the benchmark skipped, when the board did not take it.
    bool intervalAt(int percent)
    {
        const bool full = setInterval(*board_, 100);
        const int32_t fullWidth = intervalWidth(*board_);
        if (full && setInterval(*board_, percent) && (percent == 100 || intervalWidth(*board_) < fullWidth))
            return true;
        state_.SkipWithError("the interval was not set");
        return false;
    }
    // DRAW of 32,000 columns timed at the interval of `percent` (the counters `lower` and `upper`
    // are its limits, kept through every run).
    void timeDraw(int percent)
    {
        if (!board_ || !intervalAt(percent))
            return;
        const DrumState &drum = board_->lottery().drum(Drum::Main);
        const auto limits = drum.garrIntervalLimits;
        for (auto _ : state_) {
            if (!draw() || !drum.gblnPowerInterval || drum.garrIntervalLimits != limits) {
                state_.SkipWithError(("DRAW did not make 32000 columns at the interval asked for: " + lastMessage())
                                         .toStdString().c_str());
                break;
            }
        }
        if (!quiet())
            state_.SkipWithError(("DRAW showed a message: " + lastMessage()).toStdString().c_str());
        state_.counters["lower"] = limits[0];
        state_.counters["upper"] = limits[1];
    }

private:
    benchmark::State &state_;
    BoardBase *board_ = nullptr;
    int messagesAtStart_ = 0;
};

// Times Lottery > Load of the lottery of `database` (n drawings from a seed) from the board of
// the sample Pick 3, opened before each run and not timed: the file dialog, LOAD, the question
// answered, the board left saved and unloaded, the new board loaded (drawings listed, settings,
// POWER, pool) and painted.
inline void timeLoading(benchmark::State &state, int drawings, uint64_t seed, const QString &database)
{
    startServices(freshFolder(drawings, seed, {database}));
    for (auto _ : state) {
        state.PauseTiming();
        closeLottery();
        BoardBase *from = openLottery(kPick3);
        state.ResumeTiming();
        BoardBase *board = from ? loadLottery(*from, database) : nullptr;
        if (!board || board->lottery().glngTotalWeeks != drawings || !board->isVisible()) {
            state.SkipWithError("the board did not open");
            break;
        }
    }
    stopServices();
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
