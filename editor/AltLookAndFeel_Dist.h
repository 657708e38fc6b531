#pragma once

#include "AltLookAndFeel.h"

/** The distance and width knobs: a unipolar arc from the lower left. */
class AltLookAndFeel_Dist : public AltLookAndFeel
{
public:
    AltLookAndFeel_Dist() = default;
    ~AltLookAndFeel_Dist() override;

    void drawRotarySlider (juce::Graphics&, int x, int y, int width, int height, float sliderPos, float rotaryStartAngle, float rotaryEndAngle, juce::Slider&) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AltLookAndFeel_Dist)
};
