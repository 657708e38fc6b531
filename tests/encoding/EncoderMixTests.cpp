#include <encoding/EncoderMix.h>
#include <encoding/EncoderMixVariants.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace
{
    constexpr int maxSamples = 600;

    struct Channels
    {
        explicit Channels (int numSamples) : data (4, std::vector<float> ((size_t) numSamples, 0.0f)) {}

        float* const* pointers()
        {
            for (size_t k = 0; k < 4; ++k)
                raw[k] = data[k].data();

            return raw.data();
        }

        std::vector<std::vector<float>> data;
        std::array<float*, 4> raw {};
    };

    /** The same bits, sample for sample; a NaN matches any NaN, since which operand's
        payload a NaN result carries is the compiler's choice.
    */
    bool sameBits (const std::vector<float>& a, const std::vector<float>& b)
    {
        if (a.size() != b.size())
            return false;

        for (size_t i = 0; i < a.size(); ++i)
            if (! (std::memcmp (&a[i], &b[i], sizeof (float)) == 0 || (std::isnan (a[i]) && std::isnan (b[i]))))
                return false;

        return true;
    }

    /** Moves an encoder somewhere new: any direction, a distance law that may even
        amplify, either convention.
    */
    void scramble (SourceEncoder& encoder, std::mt19937& random)
    {
        std::uniform_real_distribution<float> unit (0.0f, 1.0f);

        switch (random() % 5)
        {
            case 0: encoder.setAzimuthTurns (unit (random) * 2.0f - 1.0f); break;
            case 1: encoder.setElevationHalfTurns (unit (random) - 0.5f); break;
            case 2:
                encoder.setDistanceExponent (unit (random) * 4.0f - 2.0f);
                encoder.setDistance (unit (random) * 3.0f - 1.0f);
                break;
            case 3: encoder.setConvention ((int) (random() % 3)); break;
            default: break;
        }
    }
} // namespace

TEST (EncoderMix, equalsTheEncodersRunOneAfterAnotherBitForBit)
{
    std::mt19937 random (7);
    std::uniform_real_distribution<float> sample (-1.0f, 1.0f);

    for (auto numEncoders = 1; numEncoders <= 8; ++numEncoders)
    {
        std::array<SourceEncoder, 8> mixed, sequential;

        for (auto block = 0; block < 40; ++block)
        {
            // The same moves on both sets: replay them from one seed.
            const auto seed = random();
            std::mt19937 a (seed), b (seed);

            for (auto e = 0; e < numEncoders; ++e)
            {
                scramble (mixed[(size_t) e], a);
                scramble (sequential[(size_t) e], b);
            }

            const auto numSamples = (int) (random() % maxSamples);
            std::vector<std::vector<float>> inputs ((size_t) numEncoders, std::vector<float> ((size_t) numSamples));

            for (auto& input : inputs)
                for (auto& value : input)
                    value = sample (random);

            // Encoder 1 of a mono bed reads the same signal as encoder 0.
            if (numEncoders == 2 && block % 2 == 0)
                inputs[1] = inputs[0];

            Channels viaMix (numSamples), viaEncoders (numSamples);
            std::vector<const float*> inputPointers;
            std::vector<SourceEncoder*> encoderPointers;

            for (auto e = 0; e < numEncoders; ++e)
            {
                inputPointers.push_back (inputs[(size_t) e].data());
                encoderPointers.push_back (&mixed[(size_t) e]);
            }

            encodeMix (encoderPointers.data(), inputPointers.data(), numEncoders, viaMix.pointers(), numSamples);

            for (auto e = 0; e < numEncoders; ++e)
            {
                if (e == 0)
                    sequential[0].encodeReplace (inputs[0].data(), viaEncoders.pointers(), numSamples);
                else
                    sequential[(size_t) e].encodeAdd (inputs[(size_t) e].data(), viaEncoders.pointers(), numSamples);
            }

            for (size_t k = 0; k < 4; ++k)
                ASSERT_TRUE (sameBits (viaMix.data[k], viaEncoders.data[k])) << numEncoders << " encoders, block " << block << ", output " << k;

            for (auto e = 0; e < numEncoders; ++e)
                ASSERT_EQ (std::memcmp (mixed[(size_t) e].getAppliedGains().data(), sequential[(size_t) e].getAppliedGains().data(), 16), 0);
        }
    }
}

TEST (EncoderMix, baselineAndAvxKernelsAgreeOnEveryKindOfGain)
{
    const auto inf = std::numeric_limits<float>::infinity();
    const auto nan = std::numeric_limits<float>::quiet_NaN();

    // Starting gains and targets that exercise every branch of the smoothing:
    // gliding, snapping, held by rounding, signed zeros, huge, infinite, NaN.
    const float specials[] = { 0.0f, -0.0f, 0.5f, 0.5f + 4.0e-6f, 0.49999f, 1.0f, 1.0f + 1.0e-5f, 3.0e4f, -2.0f, 1.0e-40f, inf, -inf, nan, 1.0e38f };

    std::mt19937 random (3);
    std::uniform_real_distribution<float> sample (-1.0f, 1.0f);

    for (auto round = 0; round < 300; ++round)
    {
        const auto numEncoders = 1 + (int) (random() % 8);
        const auto numSamples = (int) (random() % 300);
        std::array<std::array<float, 4>, 8> targets {}, baselineGains {}, avxGains {};

        for (auto e = 0; e < numEncoders; ++e)
        {
            for (size_t k = 0; k < 4; ++k)
            {
                targets[(size_t) e][k] = specials[random() % std::size (specials)];
                baselineGains[(size_t) e][k] = (random() % 3 == 0) ? targets[(size_t) e][k] : specials[random() % std::size (specials)];
            }
        }

        avxGains = baselineGains;

        std::vector<std::vector<float>> inputs (8, std::vector<float> ((size_t) numSamples));
        std::vector<const float*> pointers;

        for (auto& input : inputs)
        {
            for (auto& value : input)
                value = sample (random);

            pointers.push_back (input.data());
        }

        Channels baseline (numSamples), avx (numSamples);
        EncoderMixVariants::mixGainsBaseline (targets.data(), baselineGains.data(), pointers.data(), numEncoders, baseline.pointers(), numSamples);

        if (! __builtin_cpu_supports ("avx"))
            GTEST_SKIP() << "this processor has no AVX";

        EncoderMixVariants::mixGainsAvx (targets.data(), avxGains.data(), pointers.data(), numEncoders, avx.pointers(), numSamples);

        for (size_t k = 0; k < 4; ++k)
            ASSERT_TRUE (sameBits (baseline.data[k], avx.data[k])) << "round " << round << ", output " << k;

        ASSERT_EQ (std::memcmp (baselineGains.data(), avxGains.data(), sizeof (baselineGains)), 0) << "round " << round;
    }
}
