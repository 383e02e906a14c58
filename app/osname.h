#pragma once
// The name of the operating-system version, the event that records it and the window colour it
// selects.

#include <QString>
#include <cstdint>

// The name of the running system's version. This platform has no such query: "NONE".
QString fncGetOSName();

// A name without blanks and in upper case ("Windows XP" gives "WINDOWSXP").
QString fncNormaliseOsName(const QString &name);

struct OsRecognition {
    int32_t eventCode;
    int32_t backColor;
};

// The event and window colour of a normalised name: &HDFDFDF for the known versions, else event
// 43786 and &HBFBFBF.
OsRecognition fncRecogniseOs(const QString &normalisedName);
