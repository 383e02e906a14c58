// The board window: its load routine (shared by the three boards, with their own layout step),
// colours, window size, closing, and the Language menu items.

#include "boards/common/boardbase.h"

#include "analysis/drum.h"
#include "analysis/openlottery.h"
#include "app/boardsettings.h"
#include "app/clsfilesystem.h"
#include "app/uilanguage.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "app/clsrecordfile.h"
#include "app/faulttext.h"
#include "dialogs/programmessage.h"
#include "boards/common/boardbase_analysis.h"
#include "boards/common/clslanguage.h"
#include "dialogs/startwindow.h"
#include "platform/dates.h"
#include "platform/twips.h"
#include "platform/ui/narrowfont.h"
#include "platform/ui/msgbox.h"
#include "platform/vb.h"

#include <QAction>
#include <QCloseEvent>
#include <algorithm>

namespace {

// The header elements the game uses: both table halves, or only the left one in digit games.
std::vector<int> tableHalves(const BoardDesign &design) { return design.tableHalves > 1 ? std::vector<int>{0, 1} : std::vector<int>{0}; }

// The row templates of the power table and the pool grid.
constexpr int kTemplates[] = {0, 29};

// The interval widths offered, in percent.
const QStringList &intervalPercentItems()
{
    static const QStringList items = {"1", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"};
    return items;
}

// The no-drawings notice (this lottery's database holds no drawing yet).
constexpr int kNoDrawingsMessage = 46080;

}  // namespace

bool BoardBase::usesSecondDrum() const { return hasSecondDrum() && lottery().gLayout.twoDrums(); }

std::vector<Drum> BoardBase::boardDrums() const
{
    if (hasSecondDrum())
        return {Drum::Main, Drum::Second};
    return {Drum::Main};
}

// The drums of the open game that the board shows.
std::vector<Drum> BoardBase::gameDrums() const
{
    std::vector<Drum> drums;
    for (Drum drum : boardDrums())
        if (usesDrum(drum))
            drums.push_back(drum);
    return drums;
}

// ---- IBoard: showing and unloading --------------------------------------------------------------

void BoardBase::showBoard()
{
    const bool first = !loaded_;
    if (first) {
        Form_Load();
        if (unloaded_)
            return;
    }
    show();
    if (first) {
        cmdHiddenFocus->setFocus();
        if (tellNoDrawings_)
            fncProgramMessage(this, res(kNoDrawingsMessage));
        // A damaged settings record has been read as far as it could be; the user learns which.
        if (app().gobjRecordFile && !app().gobjRecordFile->loadProblem().isEmpty())
            fncProgramMessage(this, app().gobjRecordFile->loadProblem());
    }
}

void BoardBase::unloadBoard()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Form_Unload();
    hide();
    deleteLater();
}

void BoardBase::closeEvent(QCloseEvent *event)
{
    // The title-bar close ends the program as File > Exit does.
    event->ignore();
    mnuFileExit_Click();
}

// ---- Load and unload ----------------------------------------------------------------------------

void BoardBase::Form_Load()
{
    loaded_ = true;
    subShowGameMatrix();
    subApplyStoredLanguage();
    subApplyBoardColours();
    subSetHandCursors();
    subPlaceWindow();
    subFillIntervalPercentItems();
    subLayoutForGame();
    totalsPlaced_ = true;
    subClearPositions();
    subMakeTableRows();
    // The style's polish of every control, due when the board shows, while the drawings may still
    // be read on their thread.
    for (QWidget *control : findChildren<QWidget *>())
        control->ensurePolished();
    const bool listed = fncTotalWeekNumberAndAllGameDates();
    subRestoreBoardSettings();
    subApplyOptionControls();

    // A database that could not be read has been reported by the listing; one without drawings
    // is told when the board shows.
    const bool noDrawings = !listed || lottery().glngTotalWeeks < 1;
    tellNoDrawings_ = listed && noDrawings;
    if (noDrawings) {
        // Nothing to analyse: the drawing combos stay empty and POWER is not run.
        for (VbCombo *combo : {cboStartDrawing, cboEndDrawing, cboDrawingDate})
            combo->setText(QString());
    } else {
        subCheckAnalysisWindow();
        cmdPower_Click();
    }
    subShowRestoredExclusions();
    lottery().gblnBoardInitialised = true;
    chkGuaranteeNumbers_Click();
    chkCompareWithGuess_Click();
    if (noDrawings)
        subEnableDrawingCommands(false);
    else
        subRefreshPoolsAtLoad();

    staMain->setPanelText(3, fncLotteryDescription(lottery()));

    unloadStartWindow();
    doEvents();
}

void BoardBase::Form_Unload()
{
    if (app().gobjFileSystem)
        app().gobjFileSystem->subWriteLogEvent(design_.closedEvent);
    fncSaveSettingsOrTell(this);
}

void BoardBase::subShowGameMatrix()
{
    // The numbers drawn from each drum "/" its highest number: "6/49", the second drum's "1/10".
    for (Drum drum : gameDrums()) {
        const bool second = drum == Drum::Second;
        VbLabel *matrix = this->drum(drum).lblGameMatrix;
        matrix->setCaption(second ? QStringLiteral("%1/%2").arg(lottery().glngCfgBonusCount).arg(lottery().glngCfgHighestBallBONUS)
                                  : QStringLiteral("%1/%2").arg(lottery().glngCfgNumbersDrawn).arg(lottery().glngCfgHighestBall));
        matrix->setFontSize(second ? 10 : 12);
        matrix->setFontBold(!second);
    }
}

void BoardBase::subApplyStoredLanguage()
{
    // A language the boards have no menu item for: English captions, the digit kept.
    if (!chooseStoredLanguage(app().glngLanguage))
        applyLanguageItem(0);
}

void BoardBase::subApplyBoardColours()
{
    app().gvarExcludedBackColor = static_cast<int32_t>(vbc::kExcludedGrey);
    const auto back = static_cast<uint32_t>(app().glngBackColor);
    setWindowBackColor(this, back);
    setWindowBackColor(form, back);

    auto paint = [](std::initializer_list<VbControl *> controls, uint32_t colour) {
        for (VbControl *control : controls)
            if (control)
                control->setBackColor(colour);
    };
    paint({fraDrawings, fraPool, fraGuaranteeAndInterval, fraTicketAndGuess, fraDrawingResults}, back);
    for (int i = firstPosition(); i <= lastPosition(); ++i)
        paint({lblDrawingNumberPower.at(i), lblGuessPower.at(i), lblColumnNumber.at(i)}, back);
    paint({lblDate, lblEnd, lblStart, lblDrawingPowerTotalCap, lblColumnPowerTotalCap, chkPowerIncrease,
           lblPowerIncrease, lblGuaranteeNumbers, chkGuaranteeNumbers},
          back);
    for (int i : {0, 1})
        paint({lblHotCold.at(i), optHotCold.at(i), lblPowerIncreaseMinMax.at(i)}, back);
    for (Drum drum : gameDrums()) {
        DrumControls &d = this->drum(drum);
        // The second drum's headers and exclusion templates keep a light grey of their own.
        constexpr uint32_t kSecondDrumGrey = 0xDFDFDF;
        const uint32_t headerBack = drum == Drum::Second ? kSecondDrumGrey : back;
        for (int t : kTemplates)
            paint({d.chkExcludeBall.at(t)}, headerBack);
        paint({d.lblGuessPowerTotal, d.lblDrawingPowerTotal, d.lblPowerLowest, d.lblPowerMiddle, d.lblPowerHighest,
               d.lblColumnPowerTotal, d.lblPowerInterval, d.lblPowerIntervalPctSign, d.lblPowerSliderPos,
               d.chkPowerInterval},
              back);
        if (drum == Drum::Second && d.lblPowerInterval)
            d.lblPowerInterval->setForeColor(vbc::kDarkRed);
        for (int half : tableHalves(design_))
            paint({d.lblHdrTotal.at(half), d.lblHdrStanding.at(half), d.lblHdrPowerPercent.at(half),
                   d.lblHdrLastPicked.at(half), d.lblHdrPool.at(half), d.lblHdrExclude.at(half)},
                  headerBack);
    }
}

void BoardBase::subSetHandCursors()
{
    for (Drum drum : gameDrums()) {
        DrumControls &d = this->drum(drum);
        for (int half : tableHalves(design_))
            for (VbLabel *header : {d.lblHdrTotal.at(half), d.lblHdrPowerPercent.at(half), d.lblHdrLastPicked.at(half),
                                    d.lblHdrPool.at(half), d.lblHdrExclude.at(half)})
                if (header)
                    header->setHandCursor(true);
        for (int t : kTemplates)
            for (VbPicture *picture : {d.picPowerBall.at(t), d.picPoolBall.at(t)})
                if (picture)
                    picture->setHandCursor(true);
    }
}

void BoardBase::subPlaceWindow()
{
    const ScreenMetrics metrics = fncScreenMetrics(this);
    subPlaceMainWindow(this, fncMainWindowPlacement(metrics));
}

void BoardBase::subFillIntervalPercentItems()
{
    for (Drum drum : gameDrums()) {
        VbCombo *combo = this->drum(drum).cboPowerIntervalPct;
        if (!combo)
            continue;
        combo->clear();
        for (const QString &item : intervalPercentItems())
            combo->addItem(item);
    }
}

void BoardBase::subShowPositions()
{
    const int lastNumber = lottery().gLayout.lastPosition;
    const int lastGuarantee = lottery().gLayout.lastGuaranteePosition();
    using Controls = std::initializer_list<QWidget *>;
    auto show = [](Controls controls) {
        for (QWidget *control : controls) {
            if (control) {
                control->setEnabled(true);
                control->setVisible(true);
            }
        }
    };
    const int first = firstPosition() + 3;
    for (int i = first; i <= lastNumber; ++i)
        show(Controls{lblDrawingNumber.at(i), lblDrawingNumberPower.at(i), txtGuess.at(i), lblGuessPower.at(i)});
    for (int i = first; i <= lastGuarantee; ++i)
        show(Controls{txtGuaranteeNumber.at(i), lblColumnNumber.at(i)});
}

namespace {

// Moves a control to `left` with `width` (twips) unless it stands there already.
void placeAcross(VbControl *control, int left, int width)
{
    if (control->Left() != left || control->Width() != width)
        control->Move(left, control->Top(), width, control->Height());
}

}  // namespace

int BoardBase::fncTotalWidth(const VbLabel *total, int own, int widest)
{
    const int border = total->width() - total->contentsRect().width();
    const int needed = narrowfont::naturalWidth(total->font(), total->text()) + border;
    if (needed <= twips::toPixels(own))
        return own;
    // Grown, the number keeps 2 pixels free on each side, apart from the number beside it.
    return std::clamp(twips::fromPixels(needed + 4), own, std::max(own, widest));
}

void BoardBase::subPlaceTotals()
{
    // The main drum's totals end where its last position ends. Each is as wide as its row's cell at
    // the first position, or, where its number needs more, grows to the left as far as the first
    // position.
    const int last = lottery().gLayout.lastPositionOf(Drum::Main);
    const std::pair<VbLabel *, const CtlArray<VbLabel> *> rows[] = {{main.lblDrawingPowerTotal, &lblDrawingNumberPower},
                                                                    {main.lblGuessPowerTotal, &lblGuessPower},
                                                                    {main.lblColumnPowerTotal, &lblColumnNumber}};
    for (const auto &[total, cells] : rows) {
        const VbLabel *first = cells->at(firstPosition());
        const VbLabel *end = cells->at(last);
        if (!total || !first || !end)
            continue;
        const int right = end->Left() + end->Width();
        const int width = fncTotalWidth(total, first->Width(), right - first->Left());
        placeAcross(total, right - width, width);
    }
    // A caption stands 80 twips left of its total, as wide as the design made it, or narrower
    // (its words narrowed to fit) where the total has grown so far that it would reach out of its
    // frame.
    for (const auto &[caption, total] : {std::pair{lblDrawingPowerTotalCap, main.lblDrawingPowerTotal},
                                         std::pair{lblColumnPowerTotalCap, main.lblColumnPowerTotal}}) {
        const int own = captionWidths_.try_emplace(caption, caption->Width()).first->second;
        const int width = std::clamp(total->Left() - 80, 0, own);
        placeAcross(caption, total->Left() - width - 80, width);
    }
    placeAcross(txtGuessSource, txtGuessSource->Left(),
                main.lblGuessPowerTotal->Left() - lblGuessPower[firstPosition()]->Left() - 20);
}

void BoardBase::subKeepInsideFrame(VbLabel *value, const VbShape *frame)
{
    constexpr int kBorder = 2;  // the marker frames' border, in pixels
    if (!value || !frame)
        return;
    const QRect v(value->mapTo(value->window(), QPoint(0, 0)), value->size());
    const QRect f(frame->mapTo(frame->window(), QPoint(0, 0)), frame->size());
    // The number's room: the frame's inside and a pixel more on each side, which a narrowed number
    // keeps free.
    const int left = std::max(0, f.left() + kBorder - 1 - v.left());
    const int right = std::max(0, v.right() - (f.right() - kBorder + 1));
    value->setContentsMargins(left, 0, right, 0);
    value->setNarrowToFit(true);  // fitted again to its room
}

void BoardBase::subTotalChanged()
{
    if (totalsPlaced_)
        subPlaceTotals();
}

void BoardBase::subClearPositions()
{
    const GameLayout &game = lottery().gLayout;
    const QString zero = QStringLiteral("0");
    // A cleared guess or guarantee box names no number.
    const QString none = noNumberText(game);
    for (int i = game.firstPosition; i <= game.lastPosition; ++i) {
        if (VbTextBox *box = txtGuess.at(i))
            box->setText(none);
        if (VbLabel *power = lblGuessPower.at(i))
            power->setCaption(zero);
    }
    for (int i = game.firstPosition; i <= game.lastGuaranteePosition(); ++i) {
        if (VbTextBox *box = txtGuaranteeNumber.at(i))
            box->setText(none);
        if (VbLabel *number = lblColumnNumber.at(i))
            number->setCaption(zero);
    }
    for (Drum drum : gameDrums()) {
        this->drum(drum).lblGuessPowerTotal->setCaption(zero);
        this->drum(drum).lblColumnPowerTotal->setCaption(zero);
    }
}

void BoardBase::subMakeTableRows()
{
    // Made while the drawings of the opening are still being read, in the order the first fill
    // would make them: the tables of every drum, then their pool grids.
    for (Drum drum : gameDrums())
        this->drum(drum).makePowerRows();
    for (Drum drum : gameDrums())
        this->drum(drum).makePoolRows();
}

void BoardBase::subRefreshPoolsAtLoad() { main.subRefreshPool(); }

void BoardBase::showSettings(const SettingsToShow &shown)
{
    if (shown.reset)
        resetBoardSettings(shown.settings);
    else
        applyBoardSettings(shown.settings);
}

void BoardBase::subRestoreBoardSettings()
{
    if (!app().gobjRecordFile || !app().gobjFileSystem)
        return;
    if (app().gblnTicketLoad) {
        // The board of a saved ticket begins with the empty ticket of a new board, the lottery it
        // takes over keeping nothing of the ticket shown before: the saved ticket's columns come
        // from its text file alone.
        ticket_.setTicket(TicketGrid{}, {});
        lottery().glngGridSize = 0;
        app().gobjRecordFile->subSelectRecordFile(QStringLiteral("forTICKETfile"), lottery());
        if (app().gobjFileSystem->fncFileExists(app().gstrSavedTicketsFolder + app().gstrRecordFileName))
            showSettings(app().gobjRecordFile->subLoadBoardSettings(lottery()));
        subLoadTicketTextFile();
    } else {
        app().gobjRecordFile->subSelectRecordFile(QStringLiteral("forConfigXYZfile"), lottery());
        if (app().gobjFileSystem->fncFileExists(app().gstrAppFolder + app().gstrRecordFileName))
            showSettings(app().gobjRecordFile->subLoadBoardSettings(lottery()));
        else
            resetBoardSettings(app().gobjRecordFile->subResetBoardSettings(lottery()));
    }
}

void BoardBase::subCheckAnalysisWindow()
{
    const int32_t total = lottery().glngTotalWeeks;
    const QString totalText = QString::number(total);
    if (cboStartDrawing->text().isEmpty())
        cboStartDrawing->setText(QStringLiteral("1"));
    if (cboEndDrawing->text().isEmpty())
        cboEndDrawing->setText(totalText);
    const auto start = vb::toLong(cboStartDrawing->text());
    const auto end = vb::toLong(cboEndDrawing->text());
    if (start && end && *start > *end) {
        cboStartDrawing->setText(totalText);
        cboEndDrawing->setText(totalText);
    }
    // The end drawing names the drawing; the date is only shown for it, and is set from it below:
    // a saved date that does not read back (one written in another locale's short form) leaves the
    // saved end drawing as it is (the settings read back an end that is no drawing as the newest).

    // Both drawings within 1..total, the start not after the end (a ticket saved before drawings
    // were deleted may name drawings that are gone), and the date that of the end drawing.
    const int32_t e = std::clamp(vb::toLong(cboEndDrawing->text()).value_or(total), 1, total);
    const int32_t s = std::clamp(vb::toLong(cboStartDrawing->text()).value_or(1), 1, e);
    cboStartDrawing->setText(QString::number(s));
    cboEndDrawing->setText(QString::number(e));
    const auto dateIndex = static_cast<size_t>(total + 1 - e);
    if (dateIndex < lottery().garrGameDates.size())
        cboDrawingDate->setText(dates::toShortText(lottery().garrGameDates[dateIndex]));
}

void BoardBase::subShowRestoredExclusions()
{
    for (Drum drum : gameDrums()) {
        const DrumState &state = lottery().drum(drum);
        this->drum(drum).chkExcludeBall.forEach([&](int ball, VbCheck *box) {
            if (state.garrExcluded.contains(ball))
                box->setValue(std::clamp(state.garrExcluded[ball], 0, 2));
        });
    }
}

void BoardBase::subEnableDrawingCommands(bool on)
{
    for (VbButton *button : {cmdPower, cmdPopulate, cmdDraw})
        button->setEnabled(on);
}

// ---- Language menu ----------------------------------------------------------------------------

void BoardBase::applyLanguageItem(int32_t digit)
{
    if (digit != 0)
        app().glngLanguage = digit;
    subApplyQtTranslations();
    tickLanguageItem(digit);
    subApplyLanguage();
}

void BoardBase::subApplyLanguage() { subApplyLanguageToBoard(*this); }

void BoardBase::mnuLanguageEnglish_Click() { applyLanguageItem(2); }

void BoardBase::mnuLanguageFrench_Click() { applyLanguageItem(3); }

void BoardBase::mnuLanguageTurkish_Click() { applyLanguageItem(1); }
