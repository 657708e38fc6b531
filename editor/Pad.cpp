#include "Pad.h"

#include <array>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    /** The parameters this pad writes, in the order their gestures open and close. */
    constexpr std::array<int, 2> ownedParameters { Processor::azimuthIndex, Processor::elevationIndex };

    /** A fraction of the width wrapped into 0..1: past either edge the source
        comes round from the other side, and the right edge itself stays 1.
    */
    float wrapAround (float fraction) noexcept
    {
        while (fraction < 0.0f)
            fraction += 1.0f;

        while (fraction > 1.0f)
            fraction -= 1.0f;

        return fraction;
    }
} // namespace

Pad::Pad (VevazovAzudAudioProcessor* processorToUse)
    : distance (processorToUse->getParameter (Processor::distanceIndex)),
      width (processorToUse->getParameter (Processor::widthIndex)),
      markerX (processorToUse->getParameter (Processor::azimuthIndex)),
      markerY (1.0f - processorToUse->getParameter (Processor::elevationIndex)),
      processor (processorToUse),
      shownLayout (SourceMarker::ChannelLayout::of (*processorToUse))
{
}

void Pad::setSourceValues (float newAzimuth, float newElevation, float newDistance, float newWidth, juce::Colour colour)
{
    const auto layout = SourceMarker::ChannelLayout::of (*processor);
    const auto newMarkerX = newAzimuth;
    const auto newMarkerY = 1.0f - newElevation;
    const auto newMarkerColour = SourceMarker::dotColour (newDistance, colour);

    // Compared with what is on screen, which a drag may have moved meanwhile.
    const auto changed = newMarkerX != markerX || newMarkerY != markerY || newDistance != distance
                         || newWidth != width || colour != instanceColour || newMarkerColour != markerColour
                         || layout != shownLayout;

    distance = newDistance;
    width = newWidth;
    markerX = newMarkerX;
    markerY = newMarkerY;
    instanceColour = colour;
    markerColour = newMarkerColour;
    shownLayout = layout;

    if (changed)
        repaint();
}

//==============================================================================
void Pad::mouseDown (const juce::MouseEvent& e)
{
    for (auto index : ownedParameters)
        processor->beginParameterChangeGesture (index);

    updateFromMouse (e);
}

void Pad::mouseDrag (const juce::MouseEvent& e)
{
    updateFromMouse (e);
}

void Pad::mouseUp (const juce::MouseEvent&)
{
    for (auto index : ownedParameters)
        processor->endParameterChangeGesture (index);
}

void Pad::mouseDoubleClick (const juce::MouseEvent&) {}

void Pad::updateFromMouse (const juce::MouseEvent& e)
{
    if (getWidth() <= 0 || getHeight() <= 0)
        return;

    // The marker moves at once; the colours follow on the editor's next refresh.
    markerX = wrapAround (static_cast<float> (e.x) / static_cast<float> (getWidth()));
    markerY = juce::jlimit (0.0f, 1.0f, static_cast<float> (e.y) / static_cast<float> (getHeight()));
    repaint();

    processor->setParameterNotifyingHost (Processor::azimuthIndex, markerX);
    processor->setParameterNotifyingHost (Processor::elevationIndex, 1.0f - markerY);
}

//==============================================================================
void Pad::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat();
    const auto w = area.getWidth();
    const juce::Point<float> marker { markerX * w, markerY * area.getHeight() };

    SourceMarker::drawCrosshair (g, marker, instanceColour, area);

    // A crosshair at an edge shows on both sides.
    if (marker.x + SourceMarker::crosshairReach > w)
        SourceMarker::drawCrosshair (g, marker.translated (-w, 0.0f), instanceColour, area);
    else if (marker.x - SourceMarker::crosshairReach < 0.0f)
        SourceMarker::drawCrosshair (g, marker.translated (w, 0.0f), instanceColour, area);

    drawDots (g, marker, area);
}

void Pad::drawDots (juce::Graphics& g, juce::Point<float> marker, juce::Rectangle<float> area) const
{
    const auto w = area.getWidth();
    const auto layout = SourceMarker::ChannelLayout::of (*processor);
    const auto diameter = SourceMarker::dotDiameter (distance);
    const auto spread = SourceMarker::spreadFactor (markerY);

    g.setColour (markerColour);

    for (auto k = 0; k < layout.numChannels; ++k)
    {
        const juce::Point<float> dot { SourceMarker::channelDotX (layout.offsets[static_cast<size_t> (k)], w, width, spread, marker.x), marker.y };
        SourceMarker::fillDot (g, dot, diameter, area);

        // A dot reaching past an edge shows again from the other side.
        if (dot.x + diameter > w)
            SourceMarker::fillDot (g, dot.translated (-w, 0.0f), diameter, area);
        else if (dot.x - diameter < 0.0f)
            SourceMarker::fillDot (g, dot.translated (w, 0.0f), diameter, area);
    }
}

void Pad::resized() {}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
