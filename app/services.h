#pragma once
// The service objects that live for the whole run, created by start-up in this order and released
// in the same order by the Exit handlers.

class clsWindowOnTop;
class clsAnalysis;
class clsRecordFile;
class clsRegistry;
class clsSystemInfo;
class clsFileSystem;
class clsLotteryDb;
class clsLanguage;

inline clsWindowOnTop *gobjWindowOnTop = nullptr;
inline clsAnalysis *gobjAnalysis = nullptr;
inline clsRecordFile *gobjRecordFile = nullptr;
inline clsRegistry *gobjRegistry = nullptr;
inline clsSystemInfo *gobjSystemInfo = nullptr;
inline clsFileSystem *gobjFileSystem = nullptr;
inline clsLotteryDb *gobjLotteryDb = nullptr;
inline clsLanguage *gobjLanguage = nullptr;

// Creates the eight service objects (those not yet created) in their order.
void createServiceObjects();
// Releases them in the same order.
void releaseServiceObjects();
// The requests and flags of the run as a fresh start has them, and no open lottery: for a process
// that runs the program more than once (the tests, the benchmarks).
void resetProgramState();
