#pragma once
// The ball pictures compiled into the program: "B", "G", "R" or "Y" (blue, green, red, yellow)
// alone, or followed by a ball number 0 to 56 written without leading zeros ("B0", "B7", "B56").
// They are read straight from the program's resources, once each, and kept in a picture cache.

#include <QPixmap>
#include <QString>
#include <QVariant>
#include <cstdint>

// True when `ResName` names one of the ball pictures.
bool fncIsBallPictureName(const QString &ResName);

// The picture `ResName` of type `ResType` ("GIF", the type every ball picture is filed under), or
// a null picture when there is no such resource. When `TempFile` holds a path, the picture is
// written to that file, loaded from it and the file deleted, as a file-based caller expects.
QPixmap fncLoadResPicture(const QString &ResName, const QString &ResType, const QVariant &TempFile = {});

// Writes the bytes of a resource into a file: 0 on success, 326 when there is no such resource,
// 75 when the file cannot be written.
int32_t fncSaveResToFile(const QString &ResName, const QString &ResType, const QString &FilePath);

// Makes a new, empty file with a unique name in `TempDir` (the temporary folder when empty)
// starting with `Prefix`; with `Unique` not 0 the name is built from that number and no file is
// made. True when a name was given, which is then in `FileName`.
bool fncGetTempFileName(const QString &TempDir, const QString &Prefix, int16_t Unique, QString &FileName);

// `Text` up to, not including, its first NUL character.
QString fncTrimNull(const QString &Text);
