#include "platform/linebreaks.h"

QString fncKeepPathStartsWhole(const QString &text)
{
    static constexpr QChar kWordJoiner(0x2060);
    QString out;
    out.reserve(text.size() + 4);
    for (qsizetype i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] != u'/' || i + 1 >= text.size())
            continue;
        const bool startsWord = i == 0 || text[i - 1].isSpace() || text[i - 1] == u'"' || text[i - 1] == u'('
                                || text[i - 1] == u'\'' || text[i - 1] == QChar(0x201C) || text[i - 1] == QChar(0x00AB);
        if (startsWord && !text[i + 1].isSpace() && text[i + 1] != kWordJoiner)
            out += kWordJoiner;
    }
    return out;
}

QString fncBreakableAnywhere(const QString &text)
{
    static constexpr QChar kZeroWidthSpace(0x200B);
    QString out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        out += text[i];
        // Never between the two halves of a character outside the basic plane.
        if (i + 1 < text.size() && !text[i].isHighSurrogate())
            out += kZeroWidthSpace;
    }
    return out;
}
