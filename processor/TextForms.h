#pragma once

#include <juce_core/juce_core.h>

#include <string_view>

/** How numbers and colours are written as text, in parameter texts and in the
    saved state, and how the saved state reads them back.
*/
namespace TextForms
{
    /** General notation with at most 6 significant digits, as a standard output
        stream prints a double: 0.5, 0.9, 1, 0.333333, 1e-05.
    */
    juce::String shortDecimal (float value);

    /** Lower-case hexadecimal without leading zeros: ff0b72f2. */
    juce::String hexColour (juce::uint32 argb);

    /** A double as the framework reads one from text: leading spaces skipped, a
        decimal number with optional sign and exponent ("inf" and "nan" included),
        0 when nothing numeric is found; beyond the double range, infinity or 0.
    */
    double readReal (const juce::String& text);

    /** Narrows to a float; values beyond the float range become infinities. */
    float toFloat (double value) noexcept;

    /** Narrows to a float, then truncates toward zero; saturates at the int range,
        and NaN reads as 0.
    */
    int truncateToInt (double value) noexcept;

    /** The leading whole number, as the C library's atoi reads it (spaces, sign,
        digits), saturated at the int range instead of overflowing.
    */
    int leadingInteger (const juce::String& text) noexcept;

    /** Strictly well-formed UTF-8: no overlong forms, no surrogates, nothing beyond
        U+10FFFF, no stray or missing continuation bytes.
    */
    bool isWellFormedUtf8 (std::string_view bytes) noexcept;

    /** Every hexadecimal digit in order shifted into 32 bits; other characters are
        skipped and only the last eight digits count.
    */
    juce::uint32 scanHexDigits (const juce::String& text) noexcept;
} // namespace TextForms
