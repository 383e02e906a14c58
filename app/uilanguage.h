#pragma once
// The interface language (glngLanguage) beyond the program's own string table: Qt's own texts
// (the standard buttons of message boxes, the context menus of text boxes, the calendar's
// tool tips) and the names of months and days.

#include "platform/dates.h"

#include <QLocale>
#include <QString>

// The locale of the interface language: the user's own locale when it speaks that language,
// else the language's main locale (Turkish for 1, English for 2, French for 3, German for 4).
QLocale fncInterfaceLocale();

// Installs Qt's translations for the interface language in place of those of the language before
// (English needs none). Runs at start-up and on every change of language; does nothing when the
// language has not changed. False when the translation file of the language was not found.
bool subApplyQtTranslations();


// Why a typed date is not one, in the interface language, for a message; empty when it is a date
// or when nothing was typed. `form` is the date form the text was read in.
QString fncDateProblemText(const QString &typed, const dates::TypedDate &date, const QString &form);
