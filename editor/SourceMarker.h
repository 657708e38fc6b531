#pragma once

#include <processor/VevazovAzudAudioProcessor.h>

#include <juce_graphics/juce_graphics.h>

#include <array>

/** What the position pads and the scene's map draw alike for one source: the
    crosshair in the instance's colour and one dot per channel of the input
    layout, red closer than 1 m. On the unwrapped azimuth/elevation maps the
    dots also spread sideways by Width, shrink in towards the poles and grow
    as the source comes closer.
*/
namespace SourceMarker
{
    /** The crosshair's arms run from this far from its centre ... */
    constexpr float crosshairGap = 3.0f;
    /** ... to this far. */
    constexpr float crosshairReach = 12.0f;
    constexpr float crosshairThickness = 2.0f;

    /** Distance 0.25 is 1 m (Distance 1 = 4 m): anything closer shows red dots. */
    constexpr float nearDistance = 0.25f;
    constexpr juce::uint32 nearColour = 0xFFD50D1B;

    /** The diameter of the dots of a source at Distance 1 ... */
    constexpr float farDotDiameter = 5.0f;
    /** ... and how much they grow towards 1 m. */
    constexpr float dotGrowth = 17.0f;

    /** The channels of an instance's current input layout: how many dots, and
        each one's azimuth offset in degrees before Width scales it.
    */
    struct ChannelLayout
    {
        int numChannels = 0;
        std::array<float, InputLayouts::maxChannels> offsets {};

        /** The layout as the processor has it now (read without a lock). */
        static ChannelLayout of (const VevazovAzudAudioProcessor&) noexcept;

        bool operator== (const ChannelLayout&) const noexcept;
        bool operator!= (const ChannelLayout& other) const noexcept { return ! operator== (other); }
    };

    /** Four arms around a free 6 x 6 centre.

        Like fillDot, it leaves out a crosshair far off the map's area or at a
        position that is not a number: a host may send any value.
    */
    void drawCrosshair (juce::Graphics&, juce::Point<float> centre, juce::Colour, juce::Rectangle<float> area);

    /** Fills a dot of the given diameter, in the current colour, centred on a
        point; a dot far off the map's area is left out.
    */
    void fillDot (juce::Graphics&, juce::Point<float> centre, float diameter, juce::Rectangle<float> area);

    /** The dots' colour: red for a source closer than 1 m, else the instance's. */
    juce::Colour dotColour (float distance, juce::Colour instanceColour) noexcept;

    /** 5 px at Distance 1, about 19.7 px at 1 m and anything closer. */
    float dotDiameter (float distance) noexcept;

    /** How far the channels spread at a height of the map (0 at the top edge,
        1 at the bottom): 1 at the middle, 0 at either edge, where every
        direction meets the pole.
    */
    float spreadFactor (float heightFraction) noexcept;

    /** The horizontal pixel position of a channel's dot on a map mapWidth
        pixels wide, around a source at markerX pixels, wrapped once into the
        map: (offset / 360) x mapWidth x Width x spread + markerX.
    */
    float channelDotX (float offsetDegrees, float mapWidth, float width, float spread, float markerX) noexcept;
} // namespace SourceMarker
