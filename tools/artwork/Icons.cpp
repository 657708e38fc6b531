#include "Icons.h"

#include "ArtworkDrawing.h"
#include "ArtworkStyle.h"

namespace artwork
{
    namespace
    {
        constexpr int gearSize = 22;
        constexpr int gearTeeth = 8;
        constexpr float gearOuterRadius = 10.0f;
        constexpr float gearRootRadius = 7.4f;
        constexpr float gearHoleRadius = 3.1f;
        constexpr float toothTipShare = 0.36f; // of each tooth's pitch, at the tip
        constexpr float toothRootShare = 0.56f; // of each tooth's pitch, at the root

        constexpr int viewIconSize = 19;
        constexpr float viewDiscRadius = 9.0f;
        constexpr int crossHalfLength = 4;
        constexpr float viewDotRadius = 2.5f;

        constexpr int eyeTileSize = 24;
        constexpr float eyeTileCorner = 4.5f;
        constexpr float eyeHalfWidth = 7.5f;
        constexpr float eyeLidHeight = 5.0f; // the lids' opening above and below the middle
        constexpr float irisRadius = 3.4f;
        constexpr float pupilRadius = 1.5f;

        juce::Path gearOutline (juce::Point<float> centre)
        {
            juce::Path gear;
            const auto pitch = juce::MathConstants<float>::twoPi / static_cast<float> (gearTeeth);

            for (auto tooth = 0; tooth < gearTeeth; ++tooth)
            {
                const auto middle = pitch * static_cast<float> (tooth);
                const auto rootHalf = 0.5f * toothRootShare * pitch;
                const auto tipHalf = 0.5f * toothTipShare * pitch;
                const auto rootStart = polar (centre, gearRootRadius, middle - rootHalf);

                if (tooth == 0)
                    gear.startNewSubPath (rootStart);
                else
                    gear.lineTo (rootStart);

                gear.lineTo (polar (centre, gearOuterRadius, middle - tipHalf));
                gear.lineTo (polar (centre, gearOuterRadius, middle + tipHalf));
                gear.lineTo (polar (centre, gearRootRadius, middle + rootHalf));
                gear.addCentredArc (centre.x, centre.y, gearRootRadius, gearRootRadius, 0.0f, middle + rootHalf, middle + pitch - rootHalf);
            }

            gear.closeSubPath();
            gear.addEllipse (juce::Rectangle<float> (2.0f * gearHoleRadius, 2.0f * gearHoleRadius).withCentre (centre));
            gear.setUsingNonZeroWinding (false);
            return gear;
        }

        juce::Point<float> centreOf (int size)
        {
            return { 0.5f * static_cast<float> (size), 0.5f * static_cast<float> (size) };
        }

        /** The view toggle's disc: accent blue, lit from above, with a crisp rim. */
        void drawViewDisc (juce::Graphics& g)
        {
            const auto disc = juce::Rectangle<float> (2.0f * viewDiscRadius, 2.0f * viewDiscRadius).withCentre (centreOf (viewIconSize));
            juce::Path path;
            path.addEllipse (disc);
            fillWithVerticalGradient (g, path, palette::accentBright, palette::accent.darker (0.25f));
            g.setColour (palette::accentDeep);
            g.drawEllipse (disc.reduced (0.5f), 1.0f);
            g.setGradientFill (juce::ColourGradient::vertical (juce::Colours::white.withAlpha (0.35f), disc.getY() + 1.0f, juce::Colours::white.withAlpha (0.0f), disc.getCentreY()));
            g.drawEllipse (disc.reduced (1.5f), 1.0f);
        }

        /** The eye's outline; a quadratic lid reaches half way to its control point. */
        juce::Path almond (juce::Point<float> centre)
        {
            juce::Path eye;
            eye.startNewSubPath (centre.x - eyeHalfWidth, centre.y);
            eye.quadraticTo (centre.x, centre.y - 2.0f * eyeLidHeight, centre.x + eyeHalfWidth, centre.y);
            eye.quadraticTo (centre.x, centre.y + 2.0f * eyeLidHeight, centre.x - eyeHalfWidth, centre.y);
            eye.closeSubPath();
            return eye;
        }

        void drawEyeTile (juce::Graphics& g)
        {
            const auto tile = juce::Rectangle<float> (0.0f, 0.0f, eyeTileSize, eyeTileSize).reduced (0.5f);
            juce::Path path;
            path.addRoundedRectangle (tile, eyeTileCorner);
            fillWithVerticalGradient (g, path, juce::Colour (0xfff2f4f6), juce::Colour (0xffd3d8de));
            g.setColour (juce::Colour (0xffaab1ba));
            g.strokePath (path, juce::PathStrokeType (1.0f));
            g.setColour (juce::Colours::white.withAlpha (0.8f));
            g.drawHorizontalLine (1, tile.getX() + eyeTileCorner, tile.getRight() - eyeTileCorner);
        }
    } // namespace

    juce::Image drawGearIcon()
    {
        auto image = makeCanvas (gearSize, gearSize);
        juce::Graphics g (image);
        g.setColour (juce::Colours::white);
        g.fillPath (gearOutline (centreOf (gearSize)));
        return image;
    }

    juce::Image drawViewCrossIcon()
    {
        auto image = makeCanvas (viewIconSize, viewIconSize);
        juce::Graphics g (image);
        drawViewDisc (g);

        // One-pixel arms through the centre pixel stay crisp.
        const auto middle = viewIconSize / 2;
        drawRow (g, middle, middle - crossHalfLength, middle + crossHalfLength, juce::Colours::white);
        drawColumn (g, middle, middle - crossHalfLength, middle + crossHalfLength, juce::Colours::white);
        return image;
    }

    juce::Image drawViewDotIcon()
    {
        auto image = makeCanvas (viewIconSize, viewIconSize);
        juce::Graphics g (image);
        drawViewDisc (g);
        g.setColour (juce::Colours::white);
        g.fillEllipse (juce::Rectangle<float> (2.0f * viewDotRadius, 2.0f * viewDotRadius).withCentre (centreOf (viewIconSize)));
        return image;
    }

    juce::Image drawEyeIcon (bool dark)
    {
        auto image = makeCanvas (eyeTileSize, eyeTileSize);
        juce::Graphics g (image);
        drawEyeTile (g);

        const auto centre = centreOf (eyeTileSize);
        const auto ink = dark ? juce::Colour (0xff1b1e23) : juce::Colour (0xffa7aeb7);
        const auto iris = juce::Rectangle<float> (2.0f * irisRadius, 2.0f * irisRadius).withCentre (centre);

        g.setColour (ink);
        g.strokePath (almond (centre), juce::PathStrokeType (1.4f));

        if (dark)
        {
            g.fillEllipse (iris);
            g.setColour (juce::Colours::white);
            g.fillEllipse (juce::Rectangle<float> (2.0f * pupilRadius, 2.0f * pupilRadius).withCentre (centre.translated (1.0f, -1.0f)));
        }
        else
        {
            g.drawEllipse (iris, 1.2f);
        }

        return image;
    }
} // namespace artwork
