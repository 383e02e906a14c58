#include "analysis/ticketfile.h"

#include "platform/ansi.h"
#include "platform/fileread.h"
#include "platform/vb.h"

#include <QFile>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace {

// Longer lines are no column lines (a column line of eight numbers is some 40 characters).
constexpr qint64 kMaxLineBytes = 1024;

// Only what a ticket can hold is read: the count line and kMaxTicketColumns column lines, each
// with its line end.
constexpr qint64 kMaxTicketBytes = (kMaxLineBytes + 1) * (kMaxTicketColumns + 1);

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool allDigits(const char *p, const char *end)
{
    if (p == end)
        return false;
    for (; p != end; ++p)
        if (!isDigit(*p))
            return false;
    return true;
}

// "07-"
bool isColumnNumber(const char *p, const char *end) { return end - p >= 2 && end[-1] == '-' && allDigits(p, end - 1); }

// "(3)" or "(3+1)"
bool isHitTail(const char *p, const char *end)
{
    if (end - p < 3 || *p != '(' || end[-1] != ')')
        return false;
    const char *inner = p + 1;
    const char *innerEnd = end - 1;
    const char *plus = std::find(inner, innerEnd, '+');
    return plus == innerEnd ? allDigits(inner, innerEnd) : allDigits(inner, plus) && allDigits(plus + 1, innerEnd);
}

// A number of a column: plain decimal digits without a leading zero (0 itself excepted), at most
// `highest`.
std::optional<int32_t> columnValue(const char *p, const char *end, int32_t highest)
{
    if (p == end || (*p == '0' && end - p > 1))
        return std::nullopt;
    int64_t value = 0;
    for (; p != end; ++p) {
        if (!isDigit(*p))
            return std::nullopt;
        value = value * 10 + (*p - '0');
        if (value > highest)
            return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

// The numbers of a column line in single-byte text into `out` (shape.count() of them). A line
// with any character outside ASCII is no column line.
bool parseColumnLine(const char *p, const char *end, const TicketShape &shape, int32_t *out)
{
    const int count = shape.count();
    if (count <= 0)
        return false;
    // The column number, the numbers and the hit tail, each separated by exactly one blank. On digit
    // games a line that ends with its last digit, without the hit tail, holds the column all the
    // same.
    const char *field = p;
    const char *blank = std::find(field, end, ' ');
    if (blank == end || !isColumnNumber(field, blank))
        return false;
    for (int i = 0; i < count; ++i) {
        field = blank + 1;
        blank = std::find(field, end, ' ');
        if (blank == end && (i + 1 < count || !shape.tailOptional))
            return false;
        const auto n = columnValue(field, blank, shape.highestAt(shape.firstPosition + i));
        if (!n)
            return false;
        out[i] = *n;
    }
    return blank == end || isHitTail(blank + 1, end);
}

// The lines of a ticket file's bytes, without their line ends (LF, or CR LF).
class LineReader {
public:
    explicit LineReader(QByteArrayView bytes) : p_(bytes.data()), end_(bytes.data() + bytes.size()) {}
    // The next line; false at the end of the data or for a line too long to be a ticket line.
    bool next(const char *&begin, const char *&end)
    {
        if (p_ == end_)
            return false;
        const char *nl = static_cast<const char *>(std::memchr(p_, '\n', static_cast<size_t>(end_ - p_)));
        const char *lineEnd = nl ? nl : end_;
        if (lineEnd - p_ + (nl ? 1 : 0) > kMaxLineBytes)
            return false;
        begin = p_;
        end = lineEnd;
        if (end != begin && end[-1] == '\r')
            --end;
        p_ = nl ? nl + 1 : end_;
        return true;
    }

private:
    const char *p_;
    const char *end_;
};

TicketRead readTicket(QByteArrayView bytes, const TicketShape &shape)
{
    TicketRead read;
    read.grid.reshape(shape.firstPosition, shape.lastPosition);
    LineReader lines(bytes);
    const char *begin = nullptr;
    const char *end = nullptr;
    if (!lines.next(begin, end))
        return read;
    read.announced = vb::plainDecimal(ansi::decode(QByteArrayView(begin, end - begin)));
    if (read.announced && *read.announced < 0)
        read.announced.reset();  // no ticket holds fewer than no columns
    if (!read.announced)
        return read;
    const int32_t wanted = std::min(*read.announced, kMaxTicketColumns);
    const int width = std::max(shape.count(), 0);
    std::vector<int32_t> numbers;
    numbers.reserve(static_cast<size_t>(wanted) * static_cast<size_t>(width));
    read.lines.reserve(wanted);
    std::array<int32_t, 16> column{};
    while (static_cast<int32_t>(read.lines.size()) < wanted && lines.next(begin, end) && begin != end) {
        if (width > static_cast<int>(column.size()) || !parseColumnLine(begin, end, shape, column.data()))
            break;
        // A column line is plain ASCII, the same in every single-byte code page.
        read.lines << QString::fromLatin1(begin, end - begin);
        numbers.insert(numbers.end(), column.begin(), column.begin() + width);
    }
    read.grid.resizeRows(static_cast<int>(read.lines.size()));
    if (!numbers.empty())
        std::copy(numbers.begin(), numbers.end(), read.grid.row(1));
    return read;
}

}  // namespace

TicketShape TicketShape::of(const GameLayout &layout)
{
    TicketShape shape;
    shape.firstPosition = layout.firstPosition;
    shape.lastPosition = layout.lastGuaranteePosition();
    shape.lastMainPosition = layout.lastMainPosition;
    shape.highestMain = layout.highestMain;
    shape.highestSecond = layout.highestSecond;
    shape.tailOptional = layout.digits();
    return shape;
}

std::optional<std::vector<int32_t>> fncParseTicketLine(QStringView line, const TicketShape &shape)
{
    const int count = shape.count();
    if (count <= 0)
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(line.size());
    for (QChar c : line) {
        if (c.unicode() >= 0x80)
            return std::nullopt;
        bytes.append(static_cast<char>(c.unicode()));
    }
    std::vector<int32_t> numbers(static_cast<size_t>(count));
    if (!parseColumnLine(bytes.constData(), bytes.constData() + bytes.size(), shape, numbers.data()))
        return std::nullopt;
    return numbers;
}

TicketRead fncReadTicketText(const QByteArray &bytes, const TicketShape &shape)
{
    return readTicket(QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), kMaxTicketBytes)), shape);
}

std::optional<QByteArray> fncReadTicketFileBytes(const QString &path)
{
    QFile file;
    if (!fileread::openPlain(file, path))
        return std::nullopt;
    // As much as the file holds (up to what a ticket can reach when the file tells no size), in no
    // more room than that.
    const qint64 size = file.size();
    QByteArray bytes = file.read(size > 0 ? std::min(size, kMaxTicketBytes) : kMaxTicketBytes);
    bytes.squeeze();
    return bytes;
}

std::optional<TicketRead> fncReadTicketFile(const QString &path, const TicketShape &shape)
{
    const std::optional<QByteArray> bytes = fncReadTicketFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return readTicket(*bytes, shape);
}

TicketReadAhead TicketReadAhead::start(const QString &path, const TicketShape &shape)
{
    TicketReadAhead ahead;
    std::optional<QByteArray> bytes = fncReadTicketFileBytes(path);
    if (!bytes)
        return ahead;
    ahead.path_ = path;
    ahead.shape_ = shape;
    ahead.bytes_ = std::move(*bytes);
    ahead.read_ = std::async(std::launch::async, [bytes = ahead.bytes_, shape] { return fncReadTicketText(bytes, shape); });
    return ahead;
}

std::optional<TicketRead> TicketReadAhead::take(const QString &path, const TicketShape &shape, const QByteArray &bytes)
{
    TicketReadAhead ahead = std::exchange(*this, {});
    if (!ahead.read_.valid() || path != ahead.path_ || shape != ahead.shape_ || bytes != ahead.bytes_)
        return std::nullopt;
    return ahead.read_.get();
}

QByteArray fncTicketFileBytes(const QStringList &lines)
{
    qsizetype size = 12;
    for (const QString &line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    bytes += QByteArray::number(lines.size());
    bytes += "\r\n";
    for (const QString &line : lines) {
        const qsizetype at = bytes.size();
        bytes.resize(at + line.size());
        char *out = bytes.data() + at;
        bool ascii = true;
        for (QChar c : line) {
            if (c.unicode() >= 0x80) {
                ascii = false;
                break;
            }
            *out++ = static_cast<char>(c.unicode());
        }
        if (!ascii) {
            bytes.resize(at);
            bytes += ansi::encode(line);
        }
        bytes += "\r\n";
    }
    return bytes;
}

namespace {

QString ticketTextStart(const QString &fileSuffix) { return fileSuffix.right(3) + u'_'; }
const QString kTicketTextEnd = QStringLiteral(".txt");

}  // namespace

QString fncTicketTextFilePath(const QString &folder, const QString &fileSuffix, const QString &ticketName)
{
    return folder + ticketTextStart(fileSuffix) + ticketName + kTicketTextEnd;
}

bool fncIsTicketTextFileName(const QString &fileName, const QString &fileSuffix)
{
    const QString start = ticketTextStart(fileSuffix);
    return fileName.size() > start.size() + kTicketTextEnd.size() && fileName.startsWith(start) &&
           fileName.endsWith(kTicketTextEnd);
}
