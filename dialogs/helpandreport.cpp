#include "dialogs/helpandreport.h"

#include "platform/fileread.h"

#include "analysis/boardreport.h"
#include "analysis/openlottery.h"
#include "platform/ui/textwindows.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "dialogs/programmessage.h"
#include "dialogs/iboard.h"
#include "platform/ui/controls.h"
#include "platform/ui/msgbox.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

namespace {

QByteArray reportDigest(const QByteArray &bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256); }

// Whether `path` is still the plain file the program wrote with the contents of `digest`: not a
// report the user changed and saved in the editor, nor a file another program made under its name.
bool stillAsWritten(const QString &path, const QByteArray &digest)
{
    QFile file;
    if (!fileread::openPlain(file, path, nullptr, fileread::Links::Refused))
        return false;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return hash.addData(&file) && file.error() == QFileDevice::NoError && hash.result() == digest;
}

bool openInEditor(const QString &editor, const QString &file)
{
    if (app().reportOpener)
        return app().reportOpener(editor, file);
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

// The report in a new temporary text file, kept for the editor until the program ends; empty
// when it cannot be written.
QString writeReportFile(const QString &text)
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/TALVINOR-report-XXXXXX.txt"));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    const QByteArray bytes = text.toUtf8();
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written) {
        file.remove();
        return {};
    }
    if (app().reportFiles.isEmpty() && QCoreApplication::instance())
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                         [] { subRemoveReportFiles(); });
    app().reportFiles.insert(file.fileName(), reportDigest(bytes));
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
    // A report saved with the user's changes in the editor is no longer the program's to remove.
    for (auto it = app().reportFiles.cbegin(); it != app().reportFiles.cend(); ++it)
        if (stillAsWritten(it.key(), it.value()))
            QFile::remove(it.key());
    app().reportFiles.clear();
}

void setReportOpenerForTests(ReportOpener opener) { app().reportOpener = std::move(opener); }

void subSetHelpNames()
{
    app().gstrHelpTitle = res(35010);
    app().gstrHelpFile = res(35020);
}

void subHelpContents(QWidget *own)
{
    subFindHelpWindow(own);
    subShowHelp();
    subFindHelpWindow(own);
}

void subFindHelpWindow(QWidget *own)
{
    app().glngHelpHwnd = fncWindowHandle(windowTitled(app().gstrHelpTitle, own ? own->window() : nullptr));
}

void subShowHelp()
{
    if (app().glngHelpHwnd != 0) {
        doEvents();
        QWidget *help = windowTitled(app().gstrHelpTitle, nullptr);
        if (!help)
            help = fncWindowFromHandle(app().glngHelpHwnd);
        if (help) {
            help->showNormal();
            help->raise();
            help->activateWindow();
        }
        return;
    }
    if (!QFile::exists(fncHelpGuidePath(app().gstrHelpFile))) {
        fncProgramMessage(windowInFront(), res(48040).arg(app().gstrHelpFile));
        return;
    }
    auto *help = new frmHelp(app().gstrHelpTitle, app().gstrHelpFile);
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

    const QFileInfo editor(app().gstrNotepadPath);
    if (!app().gstrNotepadPath.isEmpty() && editor.isFile() && editor.isExecutable()) {
        const QString file = writeReportFile(text);
        if (file.isEmpty())
            fncProgramMessage(windowInFront(), res(48090).arg(QDir::tempPath()));
        else if (openInEditor(app().gstrNotepadPath, file))
            return;
        // Not the editor's: removed now, and not again at the end, when the name may be another's.
        else if (QFile::remove(file))
            app().reportFiles.remove(file);
    }
    showReportWindow(text);
}
