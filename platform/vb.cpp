#include "platform/vb.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace vb {

namespace {

template <typename Int>
std::optional<Int> roundHalfEven(double value)
{
    if (std::isnan(value))
        return std::nullopt;
    // std::nearbyint rounds in the current rounding mode, which the program never changes from
    // the default round-to-nearest-even.
    const double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min())
        || rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

std::optional<int32_t> cLng(double value) { return roundHalfEven<int32_t>(value); }

std::optional<int16_t> cInt(double value) { return roundHalfEven<int16_t>(value); }

int32_t cLngOrClamp(double value)
{
    if (auto v = cLng(value))
        return *v;
    if (std::isnan(value))
        return 0;
    return value < 0 ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
}

std::optional<double> numericValue(QStringView text)
{
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(t[i])) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == u'.') {
        ++i;
        while (i < n && isDigit(t[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ++i;
        qsizetype expDigits = 0;
        while (i < n && isDigit(t[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    bool ok = false;
    const double value = t.toString().toDouble(&ok);  // QString::toDouble is locale-independent
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int32_t> toLong(QStringView text)
{
    if (auto v = numericValue(text))
        return cLng(*v);
    return std::nullopt;
}

std::optional<int32_t> plainDecimal(QStringView text)
{
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && t[i] == u'-')
        ++i;
    const qsizetype first = i;
    while (i < t.size() && isDigit(t[i]))
        ++i;
    if (i == first || i != t.size())
        return std::nullopt;
    if (t[first] == u'0' && (t.size() - first > 1 || first > 0))  // "007" and "-0" are not canonical
        return std::nullopt;
    bool ok = false;
    const qlonglong value = t.toString().toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace vb
