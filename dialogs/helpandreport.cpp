#include "dialogs/helpandreport.h"

#include "analysis/boardreport.h"
#include "analysis/state.h"
#include "platform/ui/textwindows.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "dialogs/programmessage.h"
#include "dialogs/iboard.h"
#include "platform/ui/controls.h"
#include "platform/ui/msgbox.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

namespace {

ReportOpener &reportOpener()
{
    static ReportOpener opener;
    return opener;
}

bool openInEditor(const QString &editor, const QString &file)
{
    if (reportOpener())
        return reportOpener()(editor, file);
    return QProcess::startDetached(editor, {file});
}

// The open window titled exactly `title` (an empty title names no window), other than `own`.
QWidget *windowTitled(const QString &title, const QWidget *own)
{
    if (title.isEmpty())
        return nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != own && window->isVisible() && window->windowTitle() == title)
            return window;
    }
    return nullptr;
}

// A help window opened while a modal dialog is open would be out of the user's reach behind it;
// it is modal itself until that dialog has gone.
void keepReachable(frmHelp *help)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    help->setWindowModality(Qt::ApplicationModal);
    QObject::connect(modal, &QObject::destroyed, help, [help] {
        const bool shown = help->isVisible();
        help->hide();
        help->setWindowModality(Qt::NonModal);
        if (shown)
            help->show();
    });
}

// The report files written for the editor in this run of the program.
QStringList &reportFiles()
{
    static QStringList files;
    return files;
}

// The report in a new temporary text file, kept for the editor until the program ends; empty
// when it cannot be written.
QString writeReportFile(const QString &text)
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/TALVINOR-report-XXXXXX.txt"));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    if (reportFiles().isEmpty() && QCoreApplication::instance())
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                         [] { subRemoveReportFiles(); });
    reportFiles().append(file.fileName());
    const QByteArray bytes = text.toUtf8();
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written) {
        file.remove();
        return {};
    }
    return file.fileName();
}

void showReportWindow(const QString &text)
{
    auto *window = new frmReport(res(48080), text);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void subRemoveReportFiles()
{
    for (const QString &file : std::as_const(reportFiles()))
        QFile::remove(file);
    reportFiles().clear();
}

void setReportOpenerForTests(ReportOpener opener) { reportOpener() = std::move(opener); }

void subSetHelpNames()
{
    gstrHelpTitle = res(35010);
    gstrHelpFile = res(35020);
}

void subHelpContents(QWidget *own)
{
    subFindHelpWindow(own);
    subShowHelp();
    subFindHelpWindow(own);
}

void subFindHelpWindow(QWidget *own)
{
    glngHelpHwnd = fncWindowHandle(windowTitled(gstrHelpTitle, own ? own->window() : nullptr));
}

void subShowHelp()
{
    if (glngHelpHwnd != 0) {
        doEvents();
        QWidget *help = windowTitled(gstrHelpTitle, nullptr);
        if (!help)
            help = fncWindowFromHandle(glngHelpHwnd);
        if (help) {
            help->showNormal();
            help->raise();
            help->activateWindow();
        }
        return;
    }
    if (!QFile::exists(fncHelpGuidePath(gstrHelpFile))) {
        fncProgramMessage(gfrmCurrentBoard.data(), res(48040).arg(gstrHelpFile));
        return;
    }
    auto *help = new frmHelp(gstrHelpTitle, gstrHelpFile);
    keepReachable(help);
    help->show();
    help->raise();
    help->activateWindow();
    doEvents();
}

void subExportReportToNotepad()
{
    const IBoard *board = currentBoard();
    const std::optional<BoardReport> report = board ? board->report() : std::nullopt;
    if (!report)
        return;
    const QString text = fncBoardReportText(*report);
    QGuiApplication::clipboard()->setText(text);

    const QFileInfo editor(gstrNotepadPath);
    if (!gstrNotepadPath.isEmpty() && editor.isFile() && editor.isExecutable()) {
        const QString file = writeReportFile(text);
        if (file.isEmpty())
            fncProgramMessage(gfrmCurrentBoard.data(), res(48090).arg(QDir::tempPath()));
        else if (openInEditor(gstrNotepadPath, file))
            return;
        else
            QFile::remove(file);
    }
    showReportWindow(text);
}
