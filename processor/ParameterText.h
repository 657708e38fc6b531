#pragma once

#include <juce_core/juce_core.h>

#include <optional>

/** The parameters' values as text in their units, for hosts that show and take
    values as text of the plug-in's own (VST3 hosts): "30.0°" (clockwise, as the
    knob turns), "−12.0°", "1.00 m", "50 %", "−6.0 dB", "Shown" or "Hidden".

    The index-based parameter text that VST2 hosts read stays the normalised value.
*/
namespace ParameterText
{
    /** The text of a normalised value; empty for an index that is no parameter. */
    juce::String inUnits (int index, float normalised);

    /** The normalised value of a text typed in its unit or without it ("30", "-12°",
        "1.5m", "−6 dB", "hidden"); values beyond the range are held at its ends, an
        azimuth turns round (190° is −170°). Nothing for text that is no value.
    */
    std::optional<float> fromUnits (int index, const juce::String& text);
} // namespace ParameterText
