// A random walk of user actions over each board, the rules that must always hold checked after
// every step, and what each action promises checked right after it. The seed is fixed and printed;
// TALVINOR_WALK_SEED and TALVINOR_WALK_STEPS give another seed and a longer walk (scripts/walk).

#include "games.h"

#include "analysis/clslotterydb.h"
#include "analysis/interval.h"
#include "analysis/pool.h"
#include "app/application.h"
#include "platform/dates.h"

#include <QScrollBar>
#include <algorithm>
#include <functional>
#include <random>
#include <set>

namespace {

const uint32_t kSeed = 20260507u;
const int kSteps = 300;
// The messages of a DRAW refused before any column is made.
const int kRefusals[] = {47040, 47050, 47060, 47070};

uint32_t envNumber(const char *name, uint32_t fallback)
{
    bool ok = false;
    const uint32_t n = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? n : fallback;
}

class Walk : public BoardTest, public ::testing::WithParamInterface<Game> {
public:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    int ball(bool second) { return pick(game.lowest(), highestOf(second)); }
    // A position of a ticket column, most often one of the first two of a drum.
    int position()
    {
        if (chance(30))
            return pick(game.first, game.lastColumn());
        const bool second = game.twoDrums() && chance(40);
        return firstOf(second) + pick(0, 1);
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
        if (user.ticked(QStringLiteral("chkGuaranteeNumbers")) == chance(10)) {
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
        // A count up to 99999 is taken; a larger one leaves the count as it was.
        const int before = shownCount(second, b);
        const int typed = chance(10) ? 99999 + pick(0, 1) : pick(0, 40);
        user.key(Qt::Key_A, Qt::ControlModifier);
        user.keys(QString::number(typed));
        user.leave();
        const int count = typed > 99999 ? before : typed;
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
            auto *slider = user.get<QScrollBar>(ctl("hsbPowerInterval", second));
            if (chance(40)) {  // from a lower limit of 0, with room to the left
                if (slider->value() == slider->minimum())
                    user.step(ctl("hsbPowerInterval", second), true);
                user.type(lowerBox, QStringLiteral("0"));
            }
            const int low = user.number(lowerBox), high = user.number(upperBox);
            const int was = slider->value();
            const bool right = was == slider->minimum() || (was < slider->maximum() && chance(50));
            user.step(ctl("hsbPowerInterval", second), right);
            if (slider->value() == was)
                return;
            const int newLower = right ? low + 1 : std::max(low - 1, 0);
            EXPECT_EQ(user.number(lowerBox), newLower);
            EXPECT_EQ(user.number(upperBox), right ? high + 1 : high - 1 >= newLower ? high - 1 : high);
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
        if (user.ticked(QStringLiteral("chkCompareWithGuess")) == chance(10)) {
            user.click(QStringLiteral("chkCompareWithGuess"));
            return;
        }
        if (chance(10)) {
            user.click(chance(50) ? QStringLiteral("cmdGetDrawing") : QStringLiteral("cmdResetGuess"));
            return;
        }
        const int p = chance(70) ? position() : pick(game.first, game.lastShown());
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
        const QStringList old = user.lines();
        const int before = old.size();
        const int asked = messages.texts().size();
        const int n = user.number(QStringLiteral("txtColumnsToDraw"));
        const bool incremental = user.ticked(QStringLiteral("chkIncrementalTicket"));
        user.click(QStringLiteral("cmdDraw"));
        ++draws_;
        // A refused DRAW leaves the ticket; one that warned (fewer columns possible, or the run
        // gave up) adds fewer columns, which hold to the same rules.
        const QStringList told = messages.texts().mid(asked);
        if (std::any_of(std::begin(kRefusals), std::end(kRefusals), [&](int id) { return told.contains(res(id)); })) {
            EXPECT_EQ(user.lines(), old);
            return;
        }
        const QStringList lines = user.lines();
        const int kept = incremental ? before : 0;
        if (told.isEmpty()) {
            ASSERT_EQ(lines.size(), kept + n);
        }
        ASSERT_TRUE(lines.size() >= kept && lines.size() <= kept + n) << told.join(u'\n').toStdString();
        checkedDraws_ += lines.size() > kept;
        warnedDraws_ += !told.isEmpty() && lines.size() > kept;
        const bool guarantees = user.ticked(QStringLiteral("chkGuaranteeNumbers"));
        // The new columns hold to the exclusions, the guarantees and the intervals in force.
        for (int r = kept + 1; r <= lines.size(); ++r) {
            for (bool second : drums()) {
                std::multiset<int32_t> numbers;
                int64_t sum = 0;
                for (int p = firstOf(second); p <= lastOf(second); ++p) {
                    const int32_t number = lottery().garrTicketGrid.at(r, p);
                    numbers.insert(number);
                    sum += power(p, number);
                    // A guaranteed ball stands anywhere among its drum's numbers, a digit at its position.
                    const bool guaranteedHere = game.digits() ? guarantees && user.text(at("txtGuaranteeNumber", p)) == QString::number(number)
                                                              : guaranteed(second).count(number) == 1;
                    EXPECT_TRUE(guaranteedHere || !user.ticked(ctl("chkExcludeBall", second, number))) << number;
                }
                for (int32_t g : guaranteed(second))
                    EXPECT_TRUE(numbers.count(g)) << "guaranteed " << g;
                if (!game.digits()) {
                    EXPECT_EQ(std::set<int32_t>(numbers.begin(), numbers.end()).size(), numbers.size());
                }
                if (user.ticked(ctl("chkPowerInterval", second))) {
                    EXPECT_TRUE(sum >= state(second).garrIntervalLimits[0] && sum <= state(second).garrIntervalLimits[1]) << sum;
                }
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
        if (!user.lines().isEmpty()) {
            EXPECT_EQ(user.selectedLine(), std::max(line - 1, 0));
        }
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
            const int32_t n = lottery().garrTicketGrid.at(line + 1, p);
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
            user.choose(QStringLiteral("cboStartDrawing"), pick(std::max(lottery().glngTotalWeeks - 60, 1), lottery().glngTotalWeeks - 1));
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
        // The window runs forward; a user's POWER starts from a plain pool.
        EXPECT_LE(user.number(QStringLiteral("cboStartDrawing")), user.number(QStringLiteral("cboEndDrawing")));
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
        QAction *items[] = {user.menuItem(QStringLiteral("mnuLanguageEnglish")), user.menuItem(QStringLiteral("mnuLanguageFrench")), user.menuItem(QStringLiteral("mnuLanguageTurkish"))};
        items[pick(0, 2)]->trigger();
    }
    void saveAndLoad()
    {
        const QStringList lines = user.lines();
        saveTicket(QStringLiteral("walk"));
        // Every line of the ticket reads back.
        EXPECT_EQ(user.savedTicketLines(QStringLiteral("walk")), QStringList{QString::number(lines.size())} + lines);
        loadTicket(QStringLiteral("walk"));
        EXPECT_EQ(user.lines(), lines);
    }

    std::mt19937 rng_;
    QMap<int32_t, QDate> dates_;
    int draws_ = 0, checkedDraws_ = 0, warnedDraws_ = 0;  // DRAWs clicked, of them with new columns checked, warned
};

TEST_P(Walk, EveryStepKeepsTheRules)
{
    const uint32_t seed = envNumber("TALVINOR_WALK_SEED", kSeed);
    const int steps = static_cast<int>(envNumber("TALVINOR_WALK_STEPS", kSteps));
    std::cout << "walk seed " << seed << ", " << steps << " steps\n";
    rng_.seed(seed);
    ASSERT_TRUE(open(GetParam()));
    const History history = app().gobjLotteryDb->fncLoadHistory().value_or(History{});
    for (const Drawing &d : history)
        dates_[d.weekNo] = d.date;
    const std::pair<const char *, void (Walk::*)()> actions[] = {
        {"exclude", &Walk::exclude}, {"exclude all", &Walk::excludeAll}, {"guarantee", &Walk::guarantee},
        {"type a count", &Walk::typeCount}, {"interval", &Walk::interval}, {"guess", &Walk::guess},
        {"draw", &Walk::draw}, {"add or delete", &Walk::addOrDelete}, {"select", &Walk::select},
        {"mark", &Walk::mark}, {"power", &Walk::powerRun}, {"pool", &Walk::pool}, {"language", &Walk::language},
        {"save and load", &Walk::saveAndLoad}};
    const int weights[] = {14, 3, 10, 6, 12, 10, 10, 8, 4, 5, 3, 4, 2, 1};
    std::discrete_distribution<int> which(std::begin(weights), std::end(weights));
    expectRules();
    for (int step = 1; step <= steps && !HasFailure(); ++step) {
        const auto &[name, action] = actions[which(rng_)];
        SCOPED_TRACE(testing::Message() << "step " << step << ": " << name << " (seed " << seed << ")");
        (this->*action)();
        expectRules();
    }
    // A third of the DRAWs at least added columns to check.
    std::cout << draws_ << " DRAWs, the new columns of " << checkedDraws_ << " checked (" << warnedDraws_ << " warned)\n";
    EXPECT_TRUE(draws_ < 10 || 3 * checkedDraws_ >= draws_);
}

INSTANTIATE_TEST_SUITE_P(Boards, Walk, ::testing::ValuesIn(kBoards), gameName);

// The slider's step itself: the limit boxes would put back a limit it took out of its range.
TEST(SliderStep, NeverTakesALimitOutOfItsRange)
{
    const struct {
        IntervalLimits from;
        bool down;
        IntervalLimits to;
    } cases[] = {{{0, 5}, true, {0, 4}}, {{0, 0}, true, {0, 0}}, {{7, 7}, true, {6, 6}}, {{9998, 9999}, false, {9999, 9999}}};
    for (const auto &c : cases)
        EXPECT_EQ(slideIntervalLimits(c.from, c.down, 9999), c.to) << c.from.lower << ".." << c.from.upper;
}

}  // namespace
