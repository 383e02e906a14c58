#pragma once
// The world of the benchmarks of what a user does: a program folder of its own for every
// benchmark (the sample catalogues and a "Bench Pick 6" digit game beside them, the lottery
// measured given a results database of any number of daily drawings made from a seed), the
// program's state as a fresh start has it, its services as start-up makes them, and the user's
// ways in: clicks, menus, the file dialog answered as it shows. Message boxes are answered Yes at
// once and counted. Nothing is carried from one benchmark to the next, so each runs alone as it
// runs among the others. What a benchmark times is the user's action to the program idle again
// (timeToIdle), its time given to the benchmark by hand: whatever a benchmark prepares or checks
// around it is not timed, and the first action a benchmark times is the first of its process
// when the process runs that benchmark alone, once (scripts/bench does so).

#include "benchcolumns.h"
#include "benchpower.h"

#include "analysis/clslotterydb.h"
#include "analysis/samplelotteries.h"
#include "analysis/openlottery.h"
#include "analysis/ticketfile.h"
#include "app/boardsettings.h"
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
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

namespace benchworld {

inline const QString kDatabase = QStringLiteral("Sample Lotto 6-49.mdb");
inline const QString kPick6 = QStringLiteral("Bench Pick 6.mdb");
// The lottery a benchmark starts from when it opens another one.
inline const QString kPick3 = QStringLiteral("Sample Pick 3.mdb");
inline const QString kTwoDrum = QStringLiteral("Sample Two-Drum 5-50 + 2-12.mdb");

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

// The drawings the benchmarks give the lottery of `database`: `drawings` daily drawings made from
// `seed`, ending on the same last date whatever their number.
inline History madeHistory(const QString &database, int drawings, uint64_t seed)
{
    const QDate last(2026, 11, 28);
    const auto dates = samples::drawingDates(samples::Schedule::Daily, last.addDays(1 - drawings), last);
    return samples::makeDrawings(lotteryOf(database).config, dates, static_cast<uint32_t>(seed));
}

// Writes a program folder into `folder`: the catalogues of every lottery, the samples' own results
// databases, and those of `databases` holding the drawings madeHistory gives them.
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
        QString error;
        const History history = madeHistory(database, drawings, seed);
        if (!lotterydb::createResultsDatabase(path, history, samples::numbersPerDrawing(s.config), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            std::abort();
        }
    }
    samples::writeSampleLotteries(folder);
}

// Copies the files of `from` and of its folders into `to`.
inline void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = to + u'/' + entry.fileName();
        if (entry.isDir())
            copyTree(entry.filePath(), target);
        else if (!QFile::copy(entry.filePath(), target)) {
            std::fprintf(stderr, "%s cannot be copied\n", qPrintable(entry.filePath()));
            std::abort();
        }
    }
}

// The folder where the program folders the benchmarks copy from are made: $BENCH_FOLDERS, kept
// from one process to the next (so that a process timing one action alone does not make its
// histories again), or a folder of this process alone.
inline QString templatesRoot()
{
    static QTemporaryDir own;
    const QString kept = qEnvironmentVariable("BENCH_FOLDERS");
    return kept.isEmpty() ? own.path() : kept;
}

// The program folder made once (by `write`, into the folder it is given) under `name` in the
// templates' folder; a folder left half made by a process that ended is made again.
inline QString templateFolder(const QString &name, const std::function<void(const QString &)> &write)
{
    const QString folder = templatesRoot() + u'/' + name;
    const QString made = folder + QStringLiteral(".made");
    if (!QFileInfo::exists(made)) {
        QDir(folder).removeRecursively();
        write(folder);
        writeOrDie(made, {});
    }
    return folder;
}

// A fresh copy of the program folder of `drawings` drawings from `seed` (made once, then
// copied), so that no setting, record or ticket of an earlier benchmark is found in it. The copy
// made before, which the benchmark before used, goes.
inline QString freshFolder(int drawings, uint64_t seed, const QStringList &databases = {kDatabase})
{
    static QTemporaryDir root;
    static int copies = 0;
    const QString name = QStringLiteral("n%1_s%2_%3").arg(drawings).arg(seed).arg(qHash(databases.join(u'+')), 0, 16);
    const QString from = templateFolder(name, [&](const QString &folder) { writeFolder(folder, drawings, seed, databases); });
    QDir(root.path() + QStringLiteral("/run%1").arg(copies)).removeRecursively();
    const QString copy = root.path() + QStringLiteral("/run%1").arg(++copies);
    copyTree(from, copy);
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

using Clock = std::chrono::steady_clock;

// Runs the user's action and the program until it is idle again (untilIdle); the seconds it took,
// and the paints when asked.
inline double timeToIdle(const std::function<void()> &action, long *paints = nullptr)
{
    const Clock::time_point start = Clock::now();
    action();
    const long painted = untilIdle();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (paints)
        *paints = painted;
    return seconds;
}

// A left click on a control, as the user gives it.
inline void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton); }

// The board's control of that name ("cmdDraw", "chkPowerIntervalBONUS"), as the user finds it on
// the window; nullptr when the board has none.
template <class T = QWidget>
T *control(const QWidget *board, const QString &name)
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
// (its question answered Yes) as soon as the file dialog shows.
inline void askLotteryLoad(BoardBase &from, const QString &database)
{
    whenShown<frmFileManager>([database](frmFileManager *dialog) {
        dialog->txtName->setText(QFileInfo(database).completeBaseName());
        click(dialog->cmdLoad);
    });
    from.mnuLotteryLoad->trigger();
}

// Ticket > Save or Ticket > Load under `name` on the board: the file dialog, the name typed, SAVE
// or LOAD pressed (its question answered Yes) as soon as the dialog shows.
inline void askTicket(BoardBase &board, bool load, const QString &name)
{
    whenShown<frmFileManager>([load, name](frmFileManager *dialog) {
        dialog->txtName->setText(name);
        click(load ? dialog->cmdLoad : dialog->cmdSave);
    });
    (load ? board.mnuTicketLoad : board.mnuTicketSave)->trigger();
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

// The rules of DRAW as the user has set them on the board: the pool and the pick counts of each
// drum as its tables show them, the balls ticked as excluded, the numbers typed into the guarantee
// boxes when guaranteeing is ticked, and the limits in the interval boxes when the interval is
// ticked.
inline GeneratorSetup rulesOnBoard(const BoardBase &board)
{
    const OpenLottery &lottery = board.lottery();
    const GameLayout &game = lottery.gLayout;
    GeneratorSetup rules;
    rules.family = game.family;
    rules.firstPosition = game.firstPosition;
    rules.lastPosition = game.lastGuaranteePosition();
    const auto ticked = [&board](const QString &name) { return control<VbCheck>(&board, name)->value() != 0; };
    const auto text = [&board](const QString &name) { return control<VbTextBox>(&board, name)->text(); };
    const bool guaranteeing = ticked(QStringLiteral("chkGuaranteeNumbers"));
    for (Drum d : game.drums()) {
        PartInputs &part = d == Drum::Second ? rules.second : rules.main;
        const DrumState &state = lottery.drum(d);
        part.drum = game.drum(d);
        part.pool = state.garrPool;
        part.pickCount = state.garrPickCount;
        part.distinct = !game.digits();
        part.excluded.reset(part.drum.firstBall, part.drum.maxBall, 0);
        for (int32_t ball = part.drum.firstBall; ball <= part.drum.maxBall; ++ball)
            part.excluded[ball] = ticked(QStringLiteral("%1(%2)").arg(drumControl("chkExcludeBall", d)).arg(ball));
        for (int p = game.firstPositionOf(d); p <= game.lastPositionOf(d); ++p) {
            const QString typed = text(QStringLiteral("txtGuaranteeNumber(%1)").arg(p));
            part.guarantees.push_back(guaranteeing ? parseGuarantee(typed, part.drum.firstBall, part.drum.maxBall) : std::nullopt);
        }
        part.intervalOn = ticked(drumControl("chkPowerInterval", d));
        part.lower = text(drumControl("txtPowerInterval", d) + QStringLiteral("(0)")).toInt();
        part.upper = text(drumControl("txtPowerInterval", d) + QStringLiteral("(1)")).toInt();
    }
    return rules;
}

// What is wrong with the ticket of `columns` columns on the board, under the rules the user has
// set on it, and with the ticket list that shows it (each column's hits `hits(column)` when that
// is given); empty when nothing is.
inline QString ticketFault(const BoardBase &board, int columns, const std::function<QString(int)> &hits = {})
{
    const TicketGrid &grid = board.lottery().garrTicketGrid;
    if (QString fault = benchcolumns::ticketFault(rulesOnBoard(board), grid, columns); !fault.isEmpty())
        return fault;
    const auto *list = control<VbList>(&board, QStringLiteral("lstTicket"));
    return benchcolumns::listFault(grid, list->listCount(), [list](int i) { return list->list(i); }, hits);
}

// The main drum of the lottery of `database` as its catalogue row gives it: the balls 1 to the
// highest, or the digits 0 to 9 of a digit game (highest ball 10), drawn in the first columns.
inline benchpower::DrumColumns mainDrumOf(const QString &database)
{
    const GameConfigRecord &config = lotteryOf(database).config;
    if (config.highestBall == 10)
        return {0, 9, 1, config.numbersDrawn};
    return {1, config.highestBall, 1, config.numbersDrawn};
}

// The analysis window and the options of POWER as the user set them on the board, over the
// drawings the benchmark made; its end drawing's date is the date of that drawing.
inline benchpower::Window powerWindowOnBoard(const BoardBase &board, const History &drawings)
{
    benchpower::Window w;
    w.start = control<VbCombo>(&board, QStringLiteral("cboStartDrawing"))->text().toInt();
    w.end = control<VbCombo>(&board, QStringLiteral("cboEndDrawing"))->text().toInt();
    const auto end = std::find_if(drawings.begin(), drawings.end(), [&w](const Drawing &d) { return d.weekNo == w.end; });
    w.upToDate = end == drawings.end() ? QDate() : end->date;
    w.powerIncrease = control<VbCheck>(&board, QStringLiteral("chkPowerIncrease"))->value() != 0;
    w.cold = control<VbOption>(&board, QStringLiteral("optHotCold(1)"))->value();
    w.level = control<VbScrollBar>(&board, QStringLiteral("hsbPowerIncrease"))->value();
    w.totalWeeks = static_cast<int32_t>(drawings.size());
    return w;
}

// What is wrong with what POWER left on the board of the lottery of `database` for its main drum,
// against what the drawings the benchmark made give for the window and options set on the board:
// each ball's pick count, standing, power percent and pool count as the power table and the pool
// grid show them, and the pick counts and pool DRAW takes; empty when nothing is.
inline QString powerFault(const BoardBase &board, const QString &database, const History &drawings)
{
    const benchpower::DrumColumns drum = mainDrumOf(database);
    const benchpower::Window window = powerWindowOnBoard(board, drawings);
    if (!window.upToDate.isValid())
        return QStringLiteral("the end drawing %1 is none of the history's").arg(window.end);
    const benchpower::Expected e = benchpower::expectedPower(drawings, drum, window);
    const DrumState &state = board.lottery().drum(Drum::Main);
    const auto shown = [&board](const char *name, int32_t ball) {
        const QString object = QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(ball);
        if (const auto *label = control<VbLabel>(&board, object))
            return label->caption();
        const auto *box = control<VbTextBox>(&board, object);
        return box ? box->text() : QStringLiteral("nothing");
    };
    for (int32_t b = drum.firstBall; b <= drum.maxBall; ++b) {
        const auto i = static_cast<size_t>(b);
        const QString counted = QStringLiteral("ball %1 of the window %2..%3: ").arg(b).arg(window.start).arg(window.end);
        if (state.garrPickCount.value(b, -1) != e.picks[i] || shown("lblTotalPicks", b) != QString::number(e.picks[i]))
            return counted + QStringLiteral("pick count %1, shown %2, counted %3")
                                 .arg(state.garrPickCount.value(b, -1)).arg(shown("lblTotalPicks", b)).arg(e.picks[i]);
        if (shown("lblStanding", b) != QString::number(e.standing[i]))
            return counted + QStringLiteral("standing %1 shown, counted %2").arg(shown("lblStanding", b)).arg(e.standing[i]);
        if (shown("lblPowerPercent", b) != QString::number(e.percent[i]))
            return counted + QStringLiteral("power percent %1 shown, worked out %2").arg(shown("lblPowerPercent", b)).arg(e.percent[i]);
        if (state.garrPool.count(b) != e.pool[i] || shown("txtPoolCount", b) != QString::number(e.pool[i]))
            return counted + QStringLiteral("pool count %1, shown %2, worked out %3")
                                 .arg(state.garrPool.count(b)).arg(shown("txtPoolCount", b)).arg(e.pool[i]);
    }
    return {};
}

// What differs between the ticket on a board and the ticket saved; empty when they are the same,
// column for column.
inline QString ticketDifference(const TicketGrid &shown, const TicketGrid &saved)
{
    if (shown.rowCount() != saved.rowCount() || shown.width() != saved.width())
        return QStringLiteral("%1 columns of %2 numbers instead of %3 of %4")
            .arg(shown.rowCount()).arg(shown.width()).arg(saved.rowCount()).arg(saved.width());
    for (int r = 1; r <= saved.rowCount(); ++r)
        if (!std::equal(saved.row(r), saved.row(r) + saved.width(), shown.row(r)))
            return QStringLiteral("column %1 is not the column saved").arg(r);
    return shown == saved ? QString() : QStringLiteral("not the ticket saved");
}

// What is wrong with the ticket saved under `name` from the board: its two files in SavedTickets
// (the record, named by the ticket and the lottery's file suffix, and the text, by the suffix's
// last three characters, "_", the ticket and ".txt"), read back through the program's readers: the
// record whole, holding the window, options and limits the board shows, and the text every column
// of the board's ticket as the ticket list shows it; empty when nothing is.
inline QString savedTicketFault(const BoardBase &board, const QString &name)
{
    const OpenLottery &lottery = board.lottery();
    const QString folder = app().gstrSavedTicketsFolder;
    QString error;
    int slotsRead = 0;
    const auto record = readRecordFile(folder + name + lottery.gstrFileSuffix, &error, &slotsRead);
    if (!record)
        return QStringLiteral("the record file: ") + error;
    RecordDamage damage;
    const BoardSettings read = decodeBoardSettings(lottery.gLayout, *record, DrawingsInfo::of(lottery), slotsRead, &damage);
    if (damage.any() || slotsRead != kRecordSlots)
        return QStringLiteral("the record file is damaged (%1 slots read)").arg(slotsRead);
    const auto text = [&board](const QString &object) {
        if (const auto *combo = control<VbCombo>(&board, object))
            return combo->text();
        return control<VbTextBox>(&board, object)->text();
    };
    const auto value = [&board](const QString &object) {
        return QString::number(control<VbCheck>(&board, object)->value());
    };
    const IntervalSettings &interval = read.drum(Drum::Main).interval;
    const std::array<QString, 2> limits = interval.limits.value_or(std::array<QString, 2>{});
    const std::vector<std::array<QString, 3>> items{
        {QStringLiteral("start drawing"), QString::number(read.startWeek), text(QStringLiteral("cboStartDrawing"))},
        {QStringLiteral("end drawing"), QString::number(read.endWeek), text(QStringLiteral("cboEndDrawing"))},
        {QStringLiteral("date"), read.drawDate, text(QStringLiteral("cboDrawingDate"))},
        {QStringLiteral("power increase"), QString::number(read.powerIncrease), value(QStringLiteral("chkPowerIncrease"))},
        {QStringLiteral("interval"), QString::number(interval.on), value(QStringLiteral("chkPowerInterval"))},
        {QStringLiteral("interval percentage"), QString::number(interval.percentIndex),
         QString::number(control<VbCombo>(&board, QStringLiteral("cboPowerIntervalPct"))->listIndex())},
        {QStringLiteral("lower limit"), limits[0], text(QStringLiteral("txtPowerInterval(0)"))},
        {QStringLiteral("upper limit"), limits[1], text(QStringLiteral("txtPowerInterval(1)"))},
        {QStringLiteral("columns to draw"), read.columnsToDraw, text(QStringLiteral("txtColumnsToDraw"))},
        {QStringLiteral("incremental ticket"), QString::number(read.incrementalTicket),
         value(QStringLiteral("chkIncrementalTicket"))},
    };
    for (const auto &[item, stored, shown] : items)
        if (stored != shown)
            return QStringLiteral("the record holds the %1 \"%2\", the board shows \"%3\"").arg(item, stored, shown);

    const QString textFile = folder + lottery.gstrFileSuffix.right(3) + u'_' + name + QStringLiteral(".txt");
    const auto ticket = fncReadTicketFile(textFile, TicketShape::of(lottery.gLayout));
    if (!ticket || !ticket->complete())
        return QStringLiteral("the text file %1 cannot be read whole").arg(QFileInfo(textFile).fileName());
    if (const QString difference = ticketDifference(ticket->grid, lottery.garrTicketGrid); !difference.isEmpty())
        return QStringLiteral("the text file: ") + difference;
    const auto *list = control<VbList>(&board, QStringLiteral("lstTicket"));
    for (int i = 0; i < list->listCount(); ++i)
        if (ticket->lines.value(i) != list->list(i))
            return QStringLiteral("line %1 of the text file is not the ticket list's").arg(i + 1);
    return {};
}

// Compare as the user meets it: against another drawing than the one the ticket was last compared
// with. The end drawing on the board when the ticket was drawn and the nearest one before it that
// shares no number with it are chosen on the board's End list in turn, before each Compare and
// not timed; after each Compare every line's hits are checked against a count of the benchmark's
// own, of the column's numbers among the drawing's numbers as the history made them, and most
// lines must have changed.
class CompareRounds {
public:
    CompareRounds(const QString &database, int drawings, uint64_t seed)
        : history_(madeHistory(database, drawings, seed)), config_(lotteryOf(database).config)
    {
    }

    // Chooses the other end drawing on the board's End list, as the user picks it (the first time,
    // the nearest drawing before the board's own that shares no number with it); what is wrong
    // when the board does not show it.
    QString chooseOther(BoardBase &board)
    {
        auto *end = control<VbCombo>(&board, QStringLiteral("cboEndDrawing"));
        if (entries_[0] < 0) {
            entries_[0] = end->listIndex();
            const Drawing *first = drawingAt(*end, entries_[0]);
            for (int e = entries_[0] + 1; first && e < end->listCount() && entries_[1] < 0; ++e)
                if (const Drawing *d = drawingAt(*end, e); d && !shareNumbers(*first, *d))
                    entries_[1] = e;
            if (entries_[1] < 0)
                return QStringLiteral("no end drawing to compare with");
        }
        compared_ = 1 - compared_;
        end->setListIndex(entries_[compared_]);
        untilIdle();
        const Drawing *drawing = drawingAt(*end, end->listIndex());
        if (end->listIndex() != entries_[compared_] || !drawing)
            return QStringLiteral("the End list did not take entry %1").arg(entries_[compared_]);
        for (int p = 1; p <= numbers(); ++p)
            if (control<VbLabel>(&board, QStringLiteral("lblDrawingNumber(%1)").arg(p))->caption() != QString::number(drawing->number(p)))
                return QStringLiteral("the board does not show drawing %1").arg(drawing->weekNo);
        return {};
    }

    // What is wrong with the ticket and its list after Compare with the drawing chosen last, its
    // hits counted here; and fewer than half the lines changed from the drawing before.
    QString fault(const BoardBase &board, int columns)
    {
        const auto *end = control<VbCombo>(&board, QStringLiteral("cboEndDrawing"));
        const benchcolumns::Drawn now = drawn(*drawingAt(*end, entries_[compared_]));
        const benchcolumns::Drawn before = drawn(*drawingAt(*end, entries_[1 - compared_]));
        const TicketGrid &grid = board.lottery().garrTicketGrid;
        const auto column = [&grid](int r) { return std::span<const int32_t>(grid.row(r), static_cast<size_t>(grid.width())); };
        if (QString fault = ticketFault(board, columns, [&](int r) { return benchcolumns::hitsText(now, column(r)); });
            !fault.isEmpty())
            return fault;
        int changed = 0;
        for (int r = 1; r <= grid.rowCount(); ++r)
            changed += benchcolumns::hitsText(now, column(r)) != benchcolumns::hitsText(before, column(r));
        changedLines = changed;
        return 2 * changed > columns ? QString() : QStringLiteral("only %1 lines changed").arg(changed);
    }

    int changedLines = 0;  // the lines the last Compare changed

private:
    bool twoDrums() const { return config_.highestBallBONUS > 0; }
    int numbers() const { return config_.numbersDrawn + config_.bonusCount; }
    // The drawing of the End list's entry (the newest first), as the history made it.
    const Drawing *drawingAt(const VbCombo &end, int entry) const
    {
        const int week = end.list(entry).toInt();
        return week >= 1 && week <= static_cast<int>(history_.size()) ? &history_[static_cast<size_t>(week - 1)] : nullptr;
    }
    benchcolumns::Drawn drawn(const Drawing &d) const
    {
        benchcolumns::Drawn out;
        out.secondDrum = twoDrums();
        for (int p = 1; p <= numbers(); ++p)
            (p <= config_.numbersDrawn ? out.main : out.bonus).push_back(d.number(p));
        return out;
    }
    // Whether two drawings have a number in common in the same drum.
    bool shareNumbers(const Drawing &a, const Drawing &b) const
    {
        benchcolumns::Drawn x = drawn(a), y = drawn(b);
        const auto meet = [](const std::vector<int32_t> &u, const std::vector<int32_t> &v) {
            return std::any_of(u.begin(), u.end(), [&v](int32_t n) { return std::find(v.begin(), v.end(), n) != v.end(); });
        };
        if (twoDrums())
            return meet(x.main, y.main) || meet(x.bonus, y.bonus);
        x.main.insert(x.main.end(), x.bonus.begin(), x.bonus.end());
        y.main.insert(y.main.end(), y.bonus.begin(), y.bonus.end());
        return meet(x.main, y.main);
    }

    History history_;
    GameConfigRecord config_;
    int entries_[2] = {-1, -1};  // the End list's entries compared with in turn
    int compared_ = 0;           // the entry compared with last
};

inline void skip(benchmark::State &state, const QString &why) { state.SkipWithError(why.toStdString().c_str()); }

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
    // DRAW of 32,000 new columns made ready as the user asks for it: the incremental ticket off,
    // the count typed.
    void askDraw()
    {
        control<VbCheck>(board_, QStringLiteral("chkIncrementalTicket"))->setValue(false);
        control<VbTextBox>(board_, QStringLiteral("txtColumnsToDraw"))->setText(QStringLiteral("32000"));
    }
    // DRAW clicked, until the program is idle; the seconds it took.
    double clickDraw()
    {
        return timeToIdle([this] { click(control(board_, QStringLiteral("cmdDraw"))); });
    }
    // A ticket of 32,000 columns drawn at the 10 % interval (not timed); false, the benchmark
    // skipped, without one.
    bool hasTicket()
    {
        QString fault = QStringLiteral("the interval was not set");
        if (board_ && setInterval(*board_, 10)) {
            askDraw();
            clickDraw();
            fault = ticketFault(*board_, 32000);
            if (fault.isEmpty())
                return true;
        }
        skip(state_, QStringLiteral("no ticket: ") + fault + u' ' + lastMessage());
        return false;
    }
    // Tickets of 32,000 columns drawn at the 10 % interval and saved under `names` in turn (not
    // timed), each checked as saved: their names and columns in that order, the last one's on the
    // board; nothing, the benchmark skipped, when one could not be drawn or saved.
    std::vector<std::pair<QString, TicketGrid>> savedTickets(const QStringList &names)
    {
        std::vector<std::pair<QString, TicketGrid>> saved;
        for (const QString &name : names) {
            if (!hasTicket())
                return {};
            askTicket(*board_, false, name);
            untilIdle();
            if (const QString fault = savedTicketFault(*board_, name); !fault.isEmpty()) {
                skip(state_, QStringLiteral("the ticket %1 was not saved: ").arg(name) + fault + u' ' + lastMessage());
                return {};
            }
            saved.emplace_back(name, board_->lottery().garrTicketGrid);
        }
        return saved;
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
    // DRAW of 32,000 columns timed at the interval of `percent`, every ticket checked against the
    // rules on the board (the counters `lower` and `upper` are the interval's limits, kept through
    // every run).
    void timeDraw(int percent)
    {
        if (!board_ || !intervalAt(percent))
            return;
        const DrumState &drum = board_->lottery().drum(Drum::Main);
        const auto limits = drum.garrIntervalLimits;
        for (auto _ : state_) {
            askDraw();
            state_.SetIterationTime(clickDraw());
            if (!drum.gblnPowerInterval || drum.garrIntervalLimits != limits) {
                skip(state_, QStringLiteral("DRAW changed the interval: ") + lastMessage());
                break;
            }
            if (const QString fault = ticketFault(*board_, 32000); !fault.isEmpty()) {
                skip(state_, QStringLiteral("DRAW: ") + fault + u' ' + lastMessage());
                break;
            }
        }
        if (!quiet())
            skip(state_, QStringLiteral("DRAW showed a message: ") + lastMessage());
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
// POWER, pool) and painted; every drawing listed and what POWER shows checked.
inline void timeLoading(benchmark::State &state, int drawings, uint64_t seed, const QString &database)
{
    const History history = madeHistory(database, drawings, seed);
    startServices(freshFolder(drawings, seed, {database}));
    for (auto _ : state) {
        closeLottery();
        BoardBase *from = openLottery(kPick3);
        if (!from) {
            state.SkipWithError("the Pick 3 did not open");
            break;
        }
        state.SetIterationTime(timeToIdle([&] { askLotteryLoad(*from, database); }));
        BoardBase *board = boardInFront();
        if (!board || board == from || app().gstrLotteryDbFile != database || !board->lottery().gblnBoardInitialised
            || board->lottery().glngTotalWeeks != drawings || !board->isVisible()) {
            state.SkipWithError("the board did not open");
            break;
        }
        const auto *weeks = control<VbCombo>(board, QStringLiteral("cboEndDrawing"));
        QString fault = weeks->listCount() == drawings && weeks->list(0) == QString::number(drawings)
                                && weeks->list(drawings - 1) == QStringLiteral("1")
                            ? powerFault(*board, database, history)
                            : QStringLiteral("the drawings are not listed");
        if (!fault.isEmpty()) {
            skip(state, QStringLiteral("the board opened: ") + fault);
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
