#include "AltLookAndFeel_Yaw.h"

#include "KnobFilmstrips.h"

#include <BinaryData.h>

AltLookAndFeel_Yaw::~AltLookAndFeel_Yaw() = default;

void AltLookAndFeel_Yaw::drawRotarySlider (juce::Graphics& g, int, int, int, int, float sliderPos, float, float, juce::Slider&)
{
    KnobFilmstrips::drawArcKnob (g, BinaryData::bouton_AW_Centre0_70x70_V3_png, BinaryData::bouton_AW_Centre0_70x70_V3_pngSize, sliderPos);
}
