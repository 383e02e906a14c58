#include "app/apppaths.h"

#include "app/clsfilesystem.h"
#include "app/clssysteminfo.h"
#include "app/globals.h"
#include "app/services.h"
#include "platform/folders.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The folders searched for the text editor: the Windows folder, the System folder, then the
// folders of the search path.
QStringList editorFolders()
{
    QStringList out{gstrWindowsFolder, gstrSystemFolder};
    for (const QString &dir : qEnvironmentVariable("PATH").split(u':', Qt::SkipEmptyParts)) {
        const QString folder = withTrailingSlash(QDir::cleanPath(dir));
        if (!out.contains(folder))
            out << folder;
    }
    return out;
}

void createWhenMissing(const QString &folder)
{
    if (!gobjFileSystem->fncFolderExists(folder))
        gobjFileSystem->subCreateFolder(folder);
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
            if (gobjFileSystem->fncFileExists(path) && QFileInfo(path).isExecutable())
                return path;
        }
    }
    return {};
}

void subSetLogPaths()
{
    gstrSystemFolder = withTrailingSlash(gobjSystemInfo->fncGetSystemDir());
    QDir().mkpath(gstrSystemFolder);
    gstrLogFolder = gstrSystemFolder + QStringLiteral("LogFiles/");
    gstrLogFilePath = gstrLogFolder + QStringLiteral("TALVINOR.log");
}

void subSetProgramFolderPaths(const QString &folder)
{
    gstrAppFolder = withTrailingSlash(folder);
    gstrLotteryDbsFolder = gstrAppFolder + QStringLiteral("LotteryDBs/");
    gstrSavedTicketsFolder = gstrAppFolder + QStringLiteral("SavedTickets/");
}

void subSetAppPaths()
{
    const QString programFolder = folders::programFolder();
    gstrAppFolder = withTrailingSlash(programFolder);
    gstrWindowsFolder = withTrailingSlash(gobjSystemInfo->fncGetWindowsDir());
    gstrSystemFolder = withTrailingSlash(gobjSystemInfo->fncGetSystemDir());
    subSetProgramFolderPaths(programFolder);
    gstrLogFolder = gstrSystemFolder + QStringLiteral("LogFiles/");
    gstrNotepadPath = fncFindProgram(editorCandidates(), editorFolders());
    createWhenMissing(gstrLotteryDbsFolder);
    createWhenMissing(gstrSavedTicketsFolder);
    // Help opens in the program's own help window; there is no outside viewer to look for.
    gstrHelpViewerPath.clear();
    createWhenMissing(gstrLogFolder);
    gstrLogFilePath = gstrLogFolder + QStringLiteral("TALVINOR.log");
}
