#pragma once
// Texts prepared for word-wrapped display.

#include <QString>

// `text` with a word joiner (U+2060, invisible) after every "/" that begins a word, so that a
// wrapped line never ends with the leading "/" of a path: "folder /home/me" may break before the
// path or inside it, never between "/" and "home".
QString fncKeepPathStartsWhole(const QString &text);
