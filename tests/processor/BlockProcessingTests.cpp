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
            auto buffer = makeBuffer (numChannels, numSamples, [&] (int, int)
                                      { return random.nextFloat() * 2.0f - 1.0f; });
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

//==============================================================================
JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    juce::AudioBuffer<float> constantBlock (int numChannels, int numSamples, float value)
    {
        return makeBuffer (numChannels, numSamples, [value] (int, int)
                           { return value; });
    }

    float meterReading (float peakDb)
    {
        return static_cast<float> (static_cast<double> ((peakDb - 10.0f) / 70.0f) + 1.0);
    }
} // namespace

TEST (BlockProcessing, metersReadPeaksOnTheMinus60ToPlus10Scale)
{
    HostedProcessor processor;
    processor.prepare (2);

    auto fullScale = constantBlock (4, 512, 1.0f);
    processor.process (fullScale);
    EXPECT_FLOAT_EQ (processor.getLevelMeter (0), meterReading (0.0f));
    EXPECT_NEAR (processor.getLevelMeter (0), 0.857f, 0.001f);

    auto loud = constantBlock (4, 512, 3.2f);
    processor.process (loud);
    EXPECT_EQ (processor.getLevelMeter (1), 1.0f);
}

TEST (BlockProcessing, metersFallTenPercentPerBlockInSilence)
{
    HostedProcessor processor;
    processor.prepare (2);

    auto loud = constantBlock (4, 512, 1.0f);
    processor.process (loud);
    auto previous = processor.getLevelMeter (0);

    for (auto block = 0; block < 5; ++block)
    {
        auto silence = constantBlock (4, 512, 0.0f);
        processor.process (silence);
        EXPECT_FLOAT_EQ (processor.getLevelMeter (0), 0.9f * previous);
        previous = processor.getLevelMeter (0);

        for (auto channel = 0; channel < 4; ++channel)
            EXPECT_EQ (silence.getMagnitude (channel, 0, 512), 0.0f);
    }
}

TEST (BlockProcessing, monoMetersShowChannelZeroOnBothSlots)
{
    HostedProcessor processor;
    processor.prepare (2);
    processor.restoreInputConfig (0);

    auto block = makeBuffer (4, 512, [] (int channel, int)
                             { return channel == 0 ? 0.5f : 0.0f; });
    processor.process (block);
    EXPECT_GT (processor.getLevelMeter (0), 0.7f);
    EXPECT_EQ (processor.getLevelMeter (1), processor.getLevelMeter (0));
}

TEST (BlockProcessing, gainChangesGlideAndAreHeldAcrossBlocks)
{
    HostedProcessor processor;
    processor.prepare (2);
    processor.setParameter (Processor::gainIndex, 0.0f);

    auto block = constantBlock (4, 1000, 0.0f);
    processor.process (block);
    EXPECT_NEAR (processor.getSmoothedOutputGain(), std::pow (0.995f, 1000.0f), 2.0e-4f);
    EXPECT_NEAR (processor.getSmoothedOutputGain(), 0.0067f, 2.0e-4f);
}

TEST (BlockProcessing, stereoToMonoFadesChannelOneIntoTheMonoSignal)
{
    HostedProcessor processor;
    processor.prepare (2);

    // Width 0: both encoders point the same way, so W is half the sum of what feeds them.
    const auto stereoPair = [] (int numSamples)
    {
        return makeBuffer (4, numSamples, [] (int channel, int)
                           { return channel == 0 ? 1.0f : channel == 1 ? 0.5f
                                                                       : 0.0f; });
    };

    auto settle = stereoPair (4096);
    processor.process (settle);
    EXPECT_FLOAT_EQ (settle.getSample (0, 4095), 0.75f);

    processor.setInputConfig (0);
    auto fade = stereoPair (1000);
    processor.process (fade);

    // Encoder 1 glides from channel 1 (0.5) to the mono signal (1.0) over the block.
    for (const auto i : { 0, 250, 500, 999 })
    {
        const auto g = static_cast<float> (i) / 1000.0f;
        EXPECT_NEAR (fade.getSample (0, i), 0.5f + 0.5f * (0.5f * (1.0f - g) + g), 1.0e-5f) << i;
    }

    EXPECT_EQ (processor.getNumActiveInputs(), 1);

    auto mono = stereoPair (512);
    processor.process (mono);
    EXPECT_FLOAT_EQ (mono.getSample (0, 0), 1.0f);
    EXPECT_FLOAT_EQ (mono.getSample (0, 511), 1.0f);

    // And back: the second input fades in while the mono copy fades out.
    processor.setInputConfig (1);
    auto back = stereoPair (1000);
    processor.process (back);
    EXPECT_NEAR (back.getSample (0, 500), 0.5f + 0.5f * (0.5f * 0.5f + 0.5f), 1.0e-5f);
    EXPECT_EQ (processor.getNumActiveInputs(), 2);
}

TEST (BlockProcessing, layoutChangesCrossFadeTheChannelsInAndOut)
{
    HostedProcessor processor;
    processor.prepare (8);
    ASSERT_EQ (processor.getInputConfigID(), 1);

    // Width 0 and every encoder on the same direction: W is the plain sum of the fed channels.
    processor.setInputConfig (4);
    auto block = constantBlock (8, 1000, 1.0f);
    processor.process (block);
    auto afterSettling = constantBlock (8, 4000, 1.0f);
    processor.process (afterSettling);

    // Channels 2-5 faded in over the first block: their share of W grows linearly.
    EXPECT_EQ (processor.getNumActiveInputs(), 6);
    EXPECT_NEAR (afterSettling.getSample (0, 3999), 6 * 0.5f, 1.0e-4f);

    processor.setInputConfig (1);
    auto fadeOut = constantBlock (8, 4000, 1.0f);
    processor.process (fadeOut);
    EXPECT_EQ (processor.getNumActiveInputs(), 2);
    EXPECT_NEAR (fadeOut.getSample (0, 3999), 2 * 0.5f + 4 * 0.5f / 4000.0f, 1.0e-4f);
}

TEST (BlockProcessing, longBlocksAreProcessedWholeAsConsecutiveBlocks)
{
    HostedProcessor processor;
    processor.prepare (2);

    auto settle = constantBlock (4, 4096, 1.0f);
    processor.process (settle);

    auto longBlock = makeBuffer (4, 10000, [] (int channel, int)
                                 { return channel < 2 ? 0.25f : 7.0f; });
    processor.process (longBlock);

    // Nothing of the raw input survives beyond sample 8192: it is all B-format.
    for (auto i = 0; i < 10000; ++i)
    {
        ASSERT_FLOAT_EQ (longBlock.getSample (0, i), 0.25f) << i; // W: two channels of 0.25 at 0.5
        ASSERT_FLOAT_EQ (longBlock.getSample (3, i), 0.25f) << i; // X
        ASSERT_EQ (longBlock.getSample (2, i), 0.0f) << i; // Z
    }
}

TEST (BlockProcessing, emptyBlockOnlyLetsTheMetersFallAndSettlesTheFedCount)
{
    HostedProcessor processor;
    processor.prepare (8);

    auto loud = constantBlock (8, 256, 1.0f);
    processor.process (loud);
    const auto meter = processor.getLevelMeter (8);

    processor.setInputConfig (4);
    juce::AudioBuffer<float> empty (8, 0);
    processor.process (empty);

    EXPECT_FLOAT_EQ (processor.getLevelMeter (8), 0.9f * meter);
    EXPECT_EQ (processor.getNumActiveInputs(), 6);
}

TEST (BlockProcessing, clearsOutputChannelsBeyondTheFourBFormatChannels)
{
    HostedProcessor six;
    six.prepare (2, 6);
    auto block = constantBlock (6, 256, 1.0f);
    six.process (block);
    EXPECT_EQ (block.getMagnitude (4, 0, 256), 0.0f);
    EXPECT_EQ (block.getMagnitude (5, 0, 256), 0.0f);

    HostedProcessor eight;
    eight.prepare (8, 4);
    auto wide = constantBlock (8, 256, 1.0f);
    eight.process (wide);
    EXPECT_EQ (wide.getMagnitude (4, 0, 256), 1.0f);
    EXPECT_EQ (wide.getMagnitude (7, 0, 256), 1.0f);
}

TEST (BlockProcessing, nonFiniteInputOrParametersRecoverWithinOneBlock)
{
    const auto nan = std::numeric_limits<float>::quiet_NaN();
    const auto inf = std::numeric_limits<float>::infinity();

    HostedProcessor processor;
    processor.prepare (8);
    processor.setInputConfig (8);

    const auto expectFiniteAfterOneBlock = [&] (const char* what)
    {
        auto settle = makeNoise (8, 512, 11);
        processor.process (settle);
        auto check = makeNoise (8, 512, 12);
        processor.process (check);

        for (auto channel = 0; channel < 4; ++channel)
            for (auto i = 0; i < 512; ++i)
                ASSERT_TRUE (std::isfinite (check.getSample (channel, i))) << what << " channel " << channel << " sample " << i;

        for (auto meter = 0; meter < Processor::numMeters; ++meter)
            ASSERT_TRUE (std::isfinite (processor.getLevelMeter (meter))) << what << " meter " << meter;
    };

    auto poisoned = makeBuffer (8, 512, [&] (int channel, int i)
                                { return (i % 3 == 0) ? (channel % 2 == 0 ? nan : inf) : 0.5f; });
    processor.process (poisoned);
    expectFiniteAfterOneBlock ("NaN and infinite samples");

    for (auto index = 0; index < 6; ++index)
    {
        for (const auto bad : { nan, inf, -inf, 1.0e30f })
        {
            const auto good = processor.getParameterDefaultValue (index);
            processor.setParameter (index, bad);
            auto during = makeNoise (8, 512, 13);
            processor.process (during);
            processor.setParameter (index, good);
            expectFiniteAfterOneBlock (processor.getParameterName (index).toRawUTF8());
        }
    }
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
