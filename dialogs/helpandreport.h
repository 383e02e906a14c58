#pragma once
// Help and text export: the program's own help window, found by its title as a help viewer's
// window is, and the board report handed to the desktop's text editor.

#include <QString>
#include <functional>

class QWidget;

// Help > Contents of every window, and the file dialog's HELP: subFindHelpWindow(own);
// subShowHelp(); subFindHelpWindow(own), so that glngHelpHwnd names the help window shown.
void subHelpContents(QWidget *own);

// Looks among the program's open windows, other than `own` (never compared), for the help window:
// the one whose title is exactly gstrHelpTitle. Sets glngHelpHwnd to its handle, or 0.
void subFindHelpWindow(QWidget *own);
// Brings the help window found last to the front, or opens the help window on the guide
// gstrHelpFile (a message when the program has no such guide).
void subShowHelp();
// The help window's title and guide in the current language: gstrHelpTitle (string 35010) and
// gstrHelpFile (string 35020).
void subSetHelpNames();

// Writes the board in front as a text report to a temporary text file and opens it in the text
// editor found at start-up (gstrNotepadPath), or, without one, in a read-only window of the
// program; the report also goes to the clipboard.
void subExportReportToNotepad();

// How the report file is handed to the editor: (editor, file) -> started. Tests put their own in
// place; an empty function gives the desktop's own way back.
using ReportOpener = std::function<bool(const QString &editor, const QString &file)>;
void setReportOpenerForTests(ReportOpener opener);
// Removes the report files written for the editor; run when the program ends.
void subRemoveReportFiles();
