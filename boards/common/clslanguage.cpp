#include "boards/common/clslanguage.h"

#include "analysis/openlottery.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "boards/common/boardbase.h"

#include <QAction>
#include <QMenu>

namespace {

QString txt(int base) { return fncBoardText(base); }

void setCaption(QWidget *control, const QString &text)
{
    if (auto *frame = dynamic_cast<VbFrame *>(control))
        frame->setCaption(text);
    else if (auto *button = dynamic_cast<VbButton *>(control))
        button->setCaption(text);
    else if (auto *label = dynamic_cast<VbLabel *>(control))
        label->setCaption(text);
}

QString message(int index) { return app().garrMessages.value(index); }

// The base id of garrMessages entry k: 0..23 the board tool tips, 24..30 the lottery manager's
// title and messages.
int messageId(int k)
{
    static constexpr int kManagerIds[] = {45010, 30410, 30420, 31010, 31020, 31030, 31040};
    return k < 24 ? 30170 + 10 * k : kManagerIds[k - 24];
}

// The frames, buttons and labels that carry words; controls of one kind of board under their guard.
void captionControls(BoardBase &b, const GameLayout &game)
{
    struct Row {
        QWidget *control;
        int id;
        bool guard;
    };
    const Row rows[] = {
        {b.fraDrawings, 25030, true},
        {b.fraPool, 25040, true},
        {b.fraGuaranteeAndInterval, 25050, true},
        {b.fraTicketAndGuess, 25060, true},
        {b.fraDrawingResults, 25070, true},
        {b.cmdPower, 25080, true},
        {b.cmdPopulate, 25090, true},
        {b.cmdGetDrawing, 25100, true},
        {b.cmdAdd, 25110, true},
        {b.cmdResetGuess, 25120, true},
        {b.cmdCompare, 25130, true},
        {b.cmdDelete, 25140, true},
        {b.cmdDraw, 25150, true},
        {b.lblDrawingPowerTotalCap, 27100, true},
        {b.lblColumnPowerTotalCap, 27100, true},
        {b.lblDate, 27110, true},
        {b.lblEnd, 27120, true},
        {b.lblStart, 27130, true},
        {b.lblHotCold.at(0), 27140, true},
        {b.lblHotCold.at(1), 27150, true},
        {b.lblPowerIncrease, 27160, true},
        {b.lblPowerIncreaseMinMax.at(0), 27170, true},
        {b.lblPowerIncreaseMinMax.at(1), 27180, true},
        {b.lblGuaranteeNumbers, 27190, true},
        {b.main.lblPowerInterval, 27200, true},
        {b.bonus.lblPowerInterval, 27230, game.twoDrums()},
    };
    for (const Row &row : rows)
        if (row.guard)
            setCaption(row.control, txt(row.id));
}

// The Total caption and the tool tips of the headers of one half of a power table.
void captionTableHeaders(DrumControls &drum, int half)
{
    if (VbLabel *total = drum.lblHdrTotal.at(half))
        total->setCaption(txt(25000));
    setToolTips({drum.lblHdrTotal.at(half)}, message(0));
    setToolTips({drum.lblHdrStanding.at(half)}, message(1));
    setToolTips({drum.lblHdrPowerPercent.at(half)}, message(2));
    setToolTips({drum.lblHdrLastPicked.at(half)}, message(3));
    setToolTips({drum.lblHdrExclude.at(half)}, message(10));
}

// A pool-grid header after the view of its grid: shares ("Pool %") or counts ("Pool n").
void captionPoolHeader(VbLabel *header, bool countView)
{
    if (!header)
        return;
    header->setCaption(txt(countView ? 25020 : 25010));
    header->setToolTip(message(countView ? 19 : 18));
}

}  // namespace

QString fncBoardText(int base) { return resources::text(base + fncBoardLanguage()); }

void setToolTips(std::initializer_list<QWidget *> controls, const QString &text)
{
    for (QWidget *control : controls)
        if (control)
            control->setToolTip(text);
}

int32_t fncBoardLanguage() { return app().glngLanguage >= 1 && app().glngLanguage <= 3 ? app().glngLanguage : 2; }

QString fncTitleBeforeBracket(const QString &title)
{
    const qsizetype bracket = title.indexOf(u'(');
    return bracket >= 0 ? title.left(bracket) : title;
}

void subSetStateToolTip(std::initializer_list<QWidget *> controls, bool ticked, int whenTicked, int whenClear)
{
    setToolTips(controls, message(ticked ? whenTicked : whenClear));
}

QString fncLotteryDescription(const OpenLottery &lottery)
{
    return lottery.gstrCountryName + QStringLiteral(" - ") + lottery.gstrLotteryName + QStringLiteral(" - ")
           + fncTitleBeforeBracket(lottery.gstrGameTitle);
}

void subApplyLanguageToBoard(BoardBase &b)
{
    const GameLayout &game = b.lottery().gLayout;
    // A drum's table has a right half beyond ball 28; the main pool grid shows both halves on
    // every board of two halves.
    auto tableRightHalf = [&](Drum d) { return (d == Drum::Second ? game.highestSecond : game.highestMain) > 28; };
    auto poolRightHalf = [&](Drum d) { return d == Drum::Main ? b.design().tableHalves > 1 : tableRightHalf(d); };

    // 2. Window caption.
    app().gstrWindowCaption = txt(10100) + QStringLiteral(" - ") + fncLotteryDescription(b.lottery());
    b.setWindowTitle(app().gstrWindowCaption);

    // 3. Shared strings.
    app().gstrHelpTitle = txt(35010);
    app().gstrHelpFile = txt(35020);
    app().gstrLoadedTicketText = txt(30430);

    // 4, 5. Menus, then frames, buttons and labels.
    b.captionMenus(txt);
    captionControls(b, game);

    // 6. The message table, before any tool tip is taken from it.
    if (app().garrMessages.size() != kMessageCount)
        app().garrMessages = QStringList(kMessageCount);
    for (int k = 0; k < kMessageCount; ++k)
        app().garrMessages[k] = txt(messageId(k));

    // 7. Table headers: main table halves, then second-drum table halves.
    for (Drum d : game.drums()) {
        captionTableHeaders(b.drum(d), 0);
        if (tableRightHalf(d))
            captionTableHeaders(b.drum(d), 1);
    }

    // 8. Option tool tips, worded after the present state.
    for (Drum d : game.drums())
        subSetStateToolTip({b.drum(d).chkPowerInterval, b.drum(d).lblPowerInterval}, b.lottery().drum(d).gblnPowerInterval, 8,
                           9);
    subSetStateToolTip({b.chkEqualChance}, b.lottery().gblnEqualChance, 4, 5);
    setToolTips({b.optHotCold.at(0), b.lblHotCold.at(0)}, message(11));
    setToolTips({b.optHotCold.at(1), b.lblHotCold.at(1)}, message(12));
    subSetStateToolTip({b.chkGuaranteeNumbers, b.lblGuaranteeNumbers}, b.lottery().gblnGuaranteeNumbers, 6, 7);
    subSetStateToolTip({b.chkCompareWithGuess}, b.lottery().gblnCompareWithGuess, 13, 14);
    subSetStateToolTip({b.chkIncrementalTicket}, b.lottery().gblnIncrementalTicket, 15, 16);

    // 9. The column limit.
    setToolTips({b.txtColumnsToDraw}, message(17) + QString::number(kMaxTicketColumns));

    // 10. Pool-grid headers (the main grid's right half on every lotto board).
    for (Drum d : game.drums()) {
        captionPoolHeader(b.drum(d).lblHdrPool.at(0), b.lottery().drum(d).gblnPoolCountView);
        if (poolRightHalf(d))
            captionPoolHeader(b.drum(d).lblHdrPool.at(1), b.lottery().drum(d).gblnPoolCountView);
    }

    // 11. Power increase.
    subSetStateToolTip({b.chkPowerIncrease, b.lblPowerIncrease}, b.lottery().gblnPowerIncrease, 20, 21);

    // 12. Status panels 1 and 2.
    b.staMain->setPanelText(1, txt(36010) + b.cboStartDrawing->text() + txt(36020) + b.cboEndDrawing->text()
                                   + txt(36030) + b.cboDrawingDate->text());
    if (game.twoDrums() && !b.lottery().gblnMainPoolView)
        b.staMain->setPanelText(2, txt(36050) + QString::number(b.lottery().drum(Drum::Second).glngPoolTotal));
    else
        b.staMain->setPanelText(2, txt(36040) + QString::number(b.lottery().drum(Drum::Main).glngPoolTotal));
}
