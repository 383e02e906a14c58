#include "platform/variantcodec.h"

#include "platform/ansi.h"
#include "platform/dates.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

VbVariant VbVariant::null() { return VbVariant(Null, std::monostate{}); }
VbVariant VbVariant::fromInt16(int16_t value) { return VbVariant(Integer, value); }
VbVariant VbVariant::fromInt32(int32_t value) { return VbVariant(Long, value); }
VbVariant VbVariant::fromSingle(float value) { return VbVariant(Single, value); }
VbVariant VbVariant::fromDouble(double value) { return VbVariant(Double, value); }
VbVariant VbVariant::fromOleDate(double days) { return VbVariant(Date, days); }
VbVariant VbVariant::fromDate(const QDate &date) { return fromOleDate(dates::toOleDate(date)); }
VbVariant VbVariant::fromText(const QString &text) { return VbVariant(String, text); }
VbVariant VbVariant::fromBool(bool value) { return VbVariant(Boolean, value); }

std::optional<double> VbVariant::number() const
{
    switch (tag_) {
    case Integer:
        return std::get<int16_t>(value_);
    case Long:
        return std::get<int32_t>(value_);
    case Single:
        return std::get<float>(value_);
    case Double:
        return std::get<double>(value_);
    default:
        return std::nullopt;
    }
}

std::optional<int32_t> VbVariant::integer() const
{
    if (tag_ == Integer)
        return std::get<int16_t>(value_);
    if (tag_ == Long)
        return std::get<int32_t>(value_);
    return std::nullopt;
}

QString VbVariant::text() const { return tag_ == String ? std::get<QString>(value_) : QString(); }

bool VbVariant::boolean() const { return tag_ == Boolean && std::get<bool>(value_); }

double VbVariant::oleDate() const { return tag_ == Date ? std::get<double>(value_) : 0.0; }

QDate VbVariant::date() const { return tag_ == Date ? dates::fromOleDate(oleDate()) : QDate(); }

// ---- Reading ------------------------------------------------------------------------------------

namespace {

uint16_t get16(const char *p)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8));
}

uint32_t get32(const char *p)
{
    return static_cast<uint32_t>(get16(p)) | (static_cast<uint32_t>(get16(p + 2)) << 16);
}

uint64_t get64(const char *p)
{
    return static_cast<uint64_t>(get32(p)) | (static_cast<uint64_t>(get32(p + 4)) << 32);
}

// Value bytes after the tag, or -1 for a tag this form does not know. Texts count their
// length field only.
int fixedSize(uint16_t tag)
{
    switch (tag) {
    case VbVariant::Empty:
    case VbVariant::Null:
        return 0;
    case VbVariant::Integer:
    case VbVariant::Boolean:
    case VbVariant::String:
        return 2;
    case VbVariant::Long:
    case VbVariant::Single:
        return 4;
    case VbVariant::Double:
    case VbVariant::Date:
        return 8;
    default:
        return -1;
    }
}

}  // namespace

bool VariantReader::take(qsizetype n, const char **out)
{
    if (n < 0 || remaining() < n)
        return false;
    *out = bytes_.data() + pos_;
    pos_ += n;
    return true;
}

bool VariantReader::fail(const QString &why)
{
    error_ = why;
    return false;
}

std::optional<VbVariant> VariantReader::read()
{
    const qsizetype start = pos_;
    auto cutShort = [&](const char *what) {
        pos_ = start;
        fail(QStringLiteral("%1 cut short at byte %2").arg(QLatin1String(what)).arg(start));
        return std::nullopt;
    };
    const char *p = nullptr;
    if (!take(2, &p))
        return cutShort("type tag");
    const uint16_t tag = get16(p);
    const int size = fixedSize(tag);
    if (size < 0) {
        pos_ = start;
        fail(QStringLiteral("unknown type tag %1 at byte %2").arg(tag).arg(start));
        return std::nullopt;
    }
    if (!take(size, &p))
        return cutShort("value");
    switch (tag) {
    case VbVariant::Empty:
        return VbVariant();
    case VbVariant::Null:
        return VbVariant::null();
    case VbVariant::Integer:
        return VbVariant::fromInt16(static_cast<int16_t>(get16(p)));
    case VbVariant::Boolean:
        return VbVariant::fromBool(get16(p) != 0);
    case VbVariant::Long:
        return VbVariant::fromInt32(static_cast<int32_t>(get32(p)));
    case VbVariant::Single:
        return VbVariant::fromSingle(std::bit_cast<float>(get32(p)));
    case VbVariant::Double:
        return VbVariant::fromDouble(std::bit_cast<double>(get64(p)));
    case VbVariant::Date:
        return VbVariant::fromOleDate(std::bit_cast<double>(get64(p)));
    case VbVariant::String: {
        const uint16_t length = get16(p);
        if (!take(length, &p))
            return cutShort("text");
        return VbVariant::fromText(ansi::decode(QByteArrayView(p, length)));
    }
    }
    return std::nullopt;
}

std::optional<VbVariant> VariantReader::readOrEmpty()
{
    if (atEnd())
        return VbVariant();
    if (auto value = read())
        return value;
    const qsizetype here = pos_;
    const char *p = nullptr;
    if (take(2, &p) && fixedSize(get16(p)) < 0) {
        pos_ = here;
        return std::nullopt;  // unknown tag: error() already says so
    }
    // A value cut short by the end of the data: the rest reads as Empty.
    pos_ = bytes_.size();
    error_.clear();
    return VbVariant();
}

std::optional<VbArray> VariantReader::readArray(int maxDimensions)
{
    const qsizetype start = pos_;
    auto bad = [&](const QString &why) {
        pos_ = start;
        fail(why);
        return std::nullopt;
    };
    const char *p = nullptr;
    if (!take(4, &p))
        return bad(QStringLiteral("array header cut short"));
    const uint16_t tag = get16(p);
    const uint16_t dimensions = get16(p + 2);
    if (tag != VbVariant::kArrayOfVariant)
        return bad(QStringLiteral("type tag %1 where an array of variants (8204) was expected").arg(tag));
    if (dimensions < 1 || dimensions > maxDimensions)
        return bad(QStringLiteral("array of %1 dimensions").arg(dimensions));

    VbArray array;
    int64_t total = 1;
    for (int d = 0; d < dimensions; ++d) {
        if (!take(8, &p))
            return bad(QStringLiteral("array bounds cut short"));
        VbArray::Bound bound{static_cast<int32_t>(get32(p)), static_cast<int32_t>(get32(p + 4))};
        if (bound.count < 0)
            return bad(QStringLiteral("negative element count %1").arg(bound.count));
        total *= bound.count;
        // Every element takes at least its two tag bytes: a count beyond what is left is false.
        if (total > remaining() / 2)
            return bad(QStringLiteral("array of %1 elements does not fit in %2 bytes").arg(total).arg(remaining()));
        array.bounds.push_back(bound);
    }
    array.elements.reserve(static_cast<size_t>(total));
    for (int64_t i = 0; i < total; ++i) {
        auto element = read();
        if (!element)
            return bad(QStringLiteral("element %1: %2").arg(i + 1).arg(error_));
        array.elements.push_back(std::move(*element));
    }
    return array;
}

// ---- Writing ------------------------------------------------------------------------------------

void VariantWriter::put16(uint16_t v)
{
    bytes_.append(static_cast<char>(v & 0xFF));
    bytes_.append(static_cast<char>(v >> 8));
}

void VariantWriter::put32(uint32_t v)
{
    put16(static_cast<uint16_t>(v & 0xFFFF));
    put16(static_cast<uint16_t>(v >> 16));
}

void VariantWriter::put64(uint64_t v)
{
    put32(static_cast<uint32_t>(v & 0xFFFFFFFFu));
    put32(static_cast<uint32_t>(v >> 32));
}

void VariantWriter::write(const VbVariant &value)
{
    if (value.tag() == VbVariant::String) {
        const QByteArray text = ansi::encode(value.text());
        if (text.size() > std::numeric_limits<uint16_t>::max()) {
            if (ok())
                error_ = QStringLiteral("a text of %1 bytes is too long to store").arg(text.size());
            put16(VbVariant::String);
            put16(0);
            return;
        }
        put16(VbVariant::String);
        put16(static_cast<uint16_t>(text.size()));
        bytes_.append(text);
        return;
    }
    put16(value.tag());
    switch (value.tag()) {
    case VbVariant::Integer:
        put16(static_cast<uint16_t>(*value.integer()));
        break;
    case VbVariant::Long:
        put32(static_cast<uint32_t>(*value.integer()));
        break;
    case VbVariant::Boolean:
        put16(value.boolean() ? 0xFFFF : 0);
        break;
    case VbVariant::Single:
        put32(std::bit_cast<uint32_t>(static_cast<float>(*value.number())));
        break;
    case VbVariant::Double:
        put64(std::bit_cast<uint64_t>(*value.number()));
        break;
    case VbVariant::Date:
        put64(std::bit_cast<uint64_t>(value.oleDate()));
        break;
    default:
        break;
    }
}

void VariantWriter::writeArray(const VbArray &array)
{
    int64_t total = array.bounds.empty() ? 0 : 1;
    for (const auto &b : array.bounds)
        total *= b.count;
    if (total != static_cast<int64_t>(array.elements.size()) && ok())
        error_ = QStringLiteral("%1 elements for an array of %2").arg(array.elements.size()).arg(total);
    put16(VbVariant::kArrayOfVariant);
    put16(static_cast<uint16_t>(array.bounds.size()));
    for (const auto &b : array.bounds) {
        put32(static_cast<uint32_t>(b.count));
        put32(static_cast<uint32_t>(b.lower));
    }
    for (const auto &element : array.elements)
        write(element);
}
