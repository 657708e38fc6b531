#include "ParameterText.h"

#include "ParameterUnits.h"
#include "VevazovAzudAudioProcessor.h"

#include <array>
#include <charconv>
#include <cmath>

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    struct UnitStyle
    {
        const char* suffix; // as shown after the number
        int decimalPlaces;
        std::array<const char*, 5> spellings; // accepted after a typed number, any case; null ends the list
    };

    // clang-format off
    // In parameter order, as ParameterUnits::ranges.
    const std::array<UnitStyle, ParameterUnits::numRanges> unitStyles {{
        { "\xc2\xb0", 1, { "\xc2\xb0", "deg", "degrees", "degree", nullptr } },
        { "\xc2\xb0", 1, { "\xc2\xb0", "deg", "degrees", "degree", nullptr } },
        { " m",       2, { "m", "metres", "meters", "metre", "meter" } },
        { " %",       0, { "%", "percent", nullptr } },
        { " dB",      1, { "db", nullptr } },
    }};
    // clang-format on

    const juce::StringArray shownWords { "shown", "show", "on", "yes", "true", "1" };
    const juce::StringArray hiddenWords { "hidden", "hide", "off", "no", "false", "0" };

    const juce::String minusSign (juce::CharPointer_UTF8 ("\xe2\x88\x92"));

    constexpr double fullTurnDegrees = 360.0;

    /** A number as "12.0" with a minus sign set as a minus; a value that rounds to zero has none. */
    juce::String signedNumber (double value, int decimalPlaces)
    {
        const auto scale = std::pow (10.0, decimalPlaces);
        const auto rounded = std::round (value * scale) / scale;

        if (rounded == 0.0)
            return juce::String (0.0, decimalPlaces);

        return (rounded < 0.0 ? minusSign : juce::String()) + juce::String (std::abs (rounded), decimalPlaces);
    }

    /** The text with one of the unit's spellings taken off its end, if it has one. */
    juce::String withoutUnit (const juce::String& text, const UnitStyle& style)
    {
        for (const auto* spelling : style.spellings)
            if (spelling != nullptr && text.endsWithIgnoreCase (juce::CharPointer_UTF8 (spelling)))
                return text.dropLastCharacters (juce::String (juce::CharPointer_UTF8 (spelling)).length()).trimEnd();

        return text;
    }

    /** A whole text that is one finite decimal number, with an optional sign. */
    std::optional<double> wholeNumber (const juce::String& text)
    {
        const auto utf8 = text.replace (minusSign, "-").toStdString();
        const auto* begin = utf8.data();
        const auto* end = begin + utf8.size();
        const auto negative = begin != end && *begin == '-';

        if (begin != end && (*begin == '-' || *begin == '+'))
            ++begin;

        if (begin == end || *begin == '-' || *begin == '+')
            return {};

        auto value = 0.0;
        const auto [rest, error] = std::from_chars (begin, end, value);

        if (error != std::errc() || rest != end || ! std::isfinite (value))
            return {};

        return negative ? -value : value;
    }

    std::optional<float> toggleFromText (const juce::String& text)
    {
        const auto word = text.toLowerCase();

        if (shownWords.contains (word))
            return 1.0f;

        if (hiddenWords.contains (word))
            return 0.0f;

        return {};
    }
} // namespace

juce::String ParameterText::inUnits (int index, float normalised)
{
    if (index == Processor::showOnSceneIndex)
        return ParameterUnits::isShown (normalised) ? "Shown" : "Hidden";

    if (index < 0 || index >= ParameterUnits::numRanges)
        return {};

    const auto& style = unitStyles[static_cast<size_t> (index)];
    return signedNumber (ParameterUnits::toUnits (index, normalised), style.decimalPlaces) + juce::String (juce::CharPointer_UTF8 (style.suffix));
}

std::optional<float> ParameterText::fromUnits (int index, const juce::String& text)
{
    const auto trimmed = text.trim();

    if (index == Processor::showOnSceneIndex)
        return toggleFromText (trimmed);

    if (index < 0 || index >= ParameterUnits::numRanges)
        return {};

    auto value = wholeNumber (withoutUnit (trimmed, unitStyles[static_cast<size_t> (index)]));

    if (! value.has_value())
        return {};

    const auto& range = ParameterUnits::rangeOf (index);

    if (index == Processor::azimuthIndex)
        *value = std::remainder (*value, fullTurnDegrees);

    return ParameterUnits::toNormalised (index, juce::jlimit (range.minimum, range.maximum, *value));
}
