#include "EncoderMix.h"

#include "EncoderMixKernels.h"

namespace EncoderMixVariants
{
    void mixGainsBaseline (const std::array<float, 4>* targets, std::array<float, 4>* gains, const float* const* inputs, int numEncoders, float* const* outputs, int numSamples) noexcept
    {
        mixGains (targets, gains, inputs, numEncoders, outputs, numSamples);
    }
} // namespace EncoderMixVariants

namespace
{
    using GainMixer = void (*) (const std::array<float, 4>*, std::array<float, 4>*, const float* const*, int, float* const*, int) noexcept;

    GainMixer chooseMixer() noexcept
    {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_cpu_init(); // may run before the runtime's own initialisers

        if (__builtin_cpu_supports ("avx"))
            return EncoderMixVariants::mixGainsAvx;
#endif

        return EncoderMixVariants::mixGainsBaseline;
    }

    // Chosen when the library loads, so that the audio thread never meets a guarded static.
    const GainMixer mixer = chooseMixer();
} // namespace

void encodeMix (SourceEncoder* const* encoders, const float* const* inputs, int numEncoders, float* const* outputs, int numSamples) noexcept
{
    if (numEncoders <= 0 || numSamples <= 0)
        return;

    numEncoders = std::min (numEncoders, maxEncoders);

    std::array<float, 4> targets[maxEncoders];
    std::array<float, 4> gains[maxEncoders];

    for (auto e = 0; e < numEncoders; ++e)
    {
        targets[e] = encoders[e]->getOutputTargets();
        gains[e] = encoders[e]->appliedGain;
    }

    mixer (targets, gains, inputs, numEncoders, outputs, numSamples);

    for (auto e = 0; e < numEncoders; ++e)
        encoders[e]->appliedGain = gains[e];
}
