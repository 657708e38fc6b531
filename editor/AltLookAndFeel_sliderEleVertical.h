#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The vertical elevation slider beside the top view: no track, only the
    slider's background and an elliptic thumb that shrinks towards the ends.
*/
class AltLookAndFeel_sliderEleVertical : public juce::LookAndFeel_V3
{
public:
    AltLookAndFeel_sliderEleVertical() = default;
    ~AltLookAndFeel_sliderEleVertical() override;

    void drawLinearSlider (juce::Graphics&, int x, int y, int width, int height, float sliderPos, float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle, juce::Slider&) override;

    /** The thumb's width and height for a thumb position along a track of the given height. */
    static juce::Point<float> thumbSize (float sliderPos, float trackHeight) noexcept;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AltLookAndFeel_sliderEleVertical)
};
