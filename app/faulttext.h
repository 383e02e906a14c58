#pragma once
// Failures of files and results databases told to the user in plain words, in the user's
// language; their technical detail goes to the event log.

#include "analysis/clslotterydb.h"
#include "platform/filewrite.h"

#include <QString>

// The reason of a failed file write, as a phrase ("the disk is full ...").
QString fncWriteFaultText(filewrite::Fault fault);
// The reason of a results-database failure, as a phrase.
QString fncDatabaseFaultText(lotterydb::Fault fault);

// Writes the technical detail of a failure to the event log.
void subLogFailureDetail(int32_t eventCode, const QString &detail);
// The reason of a failed file write, with its detail written to the event log first.
QString fncWriteFailureText(filewrite::Fault fault, const QString &detail);
// The reason of the last failure of the results database (gobjLotteryDb), with its detail
// written to the event log first.
QString fncDatabaseFailureText();
// The message that the board settings of the lottery gstrLotteryDbFile could not be saved, with
// the reason of the record service's last failed save (its detail written to the event log).
QString fncLotterySettingsNotSavedText();
