#pragma once
// The sample lotteries as their users know them, and a board test: the program with the samples,
// one of them open on its own board, and a user at it.

#include "analysis/state.h"
#include "app/resstrings.h"
#include "dialogs/frmfilemanager.h"
#include "support/boarduser.h"
#include "support/modal.h"

#include <QTest>
#include <ostream>

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
};

inline void PrintTo(const Game &g, std::ostream *os) { *os << g.code; }

inline const Game kLotto{"Sample Lotto 6-49.mdb", "610", 1, 6, 1, 49, 0};
inline const Game kTwoDrum{"Sample Two-Drum 5-50 + 2-12.mdb", "2P520", 1, 5, 2, 50, 12};
inline const Game kTwoDrumOne{"Sample Two-Drum 6-49 + 1-10.mdb", "2P610", 1, 6, 1, 49, 10};
inline const Game kSevenNumbers{"Sample Lotto 7-35.mdb", "700", 1, 7, 0, 35, 0};
inline const Game kTwoBonus{"Sample Lotto 6-49 Two Bonus.mdb", "620", 1, 6, 2, 49, 0};
inline const Game kPick3{"Sample Pick 3.mdb", "130", 0, 3, 0, 9, 0};
inline const Game kPick4{"Sample Pick 4.mdb", "140", 0, 4, 0, 9, 0};
// One game of each board.
inline const Game kFamilies[] = {kLotto, kTwoDrum, kPick3};
inline const Game kSamples[] = {kLotto, kTwoDrum, kTwoDrumOne, kSevenNumbers, kTwoBonus, kPick3, kPick4};

inline std::string gameName(const ::testing::TestParamInfo<Game> &info) { return std::string("Code") + info.param.code; }

class BoardTest : public ::testing::Test {
protected:
    // Opens the sample of the game on its board.
    bool open(const Game &g)
    {
        game = g;
        const bool shown = user.open(QString::fromLatin1(g.file)) != nullptr;
        EXPECT_TRUE(shown) << messages.texts().join(u'\n').toStdString();
        return shown;
    }
    BoardBase *board() const { return user.board(); }
    static QString at(const char *name, int index) { return BoardUser::at(QString::fromLatin1(name), index); }
    // A control of the drum of `position`, with its index.
    QString atDrum(const char *name, int position, int index) const
    {
        return BoardUser::at(Game::of(name, game.second(position)), index);
    }
    // The pick count of `number` in the drum of `position` (the power the board shows for it).
    int32_t power(int position, int32_t number) const
    {
        return drumState(game.second(position) ? Drum::Second : Drum::Main).garrPickCount.value(number, 0);
    }
    // Ticket > Save under `name`, or Ticket > Load of `name`, through the file dialog.
    void saveTicket(const QString &name)
    {
        messages.answerNext(msgbox::kYes);
        whenModal<frmFileManager>([name](frmFileManager *dialog) {
            dialog->txtName->setFocus();
            QTest::keyClicks(dialog->txtName, name);
            dialog->cmdSave->click();
        });
        board()->mnuTicketSave->trigger();
    }
    void loadTicket(const QString &name)
    {
        messages.answerNext(msgbox::kYes);
        whenModal<frmFileManager>([name](frmFileManager *dialog) {
            const int row = static_cast<int>(dialog->lstNames->lines().indexOf(name));
            ASSERT_GE(row, 0) << name.toStdString();
            dialog->lstNames->setListIndex(row);
            dialog->cmdLoad->click();
        });
        board()->mnuTicketLoad->trigger();
        user.activate();  // the new board in front
    }

    SampleWorld world;
    MessageBoxScript &messages = world.messages;
    BoardUser user{world};
    Game game = kLotto;
};
