#pragma once
// The string table: every caption and message of the program in Turkish, English, French and
// German. A text's id is a base id (a multiple of 10) plus the language digit: 1 Turkish,
// 2 English, 3 French, 4 German.

#include <QString>

namespace resources {

// The text of one full id. A missing or empty text falls back to the English text of the same
// base id; an id without any text gives an empty string.
QString text(int id);

}  // namespace resources

// The text of base id `base` in the current language (glngLanguage; English outside 1 to 4).
QString res(int base);

// The text of a count in the current language: base id `oneBase` when the language puts `count`
// in the singular (English, Turkish and German: 1; French: 0 and 1), else `otherBase`.
QString resCount(int oneBase, int otherBase, qint64 count);
