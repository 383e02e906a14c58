#include "analysis/ticketfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TicketFile, ACountLineBelowZeroIsNoCount)
{
    const TicketShape shape{1, 6, 6, 49, 0};
    const TicketRead negative = fncReadTicketText("-3\r\n01- 1 2 3 4 5 6 (0)\r\n", shape);
    EXPECT_FALSE(negative.announced.has_value());
    EXPECT_FALSE(negative.complete());
    EXPECT_TRUE(negative.lines.isEmpty());
    EXPECT_TRUE(fncReadTicketText("0\r\n", shape).complete());
}

// Line ends, the last line, overlong lines and characters outside ASCII, as a file can hold them.
TEST(TicketFile, LineEndsAndCharactersOfTheFile)
{
    const TicketShape shape{1, 3, 3, 9, 0};
    struct Case {
        QByteArray bytes;
        int lines;
        bool complete;
    };
    const QByteArray longLine = "01-" + QByteArray(1030, ' ') + "1 2 3 (0)";
    const Case cases[] = {
        {"2\n01- 1 2 3 (0)\n02- 4 5 6 (1)\n", 2, true},          // LF alone
        {"2\r\n01- 1 2 3 (0)\r\n02- 4 5 6 (1+1)", 2, true},      // no end after the last line
        {"2\r\n01- 1 2 3 (0)\r\r\n02- 4 5 6 (1)\r\n", 0, false}, // a stray CR is part of the line
        {"2\r\n" + longLine + "\r\n", 0, false},
        {"2\r\n01- 1 2 3 (0)\r\n02- 4 5 6 (1)\xA0\r\n", 1, false},
        {" 2 \r\n01- 1 2 3 (0)\r\n02- 4 5 6 (1)\r\n", 2, true},  // the count may stand among blanks
        {"3\r\n01- 1 2 3 (0)\r\n\r\n03- 7 8 9 (2)\r\n", 1, false},
    };
    for (const Case &c : cases) {
        const TicketRead read = fncReadTicketText(c.bytes, shape);
        EXPECT_EQ(read.lines.size(), c.lines) << c.bytes.constData();
        EXPECT_EQ(read.complete(), c.complete) << c.bytes.constData();
        EXPECT_EQ(read.grid.rowCount(), c.lines);
    }
    const TicketRead two = fncReadTicketText("2\n01- 1 2 3 (0)\n02- 4 5 6 (1)\n", shape);
    EXPECT_EQ(std::vector<int32_t>(two.grid.row(2), two.grid.row(2) + 3), (std::vector<int32_t>{4, 5, 6}));

    // Lines are written in the single-byte code page, CR LF after each.
    EXPECT_EQ(fncTicketFileBytes({QStringLiteral("01- 1 2 3 (0)"), QStringLiteral("ş")}),
              QByteArray("2\r\n01- 1 2 3 (0)\r\n\xFE\r\n"));
}

// A ticket file read ahead serves one reading of the same file in the same shape, and only while
// the file still holds the bytes read ahead.
TEST(TicketFile, AReadAheadServesOnlyTheBytesItRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("649_mine.txt"));
    const TicketShape shape{1, 3, 3, 9, 0};
    const QByteArray bytes = "2\r\n01- 1 2 3 (0)\r\n02- 4 5 6 (1)\r\n";
    auto write = [&](const QByteArray &contents) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.flush();
    };
    ASSERT_TRUE(write(bytes));

    TicketReadAhead ahead = TicketReadAhead::start(path, shape);
    const std::optional<TicketRead> read = ahead.take(path, shape, bytes);
    ASSERT_TRUE(read.has_value());
    const TicketRead direct = fncReadTicketText(bytes, shape);
    EXPECT_EQ(read->lines, direct.lines);
    EXPECT_EQ(read->announced, direct.announced);
    EXPECT_EQ(std::vector<int32_t>(read->grid.row(1), read->grid.row(1) + 6),
              std::vector<int32_t>(direct.grid.row(1), direct.grid.row(1) + 6));
    EXPECT_FALSE(ahead.take(path, shape, bytes).has_value()) << "used up";

    // The file changed after the read ahead, another file, another shape: nothing.
    ahead = TicketReadAhead::start(path, shape);
    const QByteArray changed = "1\r\n01- 7 8 9 (0)\r\n";
    ASSERT_TRUE(write(changed));
    EXPECT_FALSE(ahead.take(path, shape, changed).has_value());
    ahead = TicketReadAhead::start(path, shape);
    EXPECT_FALSE(ahead.take(dir.filePath(QStringLiteral("649_other.txt")), shape, changed).has_value());
    ahead = TicketReadAhead::start(path, shape);
    EXPECT_FALSE(ahead.take(path, TicketShape{1, 3, 3, 49, 0}, changed).has_value());
    EXPECT_FALSE(TicketReadAhead::start(dir.filePath(QStringLiteral("none.txt")), shape).take(path, shape, changed).has_value());
}
