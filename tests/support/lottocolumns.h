#pragma once
// Ticket columns for comparison tests: K numbers of which a chosen count hits the compare numbers.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// A 6-number column holding `main` of the numbers 1..6 and, when `bonus`, the number 7; the rest
// from 20 up.
inline std::vector<int32_t> sixNumberColumn(int main, bool bonus = false)
{
    std::vector<int32_t> c;
    for (int i = 1; i <= main; ++i)
        c.push_back(i);
    if (bonus)
        c.push_back(7);
    for (int n = 20; c.size() < 6; ++n)
        c.push_back(n);
    return c;
}

// The lines of a result box as the board writes them: joined by CRLF.
inline QString crlf(const QStringList &lines) { return lines.join(QStringLiteral("\r\n")); }
