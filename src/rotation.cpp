#include "rotation.h"

#include "two_decimals.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

namespace {

static_assert(std::numeric_limits<float>::is_iec559,
              "the profile is defined in IEEE single precision");

// Power_inter / Angle rounded once to the nearest float. Rounding the double quotient to float
// would round twice and can miss by one unit for divisors above 2^29, and long double is not
// wider than double everywhere. So the magnitude is divided in integers with at least 32
// quotient bits, a non-zero remainder is kept as a set lowest bit ("sticky"), and the
// conversion to float is the only rounding: the sticky bit tells it on which side of a
// halfway point the exact value lies.
float step(std::int64_t Power_inter, std::int32_t Angle)
{
    if (Angle == 0) {
        if (Power_inter == 0)
            return std::numeric_limits<float>::quiet_NaN(); // unsigned: prints "nan"
        return Power_inter > 0 ? std::numeric_limits<float>::infinity()
                               : -std::numeric_limits<float>::infinity();
    }
    std::uint64_t n = Power_inter < 0 ? 0 - static_cast<std::uint64_t>(Power_inter)
                                      : static_cast<std::uint64_t>(Power_inter);
    const std::uint64_t d =
        Angle < 0 ? 0 - static_cast<std::uint64_t>(Angle) : static_cast<std::uint64_t>(Angle);
    int shift = 0;
    while (n != 0 && n < (std::uint64_t{1} << 62)) { // then n >= 2^62 and d <= 2^31
        n <<= 1;
        ++shift;
    }
    const std::uint64_t q = n / d | (n % d != 0 ? 1 : 0);
    const float magnitude = std::ldexp(static_cast<float>(q), -shift); // exact: result is normal
    return (Power_inter < 0) != (Angle < 0) ? -magnitude : magnitude; // 0 / -5 gives -0
}

// The longest line: "\n\npas : ", the step, " => 2*", a 32-bit integer, "/", another and "\n".
constexpr std::size_t maxLineLength = 8 + twoDecimalsMaxLength + 6 + 11 + 1 + 11 + 1;

char *append(char *at, std::string_view text)
{
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

char *appendInteger(char *at, std::int32_t value)
{
    return std::to_chars(at, at + 11, value).ptr;
}

// One row: the angle unit, a tab and the level, as "%d\t%.2f\n".
char *appendRow(char *at, std::int32_t i, float level)
{
    at = appendInteger(at, i);
    *at++ = '\t';
    at = formatTwoDecimals(at, level);
    *at++ = '\n';
    return at;
}

} // namespace

std::uint8_t Rotation_F(std::int32_t Angle, std::int32_t PowerMax, std::FILE *out)
{
    const std::int32_t D_Angle = Angle / 2;
    // In 64 bits: twice a 32-bit power does not fit in 32.
    const std::int64_t Power_inter = std::int64_t{PowerMax} * 2;
    const float pas = step(Power_inter, Angle);

    // Up to two billion rows: they are formatted into a fixed buffer and handed to `out` in
    // large blocks, so memory stays the same whatever the angle.
    char buffer[64 * 1024];
    char *at = buffer;
    const auto makeRoomForLine = [&] {
        if (static_cast<std::size_t>(buffer + sizeof buffer - at) < maxLineLength) {
            std::fwrite(buffer, 1, static_cast<std::size_t>(at - buffer), out);
            at = buffer;
        }
    };

    at = append(at, "pas : ");
    at = formatTwoDecimals(at, pas);
    *at++ = '\n';
    float p = 0.0F;
    for (std::int32_t i = 0; i < D_Angle; ++i) {
        makeRoomForLine();
        at = appendRow(at, i, p);
        p = p + pas;
    }
    for (std::int32_t i = D_Angle; i < Angle; ++i) {
        makeRoomForLine();
        at = appendRow(at, i, p);
        p = p - pas;
    }
    // The closing row shows the step, not the level.
    makeRoomForLine();
    at = appendRow(at, Angle, pas);
    makeRoomForLine();
    at = append(at, "\n\npas : ");
    at = formatTwoDecimals(at, pas);
    at = append(at, " => 2*");
    at = appendInteger(at, PowerMax);
    *at++ = '/';
    at = appendInteger(at, Angle);
    *at++ = '\n';
    std::fwrite(buffer, 1, static_cast<std::size_t>(at - buffer), out);
    return 1;
}
