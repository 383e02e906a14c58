#pragma once
// The board as a text report (File > Print): the lottery, the drawing or guess compared with,
// the hit summary and every ticket line, each line ended by CR LF.

#include <QString>
#include <QStringList>

struct BoardReport {
    QString lottery;          // panel 3 of the board's status bar
    bool compareWithGuess = false;
    QString guessSource;      // with the guess: the week and date the guess came from
    QString drawingDate;      // without the guess: the date and week of the end drawing
    QString endDrawing;
    QStringList numbers;      // the guess or the drawing, in position order
    QStringList results;      // the hit summary boxes (two on lotto boards, one on the digit board)
    QStringList ticketLines;
};

QString fncBoardReportText(const BoardReport &report);
