#include "OfflineRenderer.h"

#include "DemoSignal.h"
#include "InputChannels.h"
#include "Interruption.h"
#include "LayoutChoice.h"
#include "PcmQuantiser.h"
#include "RenderProgress.h"

#include <processor/InputLayouts.h>
#include <processor/VevazovAzudAudioProcessor.h>

#include <juce_audio_formats/juce_audio_formats.h>

#include <sys/stat.h>

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter();

namespace
{
    constexpr double demoSampleRate = 48000.0;
    constexpr int numOutputs = InputLayouts::numOutputChannels;
    constexpr int floatBits = 32;
    constexpr int flacQualityOption = 5; // libFLAC's default compression

    static_assert (positionFields.size() == VevazovAzudAudioProcessor::gainIndex + 1, "one position field per parameter, in parameter order");

    /** The samples to encode: a file read block by block, or the demo in memory. */
    struct Input
    {
        std::unique_ptr<juce::AudioFormatReader> file;
        InputChannels channels;
        juce::AudioBuffer<float> demo;
        double sampleRate = 0.0;
        juce::String error;

        int getNumChannels() const { return file != nullptr ? static_cast<int> (file->numChannels) : demo.getNumChannels(); }
        juce::int64 getLength() const { return file != nullptr ? file->lengthInSamples : demo.getNumSamples(); }

        bool read (juce::AudioBuffer<float>& destination, juce::int64 start, int length)
        {
            if (file != nullptr)
                return file->read (&destination, 0, length, start, true, true);

            destination.copyFrom (0, 0, demo, 0, static_cast<int> (start), length);
            return true;
        }
    };

    Input openInput (const juce::File& file)
    {
        Input input;

        if (file == juce::File())
        {
            input.demo = makeDemoSignal (demoSampleRate);
            input.sampleRate = demoSampleRate;
            return input;
        }

        if (! file.existsAsFile())
            return { {}, {}, {}, 0.0, "cannot read " + file.getFullPathName() + ": no such file" };

        juce::AudioFormatManager formats;
        AudioFileFormats::registerReadable (formats);
        input.file.reset (formats.createReaderFor (file.createInputStream()));

        if (input.file == nullptr)
            return { {}, {}, {}, 0.0, "cannot read " + file.getFullPathName() + ": not a WAV, FLAC, AIFF or Ogg Vorbis file" };

        if (const auto numChannels = input.getNumChannels(); ! InputLayouts::isSupportedInputCount (numChannels))
            return { {}, {}, {}, 0.0, file.getFileName() + " has " + juce::String (numChannels) + " channels; 1, 2, 4, 6 or 8 are supported" };

        input.channels = readInputChannels (file, *input.file);
        input.sampleRate = input.file->sampleRate;
        return input;
    }

    /** Whether two names lead to one file on disk: the same device and inode once
        links are followed, so symbolic and hard links and other spellings all count.
    */
    bool isSameFile (const juce::File& first, const juce::File& second)
    {
        struct stat a = {}, b = {};
        return ::stat (first.getFullPathName().toRawUTF8(), &a) == 0
               && ::stat (second.getFullPathName().toRawUTF8(), &b) == 0
               && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    }

    juce::String checkOutputPath (const RenderOptions& options, const juce::File& target)
    {
        if (! target.getParentDirectory().isDirectory())
            return "cannot write " + target.getFullPathName() + ": no such directory";

        if (target.isDirectory())
            return "cannot write " + target.getFullPathName() + ": it is a directory";

        auto readFiles = options.inputs;
        readFiles.add (options.path);

        for (const auto& file : readFiles)
            if (isSameFile (file, target))
                return "will not write " + target.getFullPathName() + ": it is the same file as the input " + file.getFullPathName() + "; choose another output";

        return {};
    }

    using AppliedValues = std::array<std::optional<float>, positionFields.size()>;

    /** Sets each parameter whose value changed since the last block, as a host plays automation. */
    void applyPosition (VevazovAzudAudioProcessor& processor, const SourcePosition& position, AppliedValues& applied)
    {
        for (size_t index = 0; index < positionFields.size(); ++index)
        {
            const auto value = ParameterUnits::toNormalised (static_cast<int> (index), static_cast<double> (position.*positionFields[index].member));

            if (applied[index] != value)
            {
                processor.setParameter (static_cast<int> (index), value);
                applied[index] = value;
            }
        }
    }

    /** "32-bit float WAV", "24-bit FLAC", "16-bit WAV with TPDF dither". */
    juce::String sampleFormatOf (const RenderJob& job)
    {
        const auto isFlac = job.outputType == AudioFileFormats::Type::flac;
        return juce::String (job.bits) + "-bit " + (job.bits == floatBits ? "float " : "") + (isFlac ? "FLAC" : "WAV")
               + (PcmQuantiser::dithers (job.bits) ? " with TPDF dither" : "");
    }

    /** The output, written to a temporary file beside the target and moved into
        place only once complete; until then, destroying it removes the temporary file.
    */
    class OutputFile
    {
    public:
        OutputFile (const RenderJob& jobToWrite, int maximumBlockSize)
            : job (jobToWrite), target (jobToWrite.output), temporary (jobToWrite.output)
        {
            if (job.bits != floatBits)
            {
                quantiser.emplace (job.bits, numOutputs);

                for (auto& samples : wholeSamples)
                    samples.resize (static_cast<size_t> (maximumBlockSize));
            }
        }

        juce::String open (double sampleRate)
        {
            auto stream = temporary.getFile().createOutputStream();

            if (stream == nullptr)
                return "cannot write " + target.getFullPathName();

            // B-format channels are no speaker feeds: the file carries no speaker mask.
            const auto format = AudioFileFormats::create (job.outputType);
            writer.reset (job.outputType == AudioFileFormats::Type::flac
                              ? format->createWriterFor (stream.get(), sampleRate, static_cast<unsigned int> (numOutputs), job.bits, {}, flacQualityOption)
                              : format->createWriterFor (stream.get(), sampleRate, juce::AudioChannelSet::discreteChannels (numOutputs), job.bits, {}, 0));

            if (writer == nullptr)
                return "cannot write a " + sampleFormatOf (job) + " at " + juce::String (sampleRate) + " Hz to " + target.getFullPathName();

            stream.release(); // the writer owns it now
            return {};
        }

        bool write (const juce::AudioBuffer<float>& block, int length)
        {
            if (! quantiser.has_value())
                return writer->writeFromFloatArrays (block.getArrayOfReadPointers(), numOutputs, length);

            std::array<const int*, numOutputs + 1> channels {}; // the writer reads up to a null

            for (auto channel = 0; channel < numOutputs; ++channel)
            {
                auto* samples = wholeSamples[static_cast<size_t> (channel)].data();
                quantiser->quantise (channel, block.getReadPointer (channel), samples, length);
                channels[static_cast<size_t> (channel)] = samples;
            }

            return writer->write (channels.data(), length);
        }

        juce::int64 getNumClipped() const noexcept { return quantiser.has_value() ? quantiser->getNumClipped() : 0; }

        juce::String commit()
        {
            // The framework's FLAC writer completes its stream only as it closes, and
            // answers a flush with false.
            const auto flushed = job.outputType == AudioFileFormats::Type::flac || writer->flush();
            writer.reset();

            if (! flushed || ! temporary.overwriteTargetFileWithTemporary())
                return "cannot write " + target.getFullPathName();

            return {};
        }

    private:
        const RenderJob& job;
        juce::File target;
        juce::TemporaryFile temporary;
        std::unique_ptr<juce::AudioFormatWriter> writer; // closed before the temporary file goes
        std::optional<PcmQuantiser> quantiser; // for PCM outputs
        std::array<std::vector<int>, numOutputs> wholeSamples;
    };

    void prepareProcessor (VevazovAzudAudioProcessor& processor, const RenderOptions& options, const Input& input, int layoutId, AppliedValues& applied, const SourcePosition& start)
    {
        processor.setPlayConfigDetails (input.getNumChannels(), numOutputs, input.sampleRate, options.blockSize);
        applyPosition (processor, start, applied);
        processor.setOutputConfig (options.convention);
        processor.setDistAttenuationFactor (options.attenuation);
        processor.restoreInputConfig (layoutId);
        processor.prepareToPlay (input.sampleRate, options.blockSize);
    }

    RenderOutcome failure (const juce::String& error)
    {
        return { {}, error, 0 };
    }
} // namespace

RenderOutcome renderOffline (const RenderOptions& options, const RenderJob& job, const AutomationPath& path)
{
    if (const auto error = checkOutputPath (options, job.output); error.isNotEmpty())
        return failure (error);

    auto input = openInput (job.input);

    if (input.error.isNotEmpty())
        return failure (input.error);

    const auto numInputs = input.getNumChannels();
    const auto choice = chooseInputLayout (options.layout, input.file != nullptr ? &input.channels : nullptr, job.input.getFileName());

    if (choice.error.isNotEmpty())
        return failure (choice.error);

    const auto& layout = InputLayouts::layoutFor (choice.layoutId);

    if (layout.layoutInputChannels > numInputs)
        return failure (juce::String ("layout \"") + layout.name + "\" reads " + juce::String (layout.layoutInputChannels) + " channels but the input has " + juce::String (numInputs));

    std::unique_ptr<juce::AudioProcessor> plugin (createPluginFilter());
    auto& processor = dynamic_cast<VevazovAzudAudioProcessor&> (*plugin);
    AppliedValues applied;
    prepareProcessor (processor, options, input, choice.layoutId, applied, path.positionAt (0.0));

    OutputFile output (job, options.blockSize);

    if (const auto error = output.open (input.sampleRate); error.isNotEmpty())
        return failure (error);

    RenderResult result;
    const auto length = input.getLength();
    juce::AudioBuffer<float> inputBlock (numInputs, options.blockSize);
    juce::AudioBuffer<float> block (std::max (numInputs, numOutputs), options.blockSize);
    juce::MidiBuffer midi;
    RenderProgress progress (job.input == juce::File() ? juce::String ("demo") : job.input.getFileName());

    for (juce::int64 start = 0; start < length; start += options.blockSize)
    {
        if (const auto signalNumber = Interruption::requestingSignal(); signalNumber != 0)
            return { {}, "interrupted; " + job.output.getFullPathName() + " was not written", signalNumber };

        const auto blockLength = static_cast<int> (std::min<juce::int64> (options.blockSize, length - start));
        applyPosition (processor, path.positionAt (static_cast<double> (start) / input.sampleRate), applied);

        if (! input.read (inputBlock, start, blockLength))
            return failure ("cannot read the samples of " + job.input.getFullPathName());

        block.setSize (block.getNumChannels(), blockLength, false, false, true);
        block.clear();

        for (auto channel = 0; channel < numInputs; ++channel)
            block.copyFrom (channel, 0, inputBlock, channel, 0, blockLength);

        processor.processBlock (block, midi);

        for (auto channel = 0; channel < numOutputs; ++channel)
            result.peaks[static_cast<size_t> (channel)] = std::max (result.peaks[static_cast<size_t> (channel)], block.getMagnitude (channel, 0, blockLength));

        if (! output.write (block, blockLength))
            return failure ("cannot write " + job.output.getFullPathName());

        progress.update (static_cast<double> (start + blockLength) / static_cast<double> (length));
    }

    processor.releaseResources();

    if (const auto error = output.commit(); error.isNotEmpty())
        return failure (error);

    result.output = job.output;
    result.channelNames = juce::StringArray::fromTokens (InputLayouts::outputConventions[static_cast<size_t> (options.convention)].channelOrder, false);
    result.layoutName = InputLayouts::layoutFor (processor.getInputConfigID()).name;
    result.layoutReason = choice.reason;
    result.sampleRate = input.sampleRate;
    result.numSamples = length;
    result.sampleFormat = sampleFormatOf (job);
    result.clippedSamples = output.getNumClipped();
    return { result, {}, 0 };
}

juce::String decibelText (float linear)
{
    if (! (linear > 0.0f))
        return "-inf dB";

    return juce::String (20.0f * std::log10 (linear), 2) + " dB";
}
