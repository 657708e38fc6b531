#include "AltLookAndFeel_Dist.h"

#include "KnobFilmstrips.h"

#include <BinaryData.h>

AltLookAndFeel_Dist::~AltLookAndFeel_Dist() = default;

void AltLookAndFeel_Dist::drawRotarySlider (juce::Graphics& g, int, int, int, int, float sliderPos, float, float, juce::Slider&)
{
    KnobFilmstrips::drawArcKnob (g, BinaryData::bouton_AW_70x70_png, BinaryData::bouton_AW_70x70_pngSize, sliderPos);
}
