// The board vocabulary of each family, and guesses restored into it.

#include "analysis/drum.h"
#include "analysis/state.h"
#include "support/testboard.h"

#include <gtest/gtest.h>

namespace {

BoardSettings defaultsFor(const GameShape &shape)
{
    shape.makeCurrent();
    return boardSettingsDefaults(RecordShape::current(), DrawingsInfo{10, QDate(2024, 6, 29)});
}

}  // namespace

TEST(BoardVocabulary, EachFamilyHasItsOwnPositionsAndTwins)
{
    TestBoard lotto(BoardFamily::Lotto);
    EXPECT_TRUE(lotto.txtGuess.exists(1) && lotto.txtGuess.exists(8) && !lotto.txtGuess.exists(0));
    EXPECT_EQ(lotto.bonus.chkPowerInterval, nullptr);
    TestBoard digits(BoardFamily::Digit);
    EXPECT_TRUE(digits.txtGuess.exists(0) && digits.txtGuess.exists(7) && !digits.txtGuess.exists(8));
    EXPECT_FALSE(digits.main.lblTotalPicks.exists(29));
    // Option buttons group by their parent: the hot/cold pair and the Straight/Boxed pair do not
    // untick each other.
    digits.optHotCold[0]->setValue(true);
    digits.optStraightBoxed[0]->setValue(true);
    EXPECT_TRUE(digits.optHotCold[0]->value());
}

TEST(BoardSettingsOnEveryBoard, ARestoredGuessNamesANumberOfItsDrumOrNone)
{
    struct Case {
        BoardFamily family;
        GameShape shape;
        QStringList stored;
        QStringList restored;
    };
    const Case cases[] = {
        {BoardFamily::Lotto, GameShape::lotto(49, 6, 1), {"07", "12", "3", "50", "", "-1", " 5"},
         {"0", "12", "3", "0", "0", "0", "5"}},
        {BoardFamily::TwoPool, GameShape::twoDrum(50, 5, 12, 2), {"50", "x", "1.5", "0", "2", "13", "12"},
         {"50", "0", "0", "0", "2", "0", "12"}},
        {BoardFamily::Digit, GameShape::digits(4), {"12", "07", "0", "a"}, {"", "7", "0", ""}},
    };
    for (const Case &c : cases) {
        for (int16_t compare : {0, 1}) {
            TestBoard board(c.family);
            BoardSettings s = defaultsFor(c.shape);
            s.compareWithGuess = compare;
            const int first = board.firstPosition();
            for (int i = 0; i < c.stored.size(); ++i) {
                s.guesses[first + i] = c.stored[i];
                s.guessPowers[first + i] = QStringLiteral("4");
            }
            board.BoardBase::applyBoardSettings(s);
            for (int i = 0; i < c.stored.size(); ++i) {
                EXPECT_EQ(board.txtGuess[first + i]->text(), c.restored[i]) << c.stored[i].toStdString();
                const bool kept = c.restored[i] == c.stored[i];
                EXPECT_EQ(board.lblGuessPower[first + i]->caption(), kept ? QStringLiteral("4") : QStringLiteral("0"));
            }
        }
    }
}
