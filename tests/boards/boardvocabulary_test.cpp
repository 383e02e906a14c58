// The board side of the settings record on the other two families: the second drum's interval
// items on a two-drum game and Straight/Boxed on a digit game, each only under its game shape.

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

TEST(BoardSettingsOnEveryBoard, TheSecondDrumIntervalTravelsOnlyWithASecondDrum)
{
    TestBoard board(BoardFamily::TwoPool);
    BoardSettings s = defaultsFor(GameShape::twoDrum(50, 5, 12, 2));
    s.intervalBONUS = {1, std::array<QString, 2>{QStringLiteral("3"), QStringLiteral("9")}, 4};
    s.interval.percentIndex = 2;
    s.guaranteeNumbers[7] = QStringLiteral("11");
    board.BoardBase::applyBoardSettings(s);
    EXPECT_EQ(board.bonus.chkPowerInterval->value(), 1);
    EXPECT_TRUE(gDrumBONUS.gblnPowerInterval);
    EXPECT_EQ(board.bonus.txtPowerInterval[1]->text(), QStringLiteral("9"));
    EXPECT_EQ(board.bonus.cboPowerIntervalPct->text(), QStringLiteral("4"));
    EXPECT_EQ(board.main.cboPowerIntervalPct->text(), QStringLiteral("2"));
    EXPECT_EQ(board.txtGuaranteeNumber[7]->text(), QStringLiteral("11"));

    BoardSettings read = defaultsFor(GameShape::twoDrum(50, 5, 12, 2));
    board.BoardBase::readBoardSettings(read);
    EXPECT_EQ(read.intervalBONUS.on, 1);
    EXPECT_EQ(read.intervalBONUS.limits, (std::array<QString, 2>{QStringLiteral("3"), QStringLiteral("9")}));
    EXPECT_EQ(read.guaranteeNumbers[7], QStringLiteral("11"));

    // The same board under a one-drum game leaves the second drum's items alone.
    BoardSettings one = defaultsFor(GameShape::lotto(49, 6, 1));
    one.intervalBONUS.on = 0;
    board.BoardBase::resetBoardSettings(one);
    EXPECT_EQ(board.bonus.chkPowerInterval->value(), 1);
    gDrumBONUS.gblnPowerInterval = false;
}

TEST(BoardSettingsOnEveryBoard, StraightAndBoxedTravelOnDigitGames)
{
    TestBoard board(BoardFamily::Digit);
    BoardSettings s = defaultsFor(GameShape::digits(4));
    s.straight = false;
    s.boxed = true;
    s.guesses[0] = QStringLiteral("7");
    board.BoardBase::applyBoardSettings(s);
    EXPECT_TRUE(board.optStraightBoxed[1]->value());
    EXPECT_FALSE(board.optStraightBoxed[0]->value());
    EXPECT_EQ(board.txtGuess[0]->text(), QStringLiteral("7"));
    EXPECT_EQ(board.txtGuess[3]->text(), QString());

    BoardSettings read = defaultsFor(GameShape::digits(4));
    board.BoardBase::readBoardSettings(read);
    EXPECT_TRUE(read.boxed);
    EXPECT_FALSE(read.straight);
    EXPECT_EQ(read.guesses[0], QStringLiteral("7"));
}

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
