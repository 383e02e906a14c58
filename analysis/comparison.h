#pragma once
// The comparison of a ticket with the compare numbers (the end drawing, or the guess): one list
// line per column with its hits, and the hit-class summary of the result boxes.
//
// Four rules, one per kind of game:
// - SameDrumBonus (single-drum lotto): a column holds K main numbers; its main hits m are the main
//   compare numbers it holds, its bonus hits b the bonus compare numbers it holds. Lines read
//   "07- 3 14 22 31 40 45 (2)", or "(m+b)" when the column holds a bonus number.
// - SecondDrum (two-drum lotto): a column holds K main numbers and B second-drum numbers; m counts
//   the main compare numbers among its main numbers, b the second-drum compare numbers among its
//   second-drum numbers, in any order. Lines list all K+B numbers: "07- 3 11 25 38 44 2 (3+1)".
// - Straight (digit games): a position hits when it holds the compare digit of the same position.
// - Boxed (digit games): the hits are the digits the column and the compare digits have in
//   common, counted with repetition; each compare digit is matched once.
//
// Hits always count distinct numbers: a number repeated in a lotto column, or in the guess, counts
// once, and 0 or an empty guess box never hits on a lotto game. On digit games 0 is a digit like
// any other and an empty guess box names no digit.

#include "analysis/ballarray.h"
#include "analysis/gamelayout.h"
#include "analysis/ticketgrid.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

enum class CompareRule { SameDrumBonus, SecondDrum, Straight, Boxed };

// The positions of a drawing and of a ticket column as the comparison reads them. The compare
// positions run from `first` to last(): the main part first..lastMain(), then the bonus part (the
// same-drum bonus numbers, or the second drum's numbers). Digit games have no bonus part.
struct ComparisonLayout {
    CompareRule rule = CompareRule::SameDrumBonus;
    int first = 1;        // 1 on lotto games, 0 on digit games
    int mainCount = 0;    // K: main numbers of a drawing (digit games: the positions)
    int bonusCount = 0;   // B: bonus or second-drum numbers of a drawing

    static ComparisonLayout sameDrum(int picks, int bonusCount);
    static ComparisonLayout secondDrum(int picks, int bonusCount);
    static ComparisonLayout digits(int positions, bool boxed);

    bool digitGame() const { return rule == CompareRule::Straight || rule == CompareRule::Boxed; }
    int lastMain() const { return first + mainCount - 1; }
    int last() const { return lastMain() + bonusCount; }
    friend bool operator==(const ComparisonLayout &, const ComparisonLayout &) = default;
    // Whether a compare position belongs to the bonus part (the second drum on two-drum games).
    bool inBonusPart(int position) const { return position > lastMain() && position <= last(); }
    // The positions a ticket column holds: first..lastColumnPosition().
    int lastColumnPosition() const { return rule == CompareRule::SecondDrum ? last() : lastMain(); }
    int columnPositions() const { return lastColumnPosition() - first + 1; }
};

// The numbers a column is compared with, by compare position: element i is position
// layout.first + i. kNone marks a position that names no number.
struct CompareNumbers {
    static constexpr int32_t kNone = -1;
    std::vector<int32_t> byPosition;

    // From the drawing's numbers by position; a number the game cannot hold (0 or less on lotto,
    // anything but 0..9 on digit games) or a position the drawing lacks names none.
    static CompareNumbers fromDrawing(const ComparisonLayout &layout, const BallArray<int32_t> &drawing);
    // From the guess boxes by position, read as guessNumber() (lotto) or guessDigit() (digits).
    static CompareNumbers fromGuess(const ComparisonLayout &layout,
                                    const std::function<QString(int position)> &guessText);
};

// The ball a lotto guess text names: only the plain decimal text of a number from 1 up (no
// blank, sign or leading zero); "0", "07" and the empty text name none.
std::optional<int32_t> guessNumber(const QString &text);
// The digit a digit-game guess text names: a whole number 0 to 9 (blanks around it and leading
// zeros allowed, so "07" is 7); the empty text, "12" and anything not a number name none.
std::optional<int32_t> guessDigit(const QString &text);
// The number a guess or guarantee box at `position` of the game names: a number of the position's
// drum or 0 for none on lotto games, a digit on digit games; nothing for a text that names
// neither.
std::optional<int32_t> guessBoxNumber(const GameLayout &layout, int position, const QString &text);
// What a box that names no number shows: "0", or the empty text on digit games, where 0 is a digit.
QString noNumberText(const GameLayout &layout);
// The text a box holds for `text`: the number it names, else noNumberText().
QString guessBoxText(const GameLayout &layout, int position, const QString &text);

struct ColumnHits {
    int main = 0;   // m (digit games: the hits)
    int bonus = 0;  // b
    friend bool operator==(const ColumnHits &, const ColumnHits &) = default;
};

// The hits of one column: its numbers at positions layout.first .. layout.lastColumnPosition().
ColumnHits columnHits(const ComparisonLayout &layout, const CompareNumbers &numbers, std::span<const int32_t> column);

// The compare positions a column hits, by compare position (element i is position layout.first +
// i): a lotto position whose number the column holds among the numbers of the same drum (a
// same-drum bonus number against the main numbers); a Straight digit held at the same position;
// a Boxed digit matched, position by position, to the first column digit not matched yet.
std::vector<bool> hitPositions(const ComparisonLayout &layout, const CompareNumbers &numbers,
                               std::span<const int32_t> column);

// The list line of ticket column `number`: the number with two digits at least and a hyphen, each
// number of the column after a blank, then the hits, "(m)", or "(m+b)" when b is above 0:
// "07- 3 8 17 25 33 40 (2)". Made in one buffer, as one string.
QString ticketLine(int number, std::span<const int32_t> column, ColumnHits hits);
// The same written into `line`, in the room it already has when that is enough; a line that
// reads the same is left as it is.
void writeTicketLine(QString &line, int number, std::span<const int32_t> column, ColumnHits hits);

// The hits as a line ends with them: " (m)", or " (m+b)" when b is above 0.
QString hitsText(ColumnHits hits);
// The hits a line of the layout may end with that take the most room: every main and bonus number
// hit (a digit of a number is as wide as any other).
ColumnHits widestHits(const ComparisonLayout &layout);

struct TicketComparison {
    int columns = 0;              // columns compared (the Total line)
    int64_t cells = 0;            // grid cells (columns x positions of a column)
    int64_t zeroHitColumns = 0;   // columns without a main hit (digit games: without a hit)
    QStringList lines;            // one list line per column, grid order
    std::vector<ColumnHits> hits; // the hits each line shows
    QString summaryLow;           // txtResults(0): Total and the lower classes (digit games: all)
    QString summaryHigh;          // txtResults(1): the classes from 3 main hits (digit games: empty)
};

// Compares every column of `grid` with the compare numbers; `catcher` is the class word
// ("Catcher: "). Lines of a box are joined by CRLF. A grid without columns, or one that does not
// hold the layout's column positions, gives columns 0 and no text. The lines are written into the
// strings of `earlierLines` (the lines of the earlier comparison, given up), so that a ticket
// compared again takes no new room for them; a line that reads as before is left as it is.
// `earlierHits`, one for each column, tells that the earlier lines are those a comparison of this
// grid in this layout wrote, showing those hits: each line then keeps its numbers and only the
// hits that change are written.
TicketComparison compareTicket(const TicketGrid &grid, const ComparisonLayout &layout, const CompareNumbers &numbers,
                               const QString &catcher, QStringList earlierLines = {},
                               std::vector<ColumnHits> earlierHits = {});
