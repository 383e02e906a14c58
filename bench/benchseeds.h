#pragma once
// Random histories for the benchmarks that compare boards: ten seeds, and for each seed and history
// length a program folder whose sample 6/49 lottery (one bonus number) and sample two-drum 5/50 +
// 2/12 lottery hold that many daily drawings made from that seed. The databases are made once per process and copied into a fresh folder for every
// benchmark, so that no benchmark sees what another one left behind. And the wait for the program
// to be idle again after a user's action, its windows painted.

#include "analysis/clslotterydb.h"
#include "analysis/samplelotteries.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace benchseeds {

inline constexpr std::array<uint32_t, 10> kSeeds{4912, 1, 77, 2024, 31337, 65521, 99991, 123457, 424242, 8675309};
inline const QString kLotto = QStringLiteral("Sample Lotto 6-49.mdb");
inline const QString kTwoDrum = QStringLiteral("Sample Two-Drum 5-50 + 2-12.mdb");

namespace detail {

inline QString templateFolder(int drawings, uint32_t seed)
{
    static QTemporaryDir root;
    static std::map<std::pair<int, uint32_t>, QString> made;
    const auto key = std::make_pair(drawings, seed);
    if (const auto it = made.find(key); it != made.end())
        return it->second;
    const QString folder = root.path() + QStringLiteral("/n%1_s%2").arg(drawings).arg(seed);
    QDir().mkpath(folder + QStringLiteral("/SavedTickets"));
    samples::writeSampleLotteries(folder);
    const QDate last(2026, 11, 28);
    const auto dates = samples::drawingDates(samples::Schedule::Daily, last.addDays(1 - drawings), last);
    uint32_t salt = 0;
    for (const samples::SampleLottery &s : samples::sampleLotteries()) {
        if (s.lottery.databaseFile != kLotto && s.lottery.databaseFile != kTwoDrum)
            continue;
        const QString path = folder + QStringLiteral("/LotteryDBs/") + s.lottery.databaseFile;
        QFile::remove(path);
        QString error;
        if (!lotterydb::createResultsDatabase(path, samples::makeDrawings(s.config, dates, seed + salt++),
                                              samples::numbersPerDrawing(s.config), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            std::abort();
        }
    }
    return made.emplace(key, folder).first->second;
}

inline void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo &entry : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = to + u'/' + entry.fileName();
        if (entry.isDir())
            copyTree(entry.filePath(), target);
        else if (!QFile::copy(entry.filePath(), target))
            std::abort();
    }
}

}  // namespace detail

// A fresh program folder (the sample catalogues, every sample lottery holding `drawings` daily
// drawings ending on 28 November 2026, made from `seed`), removed when the object goes.
class ProgramFolder {
public:
    ProgramFolder(int drawings, uint32_t seed)
    {
        path_ = dir_.path() + QStringLiteral("/program");
        detail::copyTree(detail::templateFolder(drawings, seed), path_);
    }
    const QString &path() const { return path_; }

private:
    QTemporaryDir dir_;
    QString path_;
};

// Handles every event and timer that is due until a pass over the event loop delivers none: the
// user's action has run to its end and the windows are painted (an update request is an event).
inline void waitUntilIdle()
{
    struct Counter : QObject {
        long events = 0;
        bool eventFilter(QObject *, QEvent *) override
        {
            ++events;
            return false;
        }
    } counter;
    QCoreApplication::instance()->installEventFilter(&counter);
    for (int pass = 0; pass < 10000; ++pass) {
        const long before = counter.events;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (counter.events == before)
            break;
    }
    QCoreApplication::instance()->removeEventFilter(&counter);
}

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace benchseeds
