#pragma once

#include "AltLookAndFeel.h"

/** The azimuth and elevation knobs: a bipolar arc from the top centre. */
class AltLookAndFeel_Yaw : public AltLookAndFeel
{
public:
    AltLookAndFeel_Yaw() = default;
    ~AltLookAndFeel_Yaw() override;

    void drawRotarySlider (juce::Graphics&, int x, int y, int width, int height, float sliderPos, float rotaryStartAngle, float rotaryEndAngle, juce::Slider&) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AltLookAndFeel_Yaw)
};
