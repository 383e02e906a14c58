// Texts of the lotto board in each language: the pool headers and the status-bar panels.

#include "lottoboardfixture.h"

#include "app/globals.h"
#include "support/textfit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QTest>

namespace {

class BoardTextsTest : public LottoBoardTest {
protected:
    void TearDown() override
    {
        if (board)
            close();
        glngLanguage = 2;
        LottoBoardTest::TearDown();
    }
};

}  // namespace

TEST_F(BoardTextsTest, StatusPanelsShowTheirWholeTextInEveryLanguage)
{
    int englishWidth = 0;
    for (int language : {2, 1, 3}) {
        for (const QString &title : {QStringLiteral("Loto 6/49 du samedi"),
                                     QStringLiteral("Loto 6/49 du samedi et du mercredi avec numéro complémentaire")}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(language).arg(title).toStdString());
            glngLanguage = language;
            configure(QStringLiteral("610"), title, 2500);
            open();
            board->show();
            QCoreApplication::processEvents();
            // The window keeps its width whatever the language.
            if (language == 2 && englishWidth == 0)
                englishWidth = board->width();
            EXPECT_EQ(board->width(), englishWidth);
            // A taller bar covers none of the board's controls.
            int bottom = 0;
            for (QWidget *w : board->form->findChildren<QWidget *>())
                if (w->isVisible())
                    bottom = std::max(bottom, w->mapTo(board->form, QPoint(0, w->height())).y());
            EXPECT_LE(bottom, board->form->height());
            const QList<QLabel *> panels = board->staMain->findChildren<QLabel *>();
            ASSERT_EQ(panels.size(), 3);
            for (const QLabel *panel : panels) {
                // Every line of the panel's text, wrapped at its width, fits the panel.
                const int room = panel->contentsRect().width() - 2 * panel->margin() - panel->indent();
                const QStringList lines = wrappedLines(panel->text(), panel->font(), room);
                const QFontMetrics metrics(panel->font());
                for (const QString &line : lines)
                    EXPECT_LE(metrics.horizontalAdvance(line), room) << line.toStdString();
                EXPECT_LE(lines.size() * metrics.lineSpacing(), panel->contentsRect().height() + metrics.leading())
                    << panel->text().toStdString();
                EXPECT_LE(panel->geometry().right(), board->staMain->width());
            }
            EXPECT_EQ(clippedTexts(board->staMain), QStringList());
            close();
        }
    }
}

// Both views of the pool grid, in every language: the pool header shows its whole caption (the
// French one names the pool) and its text stays clear of the exclusion header beside it.
TEST_F(BoardTextsTest, PoolHeadersFitBesideTheExclusionHeader)
{
    for (int language : {2, 1, 3}) {
        glngLanguage = language;
        configure(QStringLiteral("610"));
        open();
        board->show();
        QCoreApplication::processEvents();
        for (int view = 0; view <= 1; ++view) {
            for (int half = 0; half <= 1; ++half) {
                QLabel *pool = board->main.lblHdrPool[half];
                QLabel *exclude = board->main.lblHdrExclude[half];
                SCOPED_TRACE(QStringLiteral("language %1 view %2 half %3: %4")
                                 .arg(language)
                                 .arg(view)
                                 .arg(half)
                                 .arg(pool->text())
                                 .toStdString());
                EXPECT_EQ(clippedTexts(pool), QStringList());
                // Where each text ends and begins, as the labels align them.
                const QFontMetrics poolMetrics(pool->font());
                const QFontMetrics excludeMetrics(exclude->font());
                const QRect poolText = QStyle::alignedRect(Qt::LeftToRight, pool->alignment(),
                                                           QSize(poolMetrics.horizontalAdvance(pool->text()), 1),
                                                           pool->geometry());
                const QRect excludeText = QStyle::alignedRect(
                    Qt::LeftToRight, exclude->alignment(),
                    QSize(excludeMetrics.horizontalAdvance(exclude->text()), 1), exclude->geometry());
                EXPECT_GE(poolText.left(), 0);
                EXPECT_LT(poolText.right() + 2, excludeText.left());
            }
            if (language == 3) {
                EXPECT_EQ(board->main.lblHdrPool[0]->caption(), view ? QStringLiteral("Piscine n") : QStringLiteral("Piscine %"));
            }
            board->lblHdrPool_Click(0);
        }
        close();
    }
}
