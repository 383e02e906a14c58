#pragma once
// The service objects that live for the whole run, created by start-up in this order and released
// in the same order by the Exit handlers.

class clsRecordFile;
class clsRegistry;
class clsSystemInfo;
class clsFileSystem;
class clsLotteryDb;

inline clsRecordFile *gobjRecordFile = nullptr;
inline clsRegistry *gobjRegistry = nullptr;
inline clsSystemInfo *gobjSystemInfo = nullptr;
inline clsFileSystem *gobjFileSystem = nullptr;
inline clsLotteryDb *gobjLotteryDb = nullptr;

// Creates the five service objects (those not yet created) in their order.
void createServiceObjects();
// Releases them in the same order.
void releaseServiceObjects();
