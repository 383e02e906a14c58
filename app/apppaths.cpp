#include "app/apppaths.h"

#include "app/clsfilesystem.h"
#include "app/clssysteminfo.h"
#include "app/application.h"
#include "platform/folders.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The folders searched for the text editor: the Windows folder, the System folder, then the
// folders of the search path.
QStringList editorFolders()
{
    QStringList out{app().gstrWindowsFolder, app().gstrSystemFolder};
    for (const QString &dir : qEnvironmentVariable("PATH").split(u':', Qt::SkipEmptyParts)) {
        const QString folder = withTrailingSlash(QDir::cleanPath(dir));
        if (!out.contains(folder))
            out << folder;
    }
    return out;
}

void createWhenMissing(const QString &folder)
{
    if (!app().gobjFileSystem->fncFolderExists(folder))
        app().gobjFileSystem->subCreateFolder(folder);
}

}  // namespace

QString withTrailingSlash(const QString &folder)
{
    QString out = folder;
    while (out.endsWith(u'/'))
        out.chop(1);
    return out + u'/';
}

QStringList editorCandidates()
{
    return {QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kate"),
            QStringLiteral("mousepad"), QStringLiteral("xed"), QStringLiteral("xdg-open")};
}

QString fncFindProgram(const QStringList &names, const QStringList &folders)
{
    for (const QString &name : names) {
        for (const QString &folder : folders) {
            const QString path = withTrailingSlash(folder) + name;
            if (app().gobjFileSystem->fncFileExists(path) && QFileInfo(path).isExecutable())
                return path;
        }
    }
    return {};
}

void subSetLogPaths()
{
    app().gstrSystemFolder = withTrailingSlash(app().gobjSystemInfo->fncGetSystemDir());
    QDir().mkpath(app().gstrSystemFolder);
    app().gstrLogFolder = app().gstrSystemFolder + QStringLiteral("LogFiles/");
    app().gstrLogFilePath = app().gstrLogFolder + QStringLiteral("TALVINOR.log");
}

QString fncLotteryDbsFolderOf(const QString &folder) { return withTrailingSlash(folder) + QStringLiteral("LotteryDBs/"); }

void subSetProgramFolderPaths(const QString &folder)
{
    app().gstrAppFolder = withTrailingSlash(folder);
    app().gstrLotteryDbsFolder = fncLotteryDbsFolderOf(folder);
    app().gstrSavedTicketsFolder = app().gstrAppFolder + QStringLiteral("SavedTickets/");
}

void subSetAppPaths()
{
    const QString programFolder = folders::programFolder();
    app().gstrAppFolder = withTrailingSlash(programFolder);
    app().gstrWindowsFolder = withTrailingSlash(app().gobjSystemInfo->fncGetWindowsDir());
    app().gstrSystemFolder = withTrailingSlash(app().gobjSystemInfo->fncGetSystemDir());
    subSetProgramFolderPaths(programFolder);
    app().gstrLogFolder = app().gstrSystemFolder + QStringLiteral("LogFiles/");
    app().gstrNotepadPath = fncFindProgram(editorCandidates(), editorFolders());
    createWhenMissing(app().gstrLotteryDbsFolder);
    createWhenMissing(app().gstrSavedTicketsFolder);
    // Help opens in the program's own help window; there is no outside viewer to look for.
    app().gstrHelpViewerPath.clear();
    createWhenMissing(app().gstrLogFolder);
    app().gstrLogFilePath = app().gstrLogFolder + QStringLiteral("TALVINOR.log");
}
