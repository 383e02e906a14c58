#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <unistd.h>

namespace folders {

namespace {

QString envFolder(const char *name)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QString() : QDir::cleanPath(value);
}

QString xdgFolder(const char *name, const QString &fallbackUnderHome)
{
    QString base = envFolder(name);
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + u'/' + fallbackUnderHome;
    return base + QStringLiteral("/TALVINOR");
}

}  // namespace

QString programFolder()
{
    const QString home = envFolder("TALVINOR_HOME");
    if (!home.isEmpty())
        return home;
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString dataFolder() { return xdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share")); }

QString configFolder() { return xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config")); }

QString runtimeFolder()
{
    const QString runtime = envFolder("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString platformProgramsFolder() { return QStringLiteral("/usr/bin"); }

qsizetype longestFileName(const QString &folder)
{
    const long longest = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return longest > 0 ? longest : 255;
}

}  // namespace folders
