#include "../support/TestProcessors.h"
#include "ReferenceProcessor.h"

#include <processor/InputLayouts.h>

#include <gtest/gtest.h>

#include <cmath>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    struct Direction
    {
        double azimuthDegrees; // counter-clockwise, as the B-format carries it
        double elevationDegrees;
        double energy;
    };

    double wrapDegrees (double degrees)
    {
        return std::remainder (degrees, 360.0);
    }

    /** The direction the B-format output points to, read from its correlation with W. */
    Direction readDirection (const juce::AudioBuffer<float>& output, int convention)
    {
        const auto channelOf = [&] (char component)
        {
            if (component == 'W')
                return 0;

            const char* order = convention == 1 ? "YZX" : "XYZ";
            return 1 + static_cast<int> (std::strchr (order, component) - order);
        };

        double x = 0.0, y = 0.0, z = 0.0, energy = 0.0;

        for (auto i = 0; i < output.getNumSamples(); ++i)
        {
            const auto sw = static_cast<double> (output.getSample (0, i));
            x += sw * static_cast<double> (output.getSample (channelOf ('X'), i));
            y += sw * static_cast<double> (output.getSample (channelOf ('Y'), i));
            z += sw * static_cast<double> (output.getSample (channelOf ('Z'), i));
            energy += sw * sw;
        }

        return { juce::radiansToDegrees (std::atan2 (y, x)), juce::radiansToDegrees (std::atan2 (z, std::hypot (x, y))), energy };
    }

    /** Settles a processor on the layout, then encodes noise on one host channel only. */
    juce::AudioBuffer<float> encodeOneChannel (Processor& processor, int activeChannel)
    {
        juce::MidiBuffer midi;

        for (auto block = 0; block < 2; ++block)
        {
            auto buffer = makeNoise (8, 4096, 5 + block);

            for (auto channel = 0; channel < 8; ++channel)
                if (channel != activeChannel)
                    buffer.clear (channel, 0, 4096);

            processor.processBlock (buffer, midi);

            if (block == 1)
                return buffer;
        }

        return {};
    }
} // namespace

TEST (InputLayouts, tableMatchesTheLayoutsUsersKnow)
{
    for (auto id = 0; id < InputLayouts::numLayouts; ++id)
    {
        const auto& layout = InputLayouts::layouts[(size_t) id];
        const auto& expected = referenceLayouts[id];

        EXPECT_STREQ (layout.name, expected.name);
        EXPECT_EQ (layout.layoutInputChannels, expected.reads);
        EXPECT_EQ (layout.numLayoutChannels, expected.drives);

        for (auto slot = 0; slot < expected.drives; ++slot)
            EXPECT_EQ (layout.channelAzimuthOffsets[(size_t) slot], expected.offsets[(size_t) slot]) << layout.name << " slot " << slot;
    }
}

TEST (InputLayouts, panelListsIdsInOrderExceptThe8Point0Pair)
{
    for (auto position = 1; position <= 16; ++position)
    {
        const auto expected = position == 13 ? 13 : position == 14 ? 12
                                                                   : position - 1;
        EXPECT_EQ (InputLayouts::layoutIdAtPanelPosition (position), expected) << position;
    }

    EXPECT_EQ (InputLayouts::layoutIdAtPanelPosition (0), InputLayouts::noLayout);
    EXPECT_EQ (InputLayouts::layoutIdAtPanelPosition (17), InputLayouts::noLayout);
}

TEST (InputLayouts, everyChannelIsEncodedAtItsOffsetTimesWidthAroundTheSource)
{
    constexpr float azimuth = 0.6f; // 36 degrees to the right

    for (const auto width : { 1.0f, 0.5f })
    {
        for (auto id = 1; id < InputLayouts::numLayouts; ++id)
        {
            const auto& layout = referenceLayouts[id];

            for (auto channel = 0; channel < layout.reads; ++channel)
            {
                HostedProcessor processor;
                processor.prepare (8);
                processor.setOutputConfig (channel % 2);
                processor.setInputConfig (id);
                processor.setParameter (Processor::widthIndex, width);
                processor.setParameter (Processor::azimuthIndex, azimuth);

                const auto direction = readDirection (encodeOneChannel (processor, channel), channel % 2);
                const auto clockwise = (static_cast<double> (azimuth) - 0.5) * 360.0 + static_cast<double> (width * layout.offsets[(size_t) channel]);

                EXPECT_NEAR (wrapDegrees (direction.azimuthDegrees + clockwise), 0.0, 0.01)
                    << layout.name << " channel " << channel << " width " << width;
                EXPECT_NEAR (direction.elevationDegrees, 0.0, 0.01);
                EXPECT_GT (direction.energy, 1.0);
            }
        }
    }
}

TEST (InputLayouts, widthZeroCollapsesTheBedOntoTheSource)
{
    HostedProcessor processor;
    processor.prepare (8);
    processor.setInputConfig (8);
    processor.setParameter (Processor::azimuthIndex, 0.25f);
    processor.setParameter (Processor::elevationIndex, 0.75f);

    for (auto channel = 0; channel < 8; ++channel)
    {
        const auto direction = readDirection (encodeOneChannel (processor, channel), 1);
        EXPECT_NEAR (direction.azimuthDegrees, 90.0, 0.01) << channel; // 90 degrees to the left
        EXPECT_NEAR (direction.elevationDegrees, 45.0, 0.01) << channel;
    }
}

TEST (InputLayouts, monoIsEncodedTwiceAndSpreadsIntoTwoSources)
{
    HostedProcessor processor;
    processor.prepare (1);
    ASSERT_EQ (processor.getInputConfigID(), 0);

    processor.setParameter (Processor::azimuthIndex, 0.5f);
    const auto collapsed = encodeOneChannel (processor, 0);
    EXPECT_NEAR (readDirection (collapsed, 1).azimuthDegrees, 0.0, 0.01);

    // At full width the two copies sit 90 degrees either side: only W remains.
    processor.setParameter (Processor::widthIndex, 1.0f);
    const auto spread = encodeOneChannel (processor, 0);
    const auto w = spread.getMagnitude (0, 0, 4096);
    EXPECT_NEAR (spread.getMagnitude (0, 0, 4096), collapsed.getMagnitude (0, 0, 4096), 1.0e-5f);

    for (auto channel = 1; channel < 4; ++channel)
        EXPECT_LT (spread.getMagnitude (channel, 0, 4096), w * 1.0e-6f) << channel;
}

TEST (InputLayouts, hostsGetTheLayoutOfTheirChannelFormat)
{
    struct Case
    {
        juce::PluginHostType::HostType host;
        int channels;
        int expected;
    };

    // clang-format off
    const Case cases[] = {
        { juce::PluginHostType::Reaper,       2, 1 },
        { juce::PluginHostType::Reaper,       8, 1 },
        { juce::PluginHostType::Reaper,       6, 4 },
        { juce::PluginHostType::Reaper,       4, 1 },
        { juce::PluginHostType::Reaper,       1, 0 },
        { juce::PluginHostType::AvidProTools, 6, 5 },
        { juce::PluginHostType::AvidProTools, 8, 9 },
        { juce::PluginHostType::AvidProTools, 4, 2 },
        { juce::PluginHostType::AppleLogic,   8, 11 },
        { juce::PluginHostType::AppleLogic,   6, 7 },
        { juce::PluginHostType::AppleLogic,   4, 2 },
        { juce::PluginHostType::UnknownHost,  3, 0 },
        { juce::PluginHostType::UnknownHost,  5, 0 },
        { juce::PluginHostType::UnknownHost,  7, 0 },
    };
    // clang-format on

    for (const auto& c : cases)
    {
        HostedProcessor processor (c.host);
        processor.prepare (c.channels);
        EXPECT_EQ (processor.getInputConfigID(), c.expected) << "host " << c.host << ", " << c.channels << " channels";
        EXPECT_EQ (processor.getNumActiveInputs(), c.expected == 0 ? 1 : processor.getNumLayoutChannels());
    }
}

TEST (InputLayouts, aLayoutNeedingMoreChannelsThanTheHostGivesIsReplacedAtTheNextBlock)
{
    HostedProcessor processor;
    processor.prepare (2);
    processor.restoreInputConfig (8);
    EXPECT_EQ (processor.getInputConfigID(), 8);

    auto block = makeNoise (4, 64);
    processor.process (block);
    EXPECT_EQ (processor.getInputConfigID(), 1);

    // A layout that needs fewer channels than the host gives stays.
    processor.prepare (8);
    processor.setInputConfig (0);
    auto wide = makeNoise (8, 64);
    processor.process (wide);
    EXPECT_EQ (processor.getInputConfigID(), 0);
}

TEST (InputLayouts, choosingTheCurrentLayoutAgainChangesNothing)
{
    HostedProcessor processor;
    processor.prepare (2);
    processor.takeGuiUpdate();
    processor.takeSceneUpdate();

    processor.setInputConfig (1);
    EXPECT_FALSE (processor.isGuiUpdatePending());
    EXPECT_FALSE (processor.isSceneUpdatePending());

    processor.setInputConfig (4);
    EXPECT_TRUE (processor.isGuiUpdatePending());
    EXPECT_EQ (processor.getNumLayoutChannels(), 6);
}

TEST (InputLayouts, idsOutsideTheTableActAsMonoButAreKept)
{
    HostedProcessor processor;
    processor.prepare (8);
    processor.setInputConfig (42);

    EXPECT_EQ (processor.getInputConfigID(), 42);
    EXPECT_EQ (processor.getLayoutInputChannels(), 1);
    EXPECT_EQ (processor.getNumLayoutChannels(), 2);
    EXPECT_EQ (processor.getChannelAzimuthOffset (0), -90.0f);
    EXPECT_EQ (processor.getChannelAzimuthOffset (1), 90.0f);
}

TEST (InputLayouts, switchingToFumaScalesWAndMovesXGliding)
{
    HostedProcessor processor;
    processor.prepare (1);

    auto settle = makeBuffer (4, 4096, [] (int, int)
                              { return 1.0f; });
    processor.process (settle);
    EXPECT_FLOAT_EQ (settle.getSample (0, 4095), 1.0f); // W, two encoders of 0.5
    EXPECT_FLOAT_EQ (settle.getSample (3, 4095), 1.0f); // X in ambiX

    processor.setOutputConfig (0);
    EXPECT_EQ (processor.getIdxOutputConfig(), 0);

    auto glide = makeBuffer (4, 4096, [] (int, int)
                             { return 1.0f; });
    processor.process (glide);

    EXPECT_NEAR (glide.getSample (1, 199), 0.63f, 0.01f); // X arriving on channel 1
    EXPECT_NEAR (glide.getSample (3, 199), 0.37f, 0.01f); // and leaving channel 3
    EXPECT_FLOAT_EQ (glide.getSample (0, 4095), 0.70710677f);
    EXPECT_FLOAT_EQ (glide.getSample (1, 4095), 1.0f);
    EXPECT_EQ (glide.getSample (3, 4095), 0.0f);

    processor.setOutputConfig (5);
    EXPECT_EQ (processor.getIdxOutputConfig(), 5);
    EXPECT_EQ (processor.getEncoder (0).getWScale(), 0.70710677f);
}

TEST (InputLayouts, aFreshVst3InstanceTakesTheLayoutItsSpeakersNameWhereOtherFormatsCount)
{
    using Channel = juce::AudioChannelSet;

    struct Case
    {
        juce::AudioChannelSet bus;
        int namedByVst3;
        int byCount;
    };

    // clang-format off
    const Case cases[] = {
        { Channel::quadraphonic(),                                                                        2,  1 },
        { Channel::create5point1(),                                                                       4,  4 },
        { Channel::create7point1(),                                                                       8,  1 },
        { Channel::channelSetWithChannels ({ Channel::left, Channel::right, Channel::centre, Channel::leftSurround, Channel::rightSurround,
                                             Channel::centreSurround, Channel::leftSurroundSide, Channel::rightSurroundSide }), 13, 1 },
        { Channel::create7point1SDDS(),                                                                   1,  1 },
        { Channel::channelSetWithChannels ({ Channel::left, Channel::right, Channel::centre, Channel::LFE }), 1, 1 },
        { Channel::stereo(),                                                                              1,  1 },
        { Channel::channelSetWithChannels ({ Channel::left }),                                            0,  0 },
    };
    // clang-format on

    for (const auto wrapper : { Processor::wrapperType_VST3, Processor::wrapperType_VST, Processor::wrapperType_LV2 })
    {
        for (const auto& c : cases)
        {
            auto processor = makeProcessorInWrapper (wrapper);
            processor->prepareWithSpeakers (c.bus);
            const auto chosenWhenPrepared = processor->getInputConfigID();

            auto block = makeNoise (std::max (c.bus.size(), 4), 64);
            processor->process (block);

            const auto isVst3 = wrapper == Processor::wrapperType_VST3;
            const auto expected = isVst3 ? c.namedByVst3 : c.byCount;

            // A VST3 host settles its buses by its first block, and the choice waits for it.
            EXPECT_EQ (chosenWhenPrepared, isVst3 ? InputLayouts::noLayout : expected) << Processor::getWrapperTypeDescription (wrapper) << " " << c.bus.getDescription();
            EXPECT_EQ (processor->getInputConfigID(), expected) << Processor::getWrapperTypeDescription (wrapper) << " " << c.bus.getDescription();
        }
    }
}

TEST (InputLayouts, aRestoredStateKeepsTheCountRuleBehindItsLayoutInVst3)
{
    const auto stateWithLayout = [] (int layout)
    {
        HostedProcessor source;

        if (layout != InputLayouts::noLayout)
        {
            source.prepare (8);
            source.setInputConfig (layout);
        }

        juce::MemoryBlock state;
        source.getStateInformation (state);
        return state;
    };

    // The state's own layout stands against the speakers the host names...
    const auto with7Point1 = stateWithLayout (11);
    auto restored = makeProcessorInWrapper (Processor::wrapperType_VST3);
    restored->setStateInformation (with7Point1.getData(), static_cast<int> (with7Point1.getSize()));
    restored->prepareWithSpeakers (juce::AudioChannelSet::create7point1());
    auto block = makeNoise (8, 64);
    restored->process (block);
    EXPECT_EQ (restored->getInputConfigID(), 11);

    // ...and a state saved before any layout was chosen leaves the choice to the count.
    const auto withoutLayout = stateWithLayout (InputLayouts::noLayout);
    auto unchosen = makeProcessorInWrapper (Processor::wrapperType_VST3);
    unchosen->setStateInformation (withoutLayout.getData(), static_cast<int> (withoutLayout.getSize()));
    unchosen->prepareWithSpeakers (juce::AudioChannelSet::create7point1());
    unchosen->process (block);
    EXPECT_EQ (unchosen->getInputConfigID(), 1);
}

TEST (InputLayouts, aVst3SevenPointOneBedIsReadInTheHostsChannelOrder)
{
    struct Case
    {
        int bufferChannel;
        float clockwiseDegrees;
    };

    // The framework hands the host's Ls (slot 4, rear left) over in buffer channel 6
    // and its Sl (slot 6, side left) in buffer channel 4.
    const Case cases[] = { { 0, -30.0f }, { 3, 0.0f }, { 4, -90.0f }, { 5, 90.0f }, { 6, -135.0f }, { 7, 135.0f } };

    for (const auto& c : cases)
    {
        auto processor = makeProcessorInWrapper (Processor::wrapperType_VST3);
        processor->prepareWithSpeakers (juce::AudioChannelSet::create7point1());
        processor->setParameter (Processor::widthIndex, 1.0f);

        const auto direction = readDirection (encodeOneChannel (*processor, c.bufferChannel), 1);
        ASSERT_EQ (processor->getInputConfigID(), 8);
        EXPECT_NEAR (wrapDegrees (direction.azimuthDegrees + static_cast<double> (c.clockwiseDegrees)), 0.0, 0.01) << "buffer channel " << c.bufferChannel;
    }
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
