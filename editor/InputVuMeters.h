#pragma once

#include "VuMeter.h"

#include <processor/VevazovAzudAudioProcessor.h>

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <memory>

/** The input meters: one VuMeter per channel of the input layout, each over
    the well of its channel's place (L, R, C, Lfe or Cs, Ls, Rs, Sl, Sr) on a
    strip whose captions name those places. It has no timer: the editor tells
    it the layout and repaints it.
*/
class InputVuMeters : public juce::Component
{
public:
    static constexpr int numMeters = InputLayouts::maxChannels;

    /** Starts with the two-channel arrangement; the meters read the processor. */
    explicit InputVuMeters (VevazovAzudAudioProcessor* processor);

    /** Arranges the meters and the strip for an input layout id; any id outside
        0-15 gets the two-channel arrangement. Returns at once when the layout is
        the one already shown. Repaints nothing: the owner repaints on its tick.
    */
    void setLayout (int layoutId);

    void paint (juce::Graphics&) override;
    void resized() override;

private:
    int currentLayout = InputLayouts::noLayout;
    std::array<std::unique_ptr<VuMeter>, numMeters> meters;
    juce::Image stripImage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (InputVuMeters)
};
