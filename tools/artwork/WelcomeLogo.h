#pragma once

#include <juce_graphics/juce_graphics.h>

/** The maker's logo card of the welcome panel. */
namespace artwork
{
    /** 220 x 280: a white frame around a red card. The panel sets the product title
    over the red card's upper part and the maker's web link over the white
    band at the bottom, so both areas are left plain.
*/
    juce::Image drawWelcomeLogo();
} // namespace artwork
