#include "../support/TestProcessors.h"
#include "ReferenceProcessor.h"

#include <processor/InputLayouts.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    constexpr int blockSizes[] = { 0, 1, 7, 512, 8192, 8193, 10000 };

    bool sameBits (float a, float b)
    {
        return std::memcmp (&a, &b, sizeof (float)) == 0;
    }

    /** The real processor and the reference model, driven through the same steps. */
    struct Twins
    {
        Twins (int ins, int outs)
            : numInputs (ins), numOutputs (outs), reference (ins, outs)
        {
            real.prepare (ins, outs);
            reference.prepare();
        }

        void setParameter (int index, float value)
        {
            real.setParameter (index, value);
            reference.setParameter (index, value);
        }

        void setInputConfig (int id)
        {
            real.setInputConfig (id);
            reference.setInputConfig (id);
        }

        void setOutputConfig (int index)
        {
            real.setOutputConfig (index);
            reference.setOutputConfig (index);
        }

        void setDistAttenuationFactor (int index)
        {
            real.setDistAttenuationFactor (index);
            reference.setDistAttenuationFactor (index);
        }

        /** Processes one block of noise in both and fails on the first differing bit. */
        void processAndCompare (int numSamples, juce::Random& random, const std::string& context)
        {
            const auto numChannels = std::max (numInputs, numOutputs);
            auto buffer = makeBuffer (numChannels, numSamples, [&] (int, int) { return random.nextFloat() * 2.0f - 1.0f; });
            std::vector<std::vector<float>> channels;

            for (auto channel = 0; channel < numChannels; ++channel)
                channels.emplace_back (buffer.getReadPointer (channel), buffer.getReadPointer (channel) + numSamples);

            real.process (buffer);
            reference.processBlock (channels);

            for (auto channel = 0; channel < numChannels; ++channel)
                for (auto i = 0; i < numSamples; ++i)
                    ASSERT_TRUE (sameBits (buffer.getSample (channel, i), channels[(size_t) channel][(size_t) i]))
                        << context << ": channel " << channel << " sample " << i << " of " << numSamples
                        << ": " << buffer.getSample (channel, i) << " vs " << channels[(size_t) channel][(size_t) i];

            for (auto meter = 0; meter < Processor::numMeters; ++meter)
                ASSERT_TRUE (sameBits (real.getLevelMeter (meter), reference.meters[(size_t) meter])) << context << ": meter " << meter;

            ASSERT_EQ (real.getNumActiveInputs(), reference.numActiveInputs) << context;
            ASSERT_EQ (real.getInputConfigID(), reference.inputConfigID) << context;
        }

        int numInputs, numOutputs;
        HostedProcessor real;
        ReferenceProcessor reference;
    };
} // namespace

TEST (BlockProcessing, matchesTheReferenceBitForBitOverRandomChanges)
{
    constexpr int hostInputs[] = { 1, 2, 4, 6, 8, 8, 8 };

    for (auto seed = 1; seed <= 14; ++seed)
    {
        juce::Random random (seed);
        const auto ins = hostInputs[seed % 7];
        const auto outs = seed % 5 == 0 ? 6 : 4;
        Twins twins (ins, outs);

        for (auto step = 0; step < 40; ++step)
        {
            const auto context = "seed " + std::to_string (seed) + " step " + std::to_string (step);

            switch (random.nextInt (6))
            {
                case 0:
                case 1:
                    twins.setParameter (random.nextInt (6), random.nextFloat() * 1.4f - 0.2f);
                    break;
                case 2:
                    twins.setInputConfig (random.nextInt ({ -2, 18 }));
                    break;
                case 3:
                    twins.setOutputConfig (random.nextInt (3));
                    break;
                case 4:
                    twins.setDistAttenuationFactor (random.nextInt (7));
                    break;
                default:
                    break;
            }

            const auto size = blockSizes[random.nextInt (static_cast<int> (std::size (blockSizes)))];
            twins.processAndCompare (size, random, context);

            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

TEST (BlockProcessing, matchesTheReferenceForEveryLayoutConventionAndBlockSize)
{
    juce::Random random (99);

    for (auto layout = 0; layout < InputLayouts::numLayouts; ++layout)
    {
        for (auto convention = 0; convention < 2; ++convention)
        {
            Twins twins (8, 4);
            twins.setInputConfig (layout);
            twins.setOutputConfig (convention);
            twins.setParameter (3, 0.7f);
            twins.setParameter (0, random.nextFloat());
            twins.setParameter (4, 0.8f);

            for (const auto size : blockSizes)
            {
                twins.processAndCompare (size, random, "layout " + std::to_string (layout) + " convention " + std::to_string (convention));

                if (::testing::Test::HasFatalFailure())
                    return;
            }
        }
    }
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
