#pragma once
// The program's own text windows: the help window, which shows the user guide, and the report
// window, which shows an exported report when no text editor was found.

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QTextBrowser;

// The help window; closing it ends it.
class frmHelp : public QWidget {
public:
    // Shows nothing yet; `guide` names a guide compiled into the program (":/help/" + guide).
    frmHelp(const QString &title, const QString &guide);

    QTextBrowser *txtContents = nullptr;
};

// A read-only window holding a report; closing it ends it.
class frmReport : public QWidget {
public:
    frmReport(const QString &title, const QString &text);

    QPlainTextEdit *txtReport = nullptr;
};

// Where the guides are: ":/help/" followed by the file name.
QString fncHelpGuidePath(const QString &guide);

// The number by which the help finder knows an open window (0 for none), and the open window that
// number stands for (nullptr when it is not open any more).
qint64 fncWindowHandle(const QWidget *window);
QWidget *fncWindowFromHandle(qint64 handle);
// Closes the window that the handle stands for, when it is still open.
void subCloseWindow(qint64 handle);
