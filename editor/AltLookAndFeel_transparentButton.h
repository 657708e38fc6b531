#pragma once

#include "AltLookAndFeel.h"

/** Invisible buttons that still take clicks (the welcome and close areas), and
    the gain knob with its wider layout over the brass plate.
*/
class AltLookAndFeel_transparentButton : public AltLookAndFeel
{
public:
    AltLookAndFeel_transparentButton() = default;
    ~AltLookAndFeel_transparentButton() override;

    void drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour& backgroundColour, bool isMouseOverButton, bool isButtonDown) override;

    void drawRotarySlider (juce::Graphics&, int x, int y, int width, int height, float sliderPos, float rotaryStartAngle, float rotaryEndAngle, juce::Slider&) override;
    juce::Slider::SliderLayout getSliderLayout (juce::Slider&) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AltLookAndFeel_transparentButton)
};
