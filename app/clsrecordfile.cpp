#include "app/clsrecordfile.h"

#include "analysis/clslotterydb.h"
#include "analysis/openlottery.h"
#include "app/clsfilesystem.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "app/faulttext.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// A settings record that could not be read whole (string table).
constexpr int kDamagedRecordMessage = 49020;

// Copies the elements both arrays have.
void copyOver(BallArray<int32_t> &to, const BallArray<int32_t> &from)
{
    for (int i = to.lo(); i <= to.hi(); ++i)
        to[i] = from.value(i, to[i]);
}

// The same for the pool counts of excluded balls, which the record keeps in 32 bits: a count
// beyond that range (a pool can hold billions) is stored as the largest the record can hold
// rather than wrapped into another number.
void copyOverSaturated(BallArray<int32_t> &to, const BallArray<int64_t> &from)
{
    for (int i = to.lo(); i <= to.hi(); ++i)
        if (from.contains(i))
            to[i] = static_cast<int32_t>(std::clamp<int64_t>(from[i], INT32_MIN, INT32_MAX));
}

// What a read (or a reset) puts into the lottery itself.
void putIntoLottery(OpenLottery &lottery, const BoardSettings &s, bool reset)
{
    lottery.glngStartWeek = s.startWeek;
    lottery.glngReferenceWeek = s.endWeek;
    if (!reset)
        lottery.gstrDrawDate = s.drawDate;
    lottery.drum(Drum::Main).gblnAllExcluded = s.allExcluded;
    lottery.gblnEqualChance = s.equalChance != 0;
    for (Drum drum : lottery.gLayout.drums()) {
        DrumState &state = lottery.drum(drum);
        state.garrExcluded = s.drum(drum).excluded;
        state.garrPoolCountEdited = s.drum(drum).poolCountEdited;
        const BallArray<int32_t> &saved = s.drum(drum).poolWeightSaved;
        state.garrPoolWeightSaved = BallArray<int64_t>(saved.lo(), std::vector<int64_t>(saved.values().begin(), saved.values().end()));
    }
}

}  // namespace

bool clsRecordFile::fail(const QString &why)
{
    error_ = why;
    return false;
}

void clsRecordFile::subSelectRecordFile(const QString &fileKind, const OpenLottery &lottery)
{
    loadProblem_.clear();
    selectRecordFile(fileKind, lottery);
}

bool clsRecordFile::fill(const OpenLottery &lottery, BoardSettings s)
{
    s.startWeek = lottery.glngStartWeek;
    s.drawDate = lottery.gstrDrawDate;
    s.endWeek = lottery.glngReferenceWeek;
    s.allExcluded = lottery.drum(Drum::Main).gblnAllExcluded;
    for (Drum drum : lottery.gLayout.drums()) {
        copyOver(s.drum(drum).poolCountEdited, lottery.drum(drum).garrPoolCountEdited);
        copyOverSaturated(s.drum(drum).poolWeightSaved, lottery.drum(drum).garrPoolWeightSaved);
    }
    if (!encodeBoardSettings(lottery.gLayout, s, record_))
        return fail(QStringLiteral("A text of the board is too long to store."));
    return true;
}

std::optional<QByteArray> clsRecordFile::fncBoardSettingsBytes(const OpenLottery &lottery, const BoardSettings &controls)
{
    error_.clear();
    fault_ = filewrite::Fault::None;
    if (!fill(lottery, controls))
        return std::nullopt;
    return recordBytes(record_);
}

bool clsRecordFile::subSaveBoardSettings(const OpenLottery &lottery, const BoardSettings &controls)
{
    error_.clear();
    fault_ = filewrite::Fault::None;
    return fill(lottery, controls) && writeRecordFile(app().gstrRecordFilePath, record_, &error_, &fault_);
}

bool clsRecordFile::subRefreshBoardSettings(int32_t deletedWeekNo)
{
    error_.clear();
    fault_ = filewrite::Fault::None;
    const QString path = app().gstrRecordFilePath;
    // The lottery's own file is refreshed; the record in memory may belong to another lottery or
    // ticket and is left alone.
    if (!QFile::exists(path))
        return true;
    auto scratch = readRecordFile(path, &error_);
    if (!scratch)
        return false;
    if (!app().gobjLotteryDb)
        return fail(QStringLiteral("The results database is not available."));
    const auto maxWeek = app().gobjLotteryDb->fncGetMaxWeekNo();
    const auto maxDate = app().gobjLotteryDb->fncGetMaxWeekDate();
    if (!maxWeek.hasValue() || !maxDate.hasValue())
        return fail(QStringLiteral("The newest drawing cannot be read: %1").arg(app().gobjLotteryDb->lastError()));
    if (!refreshAnalysisWindow(*scratch, deletedWeekNo, maxWeek.value(), maxDate.value()))
        return true;
    return writeRecordFile(path, *scratch, &error_, &fault_);
}

SettingsToShow clsRecordFile::subLoadBoardSettings(OpenLottery &lottery, bool *read)
{
    error_.clear();
    loadProblem_.clear();
    if (read)
        *read = true;
    int slotsRead = 0;
    auto record = readRecordFile(app().gstrRecordFilePath, &error_, &slotsRead);
    const QString damagedMessage = res(kDamagedRecordMessage).arg(QDir::toNativeSeparators(app().gstrRecordFilePath));
    if (!record) {
        const QString why = error_;
        subLogFailureDetail(eventlog::kFileReadFailure, why);
        SettingsToShow shown{subResetBoardSettings(lottery), true};
        loadProblem_ = damagedMessage;
        if (read)
            *read = false;
        fail(why);
        return shown;
    }
    record_ = *record;
    RecordDamage damage;
    SettingsToShow shown{decodeBoardSettings(lottery.gLayout, record_, DrawingsInfo::of(lottery), slotsRead, &damage), false};
    if (damage.otherLayout) {
        // Nothing of a record of another layout fits this board: it is reset as when there is no
        // file.
        shown = {subResetBoardSettings(lottery), true};
    } else {
        putIntoLottery(lottery, shown.settings, false);
    }
    // What could not be read has taken its reset value; the user is told which file it was.
    if (damage.any())
        loadProblem_ = damagedMessage;
    return shown;
}

BoardSettings clsRecordFile::subResetBoardSettings(OpenLottery &lottery)
{
    loadProblem_.clear();
    const BoardSettings s = boardSettingsDefaults(lottery.gLayout, DrawingsInfo::of(lottery));
    putIntoLottery(lottery, s, true);
    return s;
}
