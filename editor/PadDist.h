#pragma once

#include "SourceMarker.h"

#include <processor/VevazovAzudAudioProcessor.h>

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

/** The top view: the listener at the centre, straight ahead up, the source's
    azimuth as the angle around the centre (clockwise, +90° to the right) and its
    Distance as the radius, Distance 1 at maxRadius of the half-size.

    The crosshair marks azimuth and distance; the channel dots lie on a circle
    around the centre, at the layout's offsets scaled by Width and turned with
    the azimuth, closing in on the centre as the elevation nears either pole.
    The mouse moves Azimuth and Distance; Elevation and Width are never written
    here. It draws no background: the editor's ring artwork lies beneath it.
*/
class PadDist : public juce::Component
{
public:
    /** Distance 1 lies at this fraction of the half-size from the centre. */
    static constexpr float maxRadius = 0.92f;

    /** Starts at the processor's current Elevation and Width; no dot
        shows until the first setSourceValues.
    */
    explicit PadDist (VevazovAzudAudioProcessor* processorToUse);

    /** Takes the source's normalised values and the instance's colour, places
        the crosshair and the dots, and repaints when anything drawn changed.
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
    using Positions = std::array<float, InputLayouts::maxChannels>;

    void updateFromMouse (const juce::MouseEvent&);

    Positions channelX {};
    Positions channelY {};
    float markerX = 0.5f;
    float markerY = 0.5f;
    float elevation;
    float width;
    juce::Colour markerColour { VevazovAzudAudioProcessor::defaultWidgetColour };
    juce::Colour instanceColour { juce::Colours::transparentBlack };
    VevazovAzudAudioProcessor* processor;

    /** The number of dots placed by the last setSourceValues: none before the
        first, and never one whose position a previous layout left behind.
    */
    int shownChannels = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PadDist)
};
