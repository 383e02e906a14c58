#include "analysis/boardreport.h"

QString fncBoardReportText(const BoardReport &r)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = r.lottery + crlf;
    if (r.compareWithGuess) {
        text += QStringLiteral("Week No & Date: ") + r.guessSource + crlf;
    } else {
        text += QStringLiteral("Date: ") + r.drawingDate + crlf;
        text += QStringLiteral("Week No: ") + r.endDrawing + crlf;
    }
    text += QStringLiteral("Drawing: ");
    for (const QString &number : r.numbers)
        text += number + u' ';
    text += crlf + crlf;
    for (const QString &box : r.results)
        text += box + crlf;
    text += crlf;
    for (const QString &line : r.ticketLines)
        text += line + crlf;
    return text;
}
