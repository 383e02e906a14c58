#include "app/clssysteminfo.h"

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
    gstrWinDirBuffer = withoutTrailingSlash(folders::platformProgramsFolder());
    lngWinDirLength_ = static_cast<int32_t>(gstrWinDirBuffer.size());
    return gstrWinDirBuffer;
}

QString clsSystemInfo::fncGetSystemDir()
{
    gstrSysDirBuffer = withoutTrailingSlash(folders::dataFolder());
    lngSysDirLength_ = static_cast<int32_t>(gstrSysDirBuffer.size());
    return gstrSysDirBuffer;
}
