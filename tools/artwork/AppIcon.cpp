#include "AppIcon.h"

#include "ArtworkDrawing.h"
#include "ArtworkStyle.h"

namespace artwork
{
    namespace
    {
        // Drawn on a 256-unit grid and scaled to the size asked for.
        constexpr float grid = 256.0f;
        constexpr float tileInset = 8.0f;
        constexpr float tileCorner = 52.0f;

        const juce::Point<float> listener { 128.0f, 132.0f };
        constexpr std::array<float, 3> rings { 34.0f, 64.0f, 94.0f };
        constexpr float ringWidth = 7.0f;
        constexpr float listenerRadius = 9.0f;

        // The source: up and to the right, on the middle ring, with a glow around it.
        constexpr float sourceAngle = 0.62f; // radians clockwise from straight ahead
        constexpr float sourceRadius = 19.0f;
        constexpr float glowRadius = 46.0f;

        void drawTile (juce::Graphics& g)
        {
            const auto tile = juce::Rectangle<float> (grid, grid).reduced (tileInset);
            juce::Path shape;
            shape.addRoundedRectangle (tile, tileCorner);
            fillWithVerticalGradient (g, shape, palette::raised, palette::well);

            g.setColour (palette::accentDeep.withAlpha (0.5f));
            g.strokePath (shape, juce::PathStrokeType (4.0f));
        }

        void drawField (juce::Graphics& g)
        {
            for (size_t ring = 0; ring < rings.size(); ++ring)
            {
                g.setColour (palette::textSecondary.withAlpha (0.85f - 0.22f * static_cast<float> (ring)));
                g.drawEllipse (juce::Rectangle<float> (2.0f * rings[ring], 2.0f * rings[ring]).withCentre (listener), ringWidth);
            }

            g.setColour (palette::textPrimary);
            g.fillEllipse (juce::Rectangle<float> (2.0f * listenerRadius, 2.0f * listenerRadius).withCentre (listener));
        }

        void drawSource (juce::Graphics& g)
        {
            const auto centre = polar (listener, rings[1], sourceAngle);
            g.setGradientFill (juce::ColourGradient (palette::accentBright.withAlpha (0.55f), centre, palette::accent.withAlpha (0.0f), centre.translated (glowRadius, 0.0f), true));
            g.fillEllipse (juce::Rectangle<float> (2.0f * glowRadius, 2.0f * glowRadius).withCentre (centre));

            g.setGradientFill (juce::ColourGradient (palette::accentBright, centre.translated (0.0f, -sourceRadius), palette::accent, centre.translated (0.0f, sourceRadius), false));
            g.fillEllipse (juce::Rectangle<float> (2.0f * sourceRadius, 2.0f * sourceRadius).withCentre (centre));
        }
    } // namespace

    juce::Image drawAppIcon (int size)
    {
        auto image = makeCanvas (size, size);
        juce::Graphics g (image);
        g.addTransform (juce::AffineTransform::scale (static_cast<float> (size) / grid));
        drawTile (g);
        drawField (g);
        drawSource (g);
        return image;
    }
} // namespace artwork
