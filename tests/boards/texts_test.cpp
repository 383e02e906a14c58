// The board in each language: its words are those of the string table of the language chosen (a
// language without board texts speaks English), and its texts show whole; over a history of half a
// million drawings every number shows whole and apart from the numbers beside it.

#include "games.h"

#include "app/application.h"
#include "support/textfit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <sqlite3.h>

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

// ---- The numbers of a long history ----------------------------------------------------------------

class LongHistoryNumbers : public BoardTest, public ::testing::WithParamInterface<Game> {
protected:
    // The game's lottery with `count` daily drawings up to 28 November 2026 (Julian day 2461372.5),
    // made by the database engine itself: position i of drawing w holds lowest + (w + i * step) mod
    // (highest - lowest), so that a drum's numbers but its highest are drawn alike and its highest
    // never.
    void writeHistory(int count)
    {
        world.writeLottery(game.config(), History{});
        QStringList columns, numbers;
        const auto drum = [&](int first, int positions, int lowest, int highest) {
            const int span = highest - lowest;
            for (int i = 0; i < positions; ++i) {
                columns << QStringLiteral("WinnerNumber%1").arg(first + i);
                numbers << QStringLiteral("%1 + (w + %2) % %3").arg(lowest).arg(i * (span / positions)).arg(span);
            }
        };
        drum(1, game.twoDrums() ? game.main : game.main + game.bonus, game.lowest(), game.highest);
        if (game.twoDrums())
            drum(1 + game.main, game.bonus, 1, game.highestSecond);
        const QString sql = QStringLiteral("PRAGMA ignore_check_constraints = ON; WITH RECURSIVE n(w) AS (SELECT 1 "
                                           "UNION ALL SELECT w + 1 FROM n WHERE w < %1) INSERT INTO TBLRESULTS "
                                           "(WeekNo, WeekDate, %2) SELECT w, date(2461372.5 - %1 + w), %3 FROM n")
                                .arg(QString::number(count), columns.join(u','), numbers.join(u','));
        const QByteArray file = (app().gstrLotteryDbsFolder + SampleWorld::kTestLottery).toUtf8();
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(file.constData(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        sqlite3_close(db);
    }

    // The labels of the board showing a number, each with the place of its text on the board.
    std::vector<std::pair<const QLabel *, QRect>> numbersShown() const
    {
        std::vector<std::pair<const QLabel *, QRect>> shown;
        for (const QLabel *label : board()->findChildren<QLabel *>()) {
            const QString text = label->text();
            const auto digit = [](QChar c) { return c.isDigit(); };
            const bool number = !text.isEmpty() && std::all_of(text.begin(), text.end(), digit);
            if (number && label->isVisibleTo(board())) {
                const QRect inside = label->contentsRect().translated(label->mapTo(board(), QPoint(0, 0)));
                const QSize size(drawnWidth(label, text), inside.height());
                shown.emplace_back(label, QStyle::alignedRect(Qt::LeftToRight, label->alignment(), size, inside));
            }
        }
        return shown;
    }

    // Every number a pixel at least apart from every other, and within the border of a bonus
    // position's frame drawn around it.
    void expectNumbersApart() const
    {
        const auto shown = numbersShown();
        for (size_t i = 0; i < shown.size(); ++i)
            for (size_t j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(shown[i].second.adjusted(-1, 0, 1, 0).intersects(shown[j].second))
                    << shown[i].first->objectName().toStdString() << " " << shown[j].first->objectName().toStdString();
        for (const char *marks : {"shpBonusMarkA", "shpBonusMarkB"})
            for (int frame : {1, 4, 5}) {
                const QWidget *shape = user.get(at(marks, frame));
                const QRect around(shape->mapTo(board(), QPoint(0, 0)), shape->size());
                for (const auto &[label, text] : shown)
                    if (shape->isVisibleTo(board()) && text.intersects(around)) {
                        EXPECT_TRUE(text.left() >= around.left() + 2 && text.right() <= around.right() - 2)
                            << label->objectName().toStdString();
                    }
            }
    }
};

TEST_P(LongHistoryNumbers, EveryNumberOfHalfAMillionDrawingsShowsWholeAndApart)
{
    game = GetParam();
    writeHistory(500000);
    ASSERT_NE(user.open(SampleWorld::kTestLottery), nullptr) << messages.texts().join(u'\n').toStdString();
    // The guess and a ticket column from the newest drawing, with their powers and totals.
    user.tick(QStringLiteral("chkCompareWithGuess"), true);
    user.click(QStringLiteral("cmdGetDrawing"));
    user.click(QStringLiteral("cmdAdd"));
    user.selectLine(0);
    for (bool second : drums()) {
        SCOPED_TRACE(second ? "second drum in front" : "main drum in front");
        front(second);
        // An upper limit as large as the largest drawing sum shows whole as it is typed and taken.
        user.tick(ctl("chkPowerInterval", second), true);
        const QString limit = ctl("txtPowerInterval", second, 1);
        const QString highest = user.text(ctl("lblPowerHighest", second));
        user.click(limit);
        user.key(Qt::Key_A, Qt::ControlModifier);
        user.keys(highest);
        EXPECT_EQ(shownText(user.get<QLineEdit>(limit)), highest);
        user.leave();
        EXPECT_EQ(shownText(user.get<QLineEdit>(limit)), highest);

        EXPECT_EQ(clippedTexts(board()), QStringList());
        expectNumbersApart();
    }
    // The drawing lists show their entries whole, the newest drawing's number the widest.
    for (const char *name : {"cboStartDrawing", "cboEndDrawing"}) {
        auto *combo = user.get<QComboBox>(QString::fromLatin1(name));
        combo->showPopup();
        for (int row : {0, combo->count() / 2, combo->count() - 1}) {
            const QModelIndex entry = combo->model()->index(row, combo->modelColumn());
            EXPECT_LE(combo->view()->sizeHintForIndex(entry).width(), combo->view()->visualRect(entry).width())
                << name << row;
        }
        combo->hidePopup();
    }
    // Over the last ten drawings the numbers fit again (but the drawings since a number never
    // drawn): each that fits in the board's own font, the totals at their own width.
    user.choose(QStringLiteral("cboStartDrawing"), 9);
    user.click(QStringLiteral("cmdPower"));
    for (const auto &[label, text] : numbersShown()) {
        QFont unnarrowed = label->font();
        unnarrowed.setStretch(QFont::AnyStretch);
        if (QFontMetrics(unnarrowed).horizontalAdvance(label->text()) <= label->contentsRect().width()) {
            EXPECT_EQ(label->font(), unnarrowed) << label->objectName().toStdString();
            EXPECT_EQ(dynamic_cast<const VbLabel &>(*label).narrowedTo(), 100) << label->objectName().toStdString();
        }
    }
    const int own = user.get<VbLabel>(at("lblDrawingNumberPower", game.first))->Width();
    for (bool second : drums())
        for (const char *total : {"lblDrawingPowerTotal", "lblGuessPowerTotal", "lblColumnPowerTotal"})
            EXPECT_EQ(user.get<VbLabel>(ctl(total, second))->Width(), own) << total;
}

INSTANTIATE_TEST_SUITE_P(Boards, LongHistoryNumbers, ::testing::Values(kLotto, kTwoDrum, kPick8), gameName);

}  // namespace
