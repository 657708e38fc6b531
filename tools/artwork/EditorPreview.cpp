#include "EditorPreview.h"

#include "ArtworkStyle.h"
#include "ArtworkText.h"

#include <cmath>

namespace artwork
{
    namespace
    {
        struct KnobSetting
        {
            float proportion;
            const char* valueText;
        };

        struct MeterSetting
        {
            juce::Rectangle<int> bounds; // relative to the input meter group
            float level;
        };

        struct ChannelDot
        {
            float azimuthOffset; // degrees
        };

        /** One face of the editor at sample values. */
        struct PreviewState
        {
            const char* background;
            const char* inputStrip;
            const char* channelLabel;
            const char* viewToggle;
            std::array<KnobSetting, 4> arcKnobs;
            KnobSetting gain;
            std::vector<MeterSetting> inputMeters;
            std::array<float, 4> outputLevels;
            float azimuth; // normalised parameter values
            float elevation;
            float distance;
            float width;
            std::vector<ChannelDot> channels;
        };

        const PreviewState& stateFor (EditorView view)
        {
            static const PreviewState top {
                "GUI_top.jpg",
                "inputVuMeters_stereo.png",
                "WXYZ.png",
                "vueCross.png",
                { { { 0.5833f, u8"30\u00b0" }, { 0.5f, u8"0\u00b0" }, { 0.375f, "1.5 m" }, { 0.4f, "40 %" } } },
                { 0.5f, "0 dB" },
                { { { 6, 0, 3, 320 }, 0.74f }, { { 16, 0, 3, 320 }, 0.69f } },
                { 0.78f, 0.52f, 0.47f, 0.21f },
                0.5833f,
                0.5f,
                0.375f,
                0.4f,
                { { -30.0f }, { 30.0f } }
            };

            static const PreviewState unwrapped {
                "GUI_cote.jpg",
                "inputVuMeters_5_1.png",
                "WYZX.png",
                "vueDot.png",
                { { { 0.375f, u8"\u221245\u00b0" }, { 0.6667f, u8"30\u00b0" }, { 0.5f, "2.0 m" }, { 0.6f, "60 %" } } },
                { 0.404f, u8"\u22123 dB" },
                { { { 6, 224, 3, 96 }, 0.7f }, { { 16, 224, 3, 96 }, 0.66f }, { { 6, 112, 3, 96 }, 0.81f }, { { 16, 112, 3, 96 }, 0.35f }, { { 6, 0, 3, 96 }, 0.55f }, { { 16, 0, 3, 96 }, 0.5f } },
                { 0.8f, 0.33f, 0.58f, 0.44f },
                0.375f,
                0.6667f,
                0.5f,
                0.6f,
                { { -30.0f }, { 30.0f }, { 0.0f }, { 0.0f }, { -110.0f }, { 110.0f } }
            };

            return view == EditorView::top ? top : unwrapped;
        }

        // Stand-ins for what the components draw themselves.
        inline const juce::Colour valueBoxFill { 0x5092928d };
        inline const juce::Colour valueBoxText { 0xffd7d7d7 };
        constexpr float valueBoxFontHeight = 13.0f;
        constexpr float gearOpacity = 0.85f;
        inline const juce::Colour instanceColour { 0xff49b6ff };
        constexpr float crosshairGap = 3.0f;
        constexpr float crosshairReach = 12.0f;
        constexpr float crosshairThickness = 2.0f;

        // The welcome panel's own drawing and children.
        inline const juce::Rectangle<int> welcomeLogoArea { 111, 76, 220, 280 };
        constexpr float welcomeLogoOpacity = 0.75f;
        inline const juce::Rectangle<int> welcomeTitleArea { 133, 130, 175, 52 };
        inline const juce::Colour welcomeTitleColour { 0xfffcfcfc };
        constexpr float welcomeTitleHeight = 18.0f;
        inline const juce::Rectangle<int> welcomeLinkArea { 138, 314, 168, 22 };
        inline const juce::Colour welcomeLinkColour { 0xffe10035 };
        constexpr float welcomeLinkHeight = 14.0f;

        int frameFor (float proportion, bool centreOnlyAtHalf)
        {
            auto frame = static_cast<int> (std::floor (proportion * static_cast<float> (filmstrip::frameCount - 1)));

            if (centreOnlyAtHalf && frame == filmstrip::centreFrame && proportion > 0.5f)
                ++frame;

            return frame;
        }

        void drawArcKnob (juce::Graphics& g, const juce::Image& strip, const editor::Knob& knob, float proportion)
        {
            const auto frame = frameFor (proportion, true);
            const auto margin = filmstrip::arcKnobMargin;
            const auto inner = filmstrip::frameSize - 2 * margin;
            const auto face = editor::arcKnobFace + knob.origin;
            g.drawImage (strip, face.getX(), face.getY(), face.getWidth(), face.getHeight(), margin, frame * filmstrip::frameSize + margin, inner, inner);
        }

        void drawGainKnob (juce::Graphics& g, const juce::Image& strip, float proportion)
        {
            const auto frame = frameFor (proportion, false);
            const auto face = editor::gainKnobFace + editor::gainKnob.origin;
            g.drawImage (strip, face.getX(), face.getY(), face.getWidth(), face.getHeight(), 0, frame * filmstrip::frameSize, filmstrip::frameSize, filmstrip::frameSize);
        }

        void drawValueBox (juce::Graphics& g, juce::Rectangle<int> box, const char* text)
        {
            g.setColour (valueBoxFill);
            g.fillRect (box);
            g.setColour (valueBoxText);
            g.setFont (juce::Font (roboto()).withHeight (valueBoxFontHeight));
            g.drawText (utf8 (text), box, juce::Justification::centred, false);
        }

        void drawKnobs (juce::Graphics& g, const RenderedSet& set, const PreviewState& state)
        {
            const auto bipolar = findImage (set, "bouton_AW_Centre0_70x70_V3.png");
            const auto unipolar = findImage (set, "bouton_AW_70x70.png");
            g.setOpacity (1.0f);

            for (size_t index = 0; index < editor::arcKnobs.size(); ++index)
            {
                const auto& knob = editor::arcKnobs[index];
                const auto& setting = state.arcKnobs[index];
                drawArcKnob (g, index < 2 ? bipolar : unipolar, knob, setting.proportion);
                drawValueBox (g, editor::arcKnobTextBox + knob.origin, setting.valueText);
            }

            drawGainKnob (g, findImage (set, "bouton_G_70x70.png"), state.gain.proportion);
            drawValueBox (g, editor::gainKnobTextBox + editor::gainKnob.origin, state.gain.valueText);
        }

        /** A level bar as the meters draw it: the lower part of the gradient, stretched. */
        void drawLevel (juce::Graphics& g, const juce::Image& gradient, juce::Rectangle<int> bounds, float level)
        {
            const auto height = static_cast<float> (bounds.getHeight());
            const auto imageHeight = static_cast<float> (gradient.getHeight());
            g.drawImage (gradient, bounds.getX(), bounds.getY() + static_cast<int> (height * (1.0f - level)), bounds.getWidth(), static_cast<int> (height * level), 0, static_cast<int> (imageHeight * (1.0f - level)), gradient.getWidth(), static_cast<int> (imageHeight * level));
        }

        void drawMeters (juce::Graphics& g, const RenderedSet& set, const PreviewState& state)
        {
            const auto gradient = findImage (set, "vuMeterVertical.png");
            g.setOpacity (1.0f);
            g.drawImageAt (findImage (set, state.inputStrip), editor::inputMeters.x, editor::inputMeters.y);

            for (const auto& meter : state.inputMeters)
                drawLevel (g, gradient, meter.bounds + editor::inputMeters, meter.level);

            for (size_t index = 0; index < editor::outputMeterX.size(); ++index)
                drawLevel (g, gradient, { editor::outputMeterX[index], editor::meterTop, editor::meterWidth, editor::outputMeterHeight }, state.outputLevels[index]);

            g.drawImageAt (findImage (set, state.channelLabel), editor::channelOrderLabel.getX(), editor::channelOrderLabel.getY());
        }

        void drawButtons (juce::Graphics& g, const RenderedSet& set, const PreviewState& state)
        {
            g.setOpacity (gearOpacity);
            g.drawImage (findImage (set, "engrenage.png"), editor::gearButton.toFloat(), juce::RectanglePlacement::centred);
            g.setOpacity (1.0f);
            g.drawImage (findImage (set, state.viewToggle), editor::viewToggle.toFloat(), juce::RectanglePlacement::centred);
        }

        void drawCrosshair (juce::Graphics& g, juce::Point<float> centre)
        {
            g.setColour (instanceColour);

            for (const auto direction : { juce::Point<float> (1.0f, 0.0f), juce::Point<float> (-1.0f, 0.0f), juce::Point<float> (0.0f, 1.0f), juce::Point<float> (0.0f, -1.0f) })
                g.drawLine (juce::Line<float> (centre + direction * crosshairGap, centre + direction * crosshairReach), crosshairThickness);
        }

        void drawTopViewMarkers (juce::Graphics& g, const PreviewState& state)
        {
            const auto pad = editor::topViewPad.toFloat();
            const auto radius = editor::padMaxRadius * state.distance;
            const auto spread = 1.0f - 2.0f * std::abs (state.elevation - 0.5f);
            const auto angle = 1.5f * juce::MathConstants<float>::pi - juce::MathConstants<float>::twoPi * state.azimuth;
            const auto toPad = [&pad] (float x, float y)
            { return juce::Point<float> (pad.getX() + x * pad.getWidth(), pad.getY() + y * pad.getHeight()); };

            drawCrosshair (g, toPad ((1.0f + radius * std::cos (angle)) * 0.5f, (1.0f - radius * std::sin (angle)) * 0.5f));

            const auto dotSize = 5.0f + 10.0f * state.elevation;
            g.setColour (instanceColour);

            for (const auto& channel : state.channels)
            {
                const auto channelAngle = angle - juce::MathConstants<float>::twoPi * (channel.azimuthOffset / 360.0f) * state.width;
                const auto centre = toPad ((1.0f + spread * radius * std::cos (channelAngle)) * 0.5f,
                                           (1.0f - spread * radius * std::sin (channelAngle)) * 0.5f);
                g.fillEllipse (juce::Rectangle<float> (dotSize, dotSize).withCentre (centre));
            }

            // The elevation slider's thumb: wide at the middle of its travel, narrower towards the ends.
            const auto slider = editor::elevationSlider.toFloat();
            const auto indent = static_cast<float> (editor::elevationThumbIndent);
            const auto travel = slider.getHeight() - 2.0f * indent;
            const auto position = (1.0f - state.elevation) * travel + indent;
            const auto half = 0.5f * slider.getHeight();
            const auto taper = std::abs (position - half) / half;
            g.setColour (palette::accent);
            g.fillEllipse (juce::Rectangle<float> (20.0f - 10.0f * taper, 10.0f - 5.0f * taper)
                               .withCentre ({ slider.getCentreX(), slider.getY() + position }));
        }

        void drawUnwrappedMarkers (juce::Graphics& g, const PreviewState& state)
        {
            const auto pad = editor::unwrappedPad.toFloat();
            const auto markerY = 1.0f - state.elevation;
            const auto centre = juce::Point<float> (pad.getX() + state.azimuth * pad.getWidth(), pad.getY() + markerY * pad.getHeight());
            drawCrosshair (g, centre);

            const auto nearest = juce::jmax (state.distance, 0.25f);
            const auto dotSize = std::sqrt (1.0f - nearest) * 17.0f + 5.0f;
            const auto spread = 1.0f - 2.0f * std::abs (markerY - 0.5f);
            g.setColour (instanceColour);

            for (const auto& channel : state.channels)
            {
                auto x = channel.azimuthOffset / 360.0f * pad.getWidth() * state.width * spread + (centre.x - pad.getX());
                x = x > pad.getWidth() ? x - pad.getWidth() : (x < 0.0f ? x + pad.getWidth() : x);
                g.fillEllipse (juce::Rectangle<float> (dotSize, dotSize).withCentre ({ pad.getX() + x, centre.y }));
            }
        }
    } // namespace

    juce::Image drawEditorPreview (const RenderedSet& set, EditorView view)
    {
        const auto& state = stateFor (view);
        juce::Image face (juce::Image::RGB, editor::width, editor::height, true, juce::SoftwareImageType());
        juce::Graphics g (face);

        g.fillAll (juce::Colours::black);
        g.drawImageAt (findImage (set, state.background), 0, 0);
        drawMeters (g, set, state);
        drawButtons (g, set, state);
        drawKnobs (g, set, state);

        if (view == EditorView::top)
            drawTopViewMarkers (g, state);
        else
            drawUnwrappedMarkers (g, state);

        return face;
    }

    juce::Image drawWelcomePreview (const RenderedSet& set)
    {
        auto face = drawEditorPreview (set, EditorView::top);
        juce::Graphics g (face);

        g.setColour (juce::Colours::black.withAlpha (welcomeLogoOpacity));
        g.drawImageAt (findImage (set, "welcomeLogo.png"), welcomeLogoArea.getX(), welcomeLogoArea.getY());

        g.setColour (welcomeTitleColour);
        g.setFont (juce::Font (roboto()).withHeight (welcomeTitleHeight));
        g.drawText ("Velorin v1.2", welcomeTitleArea, juce::Justification::centred, false);

        g.setColour (welcomeLinkColour);
        g.setFont (juce::Font (roboto()).withHeight (welcomeLinkHeight));
        g.drawText ("www.korvanne.example", welcomeLinkArea, juce::Justification::centred, false);
        return face;
    }
} // namespace artwork
