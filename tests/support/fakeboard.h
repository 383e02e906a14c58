#pragma once
// A board for tests: implements IBoard without any controls. Its "controls" are one
// BoardSettings value; what the program asks of it is recorded in a shared log.

#include "dialogs/iboard.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class FakeBoard : public QWidget, public IBoard {
public:
    // A board of `family` holding `lottery` (a lottery of its own when none is given).
    explicit FakeBoard(GameLayout::Family family, std::shared_ptr<OpenLottery> lottery = std::make_shared<OpenLottery>());
    ~FakeBoard() override;

    // Installs a board factory that makes FakeBoards (or nothing, for families in `missing`).
    static void install(std::vector<GameLayout::Family> missing = {});
    // Puts the program's own factory back.
    static void uninstall();

    // What every FakeBoard was asked, in order ("show Lotto", "read Lotto", "unload Lotto" ...).
    static QStringList log;
    // Runs at every show, in place of a board's load routine.
    static std::function<void(FakeBoard &)> onShow;
    static int alive;

    QWidget *window() override { return this; }
    OpenLottery &lottery() override { return *lottery_; }
    std::shared_ptr<OpenLottery> openLottery() override { return lottery_; }
    void showBoard() override;
    void subLoadTicketTextFile() override;
    void unloadBoard() override;
    void readBoardSettings(BoardSettings &settings) override;
    void applyBoardSettings(const BoardSettings &settings) override;
    void resetBoardSettings(const BoardSettings &defaults) override;
    // What the record service loaded, put on the board as a board puts it.
    void showSettings(const SettingsToShow &shown)
    {
        shown.reset ? resetBoardSettings(shown.settings) : applyBoardSettings(shown.settings);
    }

    GameLayout::Family family;
    // The board's control values; readBoardSettings copies the control items from here.
    BoardSettings controls;
    bool wasReset = false;

private:
    void note(const char *what);

    std::shared_ptr<OpenLottery> lottery_;
};
