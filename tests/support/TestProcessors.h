#pragma once

#include <processor/VevazovAzudAudioProcessor.h>

/** A processor whose host channel counts a test sets as a host wrapper would,
    including counts that no wrapper would offer.
*/
class HostedProcessor : public VevazovAzudAudioProcessor
{
public:
    explicit HostedProcessor (juce::PluginHostType::HostType host = juce::PluginHostType::UnknownHost);

    bool isBusesLayoutSupported (const BusesLayout&) const override { return true; }

    /** Sets the base class's channel counts, as the wrapper does before preparing. */
    void setHostChannels (int numInputs, int numOutputs);

    /** Sets the channel counts and prepares for playback. */
    void prepare (int numInputs, int numOutputs = 4, int samplesPerBlock = 512);

    /** Runs one block through processBlock. */
    void process (juce::AudioBuffer<float>& buffer);

    /** Gives the input bus the speakers, with four outputs, and prepares for playback. */
    void prepareWithSpeakers (const juce::AudioChannelSet& inputs, int samplesPerBlock = 512);
};

/** A processor made as the given wrapper makes one, which it then reports itself as. */
std::unique_ptr<HostedProcessor> makeProcessorInWrapper (juce::AudioProcessor::WrapperType wrapper);

/** A buffer of the given size with every sample drawn from the generator. */
template <typename Generator>
juce::AudioBuffer<float> makeBuffer (int numChannels, int numSamples, Generator&& sampleAt)
{
    juce::AudioBuffer<float> buffer (numChannels, numSamples);

    for (auto channel = 0; channel < numChannels; ++channel)
        for (auto i = 0; i < numSamples; ++i)
            buffer.setSample (channel, i, sampleAt (channel, i));

    return buffer;
}

/** White noise in [-1, 1), reproducible from the seed. */
juce::AudioBuffer<float> makeNoise (int numChannels, int numSamples, juce::int64 seed = 1);
