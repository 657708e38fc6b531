#pragma once

// The mixing kernels behind encodeMix. This header is compiled once for the
// baseline instruction set and once for AVX; both give the same bits, since
// they perform the same IEEE operations in the same order (no fused
// multiply-adds anywhere).

#include "EncoderMixVariants.h"
#include "SourceEncoder.h"

#include <cstdint>
#include <cstring>

#if defined(__AVX__)
    #include <immintrin.h>
#endif

namespace
{
    constexpr int maxEncoders = 8;

    typedef float Float4 __attribute__ ((vector_size (16)));
    typedef double Double4 __attribute__ ((vector_size (32)));
    typedef std::int32_t Int4 __attribute__ ((vector_size (16)));

    Int4 bits (Float4 v) noexcept
    {
        Int4 i;
        std::memcpy (&i, &v, sizeof (i));
        return i;
    }

    Float4 fromBits (Int4 i) noexcept
    {
        Float4 v;
        std::memcpy (&v, &i, sizeof (v));
        return v;
    }

    // Widening four gains to double precision and back, in one instruction each where the ISA has it.
#if defined(__AVX__)
    Double4 widen (Float4 v) noexcept
    {
        return (Double4) _mm256_cvtps_pd ((__m128) v);
    }
    Float4 narrow (Double4 v) noexcept { return (Float4) _mm256_cvtpd_ps ((__m256d) v); }
#else
    Double4 widen (Float4 v) noexcept
    {
        return __builtin_convertvector(v, Double4);
    }
    Float4 narrow (Double4 v) noexcept { return __builtin_convertvector(v, Float4); }
#endif

    bool sameBits (Float4 a, Float4 b) noexcept
    {
        const auto same = bits (a) == bits (b);
        return (same[0] & same[1] & same[2] & same[3]) != 0;
    }

    // A float distance d passes "(double) d > 1e-5" exactly when it exceeds the
    // largest float at or below 1e-5, so the test can be made in single precision.
    float snapToleranceAsFloat() noexcept
    {
        auto tolerance = static_cast<float> (SourceEncoder::snapTolerance);

        if (static_cast<double> (tolerance) > SourceEncoder::snapTolerance)
            tolerance = std::nextafter (tolerance, 0.0f);

        return tolerance;
    }

    /** smoothGainTowards on the four gains of one encoder at once, with identical
        results. The target's share of each step is the same every sample, so it is
        formed once per block.
    */
    class Smoother
    {
    public:
        Smoother() noexcept = default;

        explicit Smoother (Float4 targetGains) noexcept
            : target (targetGains),
              targetShare (SourceEncoder::smoothingTake * widen (targetGains))
        {
        }

        Float4 step (Float4 applied) const noexcept
        {
            const Int4 absMask = Int4 {} + 0x7fffffff;
            const Float4 largest = Float4 {} + std::numeric_limits<float>::max();
            const auto distance = fromBits (bits (applied - target) & absMask);
            const auto glides = (distance > tolerance) & (distance <= largest);
            const auto blended = narrow (SourceEncoder::smoothingKeep * widen (applied) + targetShare);
            return fromBits ((bits (blended) & glides) | (bits (target) & ~glides));
        }

        /** The same step for gains known to be far from their targets, where no
            lane can snap: the blend alone.
        */
        Float4 glide (Float4 applied) const noexcept
        {
            return narrow (SourceEncoder::smoothingKeep * widen (applied) + targetShare);
        }

        /** True when, for the next samplesBetweenChecks steps, the blend alone gives
            what the full step gives. A gain already exactly on its target stays
            there under the blend, since the two weights add up to one within far
            less than a float's precision. A gain far from its target cannot reach
            the snap tolerance: each step keeps 0.995 of the distance, give or take
            one rounding to single precision, and the margin covers both.
            Infinities and NaNs never qualify.
        */
        bool staysFarFrom (Float4 applied) const noexcept
        {
            const Int4 absMask = Int4 {} + 0x7fffffff;
            const auto distance = fromBits (bits (applied - target) & absMask);
            const auto sizeOfGains = fromBits (bits (applied) & absMask) + fromBits (bits (target) & absMask);
            const auto far = (distance > farTolerance + roundingMargin * sizeOfGains) & (sizeOfGains <= largestSum);
            const auto blendHolds = far | (bits (applied) == bits (target));
            return (blendHolds[0] & blendHolds[1] & blendHolds[2] & blendHolds[3]) != 0;
        }

    private:
        Float4 target {};
        Double4 targetShare {};

        static const Float4 tolerance;

        // 0.995^16 keeps over 92 % of a distance; sixteen roundings to single
        // precision move a gain by less than 16 x 2^-24 of its size.
        static constexpr float farTolerance = 1.2e-5f;
        static constexpr float roundingMargin = 1.0e-6f;
        static constexpr float largestSum = 1.0e30f;
    };

    const Float4 Smoother::tolerance = Float4 {} + snapToleranceAsFloat();

    // How many samples glide between two checks for gains that have stopped moving.
    // Stepping a gain that no longer moves changes nothing, so a late check is exact.
    constexpr int samplesBetweenChecks = 16;

    /** One chunk of gliding samples: every gain takes its smoothing step, then the
        encoders' products are summed in index order, four output channels side by side.
    */
    template <std::size_t numEncoders, bool farFromTargets>
    void glideChunk (const Smoother* smoothers, Float4* applied, const float* const* inputs, Float4* sums, int start, int end) noexcept
    {
        // Local copies let the gains and the input pointers live in registers.
        std::array<Float4, numEncoders> gains;
        std::array<const float*, numEncoders> in;

        for (std::size_t e = 0; e < numEncoders; ++e)
        {
            gains[e] = applied[e];
            in[e] = inputs[e];
        }

        for (auto j = start; j < end; ++j)
        {
            Float4 sum {};

            for (std::size_t e = 0; e < numEncoders; ++e)
            {
                gains[e] = farFromTargets ? smoothers[e].glide (gains[e]) : smoothers[e].step (gains[e]);
                const auto product = in[e][j] * gains[e];
                sum = (e == 0) ? product : sum + product;
            }

            sums[j - start] = sum;
        }

        for (std::size_t e = 0; e < numEncoders; ++e)
            applied[e] = gains[e];
    }

    /** Glides the gains sample by sample and mixes, four output channels side by
        side, until a step would leave every gain as it is; returns the sample at
        which the gains came to rest.
    */
    template <std::size_t numEncoders>
    int mixGliding (const Smoother* smoothers, Float4* applied, const float* const* inputs, float* const* outputs, int start, int end) noexcept
    {
        auto i = start;

        while (i < end)
        {
            auto moving = false;

            for (std::size_t e = 0; e < numEncoders; ++e)
                moving = moving || ! sameBits (smoothers[e].step (applied[e]), applied[e]);

            if (! moving)
                return i;

            const auto chunkEnd = std::min (end, i + samplesBetweenChecks);
            auto far = true;

            for (std::size_t e = 0; e < numEncoders; ++e)
                far = far && smoothers[e].staysFarFrom (applied[e]);

            Float4 sums[samplesBetweenChecks];

            if (far)
                glideChunk<numEncoders, true> (smoothers, applied, inputs, sums, i, chunkEnd);
            else
                glideChunk<numEncoders, false> (smoothers, applied, inputs, sums, i, chunkEnd);

            for (auto k = 0; k < 4; ++k)
                for (auto j = i; j < chunkEnd; ++j)
                    outputs[k][j] = sums[j - i][k];

            i = chunkEnd;
        }

        return end;
    }

    /** Constant gains: each output sample is the same ordered sum of products. */
    template <std::size_t numEncoders>
    void mixSettled (const Float4* gains, const float* const* inputs, float* const* outputs, int start, int end) noexcept
    {
        for (auto k = 0; k < 4; ++k)
        {
            std::array<float, numEncoders> g;
            std::array<const float*, numEncoders> in;

            for (std::size_t e = 0; e < numEncoders; ++e)
            {
                g[e] = gains[e][k];
                in[e] = inputs[e];
            }

            auto* __restrict out = outputs[k];

            for (auto j = start; j < end; ++j)
            {
                auto sum = in[0][j] * g[0];

                for (std::size_t e = 1; e < numEncoders; ++e)
                    sum = sum + in[e][j] * g[e];

                out[j] = sum;
            }
        }
    }

    template <std::size_t numEncoders>
    void mix (const Smoother* smoothers, Float4* applied, const float* const* inputs, float* const* outputs, int numSamples) noexcept
    {
        const auto atRest = mixGliding<numEncoders> (smoothers, applied, inputs, outputs, 0, numSamples);
        mixSettled<numEncoders> (applied, inputs, outputs, atRest, numSamples);
    }

    using Mixer = void (*) (const Smoother*, Float4*, const float* const*, float* const*, int) noexcept;

    constexpr Mixer mixers[maxEncoders + 1] = {
        nullptr,
        mix<1>,
        mix<2>,
        mix<3>,
        mix<4>,
        mix<5>,
        mix<6>,
        mix<7>,
        mix<8>,
    };

    /** The whole mix on plain gain arrays; numEncoders is 1 to 8. */
    void mixGains (const std::array<float, 4>* targets, std::array<float, 4>* gains, const float* const* inputs, int numEncoders, float* const* outputs, int numSamples) noexcept
    {
        Smoother smoothers[maxEncoders];
        Float4 applied[maxEncoders];

        for (auto e = 0; e < numEncoders; ++e)
        {
            Float4 target;
            std::memcpy (&target, targets[e].data(), sizeof (target));
            smoothers[e] = Smoother (target);
            std::memcpy (&applied[e], gains[e].data(), sizeof (applied[e]));
        }

        mixers[numEncoders](smoothers, applied, inputs, outputs, numSamples);

        for (auto e = 0; e < numEncoders; ++e)
            std::memcpy (gains[e].data(), &applied[e], sizeof (applied[e]));
    }
} // namespace
