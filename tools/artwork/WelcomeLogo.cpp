#include "WelcomeLogo.h"

#include "ArtworkDrawing.h"
#include "ArtworkStyle.h"
#include "ArtworkText.h"

namespace artwork
{
    namespace
    {
        constexpr int cardWidth = 220;
        constexpr int cardHeight = 280;
        constexpr float frameCorner = 12.0f;
        inline const juce::Colour frameWhite { 0xfff6f6f4 };
        inline const juce::Colour frameEdge { 0xffcfd1d4 };

        // The red card leaves a wider white band at the bottom for the web link.
        const juce::Rectangle<float> redCard { 10.0f, 10.0f, 200.0f, 214.0f };
        constexpr float redCardCorner = 7.0f;
        inline const juce::Colour redTop { 0xffd3152f };
        inline const juce::Colour redBottom { 0xff8a0a1f };

        constexpr int makerMarkBaseline = 38;
        constexpr float makerMarkCapHeight = 9.0f;
        constexpr float makerMarkTracking = 0.22f;

        // The emblem: the header's source-in-a-field mark, large, below the title.
        const juce::Point<float> emblemCentre { 110.0f, 163.0f };
        constexpr float emblemDotRadius = 5.0f;
        constexpr std::array<float, 3> emblemRings { 14.0f, 27.0f, 40.0f };
        constexpr float emblemRingWidth = 2.0f;
        constexpr float emblemArcDegrees = 56.0f;

        void drawFrame (juce::Graphics& g)
        {
            const auto frame = juce::Rectangle<float> (0.0f, 0.0f, cardWidth, cardHeight).reduced (0.5f);
            g.setColour (frameWhite);
            g.fillRoundedRectangle (frame, frameCorner);
            g.setColour (frameEdge);
            g.drawRoundedRectangle (frame, frameCorner, 1.0f);
        }

        void drawRedCard (juce::Graphics& g)
        {
            juce::Path card;
            card.addRoundedRectangle (redCard, redCardCorner);
            fillWithVerticalGradient (g, card, redTop, redBottom);

            // Light from above: a broad glow on the upper part, a fine lit edge at the top.
            g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.16f), redCard.getCentreX(), redCard.getY(), juce::Colours::white.withAlpha (0.0f), redCard.getCentreX(), redCard.getCentreY(), true));
            g.fillPath (card);
            g.setColour (juce::Colours::black.withAlpha (0.25f));
            g.strokePath (card, juce::PathStrokeType (1.0f));
        }

        void drawEmblem (juce::Graphics& g)
        {
            g.setColour (juce::Colours::white);
            g.fillEllipse (juce::Rectangle<float> (2.0f * emblemDotRadius, 2.0f * emblemDotRadius).withCentre (emblemCentre));

            const auto halfArc = juce::degreesToRadians (0.5f * emblemArcDegrees);

            for (size_t ring = 0; ring < emblemRings.size(); ++ring)
            {
                const auto radius = emblemRings[ring];
                const auto alpha = 0.9f - 0.25f * static_cast<float> (ring);
                g.setColour (juce::Colours::white.withAlpha (alpha));

                if (ring == 0)
                {
                    g.drawEllipse (juce::Rectangle<float> (2.0f * radius, 2.0f * radius).withCentre (emblemCentre), emblemRingWidth);
                    continue;
                }

                for (auto quadrant = 0; quadrant < 4; ++quadrant)
                {
                    const auto middle = juce::MathConstants<float>::halfPi * static_cast<float> (quadrant);
                    juce::Path arc;
                    arc.addCentredArc (emblemCentre.x, emblemCentre.y, radius, radius, 0.0f, middle - halfArc, middle + halfArc, true);
                    g.strokePath (arc, juce::PathStrokeType (emblemRingWidth, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
                }
            }
        }
    } // namespace

    juce::Image drawWelcomeLogo()
    {
        auto image = makeCanvas (cardWidth, cardHeight);
        juce::Graphics g (image);
        drawFrame (g);
        drawRedCard (g);

        g.setColour (juce::Colours::white);
        drawText (g, "KORVANNE", fontWithCapHeight (makerMarkCapHeight, makerMarkTracking), redCard.getCentreX(), makerMarkBaseline, TextAnchor::centre);

        drawEmblem (g);
        return image;
    }
} // namespace artwork
