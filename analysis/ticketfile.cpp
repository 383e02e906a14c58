#include "analysis/ticketfile.h"

#include "analysis/state.h"
#include "platform/ansi.h"
#include "platform/vb.h"

#include <QBuffer>
#include <QFile>
#include <QIODevice>

namespace {

// Longer lines are no column lines (a column line of eight numbers is some 40 characters).
constexpr qint64 kMaxLineBytes = 1024;

bool allDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// "07-"
bool isColumnNumber(QStringView field) { return field.endsWith(u'-') && allDigits(field.chopped(1)); }

// "(3)" or "(3+1)"
bool isHitTail(QStringView field)
{
    if (field.size() < 3 || !field.startsWith(u'(') || !field.endsWith(u')'))
        return false;
    const QStringView inner = field.mid(1, field.size() - 2);
    const qsizetype plus = inner.indexOf(u'+');
    return plus < 0 ? allDigits(inner) : allDigits(inner.left(plus)) && allDigits(inner.mid(plus + 1));
}

// The next line of the device without its line end; nothing at the end of the data or for a line
// too long to be a ticket line.
std::optional<QString> nextLine(QIODevice &device, bool &tooLong)
{
    if (device.atEnd())
        return std::nullopt;
    QByteArray bytes = device.readLine(kMaxLineBytes + 1);
    if (bytes.size() > kMaxLineBytes && !bytes.endsWith('\n')) {
        tooLong = true;
        return std::nullopt;
    }
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    return ansi::decode(bytes);
}

TicketRead readTicket(QIODevice &device, const TicketShape &shape)
{
    TicketRead read;
    read.grid.reshape(shape.firstPosition, shape.lastPosition);
    bool tooLong = false;
    const std::optional<QString> countLine = nextLine(device, tooLong);
    if (!countLine)
        return read;
    read.announced = vb::plainDecimal(*countLine);
    if (read.announced && *read.announced < 0)
        read.announced.reset();  // no ticket holds fewer than no columns
    if (!read.announced)
        return read;
    const int32_t wanted = std::min(*read.announced, kMaxTicketColumns);
    std::vector<std::vector<int32_t>> rows;
    while (static_cast<int32_t>(read.lines.size()) < wanted) {
        const std::optional<QString> line = nextLine(device, tooLong);
        if (!line || line->isEmpty())
            break;
        auto numbers = fncParseTicketLine(*line, shape);
        if (!numbers)
            break;
        read.lines << *line;
        rows.push_back(std::move(*numbers));
    }
    read.grid.resizeRows(static_cast<int>(rows.size()));
    for (int r = 1; r <= static_cast<int>(rows.size()); ++r)
        std::copy(rows[static_cast<size_t>(r - 1)].begin(), rows[static_cast<size_t>(r - 1)].end(), read.grid.row(r));
    return read;
}

}  // namespace

TicketShape TicketShape::current()
{
    TicketShape shape;
    shape.firstPosition = gLayout.firstPosition;
    shape.lastPosition = gLayout.lastGuaranteePosition();
    shape.lastMainPosition = gLayout.lastMainPosition;
    shape.highestMain = gLayout.highestMain;
    shape.highestSecond = gLayout.highestSecond;
    return shape;
}

std::optional<std::vector<int32_t>> fncParseTicketLine(QStringView line, const TicketShape &shape)
{
    const int count = shape.count();
    if (count <= 0)
        return std::nullopt;
    // The column number, the numbers and the hit tail, each separated by exactly one blank.
    const QList<QStringView> fields = line.split(u' ');
    if (fields.size() != count + 2 || !isColumnNumber(fields.front()) || !isHitTail(fields.back()))
        return std::nullopt;
    std::vector<int32_t> numbers;
    numbers.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::optional<int32_t> n = vb::plainDecimal(fields[i + 1]);
        const int position = shape.firstPosition + i;
        if (!n || fields[i + 1].size() != fields[i + 1].trimmed().size() || *n < 0 || *n > shape.highestAt(position))
            return std::nullopt;
        numbers.push_back(*n);
    }
    return numbers;
}

TicketRead fncReadTicketText(const QByteArray &bytes, const TicketShape &shape)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readTicket(buffer, shape);
}

std::optional<TicketRead> fncReadTicketFile(const QString &path, const TicketShape &shape)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readTicket(file, shape);
}

QByteArray fncTicketFileBytes(const QStringList &lines)
{
    QByteArray bytes = QByteArray::number(lines.size()) + "\r\n";
    for (const QString &line : lines)
        bytes += ansi::encode(line) + "\r\n";
    return bytes;
}

QString fncTicketTextFilePath(const QString &folder, const QString &fileSuffix, const QString &ticketName)
{
    return folder + fileSuffix.right(3) + u'_' + ticketName + QStringLiteral(".txt");
}
