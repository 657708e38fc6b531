#pragma once

#include <array>
#include <cstddef>

/** The sixteen input layouts, the two output conventions and the layout a host
    gets for its channel count.

    Offsets are in degrees in the Azimuth parameter's convention (negative = to the
    left of the source direction); Width scales them before use.
*/
namespace InputLayouts
{
    constexpr int numLayouts = 16;
    constexpr int maxChannels = 8;
    constexpr int numOutputChannels = 4;
    constexpr int noLayout = -1;
    constexpr int monoLayout = 0;

    struct Layout
    {
        const char* name;
        int panelPosition;
        int layoutInputChannels;
        int numLayoutChannels;
        std::array<float, maxChannels> channelAzimuthOffsets;
    };

    // clang-format off
    //  name                               panel  reads  drives  offsets in slot order
    constexpr std::array<Layout, numLayouts> layouts {{
        { "Mono",                           1,    1,     2,      { -90.0f, 90.0f } },
        { "Stereo",                         2,    2,     2,      { -90.0f, 90.0f } },
        { "4.0 - L R Ls Rs",                3,    4,     4,      { -45.0f, 45.0f, -135.0f, 135.0f } },
        { "4.0 - L R Rs Ls",                4,    4,     4,      { -45.0f, 45.0f, 135.0f, -135.0f } },
        { "5.1 - L R C Lfe Ls Rs",          5,    6,     6,      { -30.0f, 30.0f, 0.0f, 0.0f, -120.0f, 120.0f } },
        { "5.1 - L C R Ls Rs Lfe",          6,    6,     6,      { -30.0f, 0.0f, 30.0f, -120.0f, 120.0f, 0.0f } },
        { "5.1 - C L R Ls Rs Lfe",          7,    6,     6,      { 0.0f, -30.0f, 30.0f, -120.0f, 120.0f, 0.0f } },
        { "5.1 - L R Ls Rs C Lfe",          8,    6,     6,      { -30.0f, 30.0f, -120.0f, 120.0f, 0.0f, 0.0f } },
        { "7.1 - L R C Lfe Ls Rs Sl Sr",    9,    8,     8,      { -30.0f, 30.0f, 0.0f, 0.0f, -135.0f, 135.0f, -90.0f, 90.0f } },
        { "7.1 - L C R Sl Sr Ls Rs Lfe",    10,   8,     8,      { -30.0f, 0.0f, 30.0f, -90.0f, 90.0f, -135.0f, 135.0f, 0.0f } },
        { "7.1 - C L R Sl Sr Ls Rs Lfe",    11,   8,     8,      { 0.0f, -30.0f, 30.0f, -90.0f, 90.0f, -135.0f, 135.0f, 0.0f } },
        { "7.1 - L R Ls Rs C Lfe Sl Sr",    12,   8,     8,      { -30.0f, 30.0f, -135.0f, 135.0f, 0.0f, 0.0f, -90.0f, 90.0f } },
        { "8.0 - L C R Sr Rs Cs Ls Sl",     14,   8,     8,      { -45.0f, 0.0f, 45.0f, 90.0f, 135.0f, 180.0f, -135.0f, -90.0f } },
        { "8.0 - L R C Ls Rs Cs Sl Sr",     13,   8,     8,      { -45.0f, 45.0f, 0.0f, -135.0f, 135.0f, 180.0f, -90.0f, 90.0f } },
        { "8.0 - L R Ls Rs C Cs Sl Sr",     15,   8,     8,      { -45.0f, 45.0f, -135.0f, 135.0f, 0.0f, 180.0f, -90.0f, 90.0f } },
        { "8.0 - L R C Cs Ls Rs Sl Sr",     16,   8,     8,      { -45.0f, 45.0f, 0.0f, 180.0f, -135.0f, 135.0f, -90.0f, 90.0f } },
    }};
    // clang-format on

    /** The layout of an id; any id outside 0-15 reads as "Mono". */
    constexpr const Layout& layoutFor (int id) noexcept
    {
        return (id >= 0 && id < numLayouts) ? layouts[static_cast<std::size_t> (id)] : layouts[monoLayout];
    }

    /** The id of the layout shown at a 1-based position of the options panel's list, or noLayout. */
    constexpr int layoutIdAtPanelPosition (int position) noexcept
    {
        for (std::size_t id = 0; id < layouts.size(); ++id)
            if (layouts[id].panelPosition == position)
                return static_cast<int> (id);

        return noLayout;
    }

    struct Convention
    {
        const char* name;
        int panelPosition;
        const char* channelOrder;
    };

    // clang-format off
    constexpr std::array<Convention, 2> outputConventions {{
        { "FuMa",  1, "W X Y Z" },
        { "ambiX", 2, "W Y Z X" },
    }};
    // clang-format on

    /** The host families whose channel formats change the layout a host gets. */
    enum class HostFamily
    {
        proTools,
        logic,
        other
    };

    struct HostChoice
    {
        int numHostInputs;
        int proTools;
        int logic;
        int other;
    };

    // clang-format off
    //  host inputs   Pro Tools   Logic   any other host
    constexpr std::array<HostChoice, 5> hostChoices {{
        { 1,            0,          0,      0 },
        { 2,            1,          1,      1 },
        { 4,            2,          2,      1 },
        { 6,            5,          7,      4 },
        { 8,            9,          11,     1 },
    }};
    // clang-format on

    /** The layout a host of the given family gets for its number of input channels;
        any count without a row gets "Mono".
    */
    constexpr int layoutForHost (int numHostInputs, HostFamily family) noexcept
    {
        for (const auto& row : hostChoices)
            if (row.numHostInputs == numHostInputs)
                return family == HostFamily::proTools ? row.proTools
                       : family == HostFamily::logic  ? row.logic
                                                      : row.other;

        return monoLayout;
    }

    /** Whether a host input channel count is one that some layout reads. */
    constexpr bool isSupportedInputCount (int numHostInputs) noexcept
    {
        for (const auto& row : hostChoices)
            if (row.numHostInputs == numHostInputs)
                return true;

        return false;
    }
} // namespace InputLayouts
