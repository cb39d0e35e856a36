#pragma once

#include <cstdint>
#include <cstdio>

// The profile written the plain way, one fprintf per line: the yardstick for the routine's own
// formatting. Its step is the double quotient rounded to float, which is the correctly rounded
// step only for |Angle| up to 2^29, and glibc prints the NaN of 0/0 as "-nan"; compare with it
// only for non-zero angles in that range.
inline void printfProfile(std::int32_t Angle, std::int32_t PowerMax, std::FILE *out)
{
    const std::int32_t D_Angle = Angle / 2;
    const std::int64_t Power_inter = std::int64_t{PowerMax} * 2;
    const auto pas = static_cast<float>(static_cast<double>(Power_inter) / Angle);

    std::fprintf(out, "pas : %.2f\n", double{pas});
    float p = 0.0F;
    for (std::int32_t i = 0; i < D_Angle; ++i) {
        std::fprintf(out, "%d\t%.2f\n", i, double{p});
        p = p + pas;
    }
    for (std::int32_t i = D_Angle; i < Angle; ++i) {
        std::fprintf(out, "%d\t%.2f\n", i, double{p});
        p = p - pas;
    }
    std::fprintf(out, "%d\t%.2f\n", Angle, double{pas});
    std::fprintf(out, "\n\npas : %.2f => 2*%d/%d\n", double{pas}, PowerMax, Angle);
}
