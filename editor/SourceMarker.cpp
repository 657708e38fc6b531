#include "SourceMarker.h"

#include <algorithm>
#include <cmath>

namespace SourceMarker
{
    namespace
    {
        /** Whether a shape lies near enough to the map to be worth drawing: its
            edge copies lie within one map size of it, while a shape at a huge
            or undefined position would only overflow the rasteriser.
        */
        bool isNearMap (juce::Rectangle<float> shape, juce::Rectangle<float> area) noexcept
        {
            return area.expanded (area.getWidth(), area.getHeight()).contains (shape);
        }

        /** An arm is a line of the crosshair's thickness with square ends: a
            rectangle, filled as one (much cheaper than stroking a line).
        */
        void drawArm (juce::Graphics& g, juce::Point<float> centre, juce::Point<float> direction)
        {
            const auto from = centre + direction * crosshairGap;
            const auto to = centre + direction * crosshairReach;
            const auto half = crosshairThickness / 2.0f;

            g.fillRect (juce::Rectangle<float> (from, to).expanded (direction.y != 0.0f ? half : 0.0f, direction.x != 0.0f ? half : 0.0f));
        }
    } // namespace

    ChannelLayout ChannelLayout::of (const VevazovAzudAudioProcessor& processor) noexcept
    {
        ChannelLayout layout;
        layout.numChannels = juce::jlimit (0, InputLayouts::maxChannels, processor.getNumLayoutChannels());

        for (auto k = 0; k < layout.numChannels; ++k)
            layout.offsets[static_cast<size_t> (k)] = processor.getChannelAzimuthOffset (k);

        return layout;
    }

    bool ChannelLayout::operator== (const ChannelLayout& other) const noexcept
    {
        return numChannels == other.numChannels
               && std::equal (offsets.begin(), offsets.begin() + numChannels, other.offsets.begin());
    }

    void drawCrosshair (juce::Graphics& g, juce::Point<float> centre, juce::Colour colour, juce::Rectangle<float> area)
    {
        const auto reach = juce::Rectangle<float> (2.0f * crosshairReach, 2.0f * crosshairReach).withCentre (centre);

        if (! isNearMap (reach, area))
            return;

        g.setColour (colour);
        drawArm (g, centre, { -1.0f, 0.0f });
        drawArm (g, centre, { 1.0f, 0.0f });
        drawArm (g, centre, { 0.0f, -1.0f });
        drawArm (g, centre, { 0.0f, 1.0f });
    }

    void fillDot (juce::Graphics& g, juce::Point<float> centre, float diameter, juce::Rectangle<float> area)
    {
        const auto dot = juce::Rectangle<float> (centre.x - diameter / 2.0f, centre.y - diameter / 2.0f, diameter, diameter);

        if (diameter >= 0.0f && isNearMap (dot, area))
            g.fillEllipse (dot);
    }

    juce::Colour dotColour (float distance, juce::Colour instanceColour) noexcept
    {
        return distance < nearDistance ? juce::Colour (nearColour) : instanceColour;
    }

    float dotDiameter (float distance) noexcept
    {
        // Dots stop growing at 1 m; a value past Distance 1 draws them at their smallest.
        const auto clamped = distance > nearDistance ? std::min (distance, 1.0f) : nearDistance;
        return std::sqrt (1.0f - clamped) * dotGrowth + farDotDiameter;
    }

    float spreadFactor (float heightFraction) noexcept
    {
        return 1.0f - 2.0f * std::abs (heightFraction - 0.5f);
    }

    float channelDotX (float offsetDegrees, float mapWidth, float width, float spread, float markerX) noexcept
    {
        auto x = (offsetDegrees / 360.0f) * mapWidth * width * spread + markerX;

        if (x > mapWidth)
            x -= mapWidth;

        if (x < 0.0f)
            x += mapWidth;

        return x;
    }
} // namespace SourceMarker
