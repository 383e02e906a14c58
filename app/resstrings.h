#pragma once
// The texts of the string table in the interface language.

#include "platform/resources.h"

#include <QString>

// The text of base id `base` in the current language (glngLanguage; English outside 1 to 4).
QString res(int base);

// The text of a count in the current language: base id `oneBase` when the language puts `count`
// in the singular (English, Turkish and German: 1; French: 0 and 1), else `otherBase`.
QString resCount(int oneBase, int otherBase, qint64 count);
