#pragma once
// The string table compiled into the program: every caption and message in Turkish, English,
// French and German. A text's id is a base id (a multiple of 10) plus the language digit:
// 1 Turkish, 2 English, 3 French, 4 German.

#include <QString>

namespace resources {

// The text of one full id. A missing or empty text falls back to the English text of the same
// base id; an id without any text gives an empty string.
QString text(int id);

}  // namespace resources
