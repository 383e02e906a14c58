#pragma once
// The text file of a saved ticket: in the folder "SavedTickets", named from the last 3 characters
// of the lottery's file suffix, "_", the ticket name and ".txt". Line 1 holds the number of
// columns, then one line per column exactly as the ticket list shows it: the column number
// ("07-"), each number preceded by one blank, then a blank and the hit tail ("(3)" or "(3+1)").
// Single-byte Windows-1254 text, CR LF line ends.
//
// Reading checks every line against the open game: the count line must be a whole number, and a
// column line must hold exactly the numbers of one column, each within its drum (on digit games
// the hit tail may be missing). Reading stops at
// the first line that is empty, missing or not a column line, and never reads more than 32000
// columns; what was read up to there is the ticket.

#include "analysis/gamelayout.h"
#include "analysis/ticketgrid.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <future>
#include <optional>
#include <vector>

// The numbers a column line holds on the open game.
struct TicketShape {
    int firstPosition = 1;   // 1, or 0 on digit games
    int lastPosition = 0;    // K (K + B on two-drum games; the last digit position on digit games)
    int lastMainPosition = 0;  // positions after it are second-drum numbers
    // Every position holds 0 to the highest number of its drum: on lotto games 0 stands for an
    // empty position (a guess added to the ticket may hold it), on digit games it is a digit.
    int32_t highestMain = 0;
    int32_t highestSecond = 0;
    // Digit games: a line may end with its last digit, without the hit tail.
    bool tailOptional = false;

    // The shape of a game's tickets: single-drum lotto 1..K, two-drum lotto 1..K+B with positions
    // K+1..K+B in the second drum, digit games 0..K with the digits 0..9.
    static TicketShape of(const GameLayout &layout);
    friend bool operator==(const TicketShape &, const TicketShape &) = default;

    int count() const { return lastPosition - firstPosition + 1; }
    int32_t highestAt(int position) const { return position > lastMainPosition ? highestSecond : highestMain; }
};

// The numbers of a column line, positions in order, or nothing when the line is not a column
// line of that shape.
std::optional<std::vector<int32_t>> fncParseTicketLine(QStringView line, const TicketShape &shape);

struct TicketRead {
    // The count line as a number; nothing when line 1 is missing or not a whole number from 0 up.
    std::optional<int32_t> announced;
    QStringList lines;  // the column lines read, as they stand in the file
    TicketGrid grid;    // their numbers, one row per line

    // Every column the count line announced was read.
    bool complete() const { return announced && lines.size() == *announced; }
};

// Reads a ticket file's bytes.
TicketRead fncReadTicketText(const QByteArray &bytes, const TicketShape &shape);
// The bytes of a ticket file, as far as a ticket can reach; nothing when it cannot be opened.
std::optional<QByteArray> fncReadTicketFileBytes(const QString &path);
// Reads a ticket file; nothing when it cannot be opened. Only what a ticket can hold is read.
std::optional<TicketRead> fncReadTicketFile(const QString &path, const TicketShape &shape);

// A ticket file read and its columns worked out on a thread of their own while the board that will
// show them is made. The board takes them only for the same file and shape, and only when the file
// still holds the very bytes read ahead.
class TicketReadAhead {
public:
    TicketReadAhead() = default;
    // Reads `path` and starts working out its columns; a file that cannot be read leaves nothing
    // read ahead.
    static TicketReadAhead start(const QString &path, const TicketShape &shape);
    // The ticket read ahead when it was read from `path` in `shape` and from these very `bytes`
    // (the file as the board read it); nothing otherwise. Either way nothing is left read ahead.
    std::optional<TicketRead> take(const QString &path, const TicketShape &shape, const QByteArray &bytes);

private:
    QString path_;
    TicketShape shape_;
    QByteArray bytes_;
    std::future<TicketRead> read_;
};

// The bytes of a ticket file holding `lines`.
QByteArray fncTicketFileBytes(const QStringList &lines);

// The text file of the ticket `ticketName` of the lottery with the file suffix `fileSuffix`.
QString fncTicketTextFilePath(const QString &folder, const QString &fileSuffix, const QString &ticketName);
// Whether `fileName` names a ticket text file of the lottery with the file suffix `fileSuffix`.
bool fncIsTicketTextFileName(const QString &fileName, const QString &fileSuffix);
