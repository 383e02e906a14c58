#pragma once
// What the three boards (lotto, two-pool, digit) share: one control vocabulary, one set of
// handlers, and the routines the analysis core, the record file, the file dialog and the language
// routine use on the board in front.
//
// Controls keep the names and indexes of the board design. Per-position arrays run 1..8 on the
// lotto and two-pool boards and 0..7 on the digit board. Table rows (power table, pool grid) are
// created at run time from the template elements 0 and 29. The controls of a drum (tables,
// exclusions, power interval, totals) and their handlers are its DrumView: `main` for the main drum
// (the digits on the digit board), `bonus` for the second drum of the two-pool board (the controls
// that carry the suffix BONUS). Controls a board does not have stay nullptr (or absent from their
// array).

#include "analysis/comparison.h"
#include "analysis/drum.h"
#include "analysis/recalc.h"
#include "analysis/ticketfile.h"
#include "boards/common/drumview.h"
#include "boards/common/ticketmodel.h"
#include "dialogs/iboard.h"
#include "dialogs/programmenus.h"
#include "platform/ui/controls.h"
#include "platform/ui/ctlarray.h"
#include "platform/ui/screen.h"
#include "platform/ui/statusbar.h"

#include <QMainWindow>
#include <map>
#include <vector>

class QAction;
class QMenu;

// What sets one board window apart from the others in the shared code: the index range of its
// position controls, its table halves, whether it has the second drum's controls, the pool's ways
// that only the lotto board has, and the event its closing logs.
struct BoardDesign {
    int firstPosition = 1;  // per-position arrays firstPosition..lastPosition
    int lastPosition = 8;
    // Two table halves (template rows 0 and 29), or one half whose template row 0 is the row of
    // the first ball (the digit board).
    int tableHalves = 2;
    bool secondDrum = false;
    // Counts typed into the pool survive POWER until POPULATE, and a double click on an excluded
    // ball's share puts the cursor into its count.
    bool lottoPoolWays = false;
    // An excluded ball saved without a count shows no share at all.
    bool blankShareWithoutCount = false;
    // One result box takes the whole comparison summary; the second stays empty.
    int summaryBoxes = 2;
    int32_t closedEvent = 0;  // the event the board's closing writes to the event log
};

class BoardBase;

// The board in front as the shared board type, or nullptr when no board is open.
BoardBase *boardInFront();

class BoardBase : public QMainWindow, public IBoard, public ProgramMenus {
public:
    ~BoardBase() override;

    const BoardDesign &design() const { return design_; }
    // First and last index of the per-position arrays (1..8, or 0..7 on the digit board).
    int firstPosition() const { return design_.firstPosition; }
    int lastPosition() const { return design_.lastPosition; }
    bool hasSecondDrum() const { return design_.secondDrum; }
    // The board's second drum is in use: the open game draws from two drums.
    bool usesSecondDrum() const;

    // IBoard
    QWidget *window() override { return this; }
    // The lottery whose board it is.
    OpenLottery &lottery() override { return *lottery_; }
    const OpenLottery &lottery() const { return *lottery_; }
    std::shared_ptr<OpenLottery> openLottery() override { return lottery_; }

    // ---- Control vocabulary ---------------------------------------------------------------
    QWidget *form = nullptr;  // the client area: every control's coordinates are relative to it

    DrumView main{*this, Drum::Main};
    DrumView bonus{*this, Drum::Second};  // controls on the two-pool board only

    VbShape *shpPowerPanel = nullptr;
    VbShape *shpPoolPanel = nullptr;
    VbShape *shpGameMatrixFrameBONUS = nullptr;  // two-pool board only
    CtlArray<VbShape> shpBonusMarkA;  // 0..5
    CtlArray<VbShape> shpBonusMarkB;  // 0..5
    VbLine *Line1 = nullptr;
    VbLine *Line2 = nullptr;
    VbLine *Line3 = nullptr;
    VbLine *Line4 = nullptr;

    // Frame "DRAWINGS": analysis window, POWER, hot/cold, the end drawing.
    VbFrame *fraDrawings = nullptr;
    VbCombo *cboStartDrawing = nullptr;
    VbCombo *cboEndDrawing = nullptr;
    VbCombo *cboDrawingDate = nullptr;
    VbLabel *lblStart = nullptr;
    VbLabel *lblEnd = nullptr;
    VbLabel *lblDate = nullptr;
    VbButton *cmdPower = nullptr;
    CtlArray<VbOption> optHotCold;   // 0 hot, 1 cold
    CtlArray<VbLabel> lblHotCold;    // 0, 1
    CtlArray<VbLabel> lblDrawingNumber;       // positions
    CtlArray<VbLabel> lblDrawingNumberPower;  // positions
    VbLabel *lblDrawingPowerTotalCap = nullptr;

    // Frame "POOL".
    VbFrame *fraPool = nullptr;
    VbButton *cmdPopulate = nullptr;
    VbCheck *chkEqualChance = nullptr;
    VbCheck *chkPowerIncrease = nullptr;
    VbLabel *lblPowerIncrease = nullptr;
    VbScrollBar *hsbPowerIncrease = nullptr;
    CtlArray<VbLabel> lblPowerIncreaseMinMax;  // 0 "Min", 1 "Max"

    // Frame "GUARANTEE NUMBERS & POWER INTERVAL" (the interval controls are in main/bonus).
    VbFrame *fraGuaranteeAndInterval = nullptr;
    VbCheck *chkGuaranteeNumbers = nullptr;
    VbLabel *lblGuaranteeNumbers = nullptr;
    CtlArray<VbTextBox> txtGuaranteeNumber;  // positions

    // Frame "TICKET & GUESS".
    VbFrame *fraTicketAndGuess = nullptr;
    CtlArray<VbTextBox> txtGuess;      // positions
    CtlArray<VbLabel> lblGuessPower;   // positions
    VbTextBox *txtGuessSource = nullptr;
    VbButton *cmdGetDrawing = nullptr;
    VbButton *cmdResetGuess = nullptr;
    VbCheck *chkCompareWithGuess = nullptr;
    VbTextBox *txtColumnsToDraw = nullptr;
    VbCheck *chkIncrementalTicket = nullptr;
    VbButton *cmdDraw = nullptr;
    VbButton *cmdAdd = nullptr;
    VbButton *cmdDelete = nullptr;
    VbButton *cmdCompare = nullptr;
    VbList *lstTicket = nullptr;
    CtlArray<VbLabel> lblColumnNumber;  // positions
    VbLabel *lblColumnPowerTotalCap = nullptr;

    // Frame "DRAWING RESULTS".
    VbFrame *fraDrawingResults = nullptr;
    CtlArray<VbTextArea> txtResults;  // 0, 1

    VbButton *cmdHiddenFocus = nullptr;
    VbStatusBar *staMain = nullptr;  // panels 1..3


    // The drum's view: `main`, or `bonus` for the second drum.
    DrumView &drum(Drum d) { return d == Drum::Second ? bonus : main; }
    const DrumView &drum(Drum d) const { return d == Drum::Second ? bonus : main; }
    // The drums whose controls the board has: the main drum, and the second drum on the two-pool
    // board.
    std::vector<Drum> boardDrums() const;
    // The drum is on the board and the open game draws from it.
    bool usesDrum(Drum d) const { return d == Drum::Main || usesSecondDrum(); }
    // The drums of the open game that the board shows.
    std::vector<Drum> gameDrums() const;

    // ---- Window, start-up, colours, language menus, option flags ---------------------------
    void wireWindowHandlers();

    // IBoard: the first show runs Form_Load; unloading runs Form_Unload once, then hides the
    // board and deletes it later. The three record-file functions work over the vocabulary for
    // every family (see iboard.h).
    void showBoard() override;
    void unloadBoard() override;
    void readBoardSettings(BoardSettings &settings) override;
    void applyBoardSettings(const BoardSettings &settings) override;
    void resetBoardSettings(const BoardSettings &defaults) override;

    // The load routine, run by the first showBoard(): game matrix, language, colours, hand
    // cursor, window size, interval percent items, the layout of the game (board's own step),
    // cleared positions, the drawings listed, the settings restored (lottery or ticket), the
    // analysis window checked, POWER, the board initialised, the guarantee and compare options
    // and the pool applied, status panel 3, and the start window unloaded.
    void Form_Load();
    // Logs the board's closing event and keeps the language and the last-used lottery.
    void Form_Unload();
    // The board's colours (the digit board adds its Straight/Boxed pair).
    virtual void subApplyBoardColours();
    // The board captioned in the present language (the digit board adds its Straight/Boxed pair).
    virtual void subApplyLanguage();

    // File > Language items: set glngLanguage, tick the item and caption the board.
    void mnuLanguageEnglish_Click();
    void mnuLanguageFrench_Click();
    void mnuLanguageTurkish_Click();

    // Option boxes: copy the state into their global and word the tool tip after it. The digit
    // board has rules of its own for its guaranteed digits.
    virtual void chkGuaranteeNumbers_Click();
    void chkCompareWithGuess_Click();

protected:
    // Board-specific steps of the load routine. The game-matrix captions, first of all (default:
    // the configured numbers drawn "/" the configured highest ball, 12 points, bold; with a second
    // drum its tab the bonus count "/" its highest ball, 10 points).
    virtual void subShowGameMatrix();
    // The layout of the open game: positions in use, totals, markers (default: nothing).
    virtual void subLayoutForGame() {}
    // The pools shown at the end of the load (default: the main drum's subRefreshPool).
    virtual void subRefreshPoolsAtLoad();

    // Shared layout helpers for the boards' own layout step.
    // Enables and shows the position elements from the fourth position on: up to the last
    // position of the game for the drawing and guess rows, up to the last guarantee position for
    // the guarantee and column rows.
    void subShowPositions();
    // Places the three power totals of the main drum against its last position, each as wide as
    // its number needs where its own width is too narrow, the captions left of them, and sizes
    // txtGuessSource up to the guess total; the two-pool board places its second drum's totals
    // too. Run again whenever a total's number changes.
    virtual void subPlaceTotals();
    // The width (twips) of a power total: `own` where its number fits, else as wide as the number
    // needs with 2 pixels free on each side, up to `widest` (never below `own`).
    static int fncTotalWidth(const VbLabel *total, int own, int widest);
    // A position's value that a marker frame surrounds keeps its number inside the frame: a number
    // that fits the value stands where it stands, a narrowed one within the frame's border.
    static void subKeepInsideFrame(VbLabel *value, const VbShape *frame);

    void closeEvent(QCloseEvent *event) override;

public:

    // ---- POWER, power table, pool, DRAW, comparison -----------------------------------------
    // Connects the handlers below to their controls (rows created later included).
    void wireAnalysisHandlers();

    // POWER and the analysis window (the drawing combos), the end drawing and its powers.
    void cmdPower_Click();
    void cboEndDrawing_Click();
    void cboStartDrawing_Click();
    void cboEndDrawing_Change();
    void cboStartDrawing_Change();
    void cboDrawingDate_Click();
    void cboDrawingDate_GotFocus();
    void cboDrawingDate_LostFocus();
    // Copies the end drawing into the guess; a drawing that could not be read changes no box and
    // is named in the status bar.
    void cmdGetDrawing_Click();
    void optHotCold_Click(int Index);
    void lblHotCold_Click(int Index);
    // A click on the caption of option `Index` of a pair (0 or 1) selects that option when the
    // other one is selected.
    static void subSelectOptionOfPair(CtlArray<VbOption> &pair, int Index);
    void chkPowerIncrease_Click();
    void lblPowerIncrease_Click();

    // Pool: POPULATE (every pool of the game filled again from the powers, or recounted under
    // Equal Chance) and Equal Chance.
    void cmdPopulate_Click();
    void chkEqualChance_Click();
    // Focus parked on the hidden button: the "Pool n" view of the pool in view ends.
    void cmdHiddenFocus_GotFocus();

    // DRAW: new columns through the progress dialog, then the whole ticket compared.
    void cmdDraw_Click();
    void chkIncrementalTicket_Click();
    void txtColumnsToDraw_GotFocus();
    void txtColumnsToDraw_Change();
    void txtColumnsToDraw_LostFocus();

    // Comparison of the ticket with the end drawing or the guess.
    void cmdCompare_Click();
    void subResetColumnLabels();
    // The whole ticket compared under the rule of the game in front (ticketComparisonLayout).
    void subCompareTicket();

    // ---- Ticket edited by hand and the selected column ----------------------------------------
    void wireTicketHandlers();
    // Appends the guess (the positions a column holds) as a new column and selects it: on lotto
    // games a box that names no number of its drum counts as 0, on digit games a guess without a
    // digit at every position adds nothing; a full ticket (32000 columns) takes no more.
    void cmdAdd_Click();
    // Removes the selected column and selects the one before it (or the first); does nothing
    // while no line is selected.
    void cmdDelete_Click();
    // Shows the selected column: the power of each of its numbers with the drum totals, and its
    // hits marked among the compare numbers of the mode in use.
    void lstTicket_Click();
    // How the open game compares a column (the digit board: Straight or Boxed as chosen).
    virtual ComparisonLayout ticketComparisonLayout() const;

    QString mstrColumnsToDraw = QStringLiteral("10");
    QString mstrDrawingDate;

    // ---- Guaranteed numbers, DRAW's enabled state ---------------------------------------------
    void wireGuaranteeHandlers();
    void lblGuaranteeNumbers_Click();
    virtual void txtGuaranteeNumber_GotFocus(int Index);
    virtual void txtGuaranteeNumber_LostFocus(int Index);
    // The guaranteed ball of a guarantee box as the board takes it: the number when it is a ball
    // of the position's drum, else 0.
    int32_t guaranteedBall(int position) const;
    // DRAW can run: the lottery has drawings and every drum of the game has enough drawable balls
    // (count above 0, not excluded) for its positions that no guarantee fills.
    bool canDraw() const;
    // DRAW enabled exactly when it can run.
    void subUpdateDrawEnabled();
    int32_t mlngGuaranteeBefore = 0;  // the number a guarantee box held when it took the focus

    // ---- Menus and saved tickets ------------------------------------------------------------
    // Every menu handler first parks the focus (subParkFocus), so that a box emptied when it took
    // the focus gets its value back before anything is saved, printed or exported.
    void wireMenuHandlers();
    // Moves the keyboard focus to cmdHiddenFocus: the box that had it runs its LostFocus check.
    void subParkFocus();
    // Reads the text file of the saved ticket gstrTicketName (of the open lottery) into the ticket
    // (garrTicketGrid and garrTicketLines, which lstTicket shows) and glngGridSize when it exists;
    // every line is checked and reading stops at the first line that is not a column of the open
    // game, so that the three always agree. With a ticket being loaded (gblnTicketLoad) the caption names the ticket.
    void subLoadTicketTextFile() override;
    // After subLoadTicketTextFile: the message for a ticket file that could not be read whole
    // (empty when it was read whole or did not exist).
    QString ticketReadProblem() const override { return ticketReadProblem_; }
    void takeTicketReadAhead(TicketReadAhead ahead) override { ticketAhead_ = std::move(ahead); }
    QStringList ticketLines() const override;
    // POWER's recalculation over the analysis window of the drawing combos, shown (power tables,
    // pool grids, power intervals of every drum of the game). False, with the tables as they were,
    // when the results cannot be read or the window is refused (the user is told).
    bool subRecalculateAll();
    // Lists the drawings in the three drawing combos (newest first), only while the board is not
    // initialised; connects the results database. False, after telling the user, when the
    // drawings cannot be read.
    bool fncTotalWeekNumberAndAllGameDates();
    // The analysis window as the drawing combos hold it, with the power-increase level; a text
    // that is not a number gives the first or the newest drawing, a date that is not in the list
    // the date of the end drawing.
    RecalcInputs analysisWindow();
    // Puts the results of a recalculation on the board: the power table, the pool grid and the
    // power interval of every drum of the game.
    void showRecalculation();
    // Lists the drawings, newest first, in the three drawing combos: `dates` holds the newest
    // drawing's date at 1 (element 0 unused), `total` drawings.
    bool listDrawings(const std::vector<QDate> &dates, int32_t total);
    // Takes the hit marks off the guess boxes, or off the drawing-number labels.
    void subResetColorOfDrawingNumbers();
    void fncResetCOLORofSelectedWeekNumbers();
    // IBoard: the report.
    std::optional<BoardReport> report() const override;
    void mnuFilePrintTicket_Click();
    void mnuFileExit_Click();
    void mnuTicketLoad_Click();
    void mnuTicketSave_Click();
    void mnuTicketDelete_Click();
    void mnuLotteryLoad_Click();
    void mnuLotteryManage_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();

    // ---- Focus parking, key filters and guess entry -------------------------------------------
    // Connects the handlers below to their controls (pool rows created later included).
    void wireEntryHandlers();

    // A click on the window background, a frame or a label without an action of its own parks
    // the focus on cmdHiddenFocus (subParkFocus).
    void Form_Click();
    // Key filters: a key whose character is not in `allowed` becomes 1 (refused). The first lets
    // Backspace (8) pass; the second refuses it too.
    static void subFilterKeyWithBackspace(const QString &allowed, int &keyAscii);
    static void subFilterKey(const QString &allowed, int &keyAscii);

    // Guess entry: a box empties when it takes the focus and is checked when it leaves it (a
    // number of its position's drum, "0" for none, else the number it held), with its power and
    // its drum's power total. The digit board has rules of its own for its digits.
    virtual void txtGuess_GotFocus(int Index);
    virtual void txtGuess_LostFocus(int Index);
    void cmdResetGuess_Click();
    void txtGuessSource_MouseMove();
    // The number a guess box shows for the powers POWER writes, or nothing for a box that adds
    // nothing and keeps its power (default: the box's number, 0 for none).
    virtual std::optional<int32_t> guessForPower(int position) const;

    // What the guess boxes remember: each box its own number, taken when the box gets the focus
    // or Get Drawing writes into it.
    std::map<int, int32_t> guessBefore;

protected:
    // The enabled state of the option controls as the restored options say (run by the load
    // routine after the settings are restored): the power-increase slider and the power-interval
    // controls of each drum.
    void subApplyOptionControls();
    // The part of chkCompareWithGuess_Click after the flag and its tool tip: the guess totals
    // enabled, and once the board is up the marks reset and the guess boxes enabled and checked,
    // or disabled and white.
    void subApplyCompareWithGuess();

public:

protected:
    // Creates every design-time control of the board the design describes (row templates 0 and
    // 29, or 0 alone, the per-position elements, the BONUS twins on the two-pool board) under its
    // frame, and the menus and status bar. Positions and sizes are the board's own (see the
    // boards' layout routines).
    BoardBase(const BoardDesign &design, std::shared_ptr<OpenLottery> lottery, QWidget *parent = nullptr);

private:
    void createControls();
    void createDrumControls(Drum drum);

    // Steps of the load routine.
    void subApplyStoredLanguage();
    void subSetHandCursors();
    void subPlaceWindow();
    void subFillIntervalPercentItems();
    void subClearPositions();
    // The rows of the power tables and pool grids for the game's balls, hidden until POWER fills
    // them.
    void subMakeTableRows();
    void subRestoreBoardSettings();
    // The settings of a record the record service loaded put on the board (or its reset values).
    void showSettings(const SettingsToShow &shown);
    void subCheckAnalysisWindow();
    void subShowRestoredExclusions();
    void subEnableDrawingCommands(bool on);
    void putSettings(const BoardSettings &settings, bool secondDrumLast);
    void applyLanguageItem(int32_t digit);
    // A total's number changed: the totals placed again once the game's layout has placed them.
    void subTotalChanged();

    const BoardDesign design_;
    std::shared_ptr<OpenLottery> lottery_;
    // The lottery's ticket as the model lstTicket shows: every change of the ticket goes through
    // it.
    TicketModel ticket_{*lottery_};
    QString ticketReadProblem_;
    // The ticket text file last read onto the board: read again with the same bytes while the
    // ticket is still the one they gave, it leaves the ticket and its list as they are.
    struct TicketFileRead {
        QString path;
        TicketShape shape;
        QByteArray bytes;
        std::optional<int32_t> announced;
        quint64 ticketRevision = 0;  // the ticket's once read
    };
    std::optional<TicketFileRead> lastTicketRead_;
    // The ticket file read ahead for the next reading of it; that reading uses it up.
    TicketReadAhead ticketAhead_;
    bool showsTicketRead(const QString &path, const TicketShape &shape, const QByteArray &bytes) const;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool tellNoDrawings_ = false;  // the no-drawings notice is due when the board first shows
    bool totalsPlaced_ = false;    // the game's layout has placed the power totals
    // The design width of each caption beside a power total.
    std::map<const VbControl *, int> captionWidths_;
};
