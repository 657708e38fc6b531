#pragma once

#include "DotSprites.h"
#include "SceneWidgets.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <map>

/** The scene's map: every visible instance as a crosshair with its channel dots on
    an unwrapped azimuth/elevation grid (azimuth across the whole width, elevation
    from +90 degrees at the top to -90 at the bottom). Pointing at a marker picks
    it; dragging it moves that instance's source.
*/
class PadMulti : public juce::Component
{
public:
    explicit PadMulti (SceneWidgets&);
    ~PadMulti() override;

    /** The record under the mouse, or -1. */
    int getHoverIndex() const noexcept { return hoverIndex; }

    //==============================================================================
    void mouseMove (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void resized() override;

private:
    void paintGrid (juce::Graphics&) const;
    void paintMarker (juce::Graphics&, int index);
    void paintLabel (juce::Graphics&, const juce::String& label, juce::Point<int> topLeft);
    int hoveredRecord() const noexcept;

    SceneWidgets& widgets;
    int hoverIndex = -1;

    // Labels laid out once, at the origin, and drawn wherever their marker stands:
    // the layout is the costly part of a repaint with many instances.
    std::map<juce::String, juce::GlyphArrangement> labelLayouts;
    juce::Font labelFont;
    DotSprites dotSprites;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PadMulti)
};
