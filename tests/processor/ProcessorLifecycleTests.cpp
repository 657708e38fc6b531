#include "../support/TestProcessors.h"

#include <gtest/gtest.h>

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter();

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

    std::vector<float> parameterValues (juce::AudioProcessor& processor)
    {
        std::vector<float> values;

        for (auto i = 0; i < processor.getNumParameters(); ++i)
            values.push_back (processor.getParameter (i));

        return values;
    }

    JUCE_END_IGNORE_WARNINGS_GCC_LIKE
} // namespace

TEST (ProcessorLifecycle, factoryCreatesANewInstanceInItsInitialState)
{
    std::unique_ptr<juce::AudioProcessor> plugin (createPluginFilter());
    auto* processor = dynamic_cast<Processor*> (plugin.get());
    ASSERT_NE (processor, nullptr);

    EXPECT_EQ (processor->getName(), "Velorin");
    EXPECT_EQ (parameterValues (*processor), (std::vector<float> { 0.5f, 0.5f, 0.25f, 0.0f, 0.9f, 1.0f }));
    EXPECT_EQ (processor->getNumPrograms(), 1);
    EXPECT_EQ (processor->getProgramName (0), "Default");
    EXPECT_EQ (processor->getIdxOutputConfig(), 1);
    EXPECT_EQ (processor->getIdxDistAttenuationFactor(), 0);
    EXPECT_EQ (processor->getIdxGUI(), 0);
    EXPECT_EQ (processor->getInputConfigID(), -1);
    EXPECT_EQ (processor->getNumLayoutChannels(), 2);
    EXPECT_EQ (processor->getNumActiveInputs(), 2);
    EXPECT_EQ (processor->getWidgetColour().getARGB(), 0xFF0B72F2u);
    EXPECT_TRUE (processor->getWidgetLabel().isEmpty());
    EXPECT_TRUE (processor->getWidgetIsVisible());
    EXPECT_TRUE (processor->isGuiUpdatePending());
    EXPECT_TRUE (processor->isSceneUpdatePending());
    EXPECT_EQ (processor->getTargetOutputGain(), 1.0f);
    EXPECT_EQ (processor->getSmoothedOutputGain(), 1.0f);
    EXPECT_EQ (processor->getMinimumElevation(), 0.0f);

    for (auto meter = 0; meter < Processor::numMeters; ++meter)
        EXPECT_EQ (processor->getLevelMeter (meter), 0.0f);
}

TEST (ProcessorLifecycle, newEncodersFaceTheFrontInAmbiXAtOneMetreWithoutAttenuation)
{
    Processor processor (juce::PluginHostType::UnknownHost);

    for (auto slot = 0; slot < 8; ++slot)
    {
        const auto& encoder = processor.getEncoder (slot);
        EXPECT_EQ (encoder.getWScale(), 1.0f);
        EXPECT_EQ (encoder.getDistanceExponent(), 0.0f);
        EXPECT_EQ (encoder.getDistanceGain(), 0.5f);
        EXPECT_EQ (encoder.getOutputTargets(), (std::array<float, 4> { 0.5f, -0.0f, 0.0f, 0.5f }));
    }
}

TEST (ProcessorLifecycle, answersTheFrameworksQueries)
{
    Processor processor (juce::PluginHostType::UnknownHost);

    EXPECT_EQ (processor.getInputChannelName (0), "1");
    EXPECT_EQ (processor.getOutputChannelName (0), "1");
    EXPECT_EQ (processor.getInputChannelName (7), "8");
    EXPECT_EQ (processor.getOutputChannelName (7), "8");
    EXPECT_TRUE (processor.isInputChannelStereoPair (3));
    EXPECT_TRUE (processor.isOutputChannelStereoPair (0));
    EXPECT_FALSE (processor.silenceInProducesSilenceOut());
    EXPECT_EQ (processor.getTailLengthSeconds(), 0.0);
    EXPECT_TRUE (processor.acceptsMidi());
    EXPECT_FALSE (processor.producesMidi());
    EXPECT_TRUE (processor.hasEditor());
}

TEST (ProcessorLifecycle, offersOneToEightInputsWithFourOutputs)
{
    Processor processor (juce::PluginHostType::UnknownHost);

    const auto layoutOf = [] (int ins, int outs)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (juce::AudioChannelSet::discreteChannels (ins));
        layout.outputBuses.add (juce::AudioChannelSet::discreteChannels (outs));
        return layout;
    };

    for (const auto ins : { 1, 2, 4, 6, 8 })
        EXPECT_TRUE (processor.checkBusesLayoutSupported (layoutOf (ins, 4))) << ins << " inputs";

    for (const auto ins : { 0, 3, 5, 7, 9 })
        EXPECT_FALSE (processor.checkBusesLayoutSupported (layoutOf (ins, 4))) << ins << " inputs";

    EXPECT_FALSE (processor.checkBusesLayoutSupported (layoutOf (2, 2)));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (layoutOf (2, 8)));

    // A new instance starts at the largest configuration, as a VST2 host sees it.
    EXPECT_EQ (processor.getTotalNumInputChannels(), 8);
    EXPECT_EQ (processor.getTotalNumOutputChannels(), 4);
}

TEST (ProcessorLifecycle, bypassedBlockKeepsInputsAndClearsOutputsBeyondThem)
{
    HostedProcessor eightIn;
    eightIn.prepare (8, 4);
    auto eight = makeNoise (8, 256);
    const auto original = eight;
    juce::MidiBuffer midi;
    eightIn.processBlockBypassed (eight, midi);

    for (auto channel = 0; channel < 8; ++channel)
        for (auto i = 0; i < 256; ++i)
            ASSERT_EQ (eight.getSample (channel, i), original.getSample (channel, i));

    HostedProcessor twoIn;
    twoIn.prepare (2, 4);
    auto four = makeNoise (4, 256, 7);
    const auto before = four;
    twoIn.processBlockBypassed (four, midi);

    for (auto i = 0; i < 256; ++i)
    {
        ASSERT_EQ (four.getSample (0, i), before.getSample (0, i));
        ASSERT_EQ (four.getSample (1, i), before.getSample (1, i));
        ASSERT_EQ (four.getSample (2, i), 0.0f);
        ASSERT_EQ (four.getSample (3, i), 0.0f);
    }
}

TEST (ProcessorLifecycle, prepareChoosesALayoutFromTheHostChannelCount)
{
    HostedProcessor stereoHost;
    stereoHost.prepare (2);
    EXPECT_EQ (stereoHost.getInputConfigID(), 1);

    HostedProcessor cubase (juce::PluginHostType::SteinbergCubase10);
    cubase.prepare (2);
    EXPECT_EQ (cubase.getInputConfigID(), -1);

    auto block = makeNoise (4, 64);
    cubase.process (block);
    EXPECT_EQ (cubase.getInputConfigID(), 1);

    HostedProcessor nuendo (juce::PluginHostType::SteinbergNuendoGeneric);
    nuendo.prepare (6);
    EXPECT_EQ (nuendo.getInputConfigID(), -1);
}

TEST (ProcessorLifecycle, prepareTwiceKeepsTheChosenLayout)
{
    HostedProcessor processor;
    processor.prepare (2);
    processor.setInputConfig (0);
    processor.prepare (2);
    EXPECT_EQ (processor.getInputConfigID(), 0);
}
