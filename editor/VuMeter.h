#pragma once

#include <processor/VevazovAzudAudioProcessor.h>

#include <juce_gui_basics/juce_gui_basics.h>

/** One vertical level bar: it shows one of the processor's meter values
    (0 empty, 1 full) by revealing the lower part of a green-to-red gradient,
    stretched to the meter's size. Where the bar is empty the owner's artwork
    shows. It has no timer: its owner repaints it.
*/
class VuMeter : public juce::Component
{
public:
    /** Shows the processor's meter entry levelIndex: 0-7 the input channels of
        the layout, 8-11 the four output channels.
    */
    VuMeter (VevazovAzudAudioProcessor* processorToUse, int levelIndexToShow);

    void paint (juce::Graphics&) override;
    void resized() override;

private:
    VevazovAzudAudioProcessor* processor;
    juce::Image levelImage;
    int levelIndex;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VuMeter)
};
