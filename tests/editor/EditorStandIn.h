#pragma once

#include <editor/InputVuMeters.h>
#include <editor/Pad.h>
#include <editor/PadDist.h>
#include <editor/VuMeter.h>

#include <array>
#include <memory>

/** The editor's background with the pads and meters at their places in the
    editor, for pictures and for measuring what the editor's tick costs to paint.
*/
class EditorStandIn : public juce::Component
{
public:
    static constexpr int editorWidth = 556;
    static constexpr int editorHeight = 503;

    /** View 1 is the unwrapped view; any other the top view. */
    EditorStandIn (VevazovAzudAudioProcessor&, int viewIndex);

    /** Pushes the processor's layout and source into the meters and pads, as
        the editor's refresh does.
    */
    void refresh();

    /** What one tick of the editor repaints: the five meter components, and the
        visible pad when its source moved.
    */
    juce::RectangleList<int> tickRegions (bool padChanged) const;

    void paint (juce::Graphics&) override;

private:
    VevazovAzudAudioProcessor& processor;
    juce::Image background;
    std::array<std::unique_ptr<VuMeter>, InputLayouts::numOutputChannels> outputMeters;
    std::unique_ptr<PadDist> padDist;
    std::unique_ptr<Pad> pad;
    std::unique_ptr<InputVuMeters> inputMeters;
};
