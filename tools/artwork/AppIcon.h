#pragma once

#include <juce_graphics/juce_graphics.h>

#include <array>

/** The Standalone application's icon, for desktops' menus and launchers. */
namespace artwork
{
    /** The sizes a desktop's icon theme takes the icon in, in pixels. */
    constexpr std::array<int, 6> appIconSizes { 16, 32, 48, 64, 128, 256 };

    /** size x size: the field's rings around the listener on a dark rounded tile,
        with the source placed in it as an accent-blue dot.
    */
    juce::Image drawAppIcon (int size);
} // namespace artwork
