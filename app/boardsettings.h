#pragma once
// The board settings record: the state of a board between runs (the analysis window, every
// option, guaranteed number, guess, exclusion and pool mark), stored as 1000 variant slots one
// after the other, with no header. Two layouts exist: the lotto layout (lotto and two-pool
// boards) and the digit layout (digit board). The same record is the board settings file of a
// lottery (program folder) and the record file of a saved ticket ("SavedTickets").
//
// BoardSettings is the record as plain values; encodeBoardSettings and decodeBoardSettings
// translate between it and the slots of a layout. Decoding is defensive: a slot out of range takes
// its reset value, and a record that does not fit the layout is read as its reset values, so a
// damaged file or one of another game never stops a board from loading.

#include "analysis/ballarray.h"
#include "analysis/gamelayout.h"
#include "platform/filewrite.h"
#include "platform/variantcodec.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

struct OpenLottery;

inline constexpr int kRecordSlots = 1000;
using BoardSettingsRecord = std::array<VbVariant, kRecordSlots>;

// The power-interval items of one drum.
struct IntervalSettings {
    int16_t on = 0;  // chkPowerInterval Value
    // txtPowerInterval(0) and (1): lower and upper limit texts; nothing leaves the boxes as
    // they are (the reset, or stored limits that are not numbers).
    std::optional<std::array<QString, 2>> limits;
    int16_t percentIndex = 1;  // ListIndex of cboPowerIntervalPct (0..10); the board writes it
                               // into the combo's Text
    friend bool operator==(const IntervalSettings &, const IntervalSettings &) = default;
};

// The items each drum has of its own: the main drum's, and the second drum's on two-drum games.
struct DrumSettings {
    IntervalSettings interval;           // chkPowerInterval, txtPowerInterval, cboPowerIntervalPct
    BallArray<int32_t> excluded;         // chkExcludeBall values (a read puts them in garrExcluded)
    BallArray<int32_t> poolCountEdited;  // garrPoolCountEdited, -3 = no count typed
    BallArray<int32_t> poolWeightSaved;  // garrPoolWeightSaved, held to the 32-bit range
    friend bool operator==(const DrumSettings &, const DrumSettings &) = default;
};

struct BoardSettings {
    // Analysis window (slots 0 to 2).
    int32_t startWeek = 1;  // cboStartDrawing text, glngStartWeek
    QString drawDate;       // cboDrawingDate text, gstrDrawDate (the short date form)
    int32_t endWeek = 0;    // cboEndDrawing text, glngReferenceWeek

    bool hot = true;               // optHotCold(0)
    bool cold = false;             // optHotCold(1)
    int16_t powerIncrease = 0;     // chkPowerIncrease Value
    int16_t powerIncreaseLevel = 2;  // hsbPowerIncrease Value; Min 2, Max 4, SmallChange 1
    bool allExcluded = false;      // gblnAllExcluded

    BallArray<QString> guaranteeNumbers;  // txtGuaranteeNumber, up to lastGuaranteePosition()
    int16_t guaranteeNumbersOn = 0;       // chkGuaranteeNumbers
    QString columnsToDraw = QStringLiteral("10");  // txtColumnsToDraw
    int16_t compareWithGuess = 0;         // chkCompareWithGuess
    int16_t incrementalTicket = 0;        // chkIncrementalTicket
    BallArray<QString> guesses;           // txtGuess, the positions of a drawing
    QString guessSource;                  // txtGuessSource
    BallArray<QString> guessPowers;       // lblGuessPower captions, positions as guesses
    QString guessPowerTotal = QStringLiteral("0");  // lblGuessPowerTotal
    int16_t equalChance = 0;              // chkEqualChance; gblnEqualChance = (value not 0)
    bool straight = true;                 // optStraightBoxed(0), digit games only
    bool boxed = false;                   // optStraightBoxed(1)
    // The items of each drum, by drum index.
    std::array<DrumSettings, 2> drums;
    DrumSettings &drum(Drum d) { return drums[static_cast<size_t>(drumIndex(d))]; }
    const DrumSettings &drum(Drum d) const { return drums[static_cast<size_t>(drumIndex(d))]; }

    friend bool operator==(const BoardSettings &, const BoardSettings &) = default;
};

// What the reset values and the range checks of the analysis window depend on.
struct DrawingsInfo {
    int32_t totalWeeks = 0;  // glngTotalWeeks
    QDate newestDate;        // garrGameDates(1); invalid when there are no drawings

    // The drawings of a lottery.
    static DrawingsInfo of(const OpenLottery &lottery);
};

// The reset values of a game's layout, with every array sized for the game: start drawing 1, end
// drawing the last one, date the newest drawing date, hot numbers, power increase off at level
// 2, guaranteed numbers, guesses and guess powers "0" (digit games: guarantees and guesses ""),
// interval limits left as they are at percent entry 1, "10" columns, nothing ticked, no ball
// excluded, no pool count typed (-3), no saved pool weight, Straight.
BoardSettings boardSettingsDefaults(const GameLayout &layout, const DrawingsInfo &drawings);

// Fills the slots of the layout from slot 0 (slots behind the layout keep what they hold).
// False when a value cannot be stored (a text longer than 65535 bytes).
bool encodeBoardSettings(const GameLayout &layout, const BoardSettings &settings, BoardSettingsRecord &record);
// What a read found wrong with a record.
struct RecordDamage {
    // The record does not fit the layout: more than one slot the file held whole holds another
    // kind of value than the layout writes there (a text where it writes a number, a number where
    // it writes a truth value ...). A record of another game's layout shows itself so, as does one
    // damaged beyond telling; every slot has taken its reset value.
    bool otherLayout = false;
    // Otherwise: the slots of the layout the file did not hold whole or held with a value of
    // another kind (at most one), and the pairs of options of which not exactly one was chosen.
    int damagedSlots = 0;

    bool any() const { return otherLayout || damagedSlots > 0; }
};

// Reads the slots of the layout back. A record that does not fit the layout (see RecordDamage)
// gives the reset values whole. In a record that fits, every slot holding a value out of range
// takes its reset value: weeks outside 1..totalWeeks, check box values outside 0..2, the slider
// outside 2..4 (gives 2), a percent index outside 0..10, interval limits that are not numbers
// (the boxes stay as they are), a number of columns that is not all digits, exclusion marks
// outside 0..2, typed pool counts below 0 other than -3, negative saved weights. Empty and Null
// read as "", 0 or False; lotto guarantees, guesses and guess powers that are empty come back as
// "0" (digit games keep empty guarantees and guesses). A date that is neither a date nor a
// short-date text (or one that its short form does not give back), an empty text too, comes back
// as no date (an empty text), for the board to take the date of the end drawing (slot 2, which
// names the drawing whatever locale wrote the date). The interval limits come back lower first.
// Slots from `readableSlots` on (those the file did not hold whole) take their reset values; so
// does a pair of options of which not exactly one is chosen.
BoardSettings decodeBoardSettings(const GameLayout &layout, const BoardSettingsRecord &record,
                                  const DrawingsInfo &drawings, int readableSlots = kRecordSlots,
                                  RecordDamage *damage = nullptr);

// The bytes of a record: all 1000 slots.
QByteArray recordBytes(const BoardSettingsRecord &record);
// A record from the bytes of a file: slots beyond the end of the data are Empty, and so is
// everything from a slot with an unknown type tag or a value cut short onward. Bytes after slot
// 999 are ignored. `slotsRead`, when given, is the number of slots the bytes held whole.
BoardSettingsRecord recordFromBytes(QByteArrayView bytes, int *slotsRead = nullptr);

// Reads a record file whole; nothing when the file cannot be read.
std::optional<BoardSettingsRecord> readRecordFile(const QString &path, QString *error, int *slotsRead = nullptr);
// Writes the whole record to a file atomically: on failure the old file stays as it was, `error`
// says why and `fault` (when given) what kind of failure it was.
bool writeRecordFile(const QString &path, const BoardSettingsRecord &record, QString *error,
                     filewrite::Fault *fault = nullptr);

// After the last drawing `deletedWeek` was deleted (the database's newest drawing is now
// `maxWeekNo` of `maxDate`): when the deleted drawing lay within the record's own analysis window
// (at or below its end drawing, slot 2), slot 1 takes the newest date (a date) and slot 2 the
// newest week; when it lay at or below the start drawing (slot 0), slot 0 takes the newest week
// too. True when the record changed.
bool refreshAnalysisWindow(BoardSettingsRecord &record, int32_t deletedWeek, int32_t maxWeekNo, const QDate &maxDate);

// The board settings file (in the program folder) of the lottery whose results database is
// `databaseFile`: the database's name without its extension, and the lottery's file suffix.
QString fncBoardSettingsFileName(const QString &databaseFile, const QString &fileSuffix);

// The record file of a kind: "forConfigXYZfile" (the lottery's board settings file in the program
// folder) or "forTICKETfile" (the record file of the saved ticket gstrTicketName of the lottery).
// Sets gstrRecordFileName and gstrRecordFilePath; any other kind changes nothing (and gives false).
bool selectRecordFile(const QString &fileKind, const OpenLottery &lottery);
