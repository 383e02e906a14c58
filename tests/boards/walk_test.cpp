// A random walk of user actions over each board, the rules that must always hold checked after
// every step, and what each action promises checked right after it. The seed is fixed and printed;
// TALVINOR_WALK_SEED and TALVINOR_WALK_STEPS give another seed and a longer walk (scripts/walk).

#include "games.h"

#include "analysis/clslotterydb.h"
#include "analysis/pool.h"
#include "app/services.h"
#include "platform/dates.h"

#include <QScrollBar>
#include <functional>
#include <random>
#include <set>

namespace {

const uint32_t kSeed = 20260507u;
const int kSteps = 120;

uint32_t envNumber(const char *name, uint32_t fallback)
{
    bool ok = false;
    const uint32_t n = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? n : fallback;
}

// The numbers of a ticket line "07- 3 8 17 25 33 40 (2)", with its column number first.
std::vector<int32_t> lineNumbers(const QString &line)
{
    std::vector<int32_t> out;
    for (const QString &field : line.split(u' ')) {
        if (field.startsWith(u'('))
            break;
        out.push_back(QString(field).remove(u'-').toInt());
    }
    return out;
}

class Walk : public BoardTest, public ::testing::WithParamInterface<Game> {
public:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    std::vector<bool> drums() const { return game.twoDrums() ? std::vector<bool>{false, true} : std::vector<bool>{false}; }
    DrumState &state(bool second) const { return drumState(second ? Drum::Second : Drum::Main); }
    int highestOf(bool second) const { return second ? game.highestSecond : game.highest; }
    int firstOf(bool second) const { return second ? game.first + game.main : game.first; }
    int lastOf(bool second) const { return second ? game.lastColumn() : game.first + game.main - 1; }
    QString ctl(const char *name, bool second, int index) const { return BoardUser::at(Game::of(name, second), index); }
    QString ctl(const char *name, bool second) const { return Game::of(name, second); }
    int ball(bool second) { return pick(game.lowest(), highestOf(second)); }
    int position() { return pick(game.first, game.lastColumn()); }
    int shownCount(bool second, int b) const { return user.number(ctl("txtPoolCount", second, b)); }
    int64_t weight(bool second, int b) const { return poolCount(state(second).garrPoolWeight.value(b, 0)); }

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
    void rules()
    {
        bool canDraw = glngTotalWeeks > 0;
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
            EXPECT_TRUE(game.digits() && text.isEmpty() || ok && n >= 0 && n <= game.highestAt(p)) << p << " " << text.toStdString();
        }

        // Guess boxes hold numbers of their drum, with their powers and the totals of each drum.
        int64_t totals[2] = {0, 0};
        for (int p = game.first; p <= game.lastShown(); ++p) {
            const QString text = user.text(at("txtGuess", p));
            bool ok = false;
            const int n = text.toInt(&ok);
            const bool empty = game.digits() && text.isEmpty();
            EXPECT_TRUE(empty || ok && n >= 0 && n <= game.highestAt(p) && (!game.digits() || text.size() == 1))
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
        EXPECT_EQ(lines, garrTicketLines);
        EXPECT_EQ(garrTicketGrid.rowCount(), lines.size());
        for (int r = 1; r <= std::min<int>(lines.size(), garrTicketGrid.rowCount()); ++r) {
            const std::vector<int32_t> numbers = lineNumbers(lines[r - 1]);
            std::vector<int32_t> expected{numbers.empty() ? 0 : numbers.front()};
            for (int p = game.first; p <= game.lastColumn(); ++p)
                expected.push_back(garrTicketGrid.at(r, p));
            EXPECT_EQ(numbers, expected) << lines[r - 1].toStdString();
        }
    }

    // ---- The steps -------------------------------------------------------------------------------
    void exclude()
    {
        const bool second = game.twoDrums() && chance(40);
        const int b = ball(second);
        front(second);
        const QString box = ctl("chkExcludeBall", second, b);
        if (!user.enabled(box))
            return;
        const bool before = user.ticked(box);
        const int count = shownCount(second, b);
        user.click(box);
        EXPECT_NE(user.ticked(box), before);
        if (!before && !user.ticked(QStringLiteral("chkEqualChance")) && chance(50)) {
            // And back: the ball comes back with its count (or with a count typed for the next recount).
            const int32_t typed = state(second).garrPoolCountEdited.value(b, -3);
            user.click(box);
            EXPECT_EQ(shownCount(second, b), typed >= 0 ? typed : count);
            EXPECT_EQ(weight(second, b), typed >= 0 ? typed : count);
        }
    }
    void excludeAll()
    {
        const bool second = game.twoDrums() && chance(40);
        front(second);
        user.click(ctl("lblHdrExclude", second, pick(0, game.digits() ? 0 : 1)));
    }
    void guarantee()
    {
        if (chance(30)) {
            user.click(QStringLiteral("chkGuaranteeNumbers"));
            return;
        }
        const int p = position();
        const QString box = at("txtGuaranteeNumber", p);
        if (!user.enabled(box))
            return;
        const QString before = user.text(box);
        // A number of the drum, a number of the other drum, a number twice, nothing, too large.
        QString typed = QString::number(pick(game.lowest(), game.highestAt(p)));
        if (chance(20))
            typed = user.text(at("txtGuaranteeNumber", position()));
        else if (chance(15))
            typed = QString::number(game.highestAt(p) + pick(1, 40));
        else if (chance(10))
            typed = QString();
        bool twice = false;
        for (int k = firstOf(game.second(p)); k <= lastOf(game.second(p)); ++k)
            twice = twice || (k != p && !typed.isEmpty() && user.text(at("txtGuaranteeNumber", k)) == typed);
        user.type(box, typed);
        QString expected = before;
        if (game.digits())
            expected = typed.size() == 1 ? typed : typed.isEmpty() ? QString() : before;
        else if (!typed.isEmpty() && typed.toInt() <= game.highestAt(p) && (!twice || typed == u"0"))
            expected = typed;
        EXPECT_EQ(user.text(box), expected) << "typed " << typed.toStdString();
    }
    void typeCount()
    {
        const bool second = game.twoDrums() && chance(40);
        const int b = ball(second);
        front(second);
        if (user.ticked(ctl("chkExcludeBall", second, b)))
            return;
        user.doubleClick(ctl("txtPoolPercent", second, b));
        if (QApplication::focusWidget() != user.find(ctl("txtPoolCount", second, b))) {
            user.leave();
            return;
        }
        const int count = pick(0, 40);
        user.key(Qt::Key_A, Qt::ControlModifier);
        user.keys(QString::number(count));
        user.leave();
        EXPECT_EQ(shownCount(second, b), count);
        EXPECT_EQ(weight(second, b), count);
    }
    void interval()
    {
        const bool second = game.twoDrums() && chance(40);
        front(second);
        const QString option = ctl("chkPowerInterval", second);
        if (!user.ticked(option) || chance(10)) {
            user.click(option);
            return;
        }
        const QString lowerBox = ctl("txtPowerInterval", second, 0), upperBox = ctl("txtPowerInterval", second, 1);
        const int lower = user.number(lowerBox), upper = user.number(upperBox);
        const int kind = pick(0, 3);
        if (kind == 0) {
            user.choose(ctl("cboPowerIntervalPct", second), pick(0, 10));
        } else if (kind == 1) {
            // One step of the slider moves both limits by one, the lower one never below 0.
            const bool right = chance(50);
            auto *slider = user.get<QScrollBar>(ctl("hsbPowerInterval", second));
            const int was = slider->value();
            user.step(ctl("hsbPowerInterval", second), right);
            if (slider->value() == was)
                return;
            const int newLower = right ? lower + 1 : std::max(lower - 1, 0);
            EXPECT_EQ(user.number(lowerBox), newLower);
            EXPECT_EQ(user.number(upperBox), right ? upper + 1 : upper - 1 >= newLower ? upper - 1 : upper);
        } else {
            // A limit typed: kept when it is one, the other limit following it across.
            const int index = pick(0, 1);
            const int typed = chance(10) ? 99999 : chance(20) ? 0 : pick(0, std::min(std::max(upper, 10) * 2, 9999));
            const QString box = index == 0 ? lowerBox : upperBox;
            const int other = index == 0 ? upper : lower;
            user.type(box, QString::number(typed));
            if (typed == 99999) {
                EXPECT_EQ(user.number(box), index == 0 ? lower : upper);
                return;
            }
            EXPECT_EQ(user.number(box), typed);
            const bool crossed = index == 0 ? typed > other : typed < other;
            EXPECT_EQ(user.number(index == 0 ? upperBox : lowerBox), crossed ? typed : other);
        }
    }
    void guess()
    {
        if (chance(20)) {
            user.click(QStringLiteral("chkCompareWithGuess"));
            return;
        }
        if (chance(10)) {
            user.click(chance(50) ? QStringLiteral("cmdGetDrawing") : QStringLiteral("cmdResetGuess"));
            return;
        }
        const int p = pick(game.first, game.lastShown());
        const QString box = at("txtGuess", p);
        if (!user.enabled(box))
            return;
        const QString before = user.text(box);
        const int n = chance(15) ? game.highestAt(p) + pick(1, 20) : pick(0, game.highestAt(p));
        const QString typed = chance(10) ? QString() : QString::number(n);
        user.type(box, typed);
        QString expected = typed;
        if (game.digits())
            expected = typed.size() == 1 ? typed : QString();
        else if (typed.isEmpty() || n > game.highestAt(p))
            expected = before;
        EXPECT_EQ(user.text(box), expected) << "typed " << typed.toStdString();
    }
    void draw()
    {
        if (chance(25)) {
            const QString before = user.text(QStringLiteral("txtColumnsToDraw"));
            const int n = chance(15) ? pick(0, 1) * 40000 : pick(1, 30);
            user.type(QStringLiteral("txtColumnsToDraw"), QString::number(n));
            EXPECT_EQ(user.text(QStringLiteral("txtColumnsToDraw")), n >= 1 && n <= 32000 ? QString::number(n) : before);
            return;
        }
        if (chance(15)) {
            user.click(QStringLiteral("chkIncrementalTicket"));
            return;
        }
        if (!user.enabled(QStringLiteral("cmdDraw")))
            return;
        const int before = user.lines().size();
        const size_t asked = messages.asked().size();
        const int n = user.number(QStringLiteral("txtColumnsToDraw"));
        const bool incremental = user.ticked(QStringLiteral("chkIncrementalTicket"));
        user.click(QStringLiteral("cmdDraw"));
        if (messages.asked().size() != asked)
            return;  // fewer columns than asked for, or none, and the user told
        const QStringList lines = user.lines();
        ASSERT_EQ(lines.size(), (incremental ? before : 0) + n);
        const bool guarantees = user.ticked(QStringLiteral("chkGuaranteeNumbers"));
        // The new columns hold to the exclusions, the guarantees and the intervals in force.
        for (int r = (incremental ? before : 0) + 1; r <= lines.size(); ++r) {
            for (bool second : drums()) {
                std::multiset<int32_t> numbers;
                int64_t sum = 0;
                for (int p = firstOf(second); p <= lastOf(second); ++p) {
                    const int32_t number = garrTicketGrid.at(r, p);
                    numbers.insert(number);
                    sum += power(p, number);
                    // A guaranteed ball stands anywhere among its drum's numbers, a digit at its position.
                    const bool guaranteedHere = game.digits() ? guarantees && user.text(at("txtGuaranteeNumber", p)) == QString::number(number)
                                                              : guaranteed(second).count(number) == 1;
                    EXPECT_TRUE(guaranteedHere || !user.ticked(ctl("chkExcludeBall", second, number))) << number;
                }
                for (int32_t g : guaranteed(second))
                    EXPECT_TRUE(numbers.count(g)) << "guaranteed " << g;
                if (!game.digits())
                    EXPECT_EQ(std::set<int32_t>(numbers.begin(), numbers.end()).size(), numbers.size());
                if (user.ticked(ctl("chkPowerInterval", second)))
                    EXPECT_TRUE(sum >= state(second).garrIntervalLimits[0] && sum <= state(second).garrIntervalLimits[1]) << sum;
            }
        }
    }
    void addOrDelete()
    {
        const QStringList before = user.lines();
        if (chance(50) || before.isEmpty()) {
            bool whole = true;
            for (int p = game.first; p <= game.lastColumn(); ++p)
                whole = whole && !user.text(at("txtGuess", p)).isEmpty();
            user.click(QStringLiteral("cmdAdd"));
            // The guess added as the last column, selected.
            ASSERT_EQ(user.lines().size(), before.size() + (whole ? 1 : 0));
            if (!whole)
                return;
            std::vector<int32_t> expected{static_cast<int32_t>(before.size()) + 1};
            for (int p = game.first; p <= game.lastColumn(); ++p)
                expected.push_back(user.number(at("txtGuess", p)));
            EXPECT_EQ(lineNumbers(user.lines().last()), expected);
            EXPECT_EQ(user.selectedLine(), before.size());
            return;
        }
        // The line clicked deleted, the one before it selected.
        const int line = pick(0, before.size() - 1);
        user.selectLine(line);
        user.click(QStringLiteral("cmdDelete"));
        ASSERT_EQ(user.lines().size(), before.size() - 1);
        if (!user.lines().isEmpty())
            EXPECT_EQ(user.selectedLine(), std::max(line - 1, 0));
    }
    void select()
    {
        if (user.lines().isEmpty())
            return;
        const int line = pick(0, user.lines().size() - 1);
        if (line == user.selectedLine())
            return;  // a click on the selected line changes nothing
        user.selectLine(line);
        // The column's powers with the totals of each drum.
        int64_t totals[2] = {0, 0};
        for (int p = game.first; p <= game.lastColumn(); ++p) {
            const int32_t n = garrTicketGrid.at(line + 1, p);
            const int32_t expected = n == 0 && !game.digits() ? 0 : power(p, n);
            EXPECT_EQ(user.number(at("lblColumnNumber", p)), expected) << p;
            totals[game.second(p)] += expected;
        }
        for (bool second : drums())
            EXPECT_EQ(user.number(ctl("lblColumnPowerTotal", second)), totals[second]);
    }
    void mark()
    {
        const bool second = game.twoDrums() && chance(40);
        front(second);
        const int b = ball(second);
        const QString picture = chance(50) ? ctl("picPowerBall", second, b) : ctl("picPoolBall", second, b);
        user.click(picture);
        bool marked = false;
        for (int row = game.lowest(); row <= highestOf(second); ++row)
            marked = marked || user.get<VbLabel>(ctl("lblPowerBall", second, row))->foreColor() == vbc::kDarkRed;
        if (marked && chance(40)) {
            // The key clicked again takes the marking off.
            user.click(picture);
            for (int row = game.lowest(); row <= highestOf(second); ++row)
                EXPECT_NE(user.get<VbLabel>(ctl("lblPowerBall", second, row))->backColor(), vbc::kLightYellow) << row;
        }
    }
    void powerRun()
    {
        if (chance(40)) {
            user.choose(QStringLiteral("cboStartDrawing"), pick(std::max(glngTotalWeeks - 60, 1), glngTotalWeeks - 1));
        } else if (chance(30)) {
            const int index = pick(0, 20);
            user.choose(QStringLiteral("cboEndDrawing"), index);
            // The date shown is that of the end drawing.
            const int32_t week = user.number(QStringLiteral("cboEndDrawing"));
            EXPECT_EQ(user.text(QStringLiteral("cboDrawingDate")), dates::toShortText(dates_.value(week)));
        } else if (chance(30)) {
            user.click(at(chance(50) ? "optHotCold" : "lblHotCold", pick(0, 1)));
        } else if (chance(30)) {
            user.click(chance(50) ? QStringLiteral("chkPowerIncrease") : QStringLiteral("lblPowerIncrease"));
        }
        user.click(QStringLiteral("cmdPower"));
        // A user's POWER starts from a plain pool.
        EXPECT_FALSE(user.ticked(QStringLiteral("chkGuaranteeNumbers")));
        EXPECT_FALSE(user.ticked(QStringLiteral("chkEqualChance")));
        for (bool second : drums())
            for (int b = game.lowest(); b <= highestOf(second); ++b)
                EXPECT_FALSE(user.ticked(ctl("chkExcludeBall", second, b))) << b;
    }
    void pool()
    {
        user.click(chance(50) ? QStringLiteral("chkEqualChance") : QStringLiteral("cmdPopulate"));
    }
    void language()
    {
        QAction *items[] = {board()->mnuLanguageEnglish, board()->mnuLanguageFrench, board()->mnuLanguageTurkish};
        items[pick(0, 2)]->trigger();
    }
    void saveAndLoad()
    {
        const QStringList lines = user.lines();
        saveTicket(QStringLiteral("walk"));
        // Every line of the ticket reads back.
        EXPECT_EQ(savedTicketLines(QStringLiteral("walk")), QStringList{QString::number(lines.size())} + lines);
        loadTicket(QStringLiteral("walk"));
        EXPECT_EQ(user.lines(), lines);
    }

    std::mt19937 rng_;
    QMap<int32_t, QDate> dates_;
};

TEST_P(Walk, EveryStepKeepsTheRules)
{
    const uint32_t seed = envNumber("TALVINOR_WALK_SEED", kSeed);
    const int steps = static_cast<int>(envNumber("TALVINOR_WALK_STEPS", kSteps));
    std::cout << "walk seed " << seed << ", " << steps << " steps\n";
    rng_.seed(seed);
    ASSERT_TRUE(open(GetParam()));
    for (const Drawing &d : gobjLotteryDb->fncLoadHistory().value())
        dates_[d.weekNo] = d.date;
    const std::pair<const char *, void (Walk::*)()> actions[] = {
        {"exclude", &Walk::exclude}, {"exclude all", &Walk::excludeAll}, {"guarantee", &Walk::guarantee},
        {"type a count", &Walk::typeCount}, {"interval", &Walk::interval}, {"guess", &Walk::guess},
        {"draw", &Walk::draw}, {"add or delete", &Walk::addOrDelete}, {"select", &Walk::select},
        {"mark", &Walk::mark}, {"power", &Walk::powerRun}, {"pool", &Walk::pool}, {"language", &Walk::language},
        {"save and load", &Walk::saveAndLoad}};
    const int weights[] = {14, 3, 10, 6, 12, 10, 10, 8, 4, 5, 3, 4, 2, 1};
    std::discrete_distribution<int> which(std::begin(weights), std::end(weights));
    rules();
    for (int step = 1; step <= steps && !HasFailure(); ++step) {
        const auto &[name, action] = actions[which(rng_)];
        SCOPED_TRACE(testing::Message() << "step " << step << ": " << name << " (seed " << seed << ")");
        (this->*action)();
        rules();
    }
}

INSTANTIATE_TEST_SUITE_P(Boards, Walk, ::testing::ValuesIn(kFamilies), gameName);

}  // namespace
