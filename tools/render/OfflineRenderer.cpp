#include "OfflineRenderer.h"

#include "DemoSignal.h"

#include <processor/InputLayouts.h>
#include <processor/ParameterUnits.h>
#include <processor/VevazovAzudAudioProcessor.h>

#include <juce_audio_formats/juce_audio_formats.h>

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter();

namespace
{
    constexpr double demoSampleRate = 48000.0;
    constexpr int numOutputs = InputLayouts::numOutputChannels;

    struct Input
    {
        juce::AudioBuffer<float> samples;
        double sampleRate = 0.0;
        juce::String error;
    };

    Input readInput (const juce::File& file)
    {
        if (file == juce::File())
            return { makeDemoSignal (demoSampleRate), demoSampleRate, {} };

        if (! file.existsAsFile())
            return { {}, 0.0, "cannot read " + file.getFullPathName() + ": no such file" };

        auto stream = file.createInputStream();
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatReader> reader (stream != nullptr ? wav.createReaderFor (stream.release(), true) : nullptr);

        if (reader == nullptr)
            return { {}, 0.0, "cannot read " + file.getFullPathName() + ": not a WAV file" };

        const auto numChannels = static_cast<int> (reader->numChannels);

        if (! InputLayouts::isSupportedInputCount (numChannels))
            return { {}, 0.0, file.getFileName() + " has " + juce::String (numChannels) + " channels; 1, 2, 4, 6 or 8 are supported" };

        if (reader->lengthInSamples > std::numeric_limits<int>::max())
            return { {}, 0.0, file.getFileName() + " is too long" };

        Input input { juce::AudioBuffer<float> (numChannels, static_cast<int> (reader->lengthInSamples)), reader->sampleRate, {} };

        if (! reader->read (&input.samples, 0, input.samples.getNumSamples(), 0, true, true))
            return { {}, 0.0, "cannot read the samples of " + file.getFullPathName() };

        return input;
    }

    void applyOptions (VevazovAzudAudioProcessor& processor, const RenderOptions& options)
    {
        using namespace ParameterUnits;
        using P = VevazovAzudAudioProcessor;

        processor.setParameter (P::azimuthIndex, azimuthValue (options.azimuthDegrees));
        processor.setParameter (P::elevationIndex, elevationValue (options.elevationDegrees));
        processor.setParameter (P::distanceIndex, distanceValue (options.distanceMetres));
        processor.setParameter (P::widthIndex, widthValue (options.widthPercent));
        processor.setParameter (P::gainIndex, gainValue (options.gainDecibels));
        processor.setOutputConfig (options.convention);
        processor.setDistAttenuationFactor (options.attenuation);

        if (options.layout != InputLayouts::noLayout)
            processor.restoreInputConfig (options.layout);
    }

    juce::AudioBuffer<float> runProcessor (juce::AudioProcessor& processor, const juce::AudioBuffer<float>& input, int blockSize)
    {
        const auto numSamples = input.getNumSamples();
        const auto numInputs = input.getNumChannels();
        juce::AudioBuffer<float> output (numOutputs, numSamples);
        juce::AudioBuffer<float> block (std::max (numInputs, numOutputs), blockSize);
        juce::MidiBuffer midi;

        for (auto start = 0; start < numSamples; start += blockSize)
        {
            const auto length = std::min (blockSize, numSamples - start);
            block.setSize (block.getNumChannels(), length, false, false, true);
            block.clear();

            for (auto channel = 0; channel < numInputs; ++channel)
                block.copyFrom (channel, 0, input, channel, start, length);

            processor.processBlock (block, midi);

            for (auto channel = 0; channel < numOutputs; ++channel)
                output.copyFrom (channel, start, block, channel, 0, length);
        }

        return output;
    }

    juce::String checkOutputPath (const juce::File& target)
    {
        if (! target.getParentDirectory().isDirectory())
            return "cannot write " + target.getFullPathName() + ": no such directory";

        if (target.isDirectory())
            return "cannot write " + target.getFullPathName() + ": it is a directory";

        return {};
    }

    juce::String writeWav (const juce::File& target, const juce::AudioBuffer<float>& samples, double sampleRate)
    {
        juce::TemporaryFile temporary (target);
        auto stream = temporary.getFile().createOutputStream();

        if (stream == nullptr)
            return "cannot write " + target.getFullPathName();

        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (stream.get(), sampleRate, static_cast<unsigned int> (samples.getNumChannels()), 32, {}, 0));
        if (writer == nullptr)
            return "cannot write a 32-bit float WAV to " + target.getFullPathName();

        stream.release(); // the writer owns it now

        if (! writer->writeFromAudioSampleBuffer (samples, 0, samples.getNumSamples()) || ! writer->flush())
            return "cannot write " + target.getFullPathName();

        writer.reset();

        if (! temporary.overwriteTargetFileWithTemporary())
            return "cannot write " + target.getFullPathName();

        return {};
    }
} // namespace

RenderOutcome renderOffline (const RenderOptions& options)
{
    if (const auto error = checkOutputPath (options.output); error.isNotEmpty())
        return { {}, error };

    const auto input = readInput (options.input);

    if (input.error.isNotEmpty())
        return { {}, input.error };

    const auto numInputs = input.samples.getNumChannels();

    if (options.layout != InputLayouts::noLayout)
    {
        const auto& layout = InputLayouts::layoutFor (options.layout);

        if (layout.layoutInputChannels > numInputs)
            return { {}, juce::String ("layout \"") + layout.name + "\" reads " + juce::String (layout.layoutInputChannels) + " channels but the input has " + juce::String (numInputs) };
    }

    std::unique_ptr<juce::AudioProcessor> plugin (createPluginFilter());
    auto& processor = dynamic_cast<VevazovAzudAudioProcessor&> (*plugin);

    processor.setPlayConfigDetails (numInputs, numOutputs, input.sampleRate, options.blockSize);
    applyOptions (processor, options);
    processor.prepareToPlay (input.sampleRate, options.blockSize);

    const auto output = runProcessor (processor, input.samples, options.blockSize);
    processor.releaseResources();

    if (const auto error = writeWav (options.output, output, input.sampleRate); error.isNotEmpty())
        return { {}, error };

    RenderResult result;
    result.output = options.output;
    result.channelNames = juce::StringArray::fromTokens (InputLayouts::outputConventions[static_cast<size_t> (options.convention)].channelOrder, false);
    result.layoutName = InputLayouts::layoutFor (processor.getInputConfigID()).name;
    result.sampleRate = input.sampleRate;
    result.numSamples = output.getNumSamples();

    for (auto channel = 0; channel < numOutputs; ++channel)
        result.peaks[static_cast<size_t> (channel)] = output.getMagnitude (channel, 0, output.getNumSamples());

    return { result, {} };
}

juce::String decibelText (float linear)
{
    if (! (linear > 0.0f))
        return "-inf dB";

    return juce::String (20.0f * std::log10 (linear), 2) + " dB";
}
