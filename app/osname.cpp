#include "app/osname.h"

#include <array>
#include <utility>

QString fncGetOSName() { return QStringLiteral("NONE"); }

QString fncNormaliseOsName(const QString &name)
{
    QString out = name;
    out.remove(u' ');
    return out.toUpper();
}

OsRecognition fncRecogniseOs(const QString &normalisedName)
{
    static const std::array<std::pair<const char *, int32_t>, 7> known = {{
        {"WINDOWSXP", 43716},
        {"WINDOWS2000", 43726},
        {"WINDOWSNT4", 43736},
        {"WINDOWSNT3.51", 43746},
        {"WINDOWSME", 43756},
        {"WINDOWS98", 43766},
        {"WINDOWS95", 43776},
    }};
    for (const auto &[name, event] : known)
        if (normalisedName == QLatin1String(name))
            return {event, 0xDFDFDF};
    return {43786, 0xBFBFBF};
}
