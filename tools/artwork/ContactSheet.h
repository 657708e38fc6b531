#pragma once

#include "Catalogue.h"

/** One sheet showing the whole set for review: the backgrounds, every frame of
    the three knob filmstrips as a grid, the meter strips, the icons (also
    enlarged) and the logo card.
*/
namespace artwork
{
    juce::Image drawContactSheet (const RenderedSet& set);
} // namespace artwork
