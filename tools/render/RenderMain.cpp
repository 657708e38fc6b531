#include "OfflineRenderer.h"

#include <juce_events/juce_events.h>

#include <iostream>

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
        return 2;
    }

    if (parsed.options->showHelp)
    {
        std::cout << renderUsage();
        return 0;
    }

    const auto outcome = renderOffline (*parsed.options);

    if (! outcome.result.has_value())
    {
        std::cerr << "velorin-render: " << outcome.error << std::endl;
        return 1;
    }

    const auto& result = *outcome.result;
    std::cout << "Wrote " << result.output.getFullPathName() << "\n"
              << "  4-channel 32-bit float B-format (" << result.channelNames.joinIntoString (" ") << "), "
              << result.sampleRate << " Hz, " << juce::String (static_cast<double> (result.numSamples) / result.sampleRate, 2)
              << " s, input layout \"" << result.layoutName << "\"\n"
              << "Peak levels:";

    for (auto channel = 0; channel < result.channelNames.size(); ++channel)
        std::cout << "  " << result.channelNames[channel] << " " << decibelText (result.peaks[static_cast<size_t> (channel)]);

    std::cout << std::endl;
    return 0;
}
