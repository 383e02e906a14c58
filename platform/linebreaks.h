#pragma once
// Texts prepared for word-wrapped display.

#include <QString>

// `text` with a word joiner (U+2060, invisible) after every "/" that begins a word, so that a
// wrapped line never ends with the leading "/" of a path: "folder /home/me" may break before the
// path or inside it, never between "/" and "home".
QString fncKeepPathStartsWhole(const QString &text);

// `text` with a zero-width space (U+200B, invisible) between its characters, so that a wrapped
// line may break it anywhere: for a name too long for one line.
QString fncBreakableAnywhere(const QString &text);

// `text` with every run of more than `longest` characters between blanks and "/" made breakable
// anywhere: a long name within a message wraps instead of running past the edge of its box.
QString fncBreakLongRuns(const QString &text, qsizetype longest);
