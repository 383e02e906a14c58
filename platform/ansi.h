#pragma once
// Single-byte text as the program's files store it: Windows code page 1254 (Turkish).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace ansi {

QString decode(QByteArrayView bytes);
// Characters the code page cannot hold are written as '?'.
QByteArray encode(QStringView text);

}  // namespace ansi
