#pragma once
// File names as the program shows them.

#include <QString>
#include <algorithm>

// `fileName` without its last four characters: a lottery database without its ".mdb", a ticket
// record without the lottery's file suffix.
inline QString fncFileTitle(const QString &fileName) { return fileName.chopped(std::min<qsizetype>(4, fileName.size())); }
