#include "analysis/ticketfile.h"

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
