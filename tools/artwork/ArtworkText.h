#pragma once

#include <juce_graphics/juce_graphics.h>

/** Lettering for the artwork, always in the embedded Roboto Regular: the same
    face the plug-in draws its own text with, and no dependence on the fonts
    installed on the machine that runs the generator.
*/
namespace artwork
{
    /** The embedded Roboto Regular, created once from the font bytes. */
    juce::Typeface::Ptr roboto();

    /** A Roboto font whose capitals and figures are exactly capHeight pixels tall.
    Tracking is extra space between letters, as a fraction of the font height.
*/
    juce::Font fontWithCapHeight (float capHeight, float tracking = 0.0f);

    /** The advance width of a line of text in the given font. */
    float textWidth (const juce::String& text, const juce::Font& font);

    /** The text of a UTF-8 literal. */
    juce::String utf8 (const char* text);

    enum class TextAnchor
    {
        left,
        centre,
        right
    };

    /** Draws one line of text in the current colour on an integer baseline, its
    left edge, centre or right edge at x.
*/
    void drawText (juce::Graphics& g, const juce::String& text, const juce::Font& font, float x, int baseline, TextAnchor anchor);

    /** Like drawText, with the strokes thickened by the given width: a heavier cut
    of the one embedded face, for word marks.
*/
    void drawHeavierText (juce::Graphics& g, const juce::String& text, const juce::Font& font, float x, int baseline, TextAnchor anchor, float extraWeight);

    /** Draws one line of text whose capitals are centred on the pixel row centreRow
    (for odd capital heights) or on the edge above it (for even ones).
*/
    void drawTextOnRow (juce::Graphics& g, const juce::String& text, const juce::Font& font, float x, int centreRow, TextAnchor anchor);

    /** The capital height of a font made by fontWithCapHeight. */
    float capHeightOf (const juce::Font& font);
} // namespace artwork
