#include "rotation.h"
#include "two_decimals.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

// Prints to standard output what must be the same bytes on every processor: the profiles of
// awkward calls, then a digest of the two-decimal conversion of sampled float bit patterns.
// Each sampled conversion is also checked against this processor's own snprintf("%.2f"); a
// difference is reported on standard error and gives status 1.

namespace {

struct Call
{
    std::int32_t Angle;
    std::int32_t PowerMax;
};

constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

constexpr Call calls[] = {
    {320, 100}, // the program's own call
    {5, 10}, // odd
    {7, 10}, // drifts below zero
    {1, 100}, // a single falling row
    {3, 100}, // a step that is not exact
    {-5, 100}, // negative: no rows
    {-5, 0}, // -0
    {0, 100}, // inf
    {0, -100}, // -inf
    {0, 0}, // nan
    {-1, 1 << 30}, // doubling beyond 32 bits
    {-1, int32Min}, // doubling beyond 32 bits, negative
    {int32Min, 100}, // the most negative angle
    {-2147118927, 434791568}, // the step needs a single rounding
    {1000001, 3}, // a million rows, drifting
    {999998, -7}, // negative levels, drifting
    {2000000, 1}, // tiny step
};

// Sampling stride through the 2^32 bit patterns: prime, so every exponent and low mantissa
// bit is met.
constexpr std::uint64_t stride = 1021;

// FNV-1a, 64 bits: a digest that is the same on every processor for the same bytes.
std::uint64_t digest(std::uint64_t hash, const char *text, std::size_t length)
{
    for (std::size_t k = 0; k < length; ++k) {
        hash ^= static_cast<unsigned char>(text[k]);
        hash *= 0x100000001B3;
    }
    return hash;
}

} // namespace

int main()
{
    for (const Call call : calls) {
        std::printf("== Rotation_F(%d, %d)\n", call.Angle, call.PowerMax);
        if (Rotation_F(call.Angle, call.PowerMax, stdout) != 1) {
            std::fprintf(stderr, "profile_bytes: Rotation_F(%d, %d) did not return 1\n", call.Angle,
                         call.PowerMax);
            return 1;
        }
    }

    std::uint64_t hash = 0xCBF29CE484222325;
    std::uint64_t count = 0;
    for (std::uint64_t bits = 0; bits <= 0xFFFFFFFF; bits += stride, ++count) {
        const auto pattern = static_cast<std::uint32_t>(bits);
        float value;
        std::memcpy(&value, &pattern, sizeof value);
        char text[twoDecimalsMaxLength];
        const auto length = static_cast<std::size_t>(formatTwoDecimals(text, value) - text);
        hash = digest(hash, text, length);
        hash = digest(hash, "\n", 1);
        if (std::isnan(value))
            continue; // printf may sign a NaN; the routine never does
        char expected[64];
        const int expectedLength = std::snprintf(expected, sizeof expected, "%.2f", double{value});
        if (static_cast<std::size_t>(expectedLength) != length
            || std::memcmp(text, expected, length) != 0) {
            std::fprintf(stderr, "profile_bytes: bits 0x%08x give \"%.*s\", snprintf \"%s\"\n",
                         static_cast<unsigned>(pattern), static_cast<int>(length), text, expected);
            return 1;
        }
    }
    std::printf("== two decimals of %llu bit patterns: digest %016llx\n",
                static_cast<unsigned long long>(count), static_cast<unsigned long long>(hash));
    return std::fflush(stdout) == 0 ? 0 : 1;
}
