#include "AltLookAndFeel_transparentButton.h"

#include "KnobFilmstrips.h"

namespace
{
    const juce::Rectangle<int> gainKnobArea { 50, 0, 70, 70 };
    const juce::Rectangle<int> gainTextBox { 2, 37, 41, 15 };
} // namespace

AltLookAndFeel_transparentButton::~AltLookAndFeel_transparentButton() = default;

void AltLookAndFeel_transparentButton::drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour&, bool, bool)
{
}

void AltLookAndFeel_transparentButton::drawRotarySlider (juce::Graphics& g, int, int, int width, int, float sliderPos, float, float, juce::Slider&)
{
    KnobFilmstrips::drawGainKnob (g, width, sliderPos);
}

juce::Slider::SliderLayout AltLookAndFeel_transparentButton::getSliderLayout (juce::Slider&)
{
    return { gainKnobArea, gainTextBox };
}
