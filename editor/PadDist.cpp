#include "PadDist.h"

#include <cmath>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    /** The parameters this pad writes, in the order their gestures open and close. */
    constexpr std::array<int, 2> ownedParameters { Processor::azimuthIndex, Processor::distanceIndex };

    constexpr auto pi = juce::MathConstants<float>::pi;
    constexpr auto twoPi = juce::MathConstants<float>::twoPi;

    /** Azimuth 0.5 (straight ahead) points up; the azimuth turns clockwise. */
    constexpr auto straightAheadAngle = 1.5f * pi;

    /** The dots' diameter at -90° of elevation ... */
    constexpr float lowestDotDiameter = 5.0f;
    /** ... and how much they grow up to +90°. */
    constexpr float dotGrowthWithElevation = 10.0f;

    float angleForAzimuth (float azimuth) noexcept
    {
        return straightAheadAngle - twoPi * azimuth;
    }

    /** A point at an angle and a radius from the centre, as fractions of the
        pad's size (y grows downwards).
    */
    juce::Point<float> fractionAt (float angle, float radius) noexcept
    {
        return { (1.0f + radius * std::cos (angle)) / 2.0f, (1.0f - radius * std::sin (angle)) / 2.0f };
    }
} // namespace

PadDist::PadDist (VevazovAzudAudioProcessor* processorToUse)
    : elevation (processorToUse->getParameter (Processor::elevationIndex)),
      width (processorToUse->getParameter (Processor::widthIndex)),
      processor (processorToUse)
{
}

void PadDist::setSourceValues (float newAzimuth, float newElevation, float newDistance, float newWidth, juce::Colour colour)
{
    const auto newMarkerColour = SourceMarker::dotColour (newDistance, colour);
    const auto radius = maxRadius * newDistance;
    const auto spread = SourceMarker::spreadFactor (newElevation);
    const auto angle = angleForAzimuth (newAzimuth);
    const auto marker = fractionAt (angle, radius);

    // Entries past the layout's channels keep their old values.
    auto newChannelX = channelX;
    auto newChannelY = channelY;
    const auto layout = SourceMarker::ChannelLayout::of (*processor);

    for (size_t k = 0; k < static_cast<size_t> (layout.numChannels); ++k)
    {
        const auto channel = fractionAt (angle - twoPi * (layout.offsets[k] / 360.0f) * newWidth, spread * radius);
        newChannelX[k] = channel.x;
        newChannelY[k] = channel.y;
    }

    const auto changed = marker.x != markerX || marker.y != markerY || newChannelX != channelX || newChannelY != channelY
                         || newElevation != elevation || colour != instanceColour || newMarkerColour != markerColour
                         || layout.numChannels != shownChannels;

    instanceColour = colour;
    markerColour = newMarkerColour;
    width = newWidth;
    elevation = newElevation;
    markerX = marker.x;
    markerY = marker.y;
    channelX = newChannelX;
    channelY = newChannelY;
    shownChannels = layout.numChannels;

    if (changed)
        repaint();
}

//==============================================================================
void PadDist::mouseDown (const juce::MouseEvent& e)
{
    for (auto index : ownedParameters)
        processor->beginParameterChangeGesture (index);

    updateFromMouse (e);
}

void PadDist::mouseDrag (const juce::MouseEvent& e)
{
    updateFromMouse (e);
}

void PadDist::mouseUp (const juce::MouseEvent&)
{
    for (auto index : ownedParameters)
        processor->endParameterChangeGesture (index);
}

void PadDist::mouseDoubleClick (const juce::MouseEvent&) {}

void PadDist::updateFromMouse (const juce::MouseEvent& e)
{
    if (getWidth() <= 0 || getHeight() <= 0)
        return;

    const auto u = juce::jlimit (0.0f, 1.0f, static_cast<float> (e.x) / static_cast<float> (getWidth()));
    const auto v = juce::jlimit (0.0f, 1.0f, static_cast<float> (e.y) / static_cast<float> (getHeight()));

    // From the centre, right and up positive, the pad's edges at 1.
    const auto x = 2.0f * (u - 0.5f);
    const auto y = 2.0f * (0.5f - v);

    auto newAzimuth = (straightAheadAngle - std::atan2 (y, x)) / twoPi;

    if (newAzimuth < 0.0f)
        newAzimuth += 1.0f;

    if (newAzimuth > 1.0f)
        newAzimuth -= 1.0f;

    // Everything at or beyond Distance 1, the corners included, is Distance 1.
    const auto newDistance = std::min (std::sqrt (x * x + y * y), maxRadius) / maxRadius;

    setSourceValues (newAzimuth, elevation, newDistance, width, processor->getWidgetColour());

    processor->setParameterNotifyingHost (Processor::azimuthIndex, newAzimuth);
    processor->setParameterNotifyingHost (Processor::distanceIndex, newDistance);
}

//==============================================================================
void PadDist::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat();
    const auto w = area.getWidth();
    const auto h = area.getHeight();

    SourceMarker::drawCrosshair (g, { markerX * w, markerY * h }, instanceColour, area);

    const auto diameter = lowestDotDiameter + dotGrowthWithElevation * elevation;
    g.setColour (markerColour);

    for (size_t k = 0; k < static_cast<size_t> (shownChannels); ++k)
        SourceMarker::fillDot (g, { channelX[k] * w, channelY[k] * h }, diameter, area);
}

void PadDist::resized() {}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
