// The mixing kernels built with AVX; chosen at run time on processors that have it.

#include "EncoderMixKernels.h"

namespace EncoderMixVariants
{

    void mixGainsAvx (const std::array<float, 4>* targets, std::array<float, 4>* gains, const float* const* inputs, int numEncoders, float* const* outputs, int numSamples) noexcept
    {
        mixGains (targets, gains, inputs, numEncoders, outputs, numSamples);
    }

} // namespace EncoderMixVariants
