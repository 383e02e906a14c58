#pragma once
// Names the two system folders the program relies on. On this platform the folder that holds the
// system's programs stands for the Windows folder, and the per-user application data folder
// (home of the event log) for the System folder.

#include <QString>
#include <cstdint>

class clsSystemInfo {
public:
    // The Windows folder, without a trailing "/"; empty when the platform gives none.
    QString fncGetWindowsDir();
    // The System folder, without a trailing "/"; empty when the platform gives none.
    QString fncGetSystemDir();

private:
    int32_t lngWinDirLength_ = 0;
    int32_t lngSysDirLength_ = 0;
};
