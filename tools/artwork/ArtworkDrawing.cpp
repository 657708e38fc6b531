#include "ArtworkDrawing.h"

#include "ArtworkStyle.h"

#include <cmath>

namespace artwork
{
    juce::Image makeCanvas (int width, int height)
    {
        return juce::Image (juce::Image::ARGB, width, height, true, juce::SoftwareImageType());
    }

    juce::Point<float> polar (juce::Point<float> centre, float radius, float angle)
    {
        return { centre.x + radius * std::sin (angle), centre.y - radius * std::cos (angle) };
    }

    void drawRow (juce::Graphics& g, int y, int firstX, int lastX, juce::Colour colour)
    {
        g.setColour (colour);
        g.fillRect (juce::Rectangle<int>::leftTopRightBottom (firstX, y, lastX + 1, y + 1));
    }

    void drawColumn (juce::Graphics& g, int x, int firstY, int lastY, juce::Colour colour)
    {
        g.setColour (colour);
        g.fillRect (juce::Rectangle<int>::leftTopRightBottom (x, firstY, x + 1, lastY + 1));
    }

    void drawFrameAround (juce::Graphics& g, juce::Rectangle<int> area, juce::Colour topLeft, juce::Colour bottomRight)
    {
        const auto outer = area.expanded (1);
        drawRow (g, outer.getY(), outer.getX(), outer.getRight() - 1, topLeft);
        drawColumn (g, outer.getX(), outer.getY() + 1, outer.getBottom() - 1, topLeft);
        drawRow (g, outer.getBottom() - 1, outer.getX() + 1, outer.getRight() - 1, bottomRight);
        drawColumn (g, outer.getRight() - 1, outer.getY() + 1, outer.getBottom() - 2, bottomRight);
    }

    void drawWell (juce::Graphics& g, juce::Rectangle<int> interior, WellTop top)
    {
        g.setColour (palette::well);
        g.fillRect (interior);

        // The walls face sideways and stay dark; only the lower lip faces the light.
        const auto outer = interior.expanded (1);

        if (top == WellTop::closed)
            drawRow (g, outer.getY(), outer.getX(), outer.getRight() - 1, palette::edgeDark);

        drawColumn (g, outer.getX(), outer.getY() + 1, outer.getBottom() - 2, palette::wellWall);
        drawColumn (g, outer.getRight() - 1, outer.getY() + 1, outer.getBottom() - 2, palette::wellWall);
        drawRow (g, outer.getBottom() - 1, outer.getX(), outer.getRight() - 1, palette::ruleStrong);
    }

    void drawSunkenPanel (juce::Graphics& g, juce::Rectangle<float> area, float cornerSize, juce::Colour fill)
    {
        // The lit lip: the panel's own outline shifted one pixel down shows below it.
        g.setColour (palette::edgeLight);
        g.fillRoundedRectangle (area.translated (0.0f, 1.0f), cornerSize);

        g.setColour (palette::edgeDark);
        g.fillRoundedRectangle (area, cornerSize);

        g.setColour (fill);
        g.fillRoundedRectangle (area.reduced (1.0f).withTrimmedTop (1.0f), juce::jmax (0.0f, cornerSize - 1.0f));

        // The upper inner edge lies in the shadow of the rim above it.
        const auto shadowDepth = 6.0f;
        juce::ColourGradient shade (juce::Colours::black.withAlpha (0.35f), 0.0f, area.getY() + 1.0f, juce::Colours::transparentBlack, 0.0f, area.getY() + 1.0f + shadowDepth, false);
        g.setGradientFill (shade);
        g.fillRoundedRectangle (area.reduced (1.0f).withTrimmedTop (1.0f).withHeight (shadowDepth), juce::jmax (0.0f, cornerSize - 1.0f));
    }

    void drawShadow (juce::Graphics& g, const juce::Path& shape, juce::Colour colour, int blurRadius, int dropY)
    {
        juce::DropShadow (colour, blurRadius, { 0, dropY }).drawForPath (g, shape);
    }

    void shadeDisc (juce::Image& image, juce::Point<float> centre, float radius, const DiscShader& shader)
    {
        const juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readWrite);
        const auto firstX = juce::jmax (0, static_cast<int> (std::floor (centre.x - radius)));
        const auto lastX = juce::jmin (image.getWidth() - 1, static_cast<int> (std::ceil (centre.x + radius)));
        const auto firstY = juce::jmax (0, static_cast<int> (std::floor (centre.y - radius)));
        const auto lastY = juce::jmin (image.getHeight() - 1, static_cast<int> (std::ceil (centre.y + radius)));

        for (auto y = firstY; y <= lastY; ++y)
        {
            for (auto x = firstX; x <= lastX; ++x)
            {
                const auto dx = static_cast<float> (x) + 0.5f - centre.x;
                const auto dy = static_cast<float> (y) + 0.5f - centre.y;
                const auto distance = std::sqrt (dx * dx + dy * dy);
                const auto coverage = juce::jlimit (0.0f, 1.0f, radius - distance + 0.5f);

                if (coverage <= 0.0f)
                    continue;

                const auto angle = std::atan2 (dx, -dy);
                const auto colour = shader (angle, distance);
                pixels.setPixelColour (x, y, pixels.getPixelColour (x, y).overlaidWith (colour.withMultipliedAlpha (coverage)));
            }
        }
    }

    void fillWithVerticalGradient (juce::Graphics& g, const juce::Path& shape, juce::Colour top, juce::Colour bottom)
    {
        const auto bounds = shape.getBounds();
        g.setGradientFill (juce::ColourGradient::vertical (top, bounds.getY(), bottom, bounds.getBottom()));
        g.fillPath (shape);
    }
} // namespace artwork
