// The board vocabulary of each family.

#include "support/testboard.h"

#include <gtest/gtest.h>

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
