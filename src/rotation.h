#pragma once

#include <cstdint>
#include <cstdio>

// Writes the power profile of one rotation to `out`: the step, one row per angle unit (a level
// that rises by the step over the first half and falls back over the rest), a closing row and a
// summary. `Angle` is the number of angle units, `PowerMax` the peak power. Returns 1.
std::uint8_t Rotation_F(std::int32_t Angle, std::int32_t PowerMax, std::FILE *out = stdout);
