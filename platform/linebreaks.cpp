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

QString fncBreakLongRuns(const QString &text, qsizetype longest)
{
    QString out;
    out.reserve(text.size());
    qsizetype start = 0;
    const auto endRun = [&](qsizetype end) {
        const QString run = text.mid(start, end - start);
        out += run.size() > longest ? fncBreakableAnywhere(run) : run;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isSpace() || text[i] == u'/') {
            endRun(i);
            out += text[i];
            start = i + 1;
        }
    }
    endRun(text.size());
    return out;
}
