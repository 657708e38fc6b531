#include "TestProcessors.h"

HostedProcessor::HostedProcessor (juce::PluginHostType::HostType host)
    : VevazovAzudAudioProcessor (host)
{
}

void HostedProcessor::setHostChannels (int numInputs, int numOutputs)
{
    setPlayConfigDetails (numInputs, numOutputs, 48000.0, 512);
}

void HostedProcessor::prepare (int numInputs, int numOutputs, int samplesPerBlock)
{
    setPlayConfigDetails (numInputs, numOutputs, 48000.0, samplesPerBlock);
    prepareToPlay (48000.0, samplesPerBlock);
}

void HostedProcessor::process (juce::AudioBuffer<float>& buffer)
{
    juce::MidiBuffer midi;
    processBlock (buffer, midi);
}

void HostedProcessor::prepareWithSpeakers (const juce::AudioChannelSet& inputs, int samplesPerBlock)
{
    BusesLayout layout;
    layout.inputBuses.add (inputs);
    layout.outputBuses.add (juce::AudioChannelSet::quadraphonic());
    setBusesLayout (layout);
    setRateAndBufferSizeDetails (48000.0, samplesPerBlock);
    prepareToPlay (48000.0, samplesPerBlock);
}

std::unique_ptr<HostedProcessor> makeProcessorInWrapper (juce::AudioProcessor::WrapperType wrapper)
{
    juce::AudioProcessor::setTypeOfNextNewPlugin (wrapper);
    auto processor = std::make_unique<HostedProcessor>();
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);
    return processor;
}

juce::AudioBuffer<float> makeNoise (int numChannels, int numSamples, juce::int64 seed)
{
    juce::Random random (seed);
    return makeBuffer (numChannels, numSamples, [&] (int, int)
                       { return random.nextFloat() * 2.0f - 1.0f; });
}
