#include "app/resstrings.h"

#include "app/globals.h"

QString res(int base)
{
    const int lang = (glngLanguage >= 1 && glngLanguage <= 4) ? glngLanguage : 2;
    return resources::text(base + lang);
}

QString resCount(int oneBase, int otherBase, qint64 count)
{
    const bool singular = glngLanguage == 3 ? (count == 0 || count == 1) : count == 1;
    return res(singular ? oneBase : otherBase);
}
