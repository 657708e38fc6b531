#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The plug-in's own style on top of the framework's third look-and-feel
    generation: flat black combo boxes with a soft double arrow, glassy text
    buttons with a white rim and a red outline while toggled, 14-pixel control
    text, one fixed layout for the knob sliders, and Roboto Regular wherever the
    framework's default sans-serif face is asked for.
*/
class AltLookAndFeel : public juce::LookAndFeel_V3
{
public:
    AltLookAndFeel();
    ~AltLookAndFeel() override;

    /** The alpha byte for a fraction: 0 at or below 0, 255 at or above 1, and
        otherwise the whole part of fraction x 255.996.
    */
    static juce::uint8 alphaFromFraction (float fraction) noexcept;

    //==============================================================================
    juce::Typeface::Ptr getTypefaceForFont (const juce::Font&) override;

    void drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour& backgroundColour, bool isMouseOverButton, bool isButtonDown) override;
    juce::Font getTextButtonFont (juce::TextButton&, int buttonHeight) override;

    void drawComboBox (juce::Graphics&, int width, int height, bool isButtonDown, int buttonX, int buttonY, int buttonW, int buttonH, juce::ComboBox&) override;
    juce::Font getComboBoxFont (juce::ComboBox&) override;

    juce::Slider::SliderLayout getSliderLayout (juce::Slider&) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AltLookAndFeel)
};
