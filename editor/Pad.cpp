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
    : azimuth (processorToUse->getParameter (Processor::azimuthIndex)),
      elevation (processorToUse->getParameter (Processor::elevationIndex)),
      distance (processorToUse->getParameter (Processor::distanceIndex)),
      width (processorToUse->getParameter (Processor::widthIndex)),
      markerX (azimuth),
      markerY (1.0f - elevation),
      processor (processorToUse),
      shownLayout (SourceMarker::ChannelLayout::of (*processorToUse))
{
}

void Pad::setSourceValues (float newAzimuth, float newElevation, float newDistance, float newWidth, juce::Colour colour)
{
    const auto layout = SourceMarker::ChannelLayout::of (*processor);
    const auto newMarkerColour = SourceMarker::dotColour (newDistance, colour);

    const auto changed = newAzimuth != azimuth || newElevation != elevation || newDistance != distance
                         || newWidth != width || colour != instanceColour || newMarkerColour != markerColour
                         || layout != shownLayout;

    azimuth = newAzimuth;
    elevation = newElevation;
    distance = newDistance;
    width = newWidth;
    markerX = newAzimuth;
    markerY = 1.0f - newElevation;
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

    // Azimuth and Elevation follow on the editor's next refresh; the marker moves at once.
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
