#include "TextForms.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
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
        // The framework's own reader overflows an int on exponents like 1e9999999999,
        // so the same reading is done here with the standard library's exact parser.
        const auto utf8 = text.toRawUTF8();
        const auto* p = utf8;
        const auto* end = utf8 + std::strlen (utf8);

        while (p != end && juce::CharacterFunctions::isWhitespace (static_cast<juce::juce_wchar> (*p)))
            ++p;

        const auto negative = (p != end && *p == '-');

        if (p != end && (*p == '-' || *p == '+'))
            ++p;

        if (p == end || *p == '-' || *p == '+')
            return 0.0;

        auto value = 0.0;
        const auto [rest, error] = std::from_chars (p, end, value);

        if (error == std::errc::result_out_of_range)
        {
            // Too large reads as infinite, too small as zero.
            const auto exponent = std::find_if (p, rest, [] (char c)
                                                { return c == 'e' || c == 'E'; });
            const auto shrinks = exponent != rest && exponent + 1 != rest && exponent[1] == '-';
            const auto magnitude = shrinks ? 0.0 : std::numeric_limits<double>::infinity();
            return negative ? -magnitude : magnitude;
        }

        if (error != std::errc())
            return 0.0;

        return negative ? -value : value;
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

    bool isWellFormedUtf8 (std::string_view bytes) noexcept
    {
        for (size_t i = 0; i < bytes.size();)
        {
            const auto lead = static_cast<unsigned char> (bytes[i]);

            if (lead < 0x80)
            {
                ++i;
                continue;
            }

            // The length of the sequence and the smallest code point it may carry.
            const auto length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3
                                               : lead >= 0xc0   ? 2
                                                                : 0;

            if (length == 0 || lead >= 0xf5 || i + static_cast<size_t> (length) > bytes.size())
                return false;

            juce::uint32 codePoint = lead & (0x7fu >> length);

            for (auto k = 1; k < length; ++k)
            {
                const auto next = static_cast<unsigned char> (bytes[i + static_cast<size_t> (k)]);

                if ((next & 0xc0) != 0x80)
                    return false;

                codePoint = (codePoint << 6) | (next & 0x3fu);
            }

            constexpr juce::uint32 smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };

            if (codePoint < smallest[length] || codePoint > 0x10ffff || (codePoint >= 0xd800 && codePoint <= 0xdfff))
                return false;

            i += static_cast<size_t> (length);
        }

        return true;
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
