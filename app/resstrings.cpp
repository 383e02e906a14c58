#include "app/resstrings.h"

#include "app/application.h"

QString res(int base)
{
    const int lang = (app().glngLanguage >= 1 && app().glngLanguage <= 4) ? app().glngLanguage : 2;
    return resources::text(base + lang);
}

QString resCount(int oneBase, int otherBase, qint64 count)
{
    const bool singular = app().glngLanguage == 3 ? (count == 0 || count == 1) : count == 1;
    return res(singular ? oneBase : otherBase);
}
