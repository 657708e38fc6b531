#include "Interruption.h"
#include "OfflineRenderer.h"

#include <juce_events/juce_events.h>

#include <algorithm>
#include <iostream>

namespace
{
    constexpr int exitFailure = 1;
    constexpr int exitBadCommandLine = 2;

    void printResult (const RenderResult& result)
    {
        std::cout << "Wrote " << result.output.getFullPathName() << "\n"
                  << "  4-channel B-format (" << result.channelNames.joinIntoString (" ") << "), " << result.sampleFormat << ", "
                  << result.sampleRate << " Hz, " << juce::String (static_cast<double> (result.numSamples) / result.sampleRate, 2) << " s\n"
                  << "  input layout \"" << result.layoutName << "\", " << result.layoutReason << "\n"
                  << "Peak levels:";

        for (auto channel = 0; channel < result.channelNames.size(); ++channel)
            std::cout << "  " << result.channelNames[channel] << " " << decibelText (result.peaks[static_cast<size_t> (channel)]);

        std::cout << std::endl;
    }

    /** Says how far a PCM output went beyond full scale, on the error stream. */
    void warnOfClipping (const RenderResult& result)
    {
        if (result.clippedSamples == 0)
            return;

        const auto loudest = std::max_element (result.peaks.begin(), result.peaks.end());
        const auto channel = result.channelNames[static_cast<int> (loudest - result.peaks.begin())];
        const auto over = juce::String (juce::Decibels::gainToDecibels (*loudest), 2);

        std::cerr << "velorin-render: warning: " << result.output.getFileName() << " clipped: " << result.clippedSamples
                  << " samples were beyond full scale; the peak is +" << over << " dBFS (" << channel << "). "
                  << "Lower --gain by " << over << " dB or more, or write 32-bit float." << std::endl;
    }

    struct LoadedPath
    {
        std::optional<AutomationPath> path;
        juce::String error;
    };

    LoadedPath loadPath (const RenderOptions& options)
    {
        if (options.path == juce::File())
            return { AutomationPath (options.position), {} };

        if (! options.path.existsAsFile())
            return { {}, "cannot read " + options.path.getFullPathName() + ": no such file" };

        auto parsed = AutomationPath::parse (options.path.loadFileAsString(), options.position);
        return { parsed.path, parsed.error.isEmpty() ? juce::String() : options.path.getFileName() + " " + parsed.error };
    }

    juce::String prepareOutputDirectory (const juce::File& directory)
    {
        if (directory == juce::File() || directory.isDirectory())
            return {};

        if (directory.exists() || ! directory.createDirectory())
            return "cannot make the directory " + directory.getFullPathName();

        return {};
    }
} // namespace

int main (int argc, char* argv[])
{
    juce::ScopedJuceInitialiser_GUI framework;

    juce::StringArray arguments;

    for (auto i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    const auto parsed = parseRenderOptions (arguments);

    if (! parsed.options.has_value())
    {
        std::cerr << "velorin-render: " << parsed.error << std::endl;
        return exitBadCommandLine;
    }

    const auto& options = *parsed.options;

    if (options.showHelp)
    {
        std::cout << renderUsage();
        return 0;
    }

    const auto loaded = loadPath (options);
    const auto setupError = loaded.error.isNotEmpty() ? loaded.error : prepareOutputDirectory (options.outputDirectory);

    if (setupError.isNotEmpty())
    {
        std::cerr << "velorin-render: " << setupError << std::endl;
        return exitFailure;
    }

    Interruption::catchSignals();

    const auto jobs = renderJobs (options);
    const auto isBatch = options.outputDirectory != juce::File();
    juce::StringArray failedInputs;

    for (const auto& job : jobs)
    {
        const auto outcome = renderOffline (options, job, *loaded.path);

        if (outcome.interruptingSignal != 0)
        {
            std::cerr << "velorin-render: " << outcome.error << std::endl;
            Interruption::endProcess (outcome.interruptingSignal);
        }

        if (outcome.result.has_value())
        {
            printResult (*outcome.result);
            warnOfClipping (*outcome.result);
            continue;
        }

        std::cerr << "velorin-render: " << (isBatch ? job.input.getFileName() + ": " : juce::String()) << outcome.error << std::endl;
        failedInputs.add (job.input.getFileName());
    }

    if (failedInputs.isEmpty())
        return 0;

    if (isBatch)
        std::cerr << "velorin-render: " << failedInputs.size() << " of " << static_cast<int> (jobs.size()) << " files failed: "
                  << failedInputs.joinIntoString (", ") << std::endl;

    return exitFailure;
}
