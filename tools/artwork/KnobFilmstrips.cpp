#include "KnobFilmstrips.h"

#include "ArtworkDrawing.h"
#include "ArtworkStyle.h"

#include <cmath>

namespace artwork
{
    namespace
    {
        const juce::Point<float> centre { 0.5f * filmstrip::frameSize, 0.5f * filmstrip::frameSize };
        const auto halfSweep = juce::degreesToRadians (0.5f * filmstrip::sweepDegrees);

        // Arc knobs. The editor shows their inner 60 x 60 at 48 x 48, so every
        // stroke here appears four fifths as wide; nothing may reach past radius 29.
        constexpr float trackRadius = 25.0f;
        constexpr float trackWidth = 4.5f;
        constexpr float arcWidth = 3.0f;
        constexpr float arcGlowWidth = 6.5f;
        constexpr float arcGlowAlpha = 0.22f;
        constexpr float bodyRadius = 19.0f;
        constexpr float dishRadius = 15.0f;
        constexpr float pointerInner = 5.5f;
        constexpr float pointerOuter = 13.5f;
        constexpr float pointerWidth = 2.6f;
        constexpr float markInner = 21.5f;
        constexpr float markOuter = 26.5f;
        constexpr float markWidth = 2.6f;
        constexpr float notchWidth = 1.2f;

        // Gain knob: the whole frame, shown unscaled over the editor's gold plate.
        constexpr int gainTickCount = 21;
        constexpr int gainMajorTickEvery = 5;
        constexpr float tickInner = 27.0f;
        constexpr float tickOuter = 31.0f;
        constexpr float majorTickInner = 26.0f;
        constexpr float majorTickOuter = 32.5f;
        constexpr float tickWidth = 1.3f;
        constexpr float majorTickWidth = 2.0f;
        inline const juce::Colour tickColour { 0xe0121212 };
        constexpr float metalRadius = 22.5f;
        constexpr float chamferWidth = 1.6f;
        constexpr float gainPointerInner = 8.0f;
        constexpr float gainPointerOuter = 19.0f;
        constexpr float gainPointerWidth = 3.2f;
        constexpr float gainMarkInner = 25.0f;
        constexpr float gainMarkOuter = 32.0f;
        constexpr float gainMarkWidth = 2.6f;
        constexpr float markOutline = 1.0f;

        // Shadows under the knob bodies, falling straight down.
        inline const juce::Colour bodyShadow { 0xb0000000 };
        constexpr int bodyShadowBlur = 5;
        constexpr int bodyShadowDrop = 2;

        enum class ArcOrigin
        {
            start, // unipolar: the arc grows from the lower left
            top // bipolar: the arc runs from the top towards either side
        };

        juce::Path circle (float radius)
        {
            juce::Path path;
            path.addEllipse (centre.x - radius, centre.y - radius, 2.0f * radius, 2.0f * radius);
            return path;
        }

        juce::Path arc (float radius, float fromAngle, float toAngle)
        {
            juce::Path path;
            path.addCentredArc (centre.x, centre.y, radius, radius, 0.0f, juce::jmin (fromAngle, toAngle), juce::jmax (fromAngle, toAngle), true);
            return path;
        }

        void strokeRadial (juce::Graphics& g, float angle, float inner, float outer, float width, juce::Colour colour)
        {
            g.setColour (colour);
            g.drawLine (juce::Line<float> (polar (centre, inner, angle), polar (centre, outer, angle)), width);
        }

        void strokeRoundedRadial (juce::Graphics& g, float angle, float inner, float outer, float width, juce::Colour colour)
        {
            juce::Path line;
            line.startNewSubPath (polar (centre, inner, angle));
            line.lineTo (polar (centre, outer, angle));
            g.setColour (colour);
            g.strokePath (line, juce::PathStrokeType (width, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
        }

        /** A yellow reference mark with a thin dark edge, so that it reads on any ground. */
        void drawReferenceMark (juce::Graphics& g, float angle, float inner, float outer, float width)
        {
            strokeRoundedRadial (g, angle, inner, outer, width + 2.0f * markOutline, palette::edgeDark.withAlpha (0.7f));
            strokeRoundedRadial (g, angle, inner, outer, width, palette::mark);
        }

        //==========================================================================
        void drawArcTrack (juce::Graphics& g)
        {
            const auto track = arc (trackRadius, -halfSweep, halfSweep);
            const juce::PathStrokeType stroke (trackWidth, juce::PathStrokeType::curved, juce::PathStrokeType::rounded);

            // A groove: dark, with its lower lip catching the light.
            g.setColour (palette::edgeLight.withMultipliedAlpha (1.5f));
            g.strokePath (track, stroke, juce::AffineTransform::translation (0.0f, 0.8f));
            g.setColour (palette::well);
            g.strokePath (track, stroke);
        }

        void drawValueArc (juce::Graphics& g, float fromAngle, float toAngle)
        {
            const auto value = arc (trackRadius, fromAngle, toAngle);
            g.setColour (palette::accent.withAlpha (arcGlowAlpha));
            g.strokePath (value, juce::PathStrokeType (arcGlowWidth, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
            g.setColour (palette::accent);
            g.strokePath (value, juce::PathStrokeType (arcWidth, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
        }

        void drawDarkBody (juce::Graphics& g)
        {
            const auto body = circle (bodyRadius);
            drawShadow (g, body, bodyShadow, bodyShadowBlur, bodyShadowDrop);
            fillWithVerticalGradient (g, body, juce::Colour (0xff474d57), juce::Colour (0xff181b20));

            // The dish on top is concave: its upper inside lies in shadow, its lower inside is lit.
            const auto dish = circle (dishRadius);
            fillWithVerticalGradient (g, dish, juce::Colour (0xff1d2025), juce::Colour (0xff30353d));
            g.setColour (juce::Colours::black.withAlpha (0.45f));
            g.strokePath (dish, juce::PathStrokeType (0.8f));

            // The rim's top edge catches the light.
            g.setGradientFill (juce::ColourGradient::vertical (juce::Colours::white.withAlpha (0.28f), centre.y - bodyRadius, juce::Colours::white.withAlpha (0.0f), centre.y));
            g.strokePath (circle (bodyRadius - 0.5f), juce::PathStrokeType (1.0f));
        }

        void drawDarkPointer (juce::Graphics& g, float angle)
        {
            strokeRoundedRadial (g, angle, pointerInner, pointerOuter, pointerWidth + 1.5f, juce::Colours::black.withAlpha (0.5f));
            strokeRoundedRadial (g, angle, pointerInner, pointerOuter, pointerWidth, palette::accentBright);
        }

        void drawArcKnobFrame (juce::Graphics& g, int frame, ArcOrigin origin)
        {
            const auto angle = knobAngleForFrame (frame);
            const auto originAngle = origin == ArcOrigin::start ? -halfSweep : 0.0f;
            const auto referenceFrame = origin == ArcOrigin::start ? 0 : filmstrip::centreFrame;

            drawArcTrack (g);

            if (frame == referenceFrame)
                drawReferenceMark (g, originAngle, markInner, markOuter, markWidth);
            else
            {
                if (origin == ArcOrigin::top)
                    strokeRadial (g, originAngle, trackRadius - 0.5f * trackWidth, trackRadius + 0.5f * trackWidth, notchWidth, palette::textMuted);

                drawValueArc (g, originAngle, angle);
            }

            drawDarkBody (g);
            drawDarkPointer (g, angle);
        }

        //==========================================================================
        void drawGainTicks (juce::Graphics& g, bool markCentre)
        {
            for (auto tick = 0; tick < gainTickCount; ++tick)
            {
                const auto angle = -halfSweep + 2.0f * halfSweep * static_cast<float> (tick) / static_cast<float> (gainTickCount - 1);
                const auto isMajor = tick % gainMajorTickEvery == 0;
                const auto isCentre = tick == gainTickCount / 2;

                if (isCentre && markCentre)
                    drawReferenceMark (g, angle, gainMarkInner, gainMarkOuter, gainMarkWidth);
                else if (isMajor)
                    strokeRadial (g, angle, majorTickInner, majorTickOuter, majorTickWidth, tickColour);
                else
                    strokeRadial (g, angle, tickInner, tickOuter, tickWidth, tickColour);
            }
        }

        /** Deterministic grain for the brushing: one value in [-1, 1] per ring of the disc. */
        float brushGrain (float radius)
        {
            auto ring = static_cast<juce::uint32> (radius * 3.0f) * 2654435761u;
            ring ^= ring >> 15;
            ring *= 2246822519u;
            ring ^= ring >> 13;
            return static_cast<float> (ring & 0xffffu) / 32767.5f - 1.0f;
        }

        /** Circularly brushed aluminium lit from above: the brushing throws the light
        into a bright band through the top and bottom, darker to the sides.
    */
        juce::Colour brushedMetal (float angle, float radius)
        {
            const auto edge = radius / metalRadius;
            const auto level = 0.66f
                               + 0.15f * std::cos (2.0f * angle)
                               + 0.06f * std::cos (angle)
                               + 0.025f * brushGrain (radius)
                               - 0.08f * edge * edge * edge * edge;
            const auto grey = juce::jlimit (0.0f, 1.0f, level);
            return juce::Colour::fromFloatRGBA (grey * 0.96f, grey * 0.975f, grey, 1.0f);
        }

        void drawMetalBody (juce::Image& frameImage, juce::Graphics& g)
        {
            const auto body = circle (metalRadius);
            drawShadow (g, body, bodyShadow, bodyShadowBlur + 1, bodyShadowDrop + 1);
            shadeDisc (frameImage, centre, metalRadius, brushedMetal);

            // The chamfer round the top face: bright above, in shade below.
            g.setGradientFill (juce::ColourGradient::vertical (juce::Colours::white.withAlpha (0.7f), centre.y - metalRadius, juce::Colours::black.withAlpha (0.35f), centre.y + metalRadius));
            g.strokePath (circle (metalRadius - 0.5f * chamferWidth), juce::PathStrokeType (chamferWidth));
            g.setColour (juce::Colours::black.withAlpha (0.55f));
            g.strokePath (circle (metalRadius + 0.25f), juce::PathStrokeType (0.6f));
        }

        void drawGainPointer (juce::Graphics& g, float angle)
        {
            // Engraved and filled: a thin lit edge below the blue line.
            strokeRoundedRadial (g, angle, gainPointerInner, gainPointerOuter, gainPointerWidth + 1.2f, juce::Colours::black.withAlpha (0.35f));
            strokeRoundedRadial (g, angle, gainPointerInner, gainPointerOuter, gainPointerWidth, palette::accent);
        }

        void drawGainKnobFrame (juce::Image& frameImage, int frame)
        {
            juce::Graphics g (frameImage);
            drawGainTicks (g, frame == filmstrip::centreFrame);
            drawMetalBody (frameImage, g);
            drawGainPointer (g, knobAngleForFrame (frame));
        }

        //==========================================================================
        juce::Image makeStrip()
        {
            return makeCanvas (filmstrip::frameSize, filmstrip::frameSize * filmstrip::frameCount);
        }

        juce::Image frameOf (juce::Image& strip, int frame)
        {
            return strip.getClippedImage ({ 0, frame * filmstrip::frameSize, filmstrip::frameSize, filmstrip::frameSize });
        }

        juce::Image drawArcKnobStrip (ArcOrigin origin)
        {
            auto strip = makeStrip();

            for (auto frame = 0; frame < filmstrip::frameCount; ++frame)
            {
                auto frameImage = frameOf (strip, frame);
                juce::Graphics g (frameImage);
                drawArcKnobFrame (g, frame, origin);
            }

            return strip;
        }
    } // namespace

    float knobAngleForFrame (int frame)
    {
        return -halfSweep + 2.0f * halfSweep * static_cast<float> (frame) / static_cast<float> (filmstrip::frameCount - 1);
    }

    juce::Image drawGainKnobStrip()
    {
        auto strip = makeStrip();

        for (auto frame = 0; frame < filmstrip::frameCount; ++frame)
        {
            auto frameImage = frameOf (strip, frame);
            drawGainKnobFrame (frameImage, frame);
        }

        return strip;
    }

    juce::Image drawUnipolarKnobStrip()
    {
        return drawArcKnobStrip (ArcOrigin::start);
    }

    juce::Image drawBipolarKnobStrip()
    {
        return drawArcKnobStrip (ArcOrigin::top);
    }
} // namespace artwork
