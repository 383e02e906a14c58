#include "app/clsrecordfile.h"

#include "analysis/clslotterydb.h"
#include "analysis/state.h"
#include "app/clsfilesystem.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "app/faulttext.h"

#include <QDir>
#include <QFile>

namespace {

// A settings record that could not be read whole (string table).
constexpr int kDamagedRecordMessage = 49020;

// Copies the elements both arrays have.
void copyOver(BallArray<int32_t> &to, const BallArray<int32_t> &from)
{
    for (int i = to.lo(); i <= to.hi(); ++i)
        to[i] = from.value(i, to[i]);
}

// The globals a read (or a reset) sets directly.
void putIntoGlobals(const RecordShape &shape, const BoardSettings &s, bool reset)
{
    glngStartWeek = s.startWeek;
    glngReferenceWeek = s.endWeek;
    if (!reset)
        gstrDrawDate = s.drawDate;
    gblnAllExcluded = s.allExcluded;
    gblnEqualChance = s.equalChance != 0;
    gDrum.garrExcluded = s.excluded;
    gDrum.garrPoolCountEdited = s.poolCountEdited;
    gDrum.garrPoolWeightSaved = s.poolWeightSaved;
    if (shape.secondDrum()) {
        gDrumBONUS.garrExcluded = s.excludedBONUS;
        gDrumBONUS.garrPoolCountEdited = s.poolCountEditedBONUS;
        gDrumBONUS.garrPoolWeightSaved = s.poolWeightSavedBONUS;
    }
}

}  // namespace

bool clsRecordFile::fail(const QString &why)
{
    error_ = why;
    return false;
}

void clsRecordFile::subSelectRecordFile(const QString &fileKind)
{
    loadProblem_.clear();
    selectRecordFile(fileKind);
}

bool clsRecordFile::fillFromBoard(const RecordShape &shape, BoardSettingsControls *board)
{
    if (!board)
        return fail(QStringLiteral("No board is open."));
    BoardSettings s = boardSettingsDefaults(shape, DrawingsInfo::current());
    board->readBoardSettings(s);
    s.startWeek = glngStartWeek;
    s.drawDate = gstrDrawDate;
    s.endWeek = glngReferenceWeek;
    s.allExcluded = gblnAllExcluded;
    copyOver(s.poolCountEdited, gDrum.garrPoolCountEdited);
    copyOver(s.poolWeightSaved, gDrum.garrPoolWeightSaved);
    if (shape.secondDrum()) {
        copyOver(s.poolCountEditedBONUS, gDrumBONUS.garrPoolCountEdited);
        copyOver(s.poolWeightSavedBONUS, gDrumBONUS.garrPoolWeightSaved);
    }
    if (!encodeBoardSettings(shape, s, record_))
        return fail(QStringLiteral("A text of the board is too long to store."));
    return true;
}

std::optional<QByteArray> clsRecordFile::fncBoardSettingsBytes(BoardSettingsControls *board)
{
    error_.clear();
    fault_ = filewrite::Fault::None;
    if (!fillFromBoard(RecordShape::current(), board))
        return std::nullopt;
    return recordBytes(record_);
}

bool clsRecordFile::subSaveBoardSettings(int32_t mode, BoardSettingsControls *board, int32_t deletedWeekNo)
{
    const RecordShape shape = RecordShape::current();
    error_.clear();
    fault_ = filewrite::Fault::None;
    const QString path = app().gstrRecordFilePath;
    if (mode == 1)
        return fillFromBoard(shape, board) && writeRecordFile(path, record_, &error_, &fault_);
    if (mode == 2) {
        // The open lottery's own file is refreshed; the record in memory may belong to another
        // lottery or ticket and is left alone.
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
    return fail(QStringLiteral("Unknown way of saving: %1.").arg(mode));
}

bool clsRecordFile::subLoadBoardSettings(BoardSettingsControls *board)
{
    const RecordShape shape = RecordShape::current();
    error_.clear();
    loadProblem_.clear();
    int slotsRead = 0;
    auto record = readRecordFile(app().gstrRecordFilePath, &error_, &slotsRead);
    const QString damagedMessage = res(kDamagedRecordMessage).arg(QDir::toNativeSeparators(app().gstrRecordFilePath));
    if (!record) {
        const QString why = error_;
        subLogFailureDetail(eventlog::kFileReadFailure, why);
        reset(shape, board);
        loadProblem_ = damagedMessage;
        return fail(why);
    }
    record_ = *record;
    RecordDamage damage;
    const BoardSettings s = decodeBoardSettings(shape, record_, DrawingsInfo::current(), slotsRead, &damage);
    if (damage.otherLayout) {
        // Nothing of a record of another layout fits this board: it is reset as when there is no
        // file.
        reset(shape, board);
    } else {
        putIntoGlobals(shape, s, false);
        if (board)
            board->applyBoardSettings(s);
    }
    // What could not be read has taken its reset value; the user is told which file it was.
    if (damage.any())
        loadProblem_ = damagedMessage;
    return true;
}

void clsRecordFile::subResetBoardSettings(BoardSettingsControls *board) { reset(RecordShape::current(), board); }

void clsRecordFile::reset(const RecordShape &shape, BoardSettingsControls *board)
{
    loadProblem_.clear();
    const BoardSettings s = boardSettingsDefaults(shape, DrawingsInfo::current());
    putIntoGlobals(shape, s, true);
    if (board)
        board->resetBoardSettings(s);
}
