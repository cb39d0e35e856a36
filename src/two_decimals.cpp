#include "two_decimals.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

static_assert(std::numeric_limits<float>::is_iec559, "the bit layout below is IEEE single");

char *formatTwoDecimals(char *out, float value)
{
    // cppcheck-suppress ctuPointerArith ; one past the end of the caller's buffer is valid
    char *const end = out + twoDecimalsMaxLength;
    if (std::isnan(value))
        return std::copy_n("nan", 3, out);
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const std::uint32_t biased = bits >> 23 & 0xFF;
    const std::uint32_t fraction = bits & 0x7FFFFF;
    // value = ±m · 2^e exactly, with m below 2^24, so 100 · |value| = 100 · m · 2^e with
    // 100 · m below 2^31. For e <= 32 that product is a 64-bit integer, and for e < 0 a shift
    // splits it exactly into the hundredths and a remainder that decides the rounding. Larger
    // values and infinities go to std::to_chars, which formats exactly like printf too.
    const std::uint64_t m = biased == 0 ? fraction : fraction | 0x800000;
    const int e = (biased == 0 ? 1 : static_cast<int>(biased)) - 150;
    if (e > 32)
        return std::to_chars(out, end, double{value}, std::chars_format::fixed, 2).ptr;

    const std::uint64_t scaled = m * 100;
    std::uint64_t hundredths = 0;
    if (e >= 0) {
        hundredths = scaled << e;
    } else if (e > -32) { // below that, 100 · m · 2^e < 2^31 · 2^-32 rounds to 0
        const int shift = -e;
        hundredths = scaled >> shift;
        const std::uint64_t remainder = scaled & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        if (remainder > half || (remainder == half && (hundredths & 1) != 0))
            ++hundredths;
    }

    if (bits >> 31 != 0)
        *out++ = '-';
    out = std::to_chars(out, end, hundredths / 100).ptr;
    const auto cents = static_cast<unsigned>(hundredths % 100);
    out[0] = '.';
    out[1] = static_cast<char>('0' + cents / 10);
    out[2] = static_cast<char>('0' + cents % 10);
    return out + 3;
}
