#pragma once
// The comparison of a lotto ticket with the compare numbers (the end drawing, or the guess): one
// list line per column with its hits, and the hit-class summary of the two result boxes.
//
// A column holds K main numbers. Its main hits m are the main compare numbers it holds, its bonus
// hits b the bonus compare numbers it holds (games with bonus numbers from the same drum), each
// number counted once and b never above the bonus count B. A column with hits reads
// "07- 3 14 22 31 40 45 (2)", or "(m+b)" when it holds a bonus number.

#include "analysis/ballarray.h"
#include "analysis/ticketgrid.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

// The numbers a column is compared with, as sets of balls (bit n: ball n, balls 1 to 63).
struct CompareNumbers {
    uint64_t main = 0;
    uint64_t bonus = 0;

    // Positions 1..K of the drawing are the main numbers, K+1..K+B the bonus numbers. Numbers
    // outside 1..63 (an empty column) are none.
    static CompareNumbers fromDrawing(const BallArray<int32_t> &drawing, int picks, int bonusCount);
    // The same from the guess boxes 1..K+B: a box names a number only when its text is exactly
    // that number's decimal text (no blank, no leading zero); "0" and empty texts name none.
    static CompareNumbers fromGuess(const std::function<QString(int position)> &guessText, int picks,
                                    int bonusCount);
};

// The ball a guess text names, as the comparison reads it (see CompareNumbers::fromGuess).
std::optional<int32_t> guessNumber(const QString &text);

struct TicketComparison {
    int columns = 0;              // columns compared (the Total line)
    int64_t cells = 0;            // grid cells (columns x K)
    int64_t zeroHitColumns = 0;   // columns without a main hit
    QStringList lines;            // one list line per column, grid order
    QString summaryLow;           // txtResults(0): Total and the classes below 3 main hits
    QString summaryHigh;          // txtResults(1): the classes from 3 main hits
};

// Compares the columns of `grid` (positions firstPosition .. firstPosition + K - 1) with the
// compare numbers; `catcher` is the class word ("Catcher: "). Lines of a box are joined by CRLF.
// A grid without columns gives columns 0 and no text.
TicketComparison compareTicket(const TicketGrid &grid, int picks, int bonusCount, const CompareNumbers &numbers,
                               const QString &catcher);
