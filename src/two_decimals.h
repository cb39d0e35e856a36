#pragma once

#include <cstddef>

// Room that formatTwoDecimals may need: sign, 39 integer digits of FLT_MAX, point, 2 decimals.
constexpr std::size_t twoDecimalsMaxLength = 43;

// Writes `value` as printf's "%.2f" does in the C locale (the exact binary value rounded half to
// even, "-0.00", "inf", "-inf"), except that every NaN is written "nan", never "-nan". Needs
// twoDecimalsMaxLength bytes at `out`; returns the end of what it wrote.
char *formatTwoDecimals(char *out, float value);
