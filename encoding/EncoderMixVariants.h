#pragma once

#include <array>

// The two builds of the mix that encodeMix chooses between at run time. They are
// declared apart so that tests can hold one against the other.
namespace EncoderMixVariants
{
    /** The mix for processors with only the baseline instruction set. */
    void mixGainsBaseline (const std::array<float, 4>* targets, std::array<float, 4>* gains, const float* const* inputs, int numEncoders, float* const* outputs, int numSamples) noexcept;

    /** The same mix, built for processors with AVX. */
    void mixGainsAvx (const std::array<float, 4>* targets, std::array<float, 4>* gains, const float* const* inputs, int numEncoders, float* const* outputs, int numSamples) noexcept;
} // namespace EncoderMixVariants
