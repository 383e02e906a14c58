#pragma once
// The sample lotteries as their users know them, and a board test: the program with the samples,
// one of them open on its own board, and a user at it.

#include "analysis/pool.h"
#include "analysis/samplelotteries.h"
#include "analysis/openlottery.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "dialogs/frmfilemanager.h"
#include "support/boarduser.h"
#include "support/modal.h"

#include <QFile>
#include <QTest>
#include <ostream>
#include <set>

// A sample lottery's game: the positions of a drawing, the main numbers first.
struct Game {
    const char *file;
    const char *code;
    int first;          // the first position: 1, or 0 on digit games
    int main;           // numbers (or digits) a ticket column draws from the main drum
    int bonus;          // bonus numbers of the drawing
    int highest;        // the main drum's highest number
    int highestSecond;  // the second drum's, 0 where the bonus comes from the main drum

    bool digits() const { return first == 0; }
    bool twoDrums() const { return highestSecond > 0; }
    int lastShown() const { return first + main + bonus - 1; }                      // drawing and guess
    int lastColumn() const { return first + main - 1 + (twoDrums() ? bonus : 0); }  // ticket columns
    bool second(int position) const { return twoDrums() && position >= first + main; }
    int lowest() const { return digits() ? 0 : 1; }
    int highestAt(int position) const { return second(position) ? highestSecond : highest; }
    // A control of the drum of `position`: the second drum's carry the suffix BONUS.
    static QString of(const char *name, bool second) { return QString::fromLatin1(name) + (second ? "BONUS" : ""); }
    // The game as the lottery catalogue describes it (a digit game's highest ball is 10).
    GameConfigRecord config() const
    {
        return GameConfigRecord{1, QString::fromLatin1(code), digits() ? 10 : highest, highestSecond, 0, main, bonus, 0};
    }
};

inline void PrintTo(const Game &g, std::ostream *os) { *os << g.code; }

inline const Game kLotto{"Sample Lotto 6-49.mdb", "610", 1, 6, 1, 49, 0};
inline const Game kTwoDrum{"Sample Two-Drum 5-50 + 2-12.mdb", "2P520", 1, 5, 2, 50, 12};
inline const Game kTwoDrumOne{"Sample Two-Drum 6-49 + 1-10.mdb", "2P610", 1, 6, 1, 49, 10};
inline const Game kSevenNumbers{"Sample Lotto 7-35.mdb", "700", 1, 7, 0, 35, 0};
inline const Game kTwoBonus{"Sample Lotto 6-49 Two Bonus.mdb", "620", 1, 6, 2, 49, 0};
inline const Game kPick3{"Sample Pick 3.mdb", "130", 0, 3, 0, 9, 0};
inline const Game kPick4{"Sample Pick 4.mdb", "140", 0, 4, 0, 9, 0};
// A game no sample plays, written by the test as the test lottery: eight digits.
inline const Game kPick8{"Test Lottery.mdb", "180", 0, 8, 0, 9, 0};
// What every board does alike is checked on these: one game of each board, and the longest digit game.
inline const Game kBoards[] = {kLotto, kTwoDrum, kPick3, kPick8};
inline const Game kSamples[] = {kLotto, kTwoDrum, kTwoDrumOne, kSevenNumbers, kTwoBonus, kPick3, kPick4};

// The numbers of a ticket line "07- 3 8 17 25 33 40 (2)", with its column number first.
inline std::vector<int32_t> lineNumbers(const QString &line)
{
    std::vector<int32_t> out;
    for (const QString &field : line.split(u' ')) {
        if (field.startsWith(u'('))
            break;
        out.push_back(QString(field).remove(u'-').toInt());
    }
    return out;
}

inline std::string gameName(const ::testing::TestParamInfo<Game> &info) { return std::string("Code") + info.param.code; }

class BoardTest : public ::testing::Test {
protected:
    // Opens the sample of the game on its board; a game no sample plays is written first, a
    // year of daily drawings.
    bool open(const Game &g)
    {
        game = g;
        if (QString::fromLatin1(g.file) == SampleWorld::kTestLottery && !QFile::exists(app().gstrLotteryDbsFolder + g.file))
            world.writeLottery(g.config(), samples::makeDrawings(g.config(), samples::drawingDates(samples::Schedule::Daily,
                                                                   QDate(2025, 1, 1), QDate(2025, 12, 31)), 8u));
        const bool shown = user.open(QString::fromLatin1(g.file)) != nullptr;
        EXPECT_TRUE(shown) << messages.texts().join(u'\n').toStdString();
        return shown;
    }
    BoardBase *board() const { return user.board(); }
    // The open lottery of the board in front.
    OpenLottery &lottery() const { return board()->lottery(); }
    static QString at(const char *name, int index) { return BoardUser::at(QString::fromLatin1(name), index); }
    // A control of the drum of `position`, with its index.
    QString atDrum(const char *name, int position, int index) const { return ctl(name, game.second(position), index); }
    // The pick count of `number` in the drum of `position` (the power the board shows for it).
    int32_t power(int position, int32_t number) const { return state(game.second(position)).garrPickCount.value(number, 0); }
    // Ticket > Save under `name`, or Ticket > Load of `name`, through the file dialog.
    void saveTicket(const QString &name)
    {
        messages.answerNext(msgbox::kYes);
        whenModal<frmFileManager>([name](frmFileManager *dialog) {
            dialog->txtName->setFocus();
            QTest::keyClicks(dialog->txtName, name);
            dialog->cmdSave->click();
        });
        user.chooseMenu(QStringLiteral("mnuTicketSave"));
    }
    void loadTicket(const QString &name)
    {
        messages.answerNext(msgbox::kYes);
        whenModal<frmFileManager>([name](frmFileManager *dialog) {
            const QAbstractItemModel *names = dialog->lstNames->model();
            const QModelIndexList found = names->match(names->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << name.toStdString();
            dialog->lstNames->setListIndex(found[0].row());
            dialog->cmdLoad->click();
        });
        user.chooseMenu(QStringLiteral("mnuTicketLoad"));
        user.activate();  // the new board in front
    }

    // The drums of the game (false the main drum, true the second), their balls and positions,
    // their controls ("name", or "nameBONUS" for the second drum).
    std::vector<bool> drums() const { return game.twoDrums() ? std::vector<bool>{false, true} : std::vector<bool>{false}; }
    DrumState &state(bool second) const { return lottery().drum(second ? Drum::Second : Drum::Main); }
    int highestOf(bool second) const { return second ? game.highestSecond : game.highest; }
    int firstOf(bool second) const { return second ? game.first + game.main : game.first; }
    int lastOf(bool second) const { return second ? game.lastColumn() : game.first + game.main - 1; }
    QString ctl(const char *name, bool second, int index) const { return BoardUser::at(Game::of(name, second), index); }
    QString ctl(const char *name, bool second) const { return Game::of(name, second); }
    int shownCount(bool second, int b) const { return user.number(ctl("txtPoolCount", second, b)); }
    int64_t weight(bool second, int b) const { return poolCount(state(second).garrPoolWeight.value(b, 0)); }
    // "name=value" of each control: ticked or not, a slider's level, or the text shown.
    QStringList shown(const QStringList &names) const
    {
        QStringList out;
        for (const QString &name : names) {
            QWidget *w = user.find(name);
            const auto *slider = qobject_cast<QAbstractSlider *>(w);
            out << name + u'=' + (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w) ? QString::number(user.ticked(name))
                                  : slider ? QString::number(slider->value()) : user.text(name));
        }
        return out;
    }

    // The drum's tables and interval row in front (the two-drum board's tab clicked).
    void front(bool second)
    {
        if (game.twoDrums() && !user.visible(ctl("chkExcludeBall", second, 1)))
            user.click(ctl("lblGameMatrix", second));
    }

    // The guaranteed balls of a drum: the numbers the guarantee boxes of its positions name.
    std::set<int32_t> guaranteed(bool second) const
    {
        std::set<int32_t> balls;
        if (!user.ticked(QStringLiteral("chkGuaranteeNumbers")))
            return balls;
        for (int p = firstOf(second); p <= lastOf(second); ++p) {
            bool ok = false;
            const int n = user.text(at("txtGuaranteeNumber", p)).toInt(&ok);
            if (ok && n <= highestOf(second) && (n > 0 || (game.digits() && n == 0)))
                balls.insert(n);
        }
        return balls;
    }
    int guaranteePositions(bool second) const
    {
        int n = 0;
        if (user.ticked(QStringLiteral("chkGuaranteeNumbers")))
            for (int p = firstOf(second); p <= lastOf(second); ++p) {
                bool ok = false;
                const int g = user.text(at("txtGuaranteeNumber", p)).toInt(&ok);
                n += ok && g <= highestOf(second) && (g > 0 || game.digits());
            }
        return n;
    }

    // ---- The rules -------------------------------------------------------------------------------
    // The rules that hold whatever the user did.
    void expectRules()
    {
        bool canDraw = lottery().glngTotalWeeks > 0;
        for (bool second : drums()) {
            SCOPED_TRACE(second ? "second drum" : "main drum");
            const DrumState &s = state(second);
            const std::set<int32_t> locked = game.digits() ? std::set<int32_t>{} : guaranteed(second);
            int64_t sum = 0, shown = 0;
            int drawable = 0;
            for (int b = game.lowest(); b <= highestOf(second); ++b) {
                auto *box = user.get<QAbstractButton>(ctl("chkExcludeBall", second, b));
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->isChecked(), s.garrExcluded.value(b, 0) != 0) << b;
                EXPECT_EQ(!box->isEnabled(), locked.count(b) == 1) << "ball " << b << " locked";
                if (box->isChecked())
                    EXPECT_EQ(weight(second, b), 0) << b;
                else
                    shown += shownCount(second, b);
                EXPECT_TRUE(!locked.count(b) || box->isChecked()) << b;
                sum += weight(second, b);
                drawable += !box->isChecked() && weight(second, b) > 0 && !locked.count(b);
            }
            EXPECT_EQ(s.glngPoolTotal, sum);
            EXPECT_EQ(shown, sum);
            const int drawn = lastOf(second) - firstOf(second) + 1 - guaranteePositions(second);
            canDraw = canDraw && (game.digits() ? drawn == 0 || drawable > 0 : drawable >= drawn);

            // The interval limits are those of the boxes and never cross.
            const int lower = user.number(ctl("txtPowerInterval", second, 0));
            const int upper = user.number(ctl("txtPowerInterval", second, 1));
            EXPECT_EQ(s.garrIntervalLimits[0], lower);
            EXPECT_EQ(s.garrIntervalLimits[1], upper);
            EXPECT_TRUE(lower >= 0 && lower <= upper) << lower << ".." << upper;

            // A marking shows the same balls in both tables, around one key.
            std::set<int> inTable, inPool;
            int keys = 0;
            for (int row = game.lowest(); row <= highestOf(second); ++row) {
                auto *label = user.get<VbLabel>(ctl("lblPowerBall", second, row));
                if (label->backColor() == vbc::kLightYellow)
                    inTable.insert(label->caption().toInt());
                keys += label->foreColor() == vbc::kDarkRed;
                if (user.get<VbLabel>(ctl("lblPoolBall", second, row))->backColor() == vbc::kLightYellow)
                    inPool.insert(row);
            }
            EXPECT_EQ(inTable, inPool);
            EXPECT_EQ(keys, inTable.empty() ? 0 : 1);

            // The pool header names the view shown.
            const bool countView = !user.get(ctl("txtPoolCount", second, game.lowest()))->isHidden();
            EXPECT_EQ(user.text(ctl("lblHdrPool", second, 0)), res(countView ? 25020 : 25010));
        }
        EXPECT_EQ(user.enabled(QStringLiteral("cmdDraw")), canDraw);
        // The status bar shows the main pool's total, or the second pool's while it is in front.
        const QString mainTotal = res(36040) + QString::number(state(false).glngPoolTotal);
        if (game.twoDrums() && user.visible(ctl("chkExcludeBall", true, 1)) && user.status(2) != mainTotal)
            EXPECT_EQ(user.status(2), res(36050) + QString::number(state(true).glngPoolTotal));
        else
            EXPECT_EQ(user.status(2), mainTotal);

        // Guarantee boxes follow their option and hold a number of their drum.
        const bool guarantees = user.ticked(QStringLiteral("chkGuaranteeNumbers"));
        for (int p = game.first; p <= game.lastColumn(); ++p) {
            const QString text = user.text(at("txtGuaranteeNumber", p));
            EXPECT_EQ(user.enabled(at("txtGuaranteeNumber", p)), guarantees) << p;
            bool ok = false;
            const int n = text.toInt(&ok);
            EXPECT_TRUE((game.digits() && text.isEmpty()) || (ok && n >= 0 && n <= game.highestAt(p))) << p << " " << text.toStdString();
        }

        // Guess boxes hold numbers of their drum, with their powers and the totals of each drum.
        int64_t totals[2] = {0, 0};
        for (int p = game.first; p <= game.lastShown(); ++p) {
            const QString text = user.text(at("txtGuess", p));
            bool ok = false;
            const int n = text.toInt(&ok);
            const bool empty = game.digits() && text.isEmpty();
            EXPECT_TRUE(empty || (ok && n >= 0 && n <= game.highestAt(p) && (!game.digits() || text.size() == 1)))
                << p << " " << text.toStdString();
            const int32_t expected = empty || (n == 0 && !game.digits()) ? 0 : power(p, n);
            EXPECT_EQ(user.number(at("lblGuessPower", p)), expected) << p;
            if (p <= game.lastColumn())
                totals[game.second(p)] += expected;
        }
        for (bool second : drums())
            EXPECT_EQ(user.number(ctl("lblGuessPowerTotal", second)), totals[second]);

        // The list, the line table and the grid hold the same columns.
        const QStringList lines = user.lines();
        EXPECT_EQ(lines, lottery().garrTicketLines);
        EXPECT_EQ(lottery().garrTicketGrid.rowCount(), lines.size());
        for (int r = 1; r <= std::min<int>(lines.size(), lottery().garrTicketGrid.rowCount()); ++r) {
            const std::vector<int32_t> numbers = lineNumbers(lines[r - 1]);
            std::vector<int32_t> expected{numbers.empty() ? 0 : numbers.front()};
            for (int p = game.first; p <= game.lastColumn(); ++p)
                expected.push_back(lottery().garrTicketGrid.at(r, p));
            EXPECT_EQ(numbers, expected) << lines[r - 1].toStdString();
        }
    }


    SampleWorld world;
    MessageBoxScript &messages = world.messages;
    BoardUser user{world};
    Game game = kLotto;
};
