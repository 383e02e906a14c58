#include "app/faulttext.h"

#include "app/clsfilesystem.h"
#include "app/resstrings.h"
#include "app/application.h"
#include "app/settingsstore.h"
#include "app/clsrecordfile.h"
#include "app/filetitle.h"

namespace {

constexpr int kNoRoom = 49100;
constexpr int kReadOnly = 49110;
constexpr int kMissing = 49120;
constexpr int kDevice = 49130;
constexpr int kOther = 49140;
constexpr int kLocked = 49150;
constexpr int kNotADatabase = 49160;
constexpr int kNoAccess = 49170;

}  // namespace

QString fncWriteFaultText(filewrite::Fault fault)
{
    switch (fault) {
    case filewrite::Fault::NoRoom: return res(kNoRoom);
    case filewrite::Fault::ReadOnly: return res(kReadOnly);
    case filewrite::Fault::Missing: return res(kMissing);
    case filewrite::Fault::Device: return res(kDevice);
    case filewrite::Fault::None:
    case filewrite::Fault::Other: break;
    }
    return res(kOther);
}

QString fncDatabaseFaultText(lotterydb::Fault fault)
{
    switch (fault) {
    case lotterydb::Fault::Missing: return res(kMissing);
    case lotterydb::Fault::NoAccess: return res(kNoAccess);
    case lotterydb::Fault::Locked: return res(kLocked);
    case lotterydb::Fault::NotADatabase: return res(kNotADatabase);
    case lotterydb::Fault::ReadOnly: return res(kReadOnly);
    case lotterydb::Fault::NoRoom: return res(kNoRoom);
    case lotterydb::Fault::Device: return res(kDevice);
    case lotterydb::Fault::None:
    case lotterydb::Fault::Other: break;
    }
    return res(kOther);
}

void subLogFailureDetail(int32_t eventCode, const QString &detail)
{
    if (app().gobjFileSystem && !detail.isEmpty())
        app().gobjFileSystem->subWriteLogEvent(eventCode, detail);
}

QString fncWriteFailureText(filewrite::Fault fault, const QString &detail)
{
    subLogFailureDetail(eventlog::kFileWriteFailure, detail);
    return fncWriteFaultText(fault);
}

QString fncDatabaseFailureText()
{
    if (!app().gobjLotteryDb)
        return res(kOther);
    subLogFailureDetail(eventlog::kDatabaseFailure, app().gobjLotteryDb->lastError());
    return fncDatabaseFaultText(app().gobjLotteryDb->lastFault());
}

QString fncLotterySettingsNotSavedText()
{
    const filewrite::Fault fault = app().gobjRecordFile ? app().gobjRecordFile->lastFault() : filewrite::Fault::Other;
    const QString detail = app().gobjRecordFile ? app().gobjRecordFile->lastError() : QString();
    return res(46070).arg(fncFileTitle(app().gstrLotteryDbFile), fncWriteFailureText(fault, detail));
}
