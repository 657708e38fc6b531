#pragma once

#include <cmath>

/** Sine, cosine and power of single-precision values that give the same bits in
    every build of the plug-in.

    The C libraries' single-precision functions differ in the last bit from one
    platform to the next (glibc's sinf and powf against those of the 32-bit
    Windows runtime, for about one argument in a hundred); their double-precision
    functions, rounded once to float, agree. The encoder's gains are computed
    through these, so the Linux and Windows libraries write the same samples.
*/
namespace PortableMath
{
    inline float sin (float x) noexcept
    {
        return static_cast<float> (std::sin (static_cast<double> (x)));
    }

    inline float cos (float x) noexcept
    {
        return static_cast<float> (std::cos (static_cast<double> (x)));
    }

    inline float pow (float base, float exponent) noexcept
    {
        return static_cast<float> (std::pow (static_cast<double> (base), static_cast<double> (exponent)));
    }
} // namespace PortableMath
