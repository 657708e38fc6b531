#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>

/** Small drawing steps shared by the image families: pixel-exact lines and
    frames, recessed wells, shadows and per-pixel shading of discs.
*/
namespace artwork
{
    /** A fully transparent ARGB image: every PNG of the set keeps its alpha channel. */
    juce::Image makeCanvas (int width, int height);

    /** A point at the given distance from centre, the angle in radians clockwise from straight up. */
    juce::Point<float> polar (juce::Point<float> centre, float radius, float angle);

    /** One-pixel lines covering whole pixels, from the first to the last pixel inclusive. */
    void drawRow (juce::Graphics& g, int y, int firstX, int lastX, juce::Colour colour);
    void drawColumn (juce::Graphics& g, int x, int firstY, int lastY, juce::Colour colour);

    /** A one-pixel frame drawn just outside area: top and left edges in one colour,
    bottom and right edges in another.
*/
    void drawFrameAround (juce::Graphics& g, juce::Rectangle<int> area, juce::Colour topLeft, juce::Colour bottomRight);

    /** Whether a well's upper rim is drawn, or left for whatever lies above it. */
    enum class WellTop
    {
        closed,
        open
    };

    /** A slot sunk into the surface, lit from above: its interior is filled with
    the well colour, its upper rim lies in shadow, its walls stay dark and its
    lower rim catches the light.
*/
    void drawWell (juce::Graphics& g, juce::Rectangle<int> interior, WellTop top = WellTop::closed);

    /** A rounded panel sunk into the surface: filled, darker along its upper edge,
    with a faint lit lip along its lower edge.
*/
    void drawSunkenPanel (juce::Graphics& g, juce::Rectangle<float> area, float cornerSize, juce::Colour fill);

    /** The soft shadow a shape casts straight down onto the surface below it. */
    void drawShadow (juce::Graphics& g, const juce::Path& shape, juce::Colour colour, int blurRadius, int dropY);

    /** Colour of a disc at a point given by its angle (radians clockwise from straight
    up) and its distance from the centre in pixels.
*/
    using DiscShader = std::function<juce::Colour (float angle, float radius)>;

    /** Paints a disc pixel by pixel over what the image already holds, with an
    anti-aliased edge: for surfaces no gradient can describe, such as brushed metal.
*/
    void shadeDisc (juce::Image& image, juce::Point<float> centre, float radius, const DiscShader& shader);

    /** Fills a shape with a vertical gradient from top to bottom of its bounds. */
    void fillWithVerticalGradient (juce::Graphics& g, const juce::Path& shape, juce::Colour top, juce::Colour bottom);
} // namespace artwork
