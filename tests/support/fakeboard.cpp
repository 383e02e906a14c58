#include "program/boardfactory.h"
#include "fakeboard.h"

QStringList FakeBoard::log;
std::function<void(FakeBoard &)> FakeBoard::onShow;
int FakeBoard::alive = 0;

FakeBoard::FakeBoard(GameLayout::Family f, std::shared_ptr<OpenLottery> lottery) : family(f), lottery_(std::move(lottery))
{
    ++alive;
}

FakeBoard::~FakeBoard() { --alive; }

void FakeBoard::install(std::vector<GameLayout::Family> missing)
{
    setBoardFactory([missing](GameLayout::Family f, std::shared_ptr<OpenLottery> lottery) -> IBoard * {
        for (GameLayout::Family m : missing)
            if (m == f)
                return nullptr;
        return new FakeBoard(f, std::move(lottery));
    });
}

void FakeBoard::uninstall() { useProgramBoards(); }

void FakeBoard::note(const char *what)
{
    static const char *const names[] = {"Digit", "Lotto", "TwoPool"};  // GameLayout::Family order
    log << QStringLiteral("%1 %2").arg(QLatin1String(what), QLatin1String(names[static_cast<int>(family)]));
}

void FakeBoard::showBoard()
{
    note("show");
    show();
    if (onShow)
        onShow(*this);
}

void FakeBoard::subLoadTicketTextFile() { note("ticket"); }

void FakeBoard::unloadBoard()
{
    note("unload");
    hide();
    deleteLater();
}

void FakeBoard::readBoardSettings(BoardSettings &s)
{
    note("read");
    // Everything but the items the record file takes from the lottery.
    BoardSettings c = controls;
    c.startWeek = s.startWeek;
    c.drawDate = s.drawDate;
    c.endWeek = s.endWeek;
    c.allExcluded = s.allExcluded;
    for (Drum drum : kDrums) {
        c.drum(drum).poolCountEdited = s.drum(drum).poolCountEdited;
        c.drum(drum).poolWeightSaved = s.drum(drum).poolWeightSaved;
    }
    s = c;
}

void FakeBoard::applyBoardSettings(const BoardSettings &s)
{
    note("apply");
    controls = s;
    wasReset = false;
}

void FakeBoard::resetBoardSettings(const BoardSettings &d)
{
    note("reset");
    controls = d;
    wasReset = true;
}
