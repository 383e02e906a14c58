#pragma once
// The lottery catalogues "lotterydbs.bin", "lotteryconfigs.bin" and "country.bin": each file holds
// one two-dimensional array of variants (rows by columns, both counted from 1) in the binary
// variant form. Which of the two stored dimensions is the row count is not fixed; the reader
// tells it from the kinds of the columns.

#include "analysis/drum.h"
#include "analysis/gamelayout.h"
#include "platform/variantcodec.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

enum class CatalogueKind { Lotteries, GameConfigs, Countries };

// The file name of a catalogue in the program folder ("lotterydbs.bin" ...).
QString catalogueFileName(CatalogueKind kind);

// How the two (count, lower bound) pairs of a stored table follow each other.
enum class DimensionOrder { RowsFirst, ColumnsFirst };

// A catalogue table: cells by row and column, both from 1.
class CatalogueTable {
public:
    CatalogueTable() = default;
    CatalogueTable(int rows, int columns, std::vector<VbVariant> cellsByColumn);

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    // The cell of row r, column c (Empty outside the table).
    const VbVariant &cell(int row, int column) const;

    // The stored form: the elements in storage order (the row index varies fastest).
    VbArray toArray(DimensionOrder order) const;

private:
    int rows_ = 0;
    int columns_ = 0;
    std::vector<VbVariant> cells_;  // storage order
};

// Reading a catalogue. A file that is missing, that is not one table of the catalogue's form, or
// whose read columns hold the wrong kinds of values, is refused with a reason.
struct CatalogueRead {
    enum class Status { Ok, Missing, Malformed };
    Status status = Status::Missing;
    CatalogueTable table;
    DimensionOrder order = DimensionOrder::RowsFirst;
    QString error;
};
CatalogueRead readCatalogue(CatalogueKind kind, const QString &path);
// The same from the bytes of a file.
CatalogueRead parseCatalogue(CatalogueKind kind, QByteArrayView bytes);
// The bytes of a catalogue file holding `table`.
QByteArray catalogueBytes(const CatalogueTable &table, DimensionOrder order);

// The rows the program reads.
struct LotteryRecord {
    int32_t lotteryId = 0;
    QString lotteryName;
    QString databaseFile;
    QString fileSuffix;
    int32_t countryId = 0;
};

struct GameConfigRecord {
    int32_t lotteryId = 0;
    QString gameTitle;
    int32_t highestBall = 0;       // N1; 10 marks a digit game
    int32_t highestBallBONUS = 0;  // N2; 0 = one drum
    int32_t reserved5 = 0;
    int32_t numbersDrawn = 0;      // K (digit games: positions)
    int32_t bonusCount = 0;        // B
    int32_t reserved8 = 0;
};

struct CountryRecord {
    int32_t countryId = 0;
    QString countryName;
};

// The first row whose database file (column 3) is exactly `databaseFile`.
std::optional<LotteryRecord> findLottery(const CatalogueTable &table, const QString &databaseFile);
// Every row, in order.
std::vector<LotteryRecord> listedLotteries(const CatalogueTable &table);
// The first row whose column 1 equals the id as a number.
std::optional<GameConfigRecord> findGameConfig(const CatalogueTable &table, int32_t lotteryId);
std::optional<CountryRecord> findCountry(const CatalogueTable &table, int32_t countryId);

// The game family and game code of a configured shape, or nothing for a shape no board serves.
struct GameCode {
    GameLayout::Family family = GameLayout::Family::Lotto;
    QString code;
    friend bool operator==(const GameCode &, const GameCode &) = default;
};
std::optional<GameCode> gameCodeFor(const GameConfigRecord &config);

// The layout of a configured game: a digit game (GameLayout::kDigitGameHighestBall) of K positions
// has the digits 0..9 and positions 0..K-1; a lotto game keeps its configured numbers.
GameLayout gameLayoutFor(const GameConfigRecord &config);
