// The board in each language: its words are those of the string table of the language chosen (a
// language without board texts speaks English), and its texts show whole.

#include "games.h"

#include "app/application.h"
#include "support/textfit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

namespace {

class Texts : public BoardTest, public ::testing::WithParamInterface<Game> {
protected:
    void TearDown() override { app().glngLanguage = 2; }

    // The words of the board against the string table of `language`.
    void expectWords(int language)
    {
        SCOPED_TRACE(language);
        const auto words = [language](int id) { return resources::text(id + language); };
        // A few words written out, so that a wrong entry of the table shows.
        const QStringList written[] = {{"ÇEKİLİŞLER", "GÜÇ TABLOSU", "   ÇEKİLİŞ", "Sıcak Sayılar"},
                                       {"DRAWINGS", "POWER TABLE", "   DRAWING", "Hot Numbers"},
                                       {"TIRAGES", "PUISSANCES", "   TIRAGE", "Numéros chauds"}};
        EXPECT_EQ((QStringList{user.text(QStringLiteral("fraDrawings")), user.text(QStringLiteral("cmdPower")),
                               user.text(QStringLiteral("cmdDraw")), user.text(at("lblHotCold", 0))}),
                  written[language - 1]);
        EXPECT_EQ(user.text(QStringLiteral("fraDrawings")), words(25030));
        EXPECT_EQ(user.text(QStringLiteral("cmdPower")), words(25080));
        EXPECT_EQ(user.text(QStringLiteral("cmdDraw")), words(25150));
        EXPECT_EQ(user.text(at("lblHotCold", 0)), words(27140));
        EXPECT_EQ(user.text(at("lblHotCold", 1)), words(27150));
        EXPECT_EQ(user.text(QStringLiteral("lblGuaranteeNumbers")), words(27190));
        if (game.digits()) {
            EXPECT_EQ(user.text(at("lblStraightBoxed", 1)), words(27220));
        }
        if (game.twoDrums()) {
            EXPECT_EQ(user.text(QStringLiteral("lblPowerIntervalBONUS")), words(27230));
        }
        // Both views of the pool.
        for (int view : {25010, 25020}) {
            EXPECT_EQ(user.text(QStringLiteral("lblHdrPool(0)")), words(view));
            user.click(QStringLiteral("lblHdrPool(0)"));
        }
        // The messages the board and the lottery manager show.
        ASSERT_EQ(app().garrMessages.size(), 31);
        for (int k = 0; k < 24; ++k)
            EXPECT_EQ(app().garrMessages[k], words(30170 + 10 * k)) << k;
        const int manager[] = {45010, 30410, 30420, 31010, 31020, 31030, 31040};
        for (int k = 24; k <= 30; ++k)
            EXPECT_EQ(app().garrMessages[k], words(manager[k - 24])) << k;
    }

    // Every text of the status bar and of the pool headers shows whole.
    void expectWholeTexts()
    {
        board()->show();
        QCoreApplication::processEvents();
        auto *bar = user.get<VbStatusBar>(QStringLiteral("staMain"));
        EXPECT_EQ(clippedTexts(bar), QStringList());
        for (const QLabel *panel : bar->findChildren<QLabel *>()) {
            const int room = panel->contentsRect().width() - 2 * panel->margin() - panel->indent();
            const QFontMetrics metrics(panel->font());
            const QStringList lines = wrappedLines(panel->text(), panel->font(), room);
            EXPECT_LE(lines.size() * metrics.lineSpacing(), panel->contentsRect().height() + metrics.leading())
                << panel->text().toStdString();
        }
        for (int half = 0; half <= (game.digits() ? 0 : 1); ++half) {
            auto *pool = user.get<QLabel>(at("lblHdrPool", half));
            auto *exclude = user.get<QLabel>(at("lblHdrExclude", half));
            EXPECT_EQ(clippedTexts(pool), QStringList());
            const auto textRect = [](const QLabel *label) {
                return QStyle::alignedRect(Qt::LeftToRight, label->alignment(),
                                           QSize(QFontMetrics(label->font()).horizontalAdvance(label->text()), 1),
                                           label->geometry());
            };
            EXPECT_LT(textRect(pool).right() + 2, textRect(exclude).left()) << pool->text().toStdString();
        }
    }
};

TEST_P(Texts, EveryLanguageSpeaksItsWordsWhole)
{
    ASSERT_TRUE(open(GetParam()));
    const int width = board()->width();
    QAction *items[] = {user.menuItem(QStringLiteral("mnuLanguageTurkish")), user.menuItem(QStringLiteral("mnuLanguageEnglish")), user.menuItem(QStringLiteral("mnuLanguageFrench"))};
    for (int language : {1, 3, 2}) {
        items[language - 1]->trigger();
        EXPECT_TRUE(items[language - 1]->isChecked());
        expectWords(language);
        expectWholeTexts();
        EXPECT_EQ(board()->width(), width);
    }
    // A language without board texts, stored from another start.
    world.closeBoard();
    app().glngLanguage = 4;
    ASSERT_TRUE(open(GetParam()));
    EXPECT_EQ(app().glngLanguage, 4);
    EXPECT_TRUE(user.menuItem(QStringLiteral("mnuLanguageEnglish"))->isChecked());
    expectWords(2);
}

INSTANTIATE_TEST_SUITE_P(Boards, Texts, ::testing::ValuesIn(kBoards), gameName);

}  // namespace
