#pragma once
// The binary variant form of the program's record and catalogue files: each value is a 16-bit
// little-endian type tag followed by its value bytes. Texts are single-byte Windows-1254 with a
// 16-bit byte count. An array of variants starts with the tag 0x200C, the number of dimensions
// and, per dimension, its element count and lower bound (32 bits each), then its elements.
//
// Reading never trusts the data: every read checks what is left, and a malformed value is
// reported as an error, never read past.

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

class VbVariant {
public:
    enum Tag : uint16_t {
        Empty = 0,
        Null = 1,
        Integer = 2,  // 16-bit signed
        Long = 3,     // 32-bit signed
        Single = 4,   // 32-bit IEEE
        Double = 5,   // 64-bit IEEE
        Date = 7,     // 64-bit IEEE, days since 30 December 1899
        String = 8,   // 16-bit byte count, then Windows-1254 bytes
        Boolean = 11  // 16 bits: 0 False, -1 True
    };
    static constexpr uint16_t kArrayOfVariant = 0x200C;

    VbVariant() = default;  // Empty

    static VbVariant null();
    static VbVariant fromInt16(int16_t value);
    static VbVariant fromInt32(int32_t value);
    static VbVariant fromSingle(float value);
    static VbVariant fromDouble(double value);
    static VbVariant fromOleDate(double days);
    static VbVariant fromDate(const QDate &date);
    static VbVariant fromText(const QString &text);
    static VbVariant fromBool(bool value);

    Tag tag() const { return tag_; }
    bool isEmpty() const { return tag_ == Empty; }
    bool isNull() const { return tag_ == Null; }
    bool isText() const { return tag_ == String; }

    // The value of a numeric slot (Integer, Long, Single, Double); nothing for any other kind.
    std::optional<double> number() const;
    // The value of an Integer or Long slot; nothing for any other kind.
    std::optional<int32_t> integer() const;
    // The text of a String slot (empty for any other kind).
    QString text() const;
    // The value of a Boolean slot (false for any other kind).
    bool boolean() const;
    // The days of a Date slot, and the calendar date they fall on (invalid for any other kind).
    double oleDate() const;
    QDate date() const;

    friend bool operator==(const VbVariant &, const VbVariant &) = default;

private:
    VbVariant(Tag tag, std::variant<std::monostate, int16_t, int32_t, float, double, bool, QString> v)
        : tag_(tag), value_(std::move(v))
    {
    }

    Tag tag_ = Empty;
    std::variant<std::monostate, int16_t, int32_t, float, double, bool, QString> value_;
};

// An array of variants as stored: the (count, lower bound) pairs in the order the file gives
// them, and the elements in storage order.
struct VbArray {
    struct Bound {
        int32_t count = 0;
        int32_t lower = 0;
        friend bool operator==(const Bound &, const Bound &) = default;
    };
    std::vector<Bound> bounds;
    std::vector<VbVariant> elements;

    friend bool operator==(const VbArray &, const VbArray &) = default;
};

class VariantReader {
public:
    // The reader looks at the caller's bytes, which must outlive it: a temporary byte array is
    // refused.
    explicit VariantReader(QByteArrayView bytes) : bytes_(bytes) {}
    explicit VariantReader(QByteArray &&) = delete;

    // The next value. Nothing when the data is malformed (an unknown tag, a value cut short);
    // error() then says why and the position stays where the value began.
    std::optional<VbVariant> read();
    // The next value for a record that is read whole: nothing left gives Empty, as does a value
    // cut short at the end; an unknown tag gives nothing (error() says why).
    std::optional<VbVariant> readOrEmpty();
    // An array of variants (tag 0x200C) of at most maxDimensions dimensions.
    std::optional<VbArray> readArray(int maxDimensions = 8);

    bool atEnd() const { return pos_ >= bytes_.size(); }
    qsizetype position() const { return pos_; }
    qsizetype remaining() const { return bytes_.size() - pos_; }
    QString error() const { return error_; }

private:
    bool take(qsizetype n, const char **out);
    bool fail(const QString &why);

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
    QString error_;
};

class VariantWriter {
public:
    void write(const VbVariant &value);
    // An array of variants: the bounds in the order given, then the elements, whose number must
    // be the product of the counts.
    void writeArray(const VbArray &array);

    const QByteArray &bytes() const { return bytes_; }
    // False once a value could not be written (a text longer than 65535 bytes, an array whose
    // element count does not match its bounds); error() says which.
    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; }

private:
    void put16(uint16_t v);
    void put32(uint32_t v);
    void put64(uint64_t v);

    QByteArray bytes_;
    QString error_;
};
