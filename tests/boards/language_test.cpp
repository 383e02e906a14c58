// The language routine on the boards: captions, menus, tool tips after the present state, the
// message table and shared strings, the guards on the configured game shape, and the stored
// language applied by the board's load routine.

#include "lottoboardfixture.h"

#include "app/resstrings.h"
#include "boards/language/clslanguage.h"
#include "dialogs/frmstart.h"
#include "platform/ui/forms.h"
#include "support/testboard.h"

#include <QAction>
#include <QMenu>

namespace {

struct Words {
    int language;
    const char *file, *drawings, *ticketAndGuess, *draw, *hot, *total, *pool;
};

const Words kWords[] = {
    {1, "Dosya", "ÇEKİLİŞLER", "KUPON && TAHMİN", "   ÇEKİLİŞ", "Sıcak Sayılar", "Total", "Havuz %"},
    {2, "File", "DRAWINGS", "TICKET && GUESS", "   DRAWING", "Hot Numbers", "Total", "Pool %"},
    {3, "Fichier", "TIRAGES", "GRILLE && PRONOSTIC", "   TIRAGE", "Numéros chauds", "Total", "Piscine %"},
};

// The board in front as a test board of a family, with the game shape configured.
struct ShapedBoard {
    ShapedBoard(BoardFamily family, int n1, int n2) : board(family)
    {
        (n1 == 10 ? GameShape::digits(3) : GameShape::twoDrum(n1, 6, n2, n2 > 0 ? 1 : 0)).makeCurrent();
        gfrmCurrentBoard = &board;
    }
    ~ShapedBoard() { gfrmCurrentBoard = nullptr; }
    TestBoard board;
};

}  // namespace

TEST_F(LottoBoardTest, EachLanguageCaptionsTheBoardAndFillsTheSharedTexts)
{
    for (const Words &w : kWords) {
        SCOPED_TRACE(w.language);
        glngLanguage = w.language;
        open();
        EXPECT_EQ(board->mnuFile->title(), QString::fromUtf8(w.file));
        EXPECT_EQ(board->fraDrawings->caption(), QString::fromUtf8(w.drawings));
        EXPECT_EQ(board->fraTicketAndGuess->caption(), QString::fromUtf8(w.ticketAndGuess));
        EXPECT_EQ(board->cmdDraw->caption(), QString::fromUtf8(w.draw));
        EXPECT_EQ(board->lblHotCold[0]->caption(), QString::fromUtf8(w.hot));
        EXPECT_EQ(board->main.lblHdrTotal[1]->caption(), QString::fromUtf8(w.total));
        EXPECT_EQ(board->main.lblHdrPool[1]->caption(), QString::fromUtf8(w.pool));
        // The language items carry each language's own name, the chosen one ticked.
        EXPECT_EQ(board->mnuLanguageEnglish->text(), QStringLiteral("English"));
        EXPECT_EQ(board->mnuLanguageFrench->text(), QStringLiteral("Français"));
        EXPECT_EQ(board->mnuLanguageTurkish->text(), QStringLiteral("Turkce"));
        EXPECT_EQ(board->mnuLanguageTurkish->isChecked(), w.language == 1);
        EXPECT_EQ(board->mnuLanguageEnglish->isChecked(), w.language == 2);
        EXPECT_EQ(board->mnuLanguageFrench->isChecked(), w.language == 3);
        // The message table, in index order: 24 board tool tips, then the lottery manager's texts.
        ASSERT_EQ(garrMessages.size(), 31);
        for (int k = 0; k < 24; ++k)
            EXPECT_EQ(garrMessages[k], resources::text(30170 + 10 * k + w.language)) << k;
        EXPECT_EQ(garrMessages[24], resources::text(45010 + w.language));
        EXPECT_EQ(garrMessages[30], resources::text(31040 + w.language));
        EXPECT_EQ(gstrHelpTitle, resources::text(35010 + w.language));
        EXPECT_EQ(gstrHelpFile, resources::text(35020 + w.language));
        EXPECT_EQ(gstrLoadedTicketText, resources::text(30430 + w.language));
        EXPECT_EQ(board->txtColumnsToDraw->toolTip(), garrMessages[17] + QStringLiteral("32000"));
        EXPECT_EQ(gstrWindowCaption, QStringLiteral("TALVINOR - Sample Country - Test Lottery - Lotto 6/49 "));
        EXPECT_EQ(board->windowTitle(), gstrWindowCaption);
        close();
    }
}

TEST_F(LottoBoardTest, EnglishWordsAreThoseOfTheStringTable)
{
    open();
    const std::pair<QString, QString> captions[] = {
        {board->mnuFilePrintTicket->text(), "Print"},
        {board->mnuLotteryManage->text(), "Manage"},
        {board->fraGuaranteeAndInterval->caption(), "GUARANTEE NUMBERS && POWER INTERVAL"},
        {board->cmdCompare->caption(), "Compare with..."},
        {board->lblColumnPowerTotalCap->caption(), "Power Total"},
        {board->main.lblHdrTotal[0]->toolTip(), "Total picks within chosen drawing interval"},
        {board->main.lblHdrExclude[1]->toolTip(), "Exclude All / Include All (Balls from/to drawings)"},
        {board->optHotCold[1]->toolTip(),
         "Earlier appearences will be more precious than recent appearences (COLD NUMBERS)."},
        {board->main.lblHdrPool[0]->toolTip(), "Percentage of ball amount to total balls in the pool"},
    };
    for (const auto &[shown, expected] : captions)
        EXPECT_EQ(shown, expected);
    // The standing, percent and last-drawn headers keep their design captions.
    EXPECT_EQ(board->main.lblHdrStanding[0]->caption(), QStringLiteral(".:."));
    EXPECT_EQ(board->main.lblHdrLastPicked[1]->caption(), QStringLiteral("<"));
}

TEST_F(LottoBoardTest, ToolTipsAndStatusPanelsFollowThePresentState)
{
    open();
    gblnGuaranteeNumbers = true;
    gblnIncrementalTicket = true;
    gblnPowerIncrease = true;
    gDrum.gblnPoolCountView = true;
    gDrum.glngPoolTotal = 321;
    board->mnuLanguageEnglish->trigger();
    EXPECT_EQ(board->lblGuaranteeNumbers->toolTip(), garrMessages[6]);
    EXPECT_EQ(board->chkIncrementalTicket->toolTip(), garrMessages[15]);
    EXPECT_EQ(board->lblPowerIncrease->toolTip(), garrMessages[20]);
    EXPECT_EQ(board->main.lblHdrPool[1]->caption(), QStringLiteral("Pool n"));
    EXPECT_EQ(board->main.lblHdrPool[1]->toolTip(), garrMessages[19]);
    EXPECT_EQ(board->staMain->panelText(2), QStringLiteral(" Total Ball Amount in the Pool: 321"));
    EXPECT_EQ(board->staMain->panelText(1),
              QStringLiteral(" Starting draw: 1 - Ending draw:20 - Draw date: ") + board->cboDrawingDate->text());

    // A language change rebuilds the caption from scratch (a ticket's ending is dropped), and
    // running it again changes nothing.
    board->setWindowTitle(gstrWindowCaption + QStringLiteral(" (weekend - Loaded Ticket)"));
    board->mnuLanguageFrench->trigger();
    EXPECT_EQ(glngLanguage, 3);
    EXPECT_EQ(board->windowTitle(), gstrWindowCaption);
    const QStringList french = garrMessages;
    const QString frenchPanel = board->staMain->panelText(1);
    board->mnuLanguageFrench->trigger();
    EXPECT_EQ(garrMessages, french);
    EXPECT_EQ(board->staMain->panelText(1), frenchPanel);
    EXPECT_TRUE(board->mnuLanguageFrench->isChecked());
    EXPECT_FALSE(board->mnuLanguageEnglish->isChecked());
}

TEST_F(LottoBoardTest, ALanguageWithoutAMenuItemCaptionsTheBoardInEnglish)
{
    for (int digit : {4, 0, 9}) {
        SCOPED_TRACE(digit);
        glngLanguage = digit;
        garrMessages = QStringList(kMessageCount);
        open();
        EXPECT_EQ(glngLanguage, digit);
        EXPECT_EQ(board->fraDrawings->caption(), QStringLiteral("DRAWINGS"));
        EXPECT_EQ(board->mnuHelp->title(), QStringLiteral("Help"));
        EXPECT_TRUE(board->mnuLanguageEnglish->isChecked());
        EXPECT_EQ(garrMessages[14], resources::text(30312));
        EXPECT_EQ(board->chkCompareWithGuess->toolTip(), garrMessages[14]);
        EXPECT_EQ(gstrHelpFile, QStringLiteral("talvinor-en.html"));
        close();
    }
}

TEST_F(LottoBoardTest, AGameOf28BallsLeavesTheRightPowerHeadersButCaptionsTheRightPoolHeader)
{
    configure(QStringLiteral("600"), QStringLiteral("Mini"), 20, 28);
    open();
    EXPECT_TRUE(board->main.lblHdrTotal[1]->toolTip().isEmpty());
    EXPECT_TRUE(board->main.lblHdrExclude[1]->toolTip().isEmpty());
    EXPECT_EQ(board->main.lblHdrTotal[0]->toolTip(), garrMessages[0]);
    EXPECT_EQ(board->main.lblHdrPool[1]->toolTip(), garrMessages[18]);
}

TEST(LanguageGuards, SecondDrumControlsAreCaptionedOnlyWithASecondDrum)
{
    clsLanguage language;
    glngLanguage = 2;
    gDrum.gblnPoolCountView = true;
    gDrumBONUS.gblnPoolCountView = false;
    gDrumBONUS.gblnPowerInterval = true;
    gDrumBONUS.glngPoolTotal = 12;
    gblnMainPoolView = false;
    {
        ShapedBoard twoPool(BoardFamily::TwoPool, 49, 10);
        TestBoard &b = twoPool.board;
        language.subApplyLanguageToBoard();
        EXPECT_EQ(b.bonus.lblPowerInterval->caption(), QStringLiteral("Bonus Power Interval"));
        EXPECT_EQ(b.bonus.lblPowerInterval->toolTip(), garrMessages[8]);
        EXPECT_EQ(b.bonus.lblHdrTotal[0]->caption(), QStringLiteral("Total"));
        EXPECT_EQ(b.bonus.lblHdrLastPicked[0]->toolTip(), garrMessages[3]);
        EXPECT_TRUE(b.bonus.lblHdrTotal[1]->toolTip().isEmpty());  // 10 balls: no right half
        EXPECT_TRUE(b.bonus.lblHdrPool[1]->caption().isEmpty());
        EXPECT_EQ(b.main.lblHdrPool[0]->caption(), QStringLiteral("Pool n"));
        EXPECT_EQ(b.bonus.lblHdrPool[0]->caption(), QStringLiteral("Pool %"));
        EXPECT_EQ(b.staMain->panelText(2), QStringLiteral(" Total BONUS Ball Amount in the Pool: 12"));
    }
    {
        ShapedBoard digits(BoardFamily::Digit, 10, 0);
        TestBoard &b = digits.board;
        language.subApplyLanguageToBoard();
        EXPECT_EQ(b.lblStraightBoxed[0]->caption(), QStringLiteral("Straight"));
        EXPECT_EQ(b.lblStraightBoxed[1]->caption(), QStringLiteral("Boxed"));
        EXPECT_EQ(b.optStraightBoxed[1]->toolTip(), QStringLiteral("Select for a BOXED comparison of drawing results "));
        EXPECT_TRUE(b.main.lblHdrPool[1]->caption().isEmpty());
        EXPECT_TRUE(b.main.lblHdrTotal[1]->caption().isEmpty());
        EXPECT_EQ(b.staMain->panelText(2), QStringLiteral(" Total Ball Amount in the Pool: ") + QString::number(gDrum.glngPoolTotal));
    }
    gblnMainPoolView = true;
    gDrum.gblnPoolCountView = false;
    gDrumBONUS.gblnPowerInterval = false;
}

TEST(LanguageGuards, TheStartWindowInFrontIsLeftAloneAndTitlesEndBeforeABracket)
{
    auto *start = DefaultInstance<frmStart>::get();
    gfrmCurrentBoard = start;
    const QString title = start->windowTitle();
    garrMessages = QStringList(kMessageCount);
    clsLanguage().subApplyLanguageToBoard();
    EXPECT_EQ(start->windowTitle(), title);
    EXPECT_TRUE(garrMessages[0].isEmpty());
    gfrmCurrentBoard = nullptr;
    DefaultInstance<frmStart>::unload();

    // A lottery's title ends before its first bracket.
    EXPECT_EQ(fncTitleBeforeBracket(QStringLiteral("Lotto (DE)")), QStringLiteral("Lotto "));
    EXPECT_EQ(fncTitleBeforeBracket(QStringLiteral("Lotto")), QStringLiteral("Lotto"));
    EXPECT_EQ(fncTitleBeforeBracket(QStringLiteral("(x) y")), QString());
}
