#pragma once

#include <juce_core/juce_core.h>

#include <cmath>
#include <optional>

/** A plain decimal number ("12", "-0.5", "1e3"): nothing else on the line, and finite. */
inline std::optional<double> parseNumber (const juce::String& text)
{
    const auto trimmed = text.trim();

    if (trimmed.isEmpty() || ! trimmed.containsOnly ("0123456789+-.eE"))
        return {};

    const auto utf8 = trimmed.toStdString();
    char* end = nullptr;
    const auto value = std::strtod (utf8.c_str(), &end);

    if (end != utf8.c_str() + utf8.size() || ! std::isfinite (value))
        return {};

    return value;
}

/** Why a value given as text is out of its range, or nothing when it is within it. */
inline juce::String rangeProblem (const juce::String& name, const juce::String& text, double value, double minimum, double maximum, const juce::String& unit)
{
    if (value >= minimum && value <= maximum)
        return {};

    return name + " " + text.trim() + " is out of range (" + juce::String (minimum) + " to " + juce::String (maximum) + " " + unit + ")";
}
