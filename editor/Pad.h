#pragma once

#include "SourceMarker.h"

#include <processor/VevazovAzudAudioProcessor.h>

#include <juce_gui_basics/juce_gui_basics.h>

/** The unwrapped view: azimuth across the width (-180° at the left edge, 0° in
    the middle, +180° at the right edge, wrapping round) and elevation up the
    height (+90° at the top edge, -90° at the bottom).

    It shows the source as a crosshair with one dot per channel of the input
    layout, copied across the left and right edges where it crosses them, and
    moves Azimuth and Elevation with the mouse. It draws no background: the
    editor's grid artwork lies beneath it.
*/
class Pad : public juce::Component
{
public:
    /** Starts at the processor's current Azimuth, Elevation, Distance and Width. */
    explicit Pad (VevazovAzudAudioProcessor* processorToUse);

    /** Takes the source's normalised values and the instance's colour; repaints
        when anything drawn changed.
    */
    void setSourceValues (float newAzimuth, float newElevation, float newDistance, float newWidth, juce::Colour colour);

    //==============================================================================
    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void resized() override;

private:
    void updateFromMouse (const juce::MouseEvent&);
    void drawDots (juce::Graphics&, juce::Point<float> marker, juce::Rectangle<float> area) const;

    float distance;
    float width;

    /** The crosshair's place as fractions of the width and height: the
        Azimuth, and 1 - the Elevation, last shown or pointed at.
    */
    float markerX;
    float markerY;
    juce::Colour markerColour { VevazovAzudAudioProcessor::defaultWidgetColour };
    juce::Colour instanceColour { juce::Colours::transparentBlack };
    VevazovAzudAudioProcessor* processor;

    /** The layout at the last change of values: a new layout repaints too. */
    SourceMarker::ChannelLayout shownLayout;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Pad)
};
