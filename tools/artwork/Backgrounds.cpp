#include "Backgrounds.h"

#include "ArtworkDrawing.h"
#include "ArtworkStyle.h"
#include "ArtworkText.h"

#include <cmath>
#include <string_view>

namespace artwork
{
    namespace
    {
        //==========================================================================
        // Header band

        const juce::Point<float> logoMarkCentre { 16.5f, 14.0f };
        constexpr float logoDotRadius = 2.2f;
        constexpr float logoRingRadius = 5.5f;
        constexpr float logoOuterRadius = 9.5f;
        constexpr float logoOuterArcDegrees = 56.0f;
        constexpr float logoRingWidth = 1.4f;
        constexpr float logoArcWidth = 1.2f;
        constexpr float logoArcAlpha = 0.65f;
        constexpr float productMarkX = 31.0f;
        constexpr int productMarkBaseline = 20;
        constexpr float productMarkWeight = 0.5f;
        constexpr int wordMarkDividerX = 96;
        constexpr int wordMarkDividerTop = 8;
        constexpr int wordMarkDividerBottom = 19;
        constexpr int makerMarkBaseline = 17;
        constexpr float makerMarkX = 104.0f;
        constexpr float makerMarkTracking = 0.12f;
        constexpr float descriptorRight = 517.0f;
        constexpr float descriptorTracking = 0.16f;
        inline const juce::Colour headerShadow { 0x4d000000 };

        void drawLogoMark (juce::Graphics& g)
        {
            // A source in its sound field: a dot, a ring, and four arcs of the wider field.
            g.setColour (palette::accentBright);
            g.fillEllipse (juce::Rectangle<float> (2.0f * logoDotRadius, 2.0f * logoDotRadius).withCentre (logoMarkCentre));
            g.setColour (palette::accent);
            g.drawEllipse (juce::Rectangle<float> (2.0f * logoRingRadius, 2.0f * logoRingRadius).withCentre (logoMarkCentre), logoRingWidth);

            const auto halfArc = juce::degreesToRadians (0.5f * logoOuterArcDegrees);

            for (auto quadrant = 0; quadrant < 4; ++quadrant)
            {
                const auto middle = juce::MathConstants<float>::halfPi * static_cast<float> (quadrant);
                juce::Path arc;
                arc.addCentredArc (logoMarkCentre.x, logoMarkCentre.y, logoOuterRadius, logoOuterRadius, 0.0f, middle - halfArc, middle + halfArc, true);
                g.setColour (palette::accent.withAlpha (logoArcAlpha));
                g.strokePath (arc, juce::PathStrokeType (logoArcWidth, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
            }
        }

        void drawWordMarks (juce::Graphics& g)
        {
            g.setColour (palette::textPrimary);
            drawHeavierText (g, "Velorin", fontWithCapHeight (type::wordMark), productMarkX, productMarkBaseline, TextAnchor::left, productMarkWeight);

            drawColumn (g, wordMarkDividerX, wordMarkDividerTop, wordMarkDividerBottom, palette::ruleStrong);

            g.setColour (palette::textSecondary);
            drawText (g, "KORVANNE", fontWithCapHeight (type::caption, makerMarkTracking), makerMarkX, makerMarkBaseline, TextAnchor::left);
        }

        void drawHeaderBand (juce::Graphics& g)
        {
            const auto lastColumn = editor::width - 1;
            g.setGradientFill (juce::ColourGradient::vertical (palette::raised, 0.0f, palette::panel, static_cast<float> (editor::headerBottom)));
            g.fillRect (0, 0, editor::width, editor::headerBottom);

            // A raised band: lit along its top, casting a short shadow below.
            drawRow (g, 0, 0, lastColumn, palette::edgeLight);
            drawRow (g, editor::headerBottom, 0, lastColumn, palette::edgeDark);
            drawRow (g, editor::headerBottom + 1, 0, lastColumn, headerShadow);

            drawLogoMark (g);
            drawWordMarks (g);

            g.setColour (palette::textMuted);
            drawText (g, "AMBISONIC SOURCE ENCODER", fontWithCapHeight (type::small, descriptorTracking), descriptorRight, makerMarkBaseline, TextAnchor::right);
        }

        //==========================================================================
        // Meter panel

        const juce::Rectangle<float> meterPanel { 436.0f, 37.0f, 101.0f, 363.0f };
        constexpr float meterPanelCorner = 4.0f;
        constexpr int meterCaptionBaseline = 51;
        constexpr float meterCaptionTracking = 0.08f;
        constexpr int scaleTickLength = 3;
        constexpr int scaleTickGap = 2; // between the last output well and the ticks

        // IN stands centred over the pair of input wells, OUT over the four output wells.
        const float inputCaptionCentre = static_cast<float> (editor::inputMeters.x)
                                         + 0.5f * static_cast<float> (editor::inputWellX.front() + editor::inputWellX.back() + editor::meterWidth);
        const float outputCaptionCentre = 0.5f * static_cast<float> (editor::outputMeterX.front() + editor::outputMeterX.back() + editor::meterWidth);
        const int scaleTickFirstX = editor::outputMeterX.back() + editor::meterWidth + scaleTickGap;
        const int scaleTickLastX = scaleTickFirstX + scaleTickLength - 1;
        constexpr float scaleLabelGap = 5.0f; // keeps a minus sign from reading as part of the tick

        /** The dB figures align on their last digit, the widest one clear of the ticks. */
        void drawDecibelScale (juce::Graphics& g)
        {
            const auto font = fontWithCapHeight (type::caption);
            auto widest = 0.0f;

            for (const auto& mark : editor::decibelScale)
                widest = juce::jmax (widest, textWidth (utf8 (mark.text), font));

            const auto labelRight = static_cast<float> (scaleTickLastX + 1) + scaleLabelGap + widest;

            for (const auto& mark : editor::decibelScale)
            {
                const auto isReference = std::string_view (mark.text) == "0";
                drawRow (g, mark.centreY, scaleTickFirstX, scaleTickLastX, isReference ? palette::textSecondary : palette::ruleStrong);
                g.setColour (isReference ? palette::textSecondary : palette::textMuted);
                drawTextOnRow (g, utf8 (mark.text), font, labelRight, mark.centreY, TextAnchor::right);
            }
        }

        void drawMeterPanel (juce::Graphics& g)
        {
            drawSunkenPanel (g, meterPanel, meterPanelCorner, palette::recess);

            const auto captionFont = fontWithCapHeight (type::caption, meterCaptionTracking);
            g.setColour (palette::textSecondary);
            drawText (g, "IN", captionFont, inputCaptionCentre, meterCaptionBaseline, TextAnchor::centre);
            drawText (g, "OUT", captionFont, outputCaptionCentre, meterCaptionBaseline, TextAnchor::centre);

            // Every input layout's meters lie within these two full-height wells; the
            // strips of the layouts with several rows bridge the gaps between them.
            // Their top stays open, as some strips start their first row lower.
            for (const auto x : editor::inputWellX)
                drawWell (g, { editor::inputMeters.x + x, editor::meterTop, editor::meterWidth, editor::outputMeterHeight }, WellTop::open);

            for (const auto x : editor::outputMeterX)
                drawWell (g, { x, editor::meterTop, editor::meterWidth, editor::outputMeterHeight });

            drawDecibelScale (g);
        }

        //==========================================================================
        // Bottom band

        constexpr int knobCaptionGap = 7; // from the caption's baseline down to the value box
        constexpr float knobSeatRadius = 26.5f;
        constexpr float gainPlateRadius = 34.5f; // clear of the gain knob's ticks
        inline const juce::Colour plateShadow { 0xb3000000 };
        constexpr int plateShadowBlur = 6;
        constexpr int plateShadowDrop = 2;
        constexpr std::array<int, 2> bandDividerX { 209, 425 };
        constexpr int bandDividerTop = 423;
        constexpr int bandDividerBottom = 492;

        juce::Point<float> faceCentre (const editor::Knob& knob, juce::Rectangle<int> face)
        {
            return (face + knob.origin).toFloat().getCentre();
        }

        const juce::Point<float> gainPlateCentre = faceCentre (editor::gainKnob, editor::gainKnobFace);

        void drawKnobSeat (juce::Graphics& g, juce::Point<float> centre)
        {
            const auto seat = juce::Rectangle<float> (2.0f * knobSeatRadius, 2.0f * knobSeatRadius).withCentre (centre);

            // A shallow cup: shaded under its upper rim, lit on its lower rim.
            g.setColour (palette::recess);
            g.fillEllipse (seat);
            g.setGradientFill (juce::ColourGradient::vertical (palette::edgeDark, seat.getY(), palette::ruleStrong, seat.getBottom()));
            g.drawEllipse (seat.reduced (0.5f), 1.0f);
        }

        void drawKnobCaption (juce::Graphics& g, const editor::Knob& knob, juce::Rectangle<int> textBox)
        {
            const auto box = textBox + knob.origin;
            g.setColour (palette::textPrimary);
            drawText (g, knob.caption, fontWithCapHeight (type::knobCaption), box.toFloat().getCentreX(), box.getY() - knobCaptionGap, TextAnchor::centre);
        }

        void drawGainPlate (juce::Graphics& g)
        {
            const auto area = juce::Rectangle<float> (2.0f * gainPlateRadius, 2.0f * gainPlateRadius).withCentre (gainPlateCentre);
            juce::Path plate;
            plate.addEllipse (area);

            drawShadow (g, plate, plateShadow, plateShadowBlur, plateShadowDrop);
            fillWithVerticalGradient (g, plate, palette::goldLight, palette::goldDark);

            // A soft sheen across the upper half, as on turned brass.
            g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.22f), gainPlateCentre.x, area.getY() + 8.0f, juce::Colours::white.withAlpha (0.0f), gainPlateCentre.x, gainPlateCentre.y + 6.0f, true));
            g.fillPath (plate);

            g.setGradientFill (juce::ColourGradient::vertical (juce::Colours::white.withAlpha (0.55f), area.getY(), juce::Colours::black.withAlpha (0.45f), area.getBottom()));
            g.drawEllipse (area.reduced (0.6f), 1.2f);
        }

        void drawBottomBand (juce::Graphics& g)
        {
            const auto lastColumn = editor::width - 1;
            const auto bandHeight = editor::height - editor::bottomBandTop;
            g.setGradientFill (juce::ColourGradient::vertical (palette::panel, static_cast<float> (editor::bottomBandTop), palette::ground, static_cast<float> (editor::height)));
            g.fillRect (0, editor::bottomBandTop, editor::width, bandHeight);
            drawRow (g, editor::bottomBandTop - 1, 0, lastColumn, palette::edgeDark);
            drawRow (g, editor::bottomBandTop, 0, lastColumn, palette::edgeLight);

            for (const auto x : bandDividerX)
            {
                drawColumn (g, x, bandDividerTop, bandDividerBottom, palette::edgeDark);
                drawColumn (g, x + 1, bandDividerTop, bandDividerBottom, palette::edgeLight);
            }

            for (const auto& knob : editor::arcKnobs)
            {
                drawKnobSeat (g, faceCentre (knob, editor::arcKnobFace));
                drawKnobCaption (g, knob, editor::arcKnobTextBox);
            }

            drawGainPlate (g);
            drawKnobCaption (g, editor::gainKnob, editor::gainKnobTextBox);
        }

        //==========================================================================
        // Top view: the round pad

        const juce::Point<float> padCentre = editor::topViewPad.toFloat().getCentre();
        const float distanceOneRadius = editor::padMaxRadius * 0.5f * static_cast<float> (editor::topViewPad.getWidth());
        constexpr float padRimRadius = 186.0f;
        constexpr float spokeInnerRadius = 19.0f;
        constexpr float azimuthLabelRadius = 158.0f;
        constexpr float azimuthTickDegrees = 15.0f;
        constexpr float minorTickLength = 3.0f;
        constexpr float majorTickLength = 7.0f;
        constexpr float labelClearance = 3.0f;
        constexpr float distanceLabelOffset = 3.0f;
        constexpr int distanceLabelGap = 3;
        constexpr float nearZoneTint = 0.045f;
        constexpr float nearRingAlpha = 0.4f;
        constexpr float farRingAlpha = 0.55f; // Distance 1, the edge of the range

        float ringRadius (float metres)
        {
            return distanceOneRadius * metres / editor::maxDistanceMetres;
        }

        juce::Rectangle<float> centredCircle (juce::Point<float> centre, float radius)
        {
            return juce::Rectangle<float> (2.0f * radius, 2.0f * radius).withCentre (centre);
        }

        juce::String degreesText (int degrees)
        {
            return (degrees < 0 ? utf8 (u8"\u2212") : juce::String()) + juce::String (std::abs (degrees)) + utf8 (u8"\u00b0");
        }

        /** The azimuth a spoke stands for, in the plug-in's sense: negative to the left. */
        int signedAzimuth (int clockwiseDegrees)
        {
            return clockwiseDegrees > 180 ? clockwiseDegrees - 360 : clockwiseDegrees;
        }

        void drawPadDisc (juce::Graphics& g)
        {
            const auto disc = centredCircle (padCentre, padRimRadius);
            g.setGradientFill (juce::ColourGradient (palette::panel, padCentre.x, padCentre.y, palette::recess, padCentre.x, padCentre.y + padRimRadius, true));
            g.fillEllipse (disc);

            // Inside 1 m the source turns red: the zone is faintly tinted.
            g.setColour (palette::nearZone.withAlpha (nearZoneTint));
            g.fillEllipse (centredCircle (padCentre, ringRadius (1.0f)));

            // Sunk into the surface: the rim is shaded above and lit below.
            g.setGradientFill (juce::ColourGradient::vertical (palette::edgeDark, disc.getY(), palette::ruleStrong, disc.getBottom()));
            g.drawEllipse (disc.expanded (0.5f), 1.0f);
        }

        void drawDistanceRings (juce::Graphics& g)
        {
            for (auto metres = 1; metres <= static_cast<int> (editor::maxDistanceMetres); ++metres)
            {
                const auto isNearLimit = metres == 1;
                const auto isFarLimit = metres == static_cast<int> (editor::maxDistanceMetres);
                g.setColour (isNearLimit ? palette::nearZone.withAlpha (nearRingAlpha)
                                         : (isFarLimit ? palette::accent.withAlpha (farRingAlpha) : palette::rule));
                g.drawEllipse (centredCircle (padCentre, ringRadius (static_cast<float> (metres))), 1.0f);
            }
        }

        juce::Rectangle<float> azimuthLabelArea (int clockwiseDegrees, const juce::Font& font)
        {
            const auto text = degreesText (signedAzimuth (clockwiseDegrees));
            const auto centre = polar (padCentre, azimuthLabelRadius, juce::degreesToRadians (static_cast<float> (clockwiseDegrees)));
            return juce::Rectangle<float> (textWidth (text, font), capHeightOf (font)).withCentre (centre);
        }

        void drawAzimuthSpokesAndLabels (juce::Graphics& g)
        {
            const auto font = fontWithCapHeight (type::small);
            const auto division = static_cast<int> (editor::azimuthDivisionDegrees);

            g.saveState();

            for (auto degrees = 0; degrees < 360; degrees += division)
                g.excludeClipRegion (azimuthLabelArea (degrees, font).expanded (labelClearance).getSmallestIntegerContainer());

            for (auto degrees = 0; degrees < 360; degrees += division)
            {
                const auto angle = juce::degreesToRadians (static_cast<float> (degrees));
                g.setColour (degrees == 0 ? palette::ruleStrong : palette::rule);
                g.drawLine (juce::Line<float> (polar (padCentre, spokeInnerRadius, angle), polar (padCentre, distanceOneRadius, angle)), 1.0f);
            }

            g.restoreState();

            for (auto degrees = 0; degrees < 360; degrees += division)
            {
                const auto area = azimuthLabelArea (degrees, font);
                g.setColour (degrees == 0 ? palette::textSecondary : palette::textMuted);
                drawTextOnRow (g, degreesText (signedAzimuth (degrees)), font, area.getCentreX(), static_cast<int> (std::floor (area.getCentreY())), TextAnchor::centre);
            }
        }

        void drawAzimuthTicks (juce::Graphics& g)
        {
            const auto step = static_cast<int> (azimuthTickDegrees);
            const auto majorEvery = static_cast<int> (editor::azimuthDivisionDegrees);

            for (auto degrees = 0; degrees < 360; degrees += step)
            {
                const auto angle = juce::degreesToRadians (static_cast<float> (degrees));
                const auto isMajor = degrees % majorEvery == 0;
                const auto length = isMajor ? majorTickLength : minorTickLength;
                g.setColour (isMajor ? palette::textMuted : palette::ruleStrong);
                g.drawLine (juce::Line<float> (polar (padCentre, distanceOneRadius + 1.0f, angle),
                                               polar (padCentre, distanceOneRadius + 1.0f + length, angle)),
                            1.0f);
            }
        }

        /** The rings' distances, along the spoke behind the listener, where sources are seldom placed. */
        void drawDistanceLabels (juce::Graphics& g)
        {
            const auto font = fontWithCapHeight (type::small);
            g.setColour (palette::textMuted);

            for (auto metres = 1; metres < static_cast<int> (editor::maxDistanceMetres); ++metres)
            {
                const auto ringBottom = static_cast<int> (std::floor (padCentre.y + ringRadius (static_cast<float> (metres))));
                drawText (g, juce::String (metres) + " m", font, padCentre.x + distanceLabelOffset, ringBottom + distanceLabelGap + static_cast<int> (type::small), TextAnchor::left);
            }
        }

        /** The listener seen from above, facing the front (up): ears and nose first,
        the head over them, so that only the outer outline shows.
    */
        void drawListenerHead (juce::Graphics& g)
        {
            const auto headWidth = 25.0f;
            const auto headHeight = 29.0f;
            const auto earWidth = 6.0f;
            const auto earHeight = 11.0f;
            const auto noseLength = 6.0f;
            const auto noseHalfWidth = 4.0f;
            const auto outline = juce::PathStrokeType (1.2f);
            const auto fillTop = juce::Colour (0xff3d434c);
            const auto fillBottom = juce::Colour (0xff22262c);
            const auto edge = palette::textSecondary.withAlpha (0.85f);

            juce::Path ears;
            const auto earOffset = 0.5f * headWidth + 0.5f;
            ears.addEllipse (juce::Rectangle<float> (earWidth, earHeight).withCentre (padCentre.translated (-earOffset, 0.0f)));
            ears.addEllipse (juce::Rectangle<float> (earWidth, earHeight).withCentre (padCentre.translated (earOffset, 0.0f)));

            juce::Path nose;
            const auto noseBase = padCentre.y - 0.5f * headHeight + 2.0f;
            nose.addTriangle (padCentre.x - noseHalfWidth, noseBase, padCentre.x + noseHalfWidth, noseBase, padCentre.x, noseBase - noseLength);

            juce::Path head;
            head.addEllipse (juce::Rectangle<float> (headWidth, headHeight).withCentre (padCentre));

            juce::Path silhouette (head);
            silhouette.addPath (ears);
            silhouette.addPath (nose);
            silhouette.setUsingNonZeroWinding (true);
            drawShadow (g, silhouette, juce::Colours::black.withAlpha (0.6f), 5, 2);

            for (const auto* part : { &ears, &nose, &head })
            {
                fillWithVerticalGradient (g, *part, fillTop, fillBottom);
                g.setColour (edge);
                g.strokePath (*part, outline);
            }
        }

        void drawTopViewPad (juce::Graphics& g)
        {
            drawPadDisc (g);
            drawDistanceRings (g);
            drawAzimuthSpokesAndLabels (g);
            drawAzimuthTicks (g);
            drawDistanceLabels (g);
            drawListenerHead (g);
        }

        //==========================================================================
        // Top view: the elevation scale under the vertical slider

        const int trackX = editor::elevationSlider.getCentreX() - editor::meterWidth / 2;
        const int trackTop = editor::elevationSlider.getY() + editor::elevationThumbIndent;
        const int trackBottom = editor::elevationSlider.getBottom() - editor::elevationThumbIndent;
        constexpr int elevationTickStep = 15;
        constexpr int elevationLabelStep = 45;
        constexpr int elevationTickGap = 3;
        constexpr int minorElevationTick = 2;
        constexpr int majorElevationTick = 4;
        constexpr float elevationLabelX = 402.0f;
        constexpr int upBaseline = 72;
        constexpr int downBaseline = 369;

        int rowForElevation (int degrees)
        {
            const auto proportion = static_cast<float> (90 - degrees) / 180.0f;
            return trackTop + static_cast<int> (std::floor (proportion * static_cast<float> (trackBottom - trackTop)));
        }

        void drawElevationScale (juce::Graphics& g)
        {
            drawWell (g, juce::Rectangle<int>::leftTopRightBottom (trackX, trackTop, trackX + editor::meterWidth, trackBottom + 1));

            const auto labelFont = fontWithCapHeight (type::small);

            for (auto degrees = -90; degrees <= 90; degrees += elevationTickStep)
            {
                const auto row = rowForElevation (degrees);
                const auto isMajor = degrees % elevationLabelStep == 0;
                const auto length = isMajor ? majorElevationTick : minorElevationTick;
                const auto colour = degrees == 0 ? palette::textSecondary : (isMajor ? palette::textMuted : palette::ruleStrong);
                const auto leftEnd = trackX - elevationTickGap;
                const auto rightStart = trackX + editor::meterWidth + elevationTickGap - 1;

                drawRow (g, row, leftEnd - length + 1, leftEnd, colour);
                drawRow (g, row, rightStart, rightStart + length - 1, colour);

                if (isMajor)
                {
                    g.setColour (degrees == 0 ? palette::textSecondary : palette::textMuted);
                    drawTextOnRow (g, degreesText (degrees), labelFont, elevationLabelX, row, TextAnchor::left);
                }
            }

            const auto captionFont = fontWithCapHeight (type::caption, meterCaptionTracking);
            const auto centreX = editor::elevationSlider.toFloat().getCentreX();
            g.setColour (palette::textSecondary);
            drawText (g, "UP", captionFont, centreX, upBaseline, TextAnchor::centre);
            drawText (g, "DOWN", captionFont, centreX, downBaseline, TextAnchor::centre);
        }

        //==========================================================================
        // Unwrapped view: the azimuth-by-elevation grid

        const auto& grid = editor::unwrappedPad;
        constexpr int gridMinorAzimuth = 15;
        constexpr int gridMinorElevation = 18;
        constexpr int gridEdgeTick = 3;
        constexpr int gridEdgeLabelGap = 5;
        constexpr int upRow = 51;
        constexpr int belowGridRow = 388;
        constexpr float elevationLabelRight = 25.0f;
        constexpr float directionLabelInset = 5.0f;

        /** The pixel column of an azimuth (-180 at the left edge, +180 at the right). */
        int columnForAzimuth (int degrees)
        {
            const auto x = static_cast<float> (grid.getX()) + static_cast<float> (grid.getWidth()) * static_cast<float> (degrees + 180) / 360.0f;
            return juce::jlimit (grid.getX(), grid.getRight() - 1, static_cast<int> (std::floor (x)));
        }

        /** The pixel row of an elevation (+90 at the top edge, -90 at the bottom). */
        int rowForGridElevation (int degrees)
        {
            const auto y = static_cast<float> (grid.getY()) + static_cast<float> (grid.getHeight()) * static_cast<float> (90 - degrees) / 180.0f;
            return juce::jlimit (grid.getY(), grid.getBottom() - 1, static_cast<int> (std::floor (y)));
        }

        struct DirectionLabel
        {
            const char* text;
            int azimuth;
            TextAnchor anchor;
        };

        constexpr std::array<DirectionLabel, 5> directionLabels { { { "BACK", -180, TextAnchor::left },
                                                                    { "LEFT", -90, TextAnchor::centre },
                                                                    { "FRONT", 0, TextAnchor::centre },
                                                                    { "RIGHT", 90, TextAnchor::centre },
                                                                    { "BACK", 180, TextAnchor::right } } };

        float labelAnchorX (const DirectionLabel& label)
        {
            switch (label.anchor)
            {
                case TextAnchor::left: return static_cast<float> (grid.getX()) + directionLabelInset;
                case TextAnchor::right: return static_cast<float> (grid.getRight()) - directionLabelInset;
                case TextAnchor::centre: return static_cast<float> (columnForAzimuth (label.azimuth)) + 0.5f;
            }

            return 0.0f;
        }

        juce::Rectangle<float> directionLabelArea (const DirectionLabel& label, const juce::Font& font)
        {
            const auto width = textWidth (label.text, font);
            const auto x = labelAnchorX (label);
            const auto left = label.anchor == TextAnchor::left ? x : (label.anchor == TextAnchor::right ? x - width : x - 0.5f * width);
            const auto horizon = static_cast<float> (rowForGridElevation (0)) + 0.5f;
            return { left, horizon - 0.5f * capHeightOf (font), width, capHeightOf (font) };
        }

        void drawGridGround (juce::Graphics& g)
        {
            g.setGradientFill (juce::ColourGradient::vertical (palette::recess, static_cast<float> (grid.getY()), palette::panel.darker (0.2f), static_cast<float> (grid.getBottom())));
            g.fillRect (grid);

            // The front half, where most sources live, is a shade lighter.
            const auto frontLeft = columnForAzimuth (-90);
            const auto frontRight = columnForAzimuth (90);
            g.setColour (juce::Colours::white.withAlpha (0.025f));
            g.fillRect (juce::Rectangle<int>::leftTopRightBottom (frontLeft, grid.getY(), frontRight + 1, grid.getBottom()));

            drawFrameAround (g, grid, palette::edgeDark, palette::ruleStrong);
        }

        void drawGridLines (juce::Graphics& g, const juce::Font& labelFont)
        {
            g.saveState();

            for (const auto& label : directionLabels)
                g.excludeClipRegion (directionLabelArea (label, labelFont).expanded (4.0f, 3.0f).getSmallestIntegerContainer());

            const auto azimuthStep = static_cast<int> (editor::azimuthDivisionDegrees);
            const auto elevationStep = static_cast<int> (editor::elevationDivisionDegrees);

            for (auto degrees = -180; degrees <= 180; degrees += azimuthStep)
                drawColumn (g, columnForAzimuth (degrees), grid.getY(), grid.getBottom() - 1, degrees == 0 ? palette::ruleStrong : palette::rule);

            for (auto degrees = 90; degrees >= -90; degrees -= elevationStep)
                drawRow (g, rowForGridElevation (degrees), grid.getX(), grid.getRight() - 1, palette::rule);

            // The horizon, dotted, through the middle row.
            const auto horizon = rowForGridElevation (0);

            for (auto x = grid.getX() + 1; x < grid.getRight() - 1; x += 3)
                drawRow (g, horizon, x, x, palette::ruleStrong);

            g.restoreState();
        }

        void drawGridEdgeTicks (juce::Graphics& g)
        {
            for (auto degrees = -180; degrees <= 180; degrees += gridMinorAzimuth)
            {
                const auto x = columnForAzimuth (degrees);
                drawColumn (g, x, grid.getY() - 1 - gridEdgeTick, grid.getY() - 2, palette::ruleStrong);
                drawColumn (g, x, grid.getBottom() + 1, grid.getBottom() + gridEdgeTick, palette::ruleStrong);
            }

            for (auto degrees = 90; degrees >= -90; degrees -= gridMinorElevation)
            {
                const auto y = rowForGridElevation (degrees);
                drawRow (g, y, grid.getX() - 1 - gridEdgeTick, grid.getX() - 2, palette::ruleStrong);
                drawRow (g, y, grid.getRight() + 1, grid.getRight() + gridEdgeTick, palette::ruleStrong);
            }
        }

        void drawGridScales (juce::Graphics& g)
        {
            const auto font = fontWithCapHeight (type::small);
            g.setColour (palette::textMuted);

            for (auto degrees = 90; degrees >= -90; degrees -= static_cast<int> (editor::elevationDivisionDegrees))
                drawTextOnRow (g, degreesText (degrees), font, elevationLabelRight - static_cast<float> (gridEdgeLabelGap) + 1.0f, rowForGridElevation (degrees), TextAnchor::right);

            for (auto degrees = -180; degrees <= 180; degrees += static_cast<int> (editor::azimuthDivisionDegrees))
            {
                if (degrees == 0)
                    continue; // DOWN stands there

                const auto anchor = degrees == -180 ? TextAnchor::left : (degrees == 180 ? TextAnchor::right : TextAnchor::centre);
                const auto x = degrees == -180 ? static_cast<float> (grid.getX())
                                               : (degrees == 180 ? static_cast<float> (grid.getRight()) : static_cast<float> (columnForAzimuth (degrees)) + 0.5f);
                drawTextOnRow (g, degreesText (degrees), font, x, belowGridRow, anchor);
            }
        }

        void drawUnwrappedGrid (juce::Graphics& g)
        {
            const auto labelFont = fontWithCapHeight (type::caption, meterCaptionTracking);

            drawGridGround (g);
            drawGridLines (g, labelFont);
            drawGridEdgeTicks (g);
            drawGridScales (g);

            for (const auto& label : directionLabels)
            {
                g.setColour (label.azimuth == 0 ? palette::textPrimary : palette::textSecondary);
                drawTextOnRow (g, label.text, labelFont, labelAnchorX (label), rowForGridElevation (0), label.anchor);
            }

            const auto centreX = static_cast<float> (columnForAzimuth (0)) + 0.5f;
            g.setColour (palette::textSecondary);
            drawTextOnRow (g, "UP", labelFont, centreX, upRow, TextAnchor::centre);
            drawTextOnRow (g, "DOWN", labelFont, centreX, belowGridRow, TextAnchor::centre);
        }

        //==========================================================================
        juce::Image makeBackground()
        {
            return juce::Image (juce::Image::RGB, editor::width, editor::height, true, juce::SoftwareImageType());
        }

        void drawEditorFrame (juce::Graphics& g)
        {
            g.setGradientFill (juce::ColourGradient::vertical (palette::ground, 0.0f, palette::ground.darker (0.25f), static_cast<float> (editor::height)));
            g.fillAll();
            drawHeaderBand (g);
            drawMeterPanel (g);
            drawBottomBand (g);
        }
    } // namespace

    juce::Image drawTopViewBackground()
    {
        auto image = makeBackground();
        juce::Graphics g (image);
        drawEditorFrame (g);
        drawTopViewPad (g);
        drawElevationScale (g);
        return image;
    }

    juce::Image drawUnwrappedViewBackground()
    {
        auto image = makeBackground();
        juce::Graphics g (image);
        drawEditorFrame (g);
        drawUnwrappedGrid (g);
        return image;
    }
} // namespace artwork
