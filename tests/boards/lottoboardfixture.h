#pragma once
// The program's lotto board on a lottery of one game code written for the test: drawings 1 to
// count, one week apart from 2024-01-03. The board counts the readings of a saved ticket's text
// and lets a test put texts on the board where the text would be read.

#include "analysis/catalogue.h"
#include "analysis/state.h"
#include "app/globals.h"
#include "boards/lotto/frmlottoboard.h"
#include "platform/dates.h"
#include "support/sampleworld.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <functional>

class TicketReadingBoard : public frmLottoBoard {
public:
    // Runs where the ticket's text file would be read (a ticket being opened).
    static inline std::function<void(TicketReadingBoard &)> onTicketText;
    static inline int ticketReads = 0;

    void subLoadTicketTextFile() override
    {
        ++ticketReads;
        frmLottoBoard::subLoadTicketTextFile();
        if (onTicketText)
            onTicketText(*this);
    }
};

class LottoBoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setBoardFactory([](BoardFamily) -> IBoard * { return new TicketReadingBoard(); });
        TicketReadingBoard::onTicketText = nullptr;
        TicketReadingBoard::ticketReads = 0;
        configure(QStringLiteral("610"));
    }
    void TearDown() override { TicketReadingBoard::onTicketText = nullptr; }

    // Writes the test lottery: a game of `code` (49 balls, 35 for seven numbers) with `count`
    // drawings.
    void configure(const QString &code, const QString &title = QStringLiteral("Lotto 6/49 (Saturday)"),
                   int count = 20, int highest = 0)
    {
        const int picks = code.left(1).toInt();
        const int bonus = code.mid(1, 1).toInt();
        const int n = highest ? highest : picks == 7 ? 35 : 49;
        configure(GameConfigRecord{1, title, n, 0, 0, picks, bonus, 0}, count);
    }
    // The same for a game of any family: main number i of drawing w is (w + 4i) modulo N1 (plus
    // 1 on lotto games), second-drum number j is 1 + (3w + 5j) modulo N2. With `gap`, the week
    // numbers skip `gap`: the drawing listed as `gap` cannot be read.
    void configure(const GameConfigRecord &config, int count = 20, int gap = 0)
    {
        const bool digits = config.highestBall == 10;
        const int n = config.highestBall;
        const int n2 = config.highestBallBONUS;
        const int main = config.numbersDrawn + (n2 > 0 ? 0 : config.bonusCount);
        std::vector<std::vector<int32_t>> numbers;
        for (int w = 1; w <= count; ++w) {
            std::vector<int32_t> drawing;
            for (int i = 0; i < main; ++i)
                drawing.push_back((digits ? 0 : 1) + (w + 4 * i) % n);
            for (int j = 0; n2 > 0 && j < config.bonusCount; ++j)
                drawing.push_back(1 + (3 * w + 5 * j) % n2);
            numbers.push_back(drawing);
        }
        History history = SampleWorld::drawings(numbers);
        for (Drawing &d : history)
            if (gap > 0 && d.weekNo >= gap)
                ++d.weekNo;
        world.writeLottery(config, history);
    }
    // A game of each board family: lotto 6/49 with a bonus number, two drums 5/50 + 2/12, Pick 3.
    static inline const GameConfigRecord kFamilies[] = {
        {1, QStringLiteral("Lotto 6/49"), 49, 0, 0, 6, 1, 0},
        {1, QStringLiteral("Two drums 5/50 + 2/12"), 50, 12, 0, 5, 2, 0},
        {1, QStringLiteral("Pick 3"), 10, 0, 0, 3, 0, 0},
    };

    // Opens the test lottery as the program does; its board in front, loaded and shown.
    TicketReadingBoard *open()
    {
        world.open(SampleWorld::kTestLottery);
        board = dynamic_cast<TicketReadingBoard *>(world.board());
        return board;
    }

    // Closes the board in front and lets it go.
    void close()
    {
        world.closeBoard();
        board = nullptr;
    }

    // The date of drawing `n`, as the board shows it.
    static QString dateOf(int n) { return dates::toShortText(QDate(2024, 1, 3).addDays(7 * (n - 1))); }

    SampleWorld world;
    MessageBoxScript &messages = world.messages;
    TicketReadingBoard *board = nullptr;
};
