#include "analysis/catalogue.h"

#include "analysis/gamelayout.h"

#include "platform/fileread.h"
#include "platform/vb.h"

#include <QFile>
#include <array>
#include <cmath>

namespace {

enum class Column { Number, Text };

struct CatalogueForm {
    const char *fileName;
    std::vector<Column> columns;  // the columns read, from column 1
};

const CatalogueForm &formOf(CatalogueKind kind)
{
    using C = Column;
    static const CatalogueForm lotteries{"lotterydbs.bin", {C::Number, C::Text, C::Text, C::Text, C::Number}};
    static const CatalogueForm configs{
        "lotteryconfigs.bin",
        {C::Number, C::Text, C::Number, C::Number, C::Number, C::Number, C::Number, C::Number}};
    static const CatalogueForm countries{"country.bin", {C::Number, C::Text}};
    switch (kind) {
    case CatalogueKind::Lotteries:
        return lotteries;
    case CatalogueKind::GameConfigs:
        return configs;
    case CatalogueKind::Countries:
        break;
    }
    return countries;
}

// A catalogue file is small; anything far larger is not one.
constexpr qint64 kMaxCatalogueBytes = 16 * 1024 * 1024;

// Empty counts as 0, as the program has always read it.
std::optional<int32_t> numberCell(const VbVariant &cell)
{
    if (cell.isEmpty())
        return 0;
    const auto value = cell.number();
    return value ? vb::cLng(*value) : std::nullopt;
}

bool fits(Column kind, const VbVariant &cell)
{
    if (kind == Column::Text)
        return cell.isEmpty() || cell.isText();
    return numberCell(cell).has_value();
}

// Checks the read columns of a table; the reason it does not fit, or an empty text.
QString checkColumns(const CatalogueForm &form, const CatalogueTable &table)
{
    const int wanted = static_cast<int>(form.columns.size());
    if (table.columns() < wanted)
        return QStringLiteral("%1 columns where at least %2 are needed").arg(table.columns()).arg(wanted);
    for (int c = 1; c <= wanted; ++c) {
        for (int r = 1; r <= table.rows(); ++r) {
            if (!fits(form.columns[c - 1], table.cell(r, c)))
                return QStringLiteral("row %1, column %2 holds a %3 where a %4 is needed")
                    .arg(r)
                    .arg(c)
                    .arg(table.cell(r, c).isText() ? QStringLiteral("text") : QStringLiteral("value of type %1").arg(table.cell(r, c).tag()))
                    .arg(form.columns[c - 1] == Column::Text ? QStringLiteral("text") : QStringLiteral("number"));
        }
    }
    return {};
}

QString textCell(const CatalogueTable &t, int r, int c) { return t.cell(r, c).text(); }
int32_t intCell(const CatalogueTable &t, int r, int c) { return numberCell(t.cell(r, c)).value_or(0); }

// Column 1 compared with an id as numbers (3.5 is not 4).
bool keyEquals(const CatalogueTable &t, int r, int32_t id)
{
    const VbVariant &cell = t.cell(r, 1);
    const double value = cell.isEmpty() ? 0.0 : cell.number().value_or(std::nan(""));
    return value == static_cast<double>(id);
}

}  // namespace

QString catalogueFileName(CatalogueKind kind) { return QString::fromLatin1(formOf(kind).fileName); }

CatalogueTable::CatalogueTable(int rows, int columns, std::vector<VbVariant> cellsByColumn)
    : rows_(rows), columns_(columns), cells_(std::move(cellsByColumn))
{
    cells_.resize(static_cast<size_t>(rows_) * static_cast<size_t>(columns_));
}

const VbVariant &CatalogueTable::cell(int row, int column) const
{
    static const VbVariant empty;
    if (row < 1 || row > rows_ || column < 1 || column > columns_)
        return empty;
    return cells_[static_cast<size_t>(column - 1) * rows_ + (row - 1)];
}

VbArray CatalogueTable::toArray(DimensionOrder order) const
{
    VbArray array;
    const VbArray::Bound rowBound{rows_, 1};
    const VbArray::Bound columnBound{columns_, 1};
    array.bounds = order == DimensionOrder::RowsFirst ? std::vector{rowBound, columnBound}
                                                      : std::vector{columnBound, rowBound};
    array.elements = cells_;
    return array;
}

QByteArray catalogueBytes(const CatalogueTable &table, DimensionOrder order)
{
    VariantWriter writer;
    writer.writeArray(table.toArray(order));
    return writer.bytes();
}

CatalogueRead parseCatalogue(CatalogueKind kind, QByteArrayView bytes)
{
    CatalogueRead result;
    result.status = CatalogueRead::Status::Malformed;
    VariantReader reader(bytes);
    auto array = reader.readArray(2);
    if (!array) {
        result.error = reader.error();
        return result;
    }
    if (array->bounds.size() != 2) {
        result.error = QStringLiteral("a table of %1 dimension(s)").arg(array->bounds.size());
        return result;
    }
    if (!reader.atEnd()) {
        result.error = QStringLiteral("%1 bytes after the table").arg(reader.remaining());
        return result;
    }
    for (const auto &b : array->bounds) {
        if (b.lower != 1) {
            result.error = QStringLiteral("a dimension counted from %1 instead of 1").arg(b.lower);
            return result;
        }
    }
    const CatalogueForm &form = formOf(kind);
    QString firstProblem;
    for (DimensionOrder order : {DimensionOrder::RowsFirst, DimensionOrder::ColumnsFirst}) {
        const bool rowsFirst = order == DimensionOrder::RowsFirst;
        const int rows = array->bounds[rowsFirst ? 0 : 1].count;
        const int columns = array->bounds[rowsFirst ? 1 : 0].count;
        CatalogueTable table(rows, columns, array->elements);
        const QString problem = checkColumns(form, table);
        if (problem.isEmpty()) {
            result.status = CatalogueRead::Status::Ok;
            result.table = std::move(table);
            result.order = order;
            return result;
        }
        if (firstProblem.isEmpty())
            firstProblem = problem;
    }
    result.error = firstProblem;
    return result;
}

CatalogueRead readCatalogue(CatalogueKind kind, const QString &path)
{
    CatalogueRead result;
    QFile file(path);
    if (!file.exists()) {
        result.status = CatalogueRead::Status::Missing;
        result.error = QStringLiteral("%1 does not exist").arg(path);
        return result;
    }
    result.status = CatalogueRead::Status::Malformed;
    if (QString why; !fileread::openPlain(file, path, &why)) {
        result.error = QStringLiteral("%1 cannot be read: %2").arg(path, why);
        return result;
    }
    if (file.size() > kMaxCatalogueBytes) {
        result.error = QStringLiteral("%1 is too large (%2 bytes)").arg(path).arg(file.size());
        return result;
    }
    const QByteArray bytes = file.readAll();
    result = parseCatalogue(kind, bytes);
    if (result.status != CatalogueRead::Status::Ok)
        result.error = QStringLiteral("%1: %2").arg(path, result.error);
    return result;
}

namespace {

LotteryRecord lotteryAt(const CatalogueTable &t, int r)
{
    return LotteryRecord{intCell(t, r, 1), textCell(t, r, 2), textCell(t, r, 3), textCell(t, r, 4), intCell(t, r, 5)};
}

}  // namespace

std::optional<LotteryRecord> findLottery(const CatalogueTable &t, const QString &databaseFile)
{
    for (int r = 1; r <= t.rows(); ++r) {
        if (t.cell(r, 3).isText() && textCell(t, r, 3) == databaseFile)
            return lotteryAt(t, r);
    }
    return std::nullopt;
}

std::vector<LotteryRecord> listedLotteries(const CatalogueTable &t)
{
    std::vector<LotteryRecord> out;
    for (int r = 1; r <= t.rows(); ++r)
        out.push_back(lotteryAt(t, r));
    return out;
}

std::optional<GameConfigRecord> findGameConfig(const CatalogueTable &t, int32_t lotteryId)
{
    for (int r = 1; r <= t.rows(); ++r) {
        if (keyEquals(t, r, lotteryId))
            return GameConfigRecord{intCell(t, r, 1), textCell(t, r, 2), intCell(t, r, 3), intCell(t, r, 4),
                                    intCell(t, r, 5), intCell(t, r, 6), intCell(t, r, 7), intCell(t, r, 8)};
    }
    return std::nullopt;
}

std::optional<CountryRecord> findCountry(const CatalogueTable &t, int32_t countryId)
{
    for (int r = 1; r <= t.rows(); ++r) {
        if (keyEquals(t, r, countryId))
            return CountryRecord{intCell(t, r, 1), textCell(t, r, 2)};
    }
    return std::nullopt;
}

std::optional<GameCode> gameCodeFor(const GameConfigRecord &c)
{
    const int32_t n1 = c.highestBall, n2 = c.highestBallBONUS, k = c.numbersDrawn, b = c.bonusCount;
    if (c.reserved5 != 0 || c.reserved8 != 0)
        return std::nullopt;
    auto code = [](const char *prefix, int32_t k, int32_t b) {
        return QLatin1String(prefix) + QString::number(k) + QString::number(b) + u'0';
    };
    const GameLayout::Family family = GameLayout::familyOf(n1, n2);
    if (family == GameLayout::Family::Digit) {
        if (n2 == 0 && b == 0 && k >= 3 && k <= 8)
            return GameCode{GameLayout::Family::Digit, u'1' + QString::number(k) + u'0'};
        return std::nullopt;
    }
    if (n1 < 11 || n1 > 56)
        return std::nullopt;
    using KB = std::array<int32_t, 2>;
    if (n2 == 0) {
        for (const KB &s : {KB{5, 0}, KB{6, 0}, KB{7, 0}, KB{5, 1}, KB{6, 1}, KB{7, 1}, KB{6, 2}})
            if (k == s[0] && b == s[1])
                return GameCode{GameLayout::Family::Lotto, code("", k, b)};
    } else if (n2 >= 9 && n2 <= 56) {
        for (const KB &s : {KB{4, 1}, KB{5, 1}, KB{6, 1}, KB{7, 1}, KB{5, 2}, KB{6, 2}})
            if (k == s[0] && b == s[1])
                return GameCode{GameLayout::Family::TwoDrum, code("2P", k, b)};
    }
    return std::nullopt;
}

GameLayout gameLayoutFor(const GameConfigRecord &c)
{
    return GameLayout::ofConfiguredGame(c.highestBall, c.highestBallBONUS, c.numbersDrawn, c.bonusCount);
}
