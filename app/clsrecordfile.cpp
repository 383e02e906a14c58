#include "app/clsrecordfile.h"

#include "analysis/clslotterydb.h"
#include "analysis/openlottery.h"
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

// What a read (or a reset) puts into the lottery itself.
void putIntoLottery(OpenLottery &lottery, const RecordShape &shape, const BoardSettings &s, bool reset)
{
    lottery.glngStartWeek = s.startWeek;
    lottery.glngReferenceWeek = s.endWeek;
    if (!reset)
        lottery.gstrDrawDate = s.drawDate;
    lottery.gblnAllExcluded = s.allExcluded;
    lottery.gblnEqualChance = s.equalChance != 0;
    DrumState &main = lottery.drum(Drum::Main);
    main.garrExcluded = s.excluded;
    main.garrPoolCountEdited = s.poolCountEdited;
    main.garrPoolWeightSaved = s.poolWeightSaved;
    if (shape.secondDrum()) {
        DrumState &second = lottery.drum(Drum::Second);
        second.garrExcluded = s.excludedBONUS;
        second.garrPoolCountEdited = s.poolCountEditedBONUS;
        second.garrPoolWeightSaved = s.poolWeightSavedBONUS;
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

bool clsRecordFile::fillFromBoard(BoardSettingsControls *board)
{
    if (!board)
        return fail(QStringLiteral("No board is open."));
    const OpenLottery &lottery = board->lottery();
    const RecordShape shape = RecordShape::of(lottery.gLayout);
    BoardSettings s = boardSettingsDefaults(shape, DrawingsInfo::of(lottery));
    board->readBoardSettings(s);
    s.startWeek = lottery.glngStartWeek;
    s.drawDate = lottery.gstrDrawDate;
    s.endWeek = lottery.glngReferenceWeek;
    s.allExcluded = lottery.gblnAllExcluded;
    copyOver(s.poolCountEdited, lottery.drum(Drum::Main).garrPoolCountEdited);
    copyOver(s.poolWeightSaved, lottery.drum(Drum::Main).garrPoolWeightSaved);
    if (shape.secondDrum()) {
        copyOver(s.poolCountEditedBONUS, lottery.drum(Drum::Second).garrPoolCountEdited);
        copyOver(s.poolWeightSavedBONUS, lottery.drum(Drum::Second).garrPoolWeightSaved);
    }
    if (!encodeBoardSettings(shape, s, record_))
        return fail(QStringLiteral("A text of the board is too long to store."));
    return true;
}

std::optional<QByteArray> clsRecordFile::fncBoardSettingsBytes(BoardSettingsControls *board)
{
    error_.clear();
    fault_ = filewrite::Fault::None;
    if (!fillFromBoard(board))
        return std::nullopt;
    return recordBytes(record_);
}

bool clsRecordFile::subSaveBoardSettings(int32_t mode, BoardSettingsControls *board, int32_t deletedWeekNo)
{
    error_.clear();
    fault_ = filewrite::Fault::None;
    const QString path = app().gstrRecordFilePath;
    if (mode == 1)
        return fillFromBoard(board) && writeRecordFile(path, record_, &error_, &fault_);
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

bool clsRecordFile::subLoadBoardSettings(BoardSettingsControls &board)
{
    OpenLottery &lottery = board.lottery();
    const RecordShape shape = RecordShape::of(lottery.gLayout);
    error_.clear();
    loadProblem_.clear();
    int slotsRead = 0;
    auto record = readRecordFile(app().gstrRecordFilePath, &error_, &slotsRead);
    const QString damagedMessage = res(kDamagedRecordMessage).arg(QDir::toNativeSeparators(app().gstrRecordFilePath));
    if (!record) {
        const QString why = error_;
        subLogFailureDetail(eventlog::kFileReadFailure, why);
        subResetBoardSettings(board);
        loadProblem_ = damagedMessage;
        return fail(why);
    }
    record_ = *record;
    RecordDamage damage;
    const BoardSettings s = decodeBoardSettings(shape, record_, DrawingsInfo::of(lottery), slotsRead, &damage);
    if (damage.otherLayout) {
        // Nothing of a record of another layout fits this board: it is reset as when there is no
        // file.
        subResetBoardSettings(board);
    } else {
        putIntoLottery(lottery, shape, s, false);
        board.applyBoardSettings(s);
    }
    // What could not be read has taken its reset value; the user is told which file it was.
    if (damage.any())
        loadProblem_ = damagedMessage;
    return true;
}

void clsRecordFile::subResetBoardSettings(BoardSettingsControls &board)
{
    loadProblem_.clear();
    OpenLottery &lottery = board.lottery();
    const RecordShape shape = RecordShape::of(lottery.gLayout);
    const BoardSettings s = boardSettingsDefaults(shape, DrawingsInfo::of(lottery));
    putIntoLottery(lottery, shape, s, true);
    board.resetBoardSettings(s);
}
