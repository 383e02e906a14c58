#pragma once
// Numbers as the program has always treated them: fractions become whole numbers by rounding
// half to even, and texts become numbers only through the parsers below, which never throw.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace vb {

// Fraction to 32-bit integer, half to even (2.5 -> 2, 3.5 -> 4). Empty when out of range or NaN.
std::optional<int32_t> cLng(double value);
// Fraction to 16-bit integer, half to even. Empty when out of range or NaN.
std::optional<int16_t> cInt(double value);
// cLng with a value beyond the 32-bit range clamped to its nearer limit (NaN gives 0).
int32_t cLngOrClamp(double value);

// A numeric text in the program's own invariant notation: blanks around it are ignored, then an
// optional sign, digits with an optional decimal point and fraction, and an optional exponent.
std::optional<double> numericValue(QStringView text);
// numericValue, then cLng: what a conversion of a numeric text to a 32-bit integer gives.
std::optional<int32_t> toLong(QStringView text);
// A plain decimal: the trimmed text is an optional minus sign and digits, written exactly as the
// number's own decimal text ("7", "-12"; not "007", "+7", "1.5", "1e3"), within 32 bits. The one
// reading of a number that must be written as itself: counts, guaranteed numbers, guesses.
std::optional<int32_t> plainDecimal(QStringView text);

}  // namespace vb
