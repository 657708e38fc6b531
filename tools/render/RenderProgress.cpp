#include "RenderProgress.h"

#include <iostream>
#include <unistd.h>

namespace
{
    constexpr auto clearToLineEnd = "\033[K";

    juce::String durationText (double seconds)
    {
        const auto total = juce::roundToInt (seconds);
        const auto hours = total / 3600, minutes = (total / 60) % 60, rest = total % 60;
        const auto twoDigits = [] (int value)
        { return juce::String (value).paddedLeft ('0', 2); };

        return hours > 0 ? juce::String (hours) + ":" + twoDigits (minutes) + ":" + twoDigits (rest)
                         : juce::String (minutes) + ":" + twoDigits (rest);
    }
} // namespace

RenderProgress::RenderProgress (const juce::String& inputName)
    : name (inputName),
      onTerminal (isatty (STDERR_FILENO) != 0),
      startMs (juce::Time::getMillisecondCounterHiRes()),
      lastDrawMs (startMs)
{
}

RenderProgress::~RenderProgress()
{
    if (drawn)
        std::cerr << "\r" << clearToLineEnd << std::flush;
}

void RenderProgress::update (double proportionDone)
{
    const auto now = juce::Time::getMillisecondCounterHiRes();

    if (! onTerminal || now - lastDrawMs < redrawIntervalMs || ! (proportionDone > 0.0))
        return;

    const auto elapsedSeconds = (now - startMs) / 1000.0;
    const auto secondsLeft = elapsedSeconds * (1.0 - proportionDone) / proportionDone;

    std::cerr << "\r" << name << ": " << static_cast<int> (100.0 * proportionDone) << "%, about "
              << durationText (secondsLeft) << " left" << clearToLineEnd << std::flush;

    lastDrawMs = now;
    drawn = true;
}
