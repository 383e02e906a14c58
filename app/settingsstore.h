#pragma once
// The settings kept across runs: the language digit and the database file name of the lottery
// open when a board last closed. They live in the registry store under HKEY_CURRENT_USER,
// "Software\TALVINOR", values "Language" (REG_DWORD) and "LastLotteryDbFile" (REG_SZ).

#include "platform/filewrite.h"

#include <QString>

namespace settingsstore {

inline const QString kKey = QStringLiteral("Software\\TALVINOR");
inline const QString kLanguage = QStringLiteral("Language");
inline const QString kLastLotteryDbFile = QStringLiteral("LastLotteryDbFile");

}  // namespace settingsstore

// Sets glngLanguage and gstrLastLotteryDbFile from the store. Nothing stored gives English and no
// last lottery; a language outside 1 to 4 counts as English (2).
void subRestoreSettings();
// The database file name of the last lottery in the store (empty when none is stored).
QString fncStoredLastLotteryDbFile();
// Writes glngLanguage and gstrLotteryDbFile (the open lottery) to the store, both in one write;
// true when written, else `error` (when given) says why and the store holds what it held before
// (as it does after a crash in the middle). The boards call it when they close.
bool fncSaveSettings(filewrite::Error *error = nullptr);
// Writes an empty last lottery to the store, so that the next start does not try a lottery that
// could not be opened.
bool fncForgetLastLottery();
