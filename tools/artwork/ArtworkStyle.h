#pragma once

#include <juce_graphics/juce_graphics.h>

#include <array>

/** The shared vocabulary of every drawing: the palette, the editor's geometry
    (where each component lies, so that the artwork sits under it) and the
    knob filmstrip format. Light falls from straight above everywhere: raised
    parts are lit on their top edge, recessed parts on their bottom edge.
*/
namespace artwork
{
    namespace palette
    {
        // The interface's one accent: thumbs, pointers, value arcs, selected state.
        inline const juce::Colour accent { 0xff0b72f2 };
        inline const juce::Colour accentBright { 0xff4a9bff };
        inline const juce::Colour accentDeep { 0xff07407f };

        // Surfaces, from the deepest recess to the raised header.
        inline const juce::Colour well { 0xff08090b };
        inline const juce::Colour wellWall { 0xff0f1114 };
        inline const juce::Colour recess { 0xff101216 };
        inline const juce::Colour ground { 0xff16181c };
        inline const juce::Colour panel { 0xff1c1f24 };
        inline const juce::Colour raised { 0xff262a31 };

        // Structure lines and bevels.
        inline const juce::Colour rule { 0xff2b3038 };
        inline const juce::Colour ruleStrong { 0xff3b414b };
        inline const juce::Colour edgeDark { 0xff050607 };
        inline const juce::Colour edgeLight { 0x1affffff };

        // Text, by emphasis.
        inline const juce::Colour textPrimary { 0xffe8eaed };
        inline const juce::Colour textSecondary { 0xffa3aab4 };
        inline const juce::Colour textMuted { 0xff7b838f };

        // The reference mark on knobs (centre or zero), and the gain knob's plate.
        inline const juce::Colour mark { 0xffffc533 };
        inline const juce::Colour goldLight { 0xffe3c27a };
        inline const juce::Colour goldDark { 0xff7d5e27 };

        // Sources closer than 1 m turn red in the pads; the pad tints that zone.
        inline const juce::Colour nearZone { 0xffd50d1b };

        // Level gradient, bottom to top.
        inline const juce::Colour levelGreen { 0xff25c865 };
        inline const juce::Colour levelYellow { 0xfff2d22e };
        inline const juce::Colour levelRed { 0xfff23a2f };
    } // namespace palette

    /** Capital heights in pixels: every caption is set so that its capitals and
    figures are whole pixels tall on an integer baseline.
*/
    namespace type
    {
        constexpr float wordMark = 13.0f;
        constexpr float knobCaption = 8.0f;
        constexpr float caption = 7.0f;
        constexpr float small = 6.0f;
    } // namespace type

    /** Where the editor's components lie, in editor pixels. */
    namespace editor
    {
        constexpr int width = 556;
        constexpr int height = 503;

        constexpr int headerBottom = 28; // header band: rows 0 to 27
        inline const juce::Rectangle<int> welcomeButton { 0, 0, 173, 28 };
        inline const juce::Rectangle<int> gearButton { 528, 5, 18, 18 };

        inline const juce::Rectangle<int> topViewPad { 4, 30, 375, 375 };
        inline const juce::Rectangle<int> elevationSlider { 377, 70, 29, 293 };
        constexpr int elevationThumbIndent = 9; // the slider keeps its thumb this far inside its ends
        inline const juce::Rectangle<int> unwrappedPad { 29, 61, 385, 317 };
        inline const juce::Rectangle<int> viewToggle { 408, 47, 19, 19 };

        constexpr float padMaxRadius = 0.92f; // Distance 1 (4 m), as a fraction of the top pad's half-size
        constexpr float maxDistanceMetres = 4.0f;
        constexpr float azimuthDivisionDegrees = 45.0f;
        constexpr float elevationDivisionDegrees = 36.0f;

        inline const juce::Point<int> inputMeters { 441, 60 };
        constexpr std::array<int, 2> inputWellX { 6, 16 }; // the input meters' columns, relative to their group
        constexpr std::array<int, 4> outputMeterX { 472, 482, 492, 502 };
        constexpr int meterTop = 60;
        constexpr int meterWidth = 3;
        constexpr int outputMeterHeight = 320;

        struct ScaleMark
        {
            const char* text;
            int centreY;
        };

        // +10 dB level with the meters' top, -60 dB with their bottom: about 45.7 px per 10 dB.
        // The labels are UTF-8 and use the typographic minus sign.
        constexpr std::array<ScaleMark, 8> decibelScale { { { u8"+10", 59 },
                                                            { u8"0", 105 },
                                                            { u8"\u221210", 151 },
                                                            { u8"\u221220", 196 },
                                                            { u8"\u221230", 242 },
                                                            { u8"\u221240", 287 },
                                                            { u8"\u221250", 333 },
                                                            { u8"\u221260", 378 } } };
        inline const juce::Rectangle<int> channelOrderLabel { 469, 385, 38, 7 };

        constexpr int bottomBandTop = 411;

        /** One rotary knob of the bottom band: the slider's origin and its caption. */
        struct Knob
        {
            const char* caption;
            juce::Point<int> origin;
        };

        constexpr int knobRowY = 433;
        inline const std::array<Knob, 4> arcKnobs { { { "Azi.", { 12, knobRowY } },
                                                      { "Elev.", { 115, knobRowY } },
                                                      { "Dist.", { 217, knobRowY } },
                                                      { "Width", { 325, knobRowY } } } };
        inline const Knob gainKnob { "Gain", { 434, 428 } };

        // Where the knob look-and-feels put the knob face and the value box, relative to the slider.
        inline const juce::Rectangle<int> arcKnobFace { 37, 8, 48, 48 };
        inline const juce::Rectangle<int> arcKnobTextBox { -2, 32, 37, 15 };
        inline const juce::Rectangle<int> gainKnobFace { 45, 0, 70, 70 };
        inline const juce::Rectangle<int> gainKnobTextBox { 2, 37, 41, 15 };
    } // namespace editor

    /** The knob filmstrips: square frames stacked top to bottom. */
    namespace filmstrip
    {
        constexpr int frameSize = 70;
        constexpr int frameCount = 127;
        constexpr int centreFrame = 63;
        constexpr int arcKnobMargin = 5; // the arc knobs show only the inner 60 x 60
        constexpr float sweepDegrees = 270.0f; // from the lower left, clockwise, to the lower right
    } // namespace filmstrip
} // namespace artwork
