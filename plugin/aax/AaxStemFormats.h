#pragma once

#include <array>
#include <cstdint>

/** AAX stem formats: a layout number in the upper 16 bits, the channel count in the lower 16. */
namespace AaxStemFormats
{
    /** What a channel count without a stem format maps to. */
    constexpr std::uint32_t none = 0xFF9C0000;

    struct StemLayout
    {
        int numChannels;
        std::uint32_t layout;
    };

    //  channels   layout
    // clang-format off
    constexpr std::array<StemLayout, 8> layouts {{
        { 1,       0x00 },      // mono
        { 2,       0x01 },      // stereo
        { 3,       0x02 },      // LCR
        { 4,       0x04 },      // quad
        { 5,       0x05 },      // 5.0
        { 6,       0x06 },      // 5.1
        { 7,       0x0B },      // 7.0, DTS order
        { 8,       0x0C },      // 7.1, DTS order
    }};
    // clang-format on

    /** The stem format of a channel count, or none. */
    constexpr std::uint32_t forChannelCount (int numChannels) noexcept
    {
        for (const auto& row : layouts)
            if (row.numChannels == numChannels)
                return (row.layout << 16) | static_cast<std::uint32_t> (numChannels);

        return none;
    }
} // namespace AaxStemFormats
