#pragma once

#include "AltLookAndFeel_Dist.h"
#include "AltLookAndFeel_Yaw.h"
#include "AltLookAndFeel_sliderEleVertical.h"
#include "AltLookAndFeel_transparentButton.h"
#include "EmbeddedImages.h"
#include "InputVuMeters.h"
#include "OptionGUI.h"
#include "Pad.h"
#include "PadDist.h"
#include "VuMeter.h"
#include "WelcomeGUI.h"

#include <processor/VevazovAzudAudioProcessor.h>

/** The plug-in's window: five knobs along the bottom, one of two position pads
    (the top view with its elevation slider, or the unwrapped view), the input and
    output meters, and the options and welcome panels over everything.

    It keeps no audio state: it writes parameters as a host sees a user do it,
    inside gestures, and follows the processor on its 50 ms clock.
*/
class VevazovAzudAudioProcessorEditor : public juce::AudioProcessorEditor,
                                        public juce::Timer,
                                        public juce::Button::Listener,
                                        public juce::Slider::Listener
{
public:
    static constexpr int editorWidth = 556;
    static constexpr int editorHeight = 503;
    static constexpr int editorTimerPeriodMs = 50;

    explicit VevazovAzudAudioProcessorEditor (VevazovAzudAudioProcessor&);
    ~VevazovAzudAudioProcessorEditor() override;

    //==============================================================================
    void paint (juce::Graphics&) override;
    void resized() override;
    void timerCallback() override;
    void buttonClicked (juce::Button*) override;
    void sliderValueChanged (juce::Slider*) override;
    void sliderDragStarted (juce::Slider*) override;
    void sliderDragEnded (juce::Slider*) override;

private:
    /** The children in creation order, which is also their stacking order. */
    std::array<juce::Component*, 16> children() const noexcept;

    /** The six sliders, each beside the parameter it writes. */
    std::array<juce::Slider*, 6> sliders() const noexcept;

    void createChildren();
    void configureSlider (juce::Slider&, size_t row);
    void configureButtons();
    void refreshFromProcessor();
    void applyViewMode();
    void applyOutputConfig();
    int parameterIndexOf (const juce::Slider*) const noexcept;

    VevazovAzudAudioProcessor& processor;

    // Declared first, so that every child and look-and-feel shares its images until the last of them is gone.
    const EmbeddedImagesHolder embeddedImages;

    std::unique_ptr<OptionGUI> optionGUI;
    std::unique_ptr<WelcomeGUI> welcomeGUI;
    int currentIdxGUI = 0;
    int currentIdxOutputConfig = 1;

    AltLookAndFeel_Yaw lnfYaw;
    AltLookAndFeel_Dist lnfDist;
    AltLookAndFeel_transparentButton lnfTransparentButton;
    AltLookAndFeel_sliderEleVertical lnfEleVertical;

    std::unique_ptr<VuMeter> vuMeter1, vuMeter2, vuMeter3;
    std::unique_ptr<juce::ImageButton> engrenage;
    std::unique_ptr<juce::Slider> sliderEle;
    std::unique_ptr<juce::TextButton> welcomeButton;
    std::unique_ptr<juce::Slider> sliderAzi, sliderGain, sliderDist;
    std::unique_ptr<VuMeter> vuMeter4;
    std::unique_ptr<PadDist> padDist;
    std::unique_ptr<Pad> pad;
    std::unique_ptr<juce::Slider> sliderWidth, sliderEleVertical;
    std::unique_ptr<juce::ImageButton> imageButtonVue;
    std::unique_ptr<InputVuMeters> inputVuMeters;

    juce::Image backgroundImage;
    juce::Image channelOrderImage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VevazovAzudAudioProcessorEditor)
};
