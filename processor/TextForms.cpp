#include "TextForms.h"

#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

namespace TextForms
{

    juce::String shortDecimal (float value)
    {
        std::ostringstream stream;
        stream.imbue (std::locale::classic());
        stream << static_cast<double> (value);
        return stream.str();
    }

    juce::String hexColour (juce::uint32 argb)
    {
        return juce::String::toHexString (static_cast<juce::int64> (argb));
    }

    double readReal (const juce::String& text)
    {
        return text.getDoubleValue();
    }

    float toFloat (double value) noexcept
    {
        constexpr auto largest = static_cast<double> (std::numeric_limits<float>::max());

        if (value > largest)
            return std::numeric_limits<float>::infinity();

        if (value < -largest)
            return -std::numeric_limits<float>::infinity();

        return static_cast<float> (value);
    }

    int truncateToInt (double value) noexcept
    {
        const auto narrowed = toFloat (value);

        if (std::isnan (narrowed))
            return 0;

        // 2^31 is exactly representable as a float; every float below it truncates into range.
        constexpr auto limit = 2147483648.0f;

        if (narrowed >= limit)
            return std::numeric_limits<int>::max();

        if (narrowed < -limit)
            return std::numeric_limits<int>::min();

        return static_cast<int> (narrowed);
    }

    int leadingInteger (const juce::String& text) noexcept
    {
        auto p = text.getCharPointer();

        while (p.isWhitespace())
            ++p;

        auto negative = false;

        if (*p == '-' || *p == '+')
        {
            negative = (*p == '-');
            ++p;
        }

        juce::int64 magnitude = 0;
        constexpr juce::int64 saturation = static_cast<juce::int64> (std::numeric_limits<int>::max()) + 1;

        for (; p.isDigit(); ++p)
            magnitude = std::min (saturation, magnitude * 10 + (*p - '0'));

        const auto value = negative ? -magnitude : magnitude;
        return static_cast<int> (juce::jlimit (static_cast<juce::int64> (std::numeric_limits<int>::min()),
                                               static_cast<juce::int64> (std::numeric_limits<int>::max()),
                                               value));
    }

    juce::uint32 scanHexDigits (const juce::String& text) noexcept
    {
        juce::uint32 value = 0;

        for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
        {
            const auto digit = juce::CharacterFunctions::getHexDigitValue (*p);

            if (digit >= 0)
                value = (value << 4) | static_cast<juce::uint32> (digit);
        }

        return value;
    }

} // namespace TextForms
