#include "AaxBypassParameter.h"

#include <array>

namespace AaxBypassParameter
{
    namespace
    {
        struct FittingText
        {
            int minLength;
            const char* text;
        };

        //  room       text, longest first
        // clang-format off
        constexpr std::array<FittingText, 4> names {{
            { 13,      "Master Bypass" },
            { 8,       "Mast Byp" },
            { 6,       "MstByp" },
            { 0,       "MByp" },
        }};
        // clang-format on

        // clang-format off
        constexpr std::array<FittingText, 2> bypassedTexts {{
            { 8,       "Bypassed" },
            { 0,       "Byp" },
        }};
        // clang-format on

        constexpr const char* offText = "Off";

        template <std::size_t numTexts>
        const char* longestFitting (const std::array<FittingText, numTexts>& texts, int maxLength) noexcept
        {
            for (const auto& row : texts)
                if (maxLength >= row.minLength)
                    return row.text;

            return texts.back().text;
        }
    } // namespace

    const char* nameForLength (int maxLength) noexcept
    {
        return longestFitting (names, maxLength);
    }

    const char* valueText (double value, int maxLength) noexcept
    {
        return value == 0.0 ? offText : longestFitting (bypassedTexts, maxLength);
    }
} // namespace AaxBypassParameter
