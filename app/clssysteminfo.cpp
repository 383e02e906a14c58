#include "app/clssysteminfo.h"
#include "app/application.h"

#include "platform/folders.h"

namespace {

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

}  // namespace

QString clsSystemInfo::fncGetWindowsDir()
{
    app().gstrWinDirBuffer = withoutTrailingSlash(folders::platformProgramsFolder());
    lngWinDirLength_ = static_cast<int32_t>(app().gstrWinDirBuffer.size());
    return app().gstrWinDirBuffer;
}

QString clsSystemInfo::fncGetSystemDir()
{
    app().gstrSysDirBuffer = withoutTrailingSlash(folders::dataFolder());
    lngSysDirLength_ = static_cast<int32_t>(app().gstrSysDirBuffer.size());
    return app().gstrSysDirBuffer;
}
