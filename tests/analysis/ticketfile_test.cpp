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
