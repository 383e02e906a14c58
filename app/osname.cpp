#include "app/osname.h"

#include <array>
#include <utility>

QString osNameFor(int32_t platformId, int32_t major, int32_t minor)
{
    switch (platformId) {
    case 0:
        return QStringLiteral("Win32s");
    case 1:
        if (major != 4)
            break;
        if (minor >= 90)
            return QStringLiteral("Windows ME");
        if (minor == 10)
            return QStringLiteral("Windows 98");
        if (minor < 10)
            return QStringLiteral("Windows 95");
        break;
    case 2:
        if (major >= 5) {
            if (minor == 0)
                return QStringLiteral("Windows 2000");
            if (minor == 1)
                return QStringLiteral("Windows XP");
            break;
        }
        if (major == 4)
            return QStringLiteral("Windows NT 4");
        if (major == 3)
            return QStringLiteral("Windows NT 3.51");
        break;
    default:
        break;
    }
    return QStringLiteral("NONE");
}

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
