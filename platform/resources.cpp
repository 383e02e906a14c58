#include "platform/resources.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <array>

namespace resources {

namespace {

// One row per base id: the texts of languages 1 to 4.
using Row = std::array<QString, 4>;

QString unescape(const QString &field)
{
    if (!field.contains(u'\\'))
        return field;
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field[i];
        if (c == u'\\' && i + 1 < field.size()) {
            const QChar next = field[++i];
            if (next == u'n')
                out += u'\n';
            else if (next == u't')
                out += u'\t';
            else
                out += next;
        } else {
            out += c;
        }
    }
    return out;
}

QHash<int, Row> loadTable()
{
    QHash<int, Row> table;
    QFile file(QStringLiteral(":/strings.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QString content = QString::fromUtf8(file.readAll());
    for (const QString &line : content.split(u'\n')) {
        QString l = line;
        if (l.endsWith(u'\r'))
            l.chop(1);
        if (l.isEmpty() || l.startsWith(u'#'))
            continue;
        const QStringList fields = l.split(u'\t');
        bool ok = false;
        const int base = fields.value(0).toInt(&ok);
        if (!ok)
            continue;
        Row row;
        for (int lang = 0; lang < 4; ++lang)
            row[lang] = unescape(fields.value(lang + 1));
        table.insert(base, row);
    }
    return table;
}

const QHash<int, Row> &table()
{
    static const QHash<int, Row> t = loadTable();
    return t;
}

}  // namespace

QString text(int id)
{
    const int base = id - id % 10;
    const int lang = id % 10;
    const auto it = table().constFind(base);
    if (it == table().constEnd())
        return {};
    if (lang >= 1 && lang <= 4 && !(*it)[lang - 1].isEmpty())
        return (*it)[lang - 1];
    return (*it)[1];
}

}  // namespace resources
